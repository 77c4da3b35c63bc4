#pragma once
// The Export Wizard's pages.

#include "app/widgets/KxWizard.h"
#include "transfer/widgets/KxFieldChooserPage.h"

class KxDragCheckListBox;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
struct KxExportWizardState;
enum class KxExportFileType;
enum class KxExportWhat;

// "What do you want to export?": the range; Next stores it.
class KxExportWhatPage : public KxWizardPage {
    Q_OBJECT
  public:
    KxExportWhatPage(KxExportWizardState& state, QWidget* parent);
    QRadioButton* button(KxExportWhat what) const;
    bool mayGoNext() override;

  private:
    KxExportWizardState& state_;
    QRadioButton* buttons_[4];
};

// "File Type and Name": the type, the path with the type's extension, Browse, the character
// set of a text file; Next checks the target.
class KxExportFilePage : public KxWizardPage {
    Q_OBJECT
  public:
    KxExportFilePage(KxExportWizardState& state, QWidget* parent);
    QRadioButton* typeButton(KxExportFileType type) const;
    KxExportFileType selectedType() const;
    QLineEdit* pathBox() const { return path_; }
    QComboBox* encodingBox() const { return encoding_; }
    void browse();

    void activated() override;
    bool mayGoBack() override;
    bool mayGoNext() override;

  private:
    void applyExtension();
    void store();

    KxExportWizardState& state_;
    QRadioButton* types_[3];
    QLineEdit* path_;
    QComboBox* encoding_;
};

// "Specify Fields to Export": the field chooser with "Export Field &Labels", which is on and
// cannot be changed for a database file or the structure only.
class KxExportFieldsPage : public KxWizardPage {
    Q_OBJECT
  public:
    KxExportFieldsPage(KxExportWizardState& state, QWidget* parent);
    void activated() override;
    bool mayGoBack() override;
    bool mayFinish() override;

    QCheckBox* labelsBox() const;
    KxDragCheckListBox* fieldList() const;
    void moveItem(int from, int to);

  private:
    void store();

    KxExportWizardState& state_;
    KxFieldChooserPage* chooser_;
    bool userLabels_ = true;
};
