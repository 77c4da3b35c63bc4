#pragma once
// The Import Wizard's "File Type and Name": the source's type, its name and Browse. Next
// finds and loads the file; the page stays when that fails.

#include "app/widgets/KxWizard.h"

class QLineEdit;
class QRadioButton;
struct KxImportWizardState;
enum class KxImportType;

class KxImportFilePage : public KxWizardPage {
    Q_OBJECT
  public:
    KxImportFilePage(KxImportWizardState& state, QWidget* parent);

    QLineEdit* nameBox() const { return name_; }
    QRadioButton* typeButton(KxImportType type) const;
    KxImportType selectedType() const;
    void browse();

    bool mayGoNext() override;

  private:
    void selectType(KxImportType type);

    KxImportWizardState& state_;
    QRadioButton* comma_;
    QRadioButton* tab_;
    QRadioButton* database_;
    QLineEdit* name_;
};
