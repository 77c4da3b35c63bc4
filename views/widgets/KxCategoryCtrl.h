#pragma once
// A drop-down list of category names: the Search Records dialog's value box for
// "Category".

#include "views/widgets/KxBaseCtrl.h"

#include <QComboBox>

#include <string>
#include <vector>

class KxCategoryCtrl : public QComboBox, public KxBaseCtrl {
    Q_OBJECT
  public:
    // names: the category names as the list shows them, Windows-1252.
    explicit KxCategoryCtrl(const std::vector<std::string>& names, QWidget* parent = nullptr);

    void setNames(const std::vector<std::string>& names);

    QWidget* widget() override { return this; }

  protected:
    // The selected name as a text value; none when nothing is selected.
    std::optional<FieldValue> readContent() override;
    // Selects the first name that begins with the value's text, ignoring case; nothing
    // when none does.
    void showContent(const FieldValue* value) override;
    void applyReadOnly(bool readOnly) override;
};
