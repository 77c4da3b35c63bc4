#pragma once
// Form Options: "Justify Labels" left or right.

#include <QDialog>

#include <optional>

class QRadioButton;

class KxFormOptionsDialog : public QDialog {
    Q_OBJECT
  public:
    explicit KxFormOptionsDialog(bool right, QWidget* parent = nullptr);
    bool right() const;

    // Shows the dialog; the choice, or none when cancelled.
    static std::optional<bool> choose(bool right, QWidget* parent);

  private:
    QRadioButton* left_ = nullptr;
    QRadioButton* right_ = nullptr;
};
