#pragma once
// The date or time box of Date and Time fields on the form. Its picker is shown only while
// the field has a value; an empty field is a box that looks like an empty picker. Any key
// or a click fills it with the current date or time (the key then goes on into the picker);
// Delete, Backspace or Ctrl+X empty it again.

#include "views/widgets/KxBaseCtrl.h"

#include "engine/KxLocale.h"

#include <QWidget>

#include <optional>

class KxInnerDateTimeCtrl;
class QStyleOptionComplex;

class KxDateTimeCtrl : public QWidget, public KxBaseCtrl {
    Q_OBJECT
  public:
    enum class Mode { Date, Time };

    // withSeconds matters to Time boxes only: without them (display flag 0x40) the picker
    // shows hours and minutes, and a time the user changes gets second 0.
    KxDateTimeCtrl(Mode mode, bool withSeconds, QWidget* parent = nullptr,
                   const KxLocale& locale = kxLocale());

    Mode mode() const { return mode_; }
    // Whether the field has a value (the picker is shown).
    bool hasValue() const;
    KxInnerDateTimeCtrl* picker() const { return picker_; }

    QWidget* widget() override { return this; }
    QSize sizeHint() const override;

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

    std::optional<FieldValue> readContent() override;
    void showContent(const FieldValue* value) override;
    void applyReadOnly(bool readOnly) override;

  private:
    // The user starts an empty field: the current date and time, shown and focused.
    void fill();
    // The user empties the field.
    void empty();
    void setPickerShown(bool shown);
    // The empty box's look: the picker's drop-down (Date) or spin arrows (Time).
    void initEmptyLook(QStyleOptionComplex& option) const;
    QRect dropDownRect() const;

    Mode mode_;
    bool withSeconds_;
    KxInnerDateTimeCtrl* picker_;
    std::optional<FieldValue> shown_; // what showValue gave, read back while unchanged
    bool userChanged_ = false;
    bool showing_ = false;
};
