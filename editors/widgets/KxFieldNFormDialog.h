#pragma once
// "Field and Form Editor": the list of the working copy's fields with Add, Modify, Insert and
// Delete (KxFieldNFormChildDialog), OK and Cancel. Cancel after changes asks first.

#include "editors/KxFieldEditRules.h"

#include <QDialog>

#include <functional>
#include <optional>

class KxFieldListBox;
class KxUi;
class QPushButton;

class KxFieldNFormChildDialog : public QWidget {
    Q_OBJECT
  public:
    KxFieldNFormChildDialog(QWidget* parent, KxFieldWorkingCopy& copy, KxUi& ui);

    // The field dialog: (place, field) → the edited field, none when cancelled. The real
    // dialog unless replaced (tests replace it).
    using EditField = std::function<std::optional<KxWorkingField>(const KxFieldEditPlace&, const KxWorkingField&)>;
    void setFieldDialog(EditField edit) { editField_ = std::move(edit); }

    KxFieldListBox& list() const { return *list_; }
    void addField();
    void insertField();
    void modifyField();
    void deleteField();
    void moveField(int from, int to);

  private:
    void newField(std::size_t position);
    void fill(int select);
    void updateButtons();

    KxFieldWorkingCopy& copy_;
    KxUi& ui_;
    KxFieldListBox* list_;
    QPushButton* modify_;
    QPushButton* delete_;
    EditField editField_;
};

class KxFieldNFormDialog : public QDialog {
    Q_OBJECT
  public:
    KxFieldNFormDialog(QWidget* parent, KxFieldWorkingCopy& copy, KxUi& ui, std::function<bool()> mayCancel);
    KxFieldNFormChildDialog& child() const { return *child_; }
    void reject() override;

  private:
    KxFieldNFormChildDialog* child_;
    std::function<bool()> mayCancel_;
};
