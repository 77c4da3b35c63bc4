#include "app/widgets/KxStatusBarWidget.h"
#include "app/AppStrings.h"
#include "views/widgets/KxQtText.h"

#include <QFontMetrics>
#include <QLabel>

namespace {
QString positionText(int row, int count) { return kxQtString(kxStrPositionOf).arg(row).arg(count); }
} // namespace

KxStatusBarWidget::KxStatusBarWidget(QWidget* parent) : QStatusBar(parent) {
    // A normal widget: QStatusBar hides it while a prompt is shown and brings it back after.
    idle_ = new QLabel(this);
    addWidget(idle_, 1);
    caps_ = addIndicator(kxQtString(kxStrCapsLock), true);
    num_ = addIndicator(kxQtString(kxStrNumLock), true);
    overwrite_ = addIndicator(kxQtString(kxStrOverwrite), true);
    recordLabel_ = addIndicator(kxQtString(kxStrRecordNumber), false);
    recordLabel_->setText(kxQtString(kxStrRecordNumber));
    position_ = new QLabel(this);
    position_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // As wide as the largest position a database can have, plus a margin.
    position_->setFixedWidth(QFontMetrics(position_->font()).horizontalAdvance(positionText(16000, 16000)) + 10);
    addPermanentWidget(position_);
    setPosition(-1, 0);
}

QLabel* KxStatusBarWidget::addIndicator(const QString& widest, bool framed) {
    auto* label = new QLabel(this);
    if (framed) label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setFixedWidth(QFontMetrics(label->font()).horizontalAdvance(widest) + 10);
    addPermanentWidget(label);
    return label;
}

void KxStatusBarWidget::setIdleText(const QString& text) { idle_->setText(text); }
QString KxStatusBarWidget::idleText() const { return idle_->text(); }
void KxStatusBarWidget::setCapsLock(bool on) { caps_->setText(on ? kxQtString(kxStrCapsLock) : QString()); }
void KxStatusBarWidget::setNumLock(bool on) { num_->setText(on ? kxQtString(kxStrNumLock) : QString()); }
void KxStatusBarWidget::setOverwrite(bool on) { overwrite_->setText(on ? kxQtString(kxStrOverwrite) : QString()); }

void KxStatusBarWidget::setPosition(int selectedRow, int rowCount) {
    position_->setText(positionText(selectedRow + 1, rowCount));
}

QString KxStatusBarWidget::paneText(int pane) const {
    switch (pane) {
    case 0: return currentMessage().isEmpty() ? idle_->text() : currentMessage();
    case 1: return caps_->text();
    case 2: return num_->text();
    case 3: return overwrite_->text();
    case 4: return recordLabel_->text();
    case 5: return position_->text();
    default: return {};
    }
}

int KxStatusBarWidget::positionPaneWidth() const { return position_->width(); }
