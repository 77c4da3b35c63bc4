#include "app/widgets/KxAboutDialog.h"

#include "app/widgets/KxAppIconWidget.h"
#include "app/AppStrings.h"
#include "views/widgets/KxQtText.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>

KxAboutDialog::KxAboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(kxQtString(kxStrAboutTitle));
    auto* icon = new QLabel(this);
    icon->setPixmap(kxAppIcon().pixmap(48, 48));
    auto* name = new QLabel(kxQtString(kxStrAboutVersion).arg(QStringLiteral(ROLVA_VERSION_TEXT)), this);
    auto* line = new QLabel(kxQtString(kxStrAboutLine), this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(name, 0, 1);
    layout->addWidget(line, 1, 1);
    layout->addWidget(buttons, 2, 0, 1, 2);
}
