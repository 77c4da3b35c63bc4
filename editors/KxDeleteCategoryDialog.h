#pragma once
// Deleting a category: its records go to Unfiled, or are deleted with it.

#include <QDialog>

class QRadioButton;

class KxDeleteCategoryDialog : public QDialog {
    Q_OBJECT
  public:
    KxDeleteCategoryDialog(QWidget* parent, const QString& name, bool deleteAll = false);

    bool deleteAllItems() const;
    QRadioButton& moveButton() const { return *move_; }
    QRadioButton& deleteButton() const { return *delete_; }

  private:
    QRadioButton* move_;
    QRadioButton* delete_;
};
