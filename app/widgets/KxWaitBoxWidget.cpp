#include "app/widgets/KxWaitBoxWidget.h"

#include "platform/Cp1252.h"
#include "app/AppStrings.h"
#include "views/widgets/KxQtText.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

namespace {
QString percentLine(unsigned percent) {
    return kxQtString(kxStrPercentComplete).arg(percent);
}
} // namespace

KxWaitBoxWidget::KxWaitBoxWidget(QWidget* owner, KxUi& ui, const std::string& status)
    // No Qt parent: disabling the main window would disable its child windows too.
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      ui_(ui), owner_(owner) {
    setWindowTitle(QString::fromStdString(KxUi::kCaption));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose, false);

    status_ = new QLabel(kxQt(status), this);
    status_->setMinimumWidth(280);
    bar_ = new QProgressBar(this);
    bar_->setRange(0, 100);
    bar_->setValue(0);
    bar_->setTextVisible(false);
    percent_ = new QLabel(percentLine(0), this);
    cancel_ = new QPushButton(kxQtString(kxStrCancel), this);
    connect(cancel_, &QPushButton::clicked, this, &KxWaitBoxWidget::askCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(status_);
    layout->addWidget(bar_);
    layout->addWidget(percent_);
    layout->addWidget(cancel_, 0, Qt::AlignHCenter);

    if (owner_) {
        ownerWasEnabled_ = owner_->isEnabled();
        owner_->setEnabled(false);
        adjustSize();
        const QRect over = owner_->frameGeometry();
        move(over.center() - rect().center());
    }
    show();
    if (owner_ && windowHandle() && owner_->windowHandle())
        windowHandle()->setTransientParent(owner_->windowHandle());
    pumpEvents();
}

KxWaitBoxWidget::~KxWaitBoxWidget() {
    hide();
    if (owner_ && ownerWasEnabled_) owner_->setEnabled(true);
}

void KxWaitBoxWidget::setStatus(const std::string& text) {
    status_->setText(kxQt(text));
    pumpEvents();
}

void KxWaitBoxWidget::setProgress(std::uint64_t done, std::uint64_t total) {
    if (progress_.advance(done, total)) {
        bar_->setValue(static_cast<int>(progress_.position()));
        percent_->setText(percentLine(progress_.position()));
    }
    pumpEvents();
}

QString KxWaitBoxWidget::statusText() const { return status_->text(); }
QString KxWaitBoxWidget::percentText() const { return percent_->text(); }
int KxWaitBoxWidget::barValue() const { return bar_->value(); }

void KxWaitBoxWidget::reject() { askCancel(); }

void KxWaitBoxWidget::askCancel() {
    // The question pumps events itself; a second press while it is up asks nothing more.
    if (cancelled_ || asking_) return;
    asking_ = true;
    cancelled_ = ui_.message(kxString(kxStrCancelOperation), KxUi::kCaption, KxButtons::YesNo, KxIcon::Question,
                             KxAnswer::No) == KxAnswer::Yes;
    asking_ = false;
}

void KxWaitBoxWidget::pumpEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}
