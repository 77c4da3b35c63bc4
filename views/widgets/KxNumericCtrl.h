#pragma once
// The number box of Number and Calculation fields on the form and of number values in the
// Search Records dialog.
//
// While the user edits (the box has the focus, and always in the dialog) it shows the plain
// number text; otherwise the number with the field's decimal places, thousands separators
// and currency symbol, or asterisks when that does not fit. The value itself is kept apart
// from what is shown, so reading a box never depends on how it happens to be displayed.

#include "views/widgets/KxBaseCtrl.h"
#include "views/NumericTyping.h"

#include "engine/KxLocale.h"

#include <QLineEdit>

#include <optional>
#include <string>

class KxNumericCtrl : public QLineEdit, public KxBaseCtrl {
    Q_OBJECT
  public:
    enum class Use { Form, Search };
    // The dialog's boxes read back every digit the user can type.
    static constexpr int kSearchDecimals = 15;

    // valueType is the type of the values read back: Integer (3), Number (4) or
    // Calculation (9). A form box for a Calculation is read-only.
    KxNumericCtrl(int valueType, int decimals, bool thousands, bool currency, Use use,
                  QWidget* parent = nullptr, const KxLocale& locale = kxLocale());

    int valueType() const { return valueType_; }
    int decimals() const { return decimals_; }

    // The read-only switch is the field control's, which also sets the window's.
    using KxBaseCtrl::isReadOnly;
    using KxBaseCtrl::setReadOnly;
    // So is the modified flag: set by the user's edits, cleared by readValue and showValue.
    using KxBaseCtrl::isModified;
    using KxBaseCtrl::setModified;

    QWidget* widget() override { return this; }

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

    std::optional<FieldValue> readContent() override;
    void showContent(const FieldValue* value) override;
    void applyReadOnly(bool readOnly) override;

  private:
    // Types each character where the user's selection (or caret) is, each one kept or
    // refused by the typing rules.
    void typeText(const std::string& typed);
    void pasteChecked();
    void takeTextAsValue();
    void refresh();
    bool fits(const QString& text) const;

    int valueType_;
    int decimals_;
    Use use_;
    KxLocale locale_;
    KxNumericFormat format_;
    std::optional<double> value_;
    bool calcFailed_ = false;
    bool editing_ = false; // the box shows the text the user edits
};
