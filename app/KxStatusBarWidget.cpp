#include "app/KxStatusBarWidget.h"

#include <QFontMetrics>
#include <QLabel>

namespace {
const QString kCaps = QStringLiteral("CAP");
const QString kNum = QStringLiteral("NUM");
const QString kOverwrite = QStringLiteral("OVR");
const QString kRecordLabel = QStringLiteral("     Record #");

QString positionText(int row, int count) { return QStringLiteral("%1 of %2").arg(row).arg(count); }
} // namespace

KxStatusBarWidget::KxStatusBarWidget(QWidget* parent) : QStatusBar(parent) {
    // A normal widget: QStatusBar hides it while a prompt is shown and brings it back after.
    idle_ = new QLabel(this);
    addWidget(idle_, 1);
    caps_ = addIndicator(kCaps, true);
    num_ = addIndicator(kNum, true);
    overwrite_ = addIndicator(kOverwrite, true);
    recordLabel_ = addIndicator(kRecordLabel, false);
    recordLabel_->setText(kRecordLabel);
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
void KxStatusBarWidget::setCapsLock(bool on) { caps_->setText(on ? kCaps : QString()); }
void KxStatusBarWidget::setNumLock(bool on) { num_->setText(on ? kNum : QString()); }
void KxStatusBarWidget::setOverwrite(bool on) { overwrite_->setText(on ? kOverwrite : QString()); }

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
