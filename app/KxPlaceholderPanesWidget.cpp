#include "app/KxPlaceholderPanesWidget.h"

#include "app/DbDoc.h"

#include <QPalette>

namespace {
void paintAsPane(QWidget& pane) {
    pane.setAutoFillBackground(true);
    pane.setBackgroundRole(QPalette::Base);
    pane.setFocusPolicy(Qt::StrongFocus);
}
} // namespace

KxListPlaceholderWidget::KxListPlaceholderWidget(KxDbDoc& doc, QWidget* parent)
    : KxListPaneWidget(parent), doc_(doc) {
    paintAsPane(*this);
}

void KxListPlaceholderWidget::onMessage(KxViewMessage message, std::uintptr_t wParam, std::intptr_t lParam) {
    received.push_back({message, wParam, lParam});
}

void KxListPlaceholderWidget::onUpdate(KxViewHint hint) {
    hints.push_back(hint);
    if (hint == KxViewHint::All && doc_.isOpen())
        doc_.sendToViews(KxViewMessage::SetListPaneWidth, doc_.database().fileHeader().listPaneShare(), 1);
}

KxRecordPlaceholderWidget::KxRecordPlaceholderWidget(QWidget* parent) : KxRecordPaneWidget(parent) {
    paintAsPane(*this);
}

void KxRecordPlaceholderWidget::onMessage(KxViewMessage message, std::uintptr_t wParam, std::intptr_t lParam) {
    received.push_back({message, wParam, lParam});
}
