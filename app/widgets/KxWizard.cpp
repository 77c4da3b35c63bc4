#include "app/widgets/KxWizard.h"

#include "app/CommandFailure.h"
#include "app/AppStrings.h"
#include "views/widgets/KxQtText.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

KxWizard::KxWizard(const QString& title, KxUi& ui, QWidget* parent) : QDialog(parent), title_(title), ui_(ui) {
    stack_ = new QStackedWidget(this);
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    back_ = new QPushButton(kxQtString(kxStrWizardBack), this);
    next_ = new QPushButton(kxQtString(kxStrWizardNext), this);
    finish_ = new QPushButton(kxQtString(kxStrWizardFinish), this);
    cancel_ = new QPushButton(kxQtString(kxStrWizardCancel), this);
    back_->setObjectName(QStringLiteral("back"));
    next_->setObjectName(QStringLiteral("next"));
    finish_->setObjectName(QStringLiteral("finish"));
    cancel_->setObjectName(QStringLiteral("cancel"));
    connect(back_, &QPushButton::clicked, this, &KxWizard::goBack);
    connect(next_, &QPushButton::clicked, this, &KxWizard::goNext);
    connect(finish_, &QPushButton::clicked, this, &KxWizard::finishWizard);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(back_);
    buttons->addWidget(next_);
    buttons->addSpacing(8);
    buttons->addWidget(finish_);
    buttons->addWidget(cancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(stack_, 1);
    layout->addWidget(line);
    layout->addLayout(buttons);
}

void KxWizard::addPage(PageFactory make) { pages_.push_back({std::move(make), nullptr}); }

KxWizardPage* KxWizard::page(int index) const {
    if (index < 0 || index >= pageCount()) return nullptr;
    return pages_[static_cast<std::size_t>(index)].page;
}

bool KxWizard::start() { return current_ >= 0 || showPage(0); }

int KxWizard::exec() {
    if (!start()) return QDialog::Rejected;
    return QDialog::exec();
}

bool KxWizard::showPage(int index) {
    if (index < 0 || index >= pageCount()) return false;
    Slot& slot = pages_[static_cast<std::size_t>(index)];
    if (!slot.page) {
        // A page that cannot be made is reported; the wizard stays on the page it was on.
        const bool made = kxRunGuarded(ui_, [&] { slot.page = slot.make(stack_); });
        if (!made || !slot.page) return false;
        stack_->addWidget(slot.page);
    }
    current_ = index;
    stack_->setCurrentWidget(slot.page);
    setWindowTitle(kxQtString(kxStrWizardStepTitle).arg(title_).arg(index + 1).arg(pageCount()).arg(slot.page->title()));
    updateButtons();
    slot.page->activated();
    return true;
}

void KxWizard::updateButtons() {
    const bool first = current_ == 0;
    const bool last = current_ == pageCount() - 1;
    back_->setEnabled(!first);
    next_->setEnabled(!last);
    finish_->setEnabled(last);
    QPushButton* main = last ? finish_ : next_;
    for (QPushButton* button : {back_, next_, finish_, cancel_}) button->setDefault(button == main);
    if (last) finish_->setFocus();
}

void KxWizard::goBack() {
    KxWizardPage* page = this->page(current_);
    if (current_ <= 0 || !page || !page->mayGoBack()) return;
    showPage(current_ - 1);
}

void KxWizard::goNext() {
    KxWizardPage* page = this->page(current_);
    if (!page || current_ >= pageCount() - 1) return;
    if (!kxDeliverGuarded(ui_, [&] { return page->mayGoNext(); })) return;
    showPage(current_ + 1);
}

void KxWizard::finishWizard() {
    KxWizardPage* page = this->page(current_);
    if (!page || current_ != pageCount() - 1) return;
    if (!kxDeliverGuarded(ui_, [&] { return page->mayFinish(); })) return;
    accept();
}

// Enter goes on: Next, or Finish on the last page.
void KxWizard::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            if (next_->isEnabled()) goNext();
            else if (finish_->isEnabled()) finishWizard();
            event->accept();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}
