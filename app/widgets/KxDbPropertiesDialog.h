#pragma once
// Database Properties: three attributes of the open database as check boxes.

#include "app/KxDbProperties.h"

#include <QDialog>

class QCheckBox;

class KxDbPropertiesDialog : public QDialog {
    Q_OBJECT
  public:
    explicit KxDbPropertiesDialog(const KxDbProperties& current, QWidget* parent = nullptr);

    KxDbProperties properties() const;
    QCheckBox* checkboxesEditableBox() const { return checkboxesEditable_; }
    QCheckBox* readOnlyModeBox() const { return readOnlyMode_; }
    QCheckBox* handheldReadOnlyBox() const { return handheldReadOnly_; }

  private:
    QCheckBox* checkboxesEditable_ = nullptr;
    QCheckBox* readOnlyMode_ = nullptr;
    QCheckBox* handheldReadOnly_ = nullptr;
};
