#include "print/widgets/KxPrintTemplateDlg.h"

#include "print/KxPrintSession.h"
#include "print/PrintableHtml.h"
#include "views/widgets/KxQtText.h"
#include "print/PrintStrings.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QTextBrowser>

KxPrintTemplateDlg::KxPrintTemplateDlg(QWidget* parent, KxPrintSession& session)
    : QDialog(parent), session_(session), list_(new QListWidget(this)), sample_(new QTextBrowser(this)) {
    setWindowTitle(kxQtString(kxStrPrintStyleTitle));
    list_->setObjectName(QStringLiteral("templates"));
    sample_->setObjectName(QStringLiteral("sample"));
    sample_->setOpenLinks(false);
    auto* listLabel = new QLabel(kxQtString(kxStrStyleList), this);
    listLabel->setBuddy(list_);
    auto* sampleLabel = new QLabel(kxQtString(kxStrStyleSample), this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &KxPrintTemplateDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* grid = new QGridLayout(this);
    grid->addWidget(listLabel, 0, 0);
    grid->addWidget(sampleLabel, 0, 1);
    grid->addWidget(list_, 1, 0);
    grid->addWidget(sample_, 1, 1);
    grid->addWidget(buttons, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    list_->setMaximumWidth(180);
    resize(720, 460);

    for (const std::string& name : session_.templateChoices())
        list_->addItem(QFile::decodeName(QByteArray::fromStdString(name)));
    const auto found = list_->findItems(kxQt(session_.templateName()), Qt::MatchFixedString);
    if (!found.isEmpty())
        list_->setCurrentItem(found.front());
    else if (list_->count() > 0)
        list_->setCurrentRow(0);
    showSample();
    connect(list_, &QListWidget::currentRowChanged, this, &KxPrintTemplateDlg::showSample);
}

void KxPrintTemplateDlg::showSample() {
    const QListWidgetItem* item = list_->currentItem();
    if (!item) {
        sample_->clear();
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::string name = QFile::encodeName(item->text()).toStdString();
    QString html;
    if (session_.generateSample(kxFromUtf8(name))) {
        QFile file(QFile::decodeName(QByteArray::fromStdString(session_.outputPath())));
        if (file.open(QIODevice::ReadOnly))
            html = QString::fromStdString(kxWithCheckMarkGlyphs(file.readAll().toStdString()));
    }
    sample_->setHtml(html);
    QApplication::restoreOverrideCursor();
}

void KxPrintTemplateDlg::accept() {
    const QListWidgetItem* item = list_->currentItem();
    session_.setTemplateName(item ? kxFromUtf8(QFile::encodeName(item->text()).toStdString()) : std::string());
    QDialog::accept();
}
