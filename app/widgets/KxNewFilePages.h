#pragma once
// The four pages of the New Database wizard. They share the wizard's result: step 1 writes
// the path and the options, step 2 the handheld users, steps 3 and 4 edit the working field
// definitions in place. Each page takes its data whenever it is left, forward or back.

#include "app/KxDocDialogs.h"
#include "app/widgets/KxWizard.h"

#include <functional>

class KxFieldEditChildDialog;
class KxFieldNFormChildDialog;
class KxHandheldInstallChildDialog;
class KxHandheldUserSource;
class KxNewDatabaseName;
class KxSettings;
class KxUi;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

// Step 1, "Database Name": the name box with Browse, the three options and the hidden recipe
// button. Next is offered only while the name is not blank.
class KxNewFileNamePage : public KxWizardPage {
    Q_OBJECT
  public:
    using EnableNext = std::function<void(bool)>;

    KxNewFileNamePage(KxNewDatabaseRequest& request, KxNewDatabaseName& name, KxUi& ui, KxSettings& settings,
                      EnableNext enableNext, QWidget* parent = nullptr);

    bool mayGoNext() override;
    void activated() override;
    void browse();

    QLineEdit& nameBox() const { return *name_; }
    QPushButton& recipeButton() const { return *recipe_; }

  private:
    KxNewDatabaseRequest& request_;
    KxNewDatabaseName& rules_;
    KxUi& ui_;
    KxSettings& settings_;
    EnableNext enableNext_;
    QLineEdit* name_;
    QCheckBox* editable_;
    QCheckBox* readOnlyMode_;
    QCheckBox* handheldReadOnly_;
    QPushButton* recipe_;
};

// Step 2, "Handheld Installation": the handheld users, none ticked at first.
class KxNewFileHandheldPage : public KxWizardPage {
    Q_OBJECT
  public:
    KxNewFileHandheldPage(KxNewDatabaseRequest& request, const KxHandheldUserSource& users, QWidget* parent = nullptr);

    bool mayGoBack() override;
    bool mayGoNext() override;
    void activated() override;
    KxHandheldInstallChildDialog& list() const { return *page_; }

  private:
    KxNewDatabaseRequest& request_;
    KxHandheldInstallChildDialog* page_;
};

// Step 3, "First Field Label": the field page on the first working definition (made when the
// list is empty). The page is made anew each time the step is shown, since step 4 may have
// changed the list.
class KxNewFileFirstFieldPage : public KxWizardPage {
    Q_OBJECT
  public:
    KxNewFileFirstFieldPage(KxFieldWorkingCopy& definitions, KxUi& ui, QWidget* parent = nullptr);

    bool mayGoBack() override;
    bool mayGoNext() override;
    void activated() override;
    KxFieldEditChildDialog* field() const { return field_; }

  private:
    void takeData();

    KxFieldWorkingCopy& definitions_;
    KxUi& ui_;
    QVBoxLayout* layout_;
    KxFieldEditChildDialog* field_ = nullptr;
};

// Step 4, "Additional Fields": the field list page on the whole working list. The new
// database has no records, so nothing warns about data.
class KxNewFileFieldListPage : public KxWizardPage {
    Q_OBJECT
  public:
    KxNewFileFieldListPage(KxFieldWorkingCopy& definitions, KxUi& ui, QWidget* parent = nullptr);

    void activated() override;
    KxFieldNFormChildDialog* fields() const { return list_; }

  private:
    KxFieldWorkingCopy& definitions_;
    KxUi& ui_;
    QVBoxLayout* layout_;
    KxFieldNFormChildDialog* list_ = nullptr;
};
