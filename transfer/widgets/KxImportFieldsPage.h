#pragma once
// The Import Wizard's "Specify Fields to Import": the database's fields on the left, to be
// ticked and dragged against the source's columns, one source row's values on the right,
// Scan Records to page through the rows, Reset, and whether the first row holds labels.

#include "app/widgets/KxWizard.h"
#include "transfer/KxFieldChooserModel.h"

#include <memory>

class KxDragCheckListBox;
class KxImporter;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTimer;
struct KxImportWizardState;

class KxImportFieldsPage : public KxWizardPage {
    Q_OBJECT
  public:
    KxImportFieldsPage(KxImportWizardState& state, QWidget* parent);

    KxDragCheckListBox* fieldList() const { return fields_; }
    QListWidget* dataList() const { return data_; }
    QPushButton* previousRowButton() const { return previous_; }
    QPushButton* nextRowButton() const { return next_; }
    QLabel* rowLabel() const { return rowLabel_; }
    QCheckBox* labelsBox() const { return labels_; }
    QComboBox* characterSetBox() const { return charset_; }
    const KxFieldChooserModel& model() const { return model_; }

    void showRow(std::size_t row);
    void reset();
    // The user moved a field from one place of the list to another.
    void moveField(int from, int to);
    // The user chose another character set: the file is read again in it.
    void readAgainAs(int index);

    void activated() override;
    bool mayFinish() override;

  private:
    const KxImporter& rows() const;
    void rebuild();
    void showSource();
    void fillFieldList();
    void keepScrolledAlike();

    KxImportWizardState& state_;
    KxFieldChooserModel model_;
    std::unique_ptr<KxImporter> afterLabels_;
    int shownGeneration_ = -1;
    std::size_t row_ = 0;

    QLabel* dataLabel_;
    KxDragCheckListBox* fields_;
    QListWidget* data_;
    QPushButton* previous_;
    QPushButton* next_;
    QLabel* rowLabel_;
    QCheckBox* labels_;
    QComboBox* charset_;
    QTimer* scrollTimer_;
};
