#pragma once
// "Field %d": one field's label, type and per-type choices (KxFieldEditChildDialog), with the
// buttons to the Multiple Choice List Editor and the Calculation Editor. Works on a copy of
// the field; the caller takes it over on OK.

#include "editors/KxFieldEditRules.h"

#include <QDialog>

#include <functional>
#include <optional>

class KxUi;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class KxFieldEditChildDialog : public QWidget {
    Q_OBJECT
  public:
    KxFieldEditChildDialog(QWidget* parent, const KxFieldWorkingCopy& copy, const KxFieldEditPlace& place,
                           KxWorkingField field, KxUi& ui);

    // The sub-editors: the Calculation Editor (edits the field in place; true for OK with a
    // choice) and the Multiple Choice List Editor (the new items, none when cancelled). Real
    // dialogs unless replaced (tests replace them).
    using EditCalculation = std::function<bool(KxWorkingField&)>;
    using EditItems = std::function<std::optional<std::vector<std::string>>(const std::vector<std::string>&)>;
    void setCalculationDialog(EditCalculation edit) { editCalculation_ = std::move(edit); }
    void setItemsDialog(EditItems edit) { editItems_ = std::move(edit); }

    // The field as the controls now say.
    KxWorkingField field() const;
    QLineEdit& labelBox() const { return *label_; }
    QComboBox& typeBox() const { return *type_; }
    QComboBox& decimalsBox() const { return *decimals_; }
    void editCalculation();
    void editItems();

  private:
    void typeChosen(int index);
    void showControlsForType();

    const KxFieldWorkingCopy& copy_;
    KxFieldEditPlace place_;
    KxWorkingField field_;
    KxUi& ui_;
    QLineEdit* label_;
    QComboBox* type_;
    QLabel* decimalsLabel_;
    QComboBox* decimals_;
    QCheckBox* thousands_;
    QCheckBox* currency_;
    QCheckBox* seconds_;
    QCheckBox* hideLabel_;
    QPushButton* items_;
    QPushButton* calculation_;
    EditCalculation editCalculation_;
    EditItems editItems_;
};

class KxFieldEditDialog : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kMaxDecimals = 15;

    KxFieldEditDialog(QWidget* parent, const KxFieldWorkingCopy& copy, const KxFieldEditPlace& place,
                      const KxWorkingField& field, KxUi& ui);
    KxFieldEditChildDialog& child() const { return *child_; }

    // Runs the dialog; the edited field on OK.
    static std::optional<KxWorkingField> edit(QWidget* parent, const KxFieldWorkingCopy& copy,
                                              const KxFieldEditPlace& place, const KxWorkingField& field,
                                              KxUi& ui);

  private:
    KxFieldEditChildDialog* child_;
};
