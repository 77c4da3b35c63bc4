#pragma once
// The named categories of the open database with New, Delete and Rename. Afterwards the
// caller reads whether categories changed and whether records were deleted.

#include <QDialog>

#include <functional>
#include <memory>
#include <optional>

class KxCategoryEditing;
class KxDatabase;
class KxUi;
class QListWidget;
class QPushButton;

class KxEditCategoriesDialog : public QDialog {
    Q_OBJECT
  public:
    KxEditCategoriesDialog(QWidget* parent, KxDatabase& db, KxUi& ui);
    ~KxEditCategoriesDialog() override;

    bool categoriesChanged() const;
    bool recordsDeleted() const;

    // The name dialog: (title or none for the template's, initial text) → the name, or none
    // when cancelled. The delete dialog: (category name, "Delete all items" preset) → the
    // choice, or none when cancelled. Real dialogs unless replaced (tests replace them).
    using AskName = std::function<std::optional<QString>(const std::optional<QString>& title, const QString& initial)>;
    using AskDelete = std::function<std::optional<bool>(const QString& name, bool deleteAll)>;
    void setNameDialog(AskName ask) { askName_ = std::move(ask); }
    void setDeleteDialog(AskDelete ask) { askDelete_ = std::move(ask); }

    QListWidget& list() const { return *list_; }
    void newCategory();
    void renameCategory();
    void deleteCategory();

  private:
    void fill();
    void selectName(const QString& name);
    int selectedSlot() const;

    KxUi& ui_;
    std::unique_ptr<KxCategoryEditing> editing_;
    QListWidget* list_;
    AskName askName_;
    AskDelete askDelete_;
};
