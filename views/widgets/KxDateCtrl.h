#pragma once
// The date value box of the Search Records dialog: a date picker with a check box that
// says whether there is a date at all.

#include "views/widgets/KxBaseCtrl.h"

#include "engine/KxLocale.h"

#include <QWidget>

class QCheckBox;
class QDateEdit;

class KxDateCtrl : public QWidget, public KxBaseCtrl {
    Q_OBJECT
  public:
    explicit KxDateCtrl(QWidget* parent = nullptr, const KxLocale& locale = kxLocale());

    QCheckBox* checkBox() const { return check_; }
    QDateEdit* picker() const { return picker_; }

    QWidget* widget() override { return this; }

  protected:
    std::optional<FieldValue> readContent() override;
    // A date shows that date; anything else shows today. Either way the box is checked.
    void showContent(const FieldValue* value) override;
    void applyReadOnly(bool readOnly) override;

  private:
    QCheckBox* check_;
    QDateEdit* picker_;
};
