#include "print/widgets/KxFieldsToPrintDialog.h"

#include "transfer/KxFieldSelection.h"
#include "transfer/widgets/KxFieldChooserPage.h"
#include "print/PrintStrings.h"
#include "views/widgets/KxQtText.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

KxFieldsToPrintDialog::KxFieldsToPrintDialog(QWidget* parent, KxFieldSelection& selection)
    : QDialog(parent), selection_(selection), page_(new KxFieldChooserPage(this)) {
    setWindowTitle(kxQtString(kxStrFieldsToPrintTitle));
    page_->setHeading(kxQtString(kxStrSpecifyFieldsToPrint));
    page_->setLabelsBoxShown(false);
    page_->setModel(KxFieldChooserModel::forChooser(selection));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &KxFieldsToPrintDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(page_, 1);
    layout->addWidget(buttons);
    resize(360, 420);
}

void KxFieldsToPrintDialog::accept() {
    selection_.setOrder(page_->model().checkedOrder());
    QDialog::accept();
}
