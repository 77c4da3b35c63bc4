#pragma once
// Deleting a category: its records go to Unfiled, or are deleted with it.

#include <QDialog>

class QLabel;
class QRadioButton;

class KxDeleteCategoryDialog : public QDialog {
    Q_OBJECT
  public:
    // records: how many records the category holds, shown above the choice; none for -1.
    KxDeleteCategoryDialog(QWidget* parent, const QString& name, bool deleteAll = false, int records = -1);

    bool deleteAllItems() const;
    QRadioButton& moveButton() const { return *move_; }
    QRadioButton& deleteButton() const { return *delete_; }
    // The line naming the category and its records; null when the count is not given.
    QLabel* countLine() const { return count_; }

  private:
    QRadioButton* move_;
    QRadioButton* delete_;
    QLabel* count_ = nullptr;
};
