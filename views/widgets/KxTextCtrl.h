#pragma once
// The text box of Text fields on the form and of text values in the Search Records
// dialog. On the form it holds many lines and grows and shrinks with its content; in the
// dialog it is one line. Its limits bound only what the user types or pastes: a stored
// text longer than the limit is still shown whole.

#include "views/widgets/KxBaseCtrl.h"

#include "engine/values/TypeCodes.h"

#include <QTextEdit>

#include <optional>

class KxTextCtrl : public QTextEdit, public KxBaseCtrl {
    Q_OBJECT
  public:
    enum class Use {
        Form,   // many lines, grows with its content, 32,768 characters
        Search, // one line of at most 255 characters
    };
    static constexpr int kFormLimit = 32768;
    static constexpr int kSearchLimit = 255;

    // valueType is the type of the values read back: Text or Multiple Choice.
    explicit KxTextCtrl(Use use, QWidget* parent = nullptr, int valueType = kx::type::Text);

    Use use() const { return use_; }
    int limit() const { return limit_; }

    // Makes the box a display of any field's value as lists and forms show it (Number and
    // Calculation with decimals and the item's 0x80 and 0x100 flags, Time without seconds
    // under 0x40). Reading such a box gives back the value it was shown.
    void setDisplayFormat(int decimals, unsigned flags);

    // The least height a growing box shrinks to; the standard control height unless set.
    void setMinimumBoxHeight(int height);

    // The read-only switch is the field control's, which also sets the window's.
    using KxBaseCtrl::isReadOnly;
    using KxBaseCtrl::setReadOnly;

    QWidget* widget() override { return this; }

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void resizeEvent(QResizeEvent* event) override;

    std::optional<FieldValue> readContent() override;
    void showContent(const FieldValue* value) override;
    void applyReadOnly(bool readOnly) override;
    void applyOverwriteMode(bool overwrite) override;

  private:
    // Characters the box can still take when the selection is replaced.
    int room() const;
    void fitHeight();
    void reportCaret(int key);

    Use use_;
    int valueType_;
    int limit_;
    int minimumHeight_;
    struct DisplayFormat {
        int decimals = 0;
        unsigned flags = 0;
    };
    std::optional<DisplayFormat> display_;
    std::optional<FieldValue> shown_; // the value a display box was given
    bool showing_ = false;            // content set by showValue, not the user
};
