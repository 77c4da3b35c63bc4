#pragma once
// "Multiple Choice List Editor": the items of one Multiple Choice list with Add, Modify,
// Insert and Delete (KxMultiChoiceChildDialog), reordered by dragging; OK and Cancel.

#include "editors/MultiChoiceRules.h"

#include <QDialog>

#include <optional>

class KxDragListBox;
class KxUi;
class QPushButton;

class KxMultiChoiceChildDialog : public QWidget {
    Q_OBJECT
  public:
    KxMultiChoiceChildDialog(QWidget* parent, KxMultiChoiceEdit& edit, KxUi& ui);

    KxDragListBox& list() const { return *list_; }
    void addItem();
    void insertItem();
    void modifyItem();
    void deleteItem();
    void moveItem(int from, int to);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void newItem(std::size_t position);
    std::optional<std::string> askItem(std::optional<std::size_t> modifying);
    void fill(int select);
    void updateButtons();

    KxMultiChoiceEdit& edit_;
    KxUi& ui_;
    KxDragListBox* list_;
    QPushButton* modify_;
    QPushButton* delete_;
};

class KxMultiChoiceDialog : public QDialog {
    Q_OBJECT
  public:
    KxMultiChoiceDialog(QWidget* parent, std::vector<std::string> items, KxUi& ui);
    KxMultiChoiceChildDialog& child() const { return *child_; }
    const KxMultiChoiceEdit& working() const { return edit_; }
    void reject() override;

    // Runs the dialog; the new items on OK with changes.
    static std::optional<std::vector<std::string>> edit(QWidget* parent, const std::vector<std::string>& items,
                                                        KxUi& ui);

  private:
    KxMultiChoiceEdit edit_;
    KxUi& ui_;
    KxMultiChoiceChildDialog* child_;
};
