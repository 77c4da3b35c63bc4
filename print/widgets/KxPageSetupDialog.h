#pragma once
// "Page Setup": the header and footer in the page-setup codes (with a legend of the codes),
// the four margins in inches, and the paper and its orientation.

#include "print/KxPrintSettings.h"
#include "print/render/PrintPages.h"

#include <QDialog>

class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QRadioButton;

class KxPageSetupDialog : public QDialog {
    Q_OBJECT
  public:
    KxPageSetupDialog(QWidget* parent, const KxPageSetup& setup, const KxPaperChoice& paper);

    // What the user set; margins keep their stored text unless changed.
    KxPageSetup setup() const;
    KxPaperChoice paper() const;

  private:
    QDoubleSpinBox* marginBox(const std::string& text);
    std::string marginText(const QDoubleSpinBox* box, const std::string& stored) const;

    KxPageSetup initial_;
    QLineEdit* header_;
    QLineEdit* footer_;
    QDoubleSpinBox* top_;
    QDoubleSpinBox* bottom_;
    QDoubleSpinBox* left_;
    QDoubleSpinBox* right_;
    QComboBox* paper_;
    QRadioButton* portrait_;
    QRadioButton* landscape_;
};
