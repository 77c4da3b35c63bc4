#pragma once
// One line for a category name, used by New and Rename: at most 15 characters, trimmed on
// OK, and never empty.

#include <QDialog>

#include <optional>

class KxUi;
class QLabel;
class QLineEdit;

class KxRenameCategoryDialog : public QDialog {
    Q_OBJECT
  public:
    // `title` and `label` replace "Rename Category" and "&Enter a new category name:".
    KxRenameCategoryDialog(QWidget* parent, KxUi& ui, const QString& initial,
                           const std::optional<QString>& title = std::nullopt,
                           const std::optional<QString>& label = std::nullopt);

    // The accepted name, trimmed.
    QString text() const { return text_; }
    QLineEdit& edit() const { return *edit_; }

    void accept() override;

  private:
    KxUi& ui_;
    QLabel* label_;
    QLineEdit* edit_;
    QString text_;
};
