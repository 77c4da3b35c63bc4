#include "app/widgets/KxPlaceholderPanesWidget.h"

#include "app/KxDbDoc.h"

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

void KxListPlaceholderWidget::onUpdate(KxViewHint hint) {
    hints.push_back(hint);
    if (hint == KxViewHint::All && doc_.isOpen())
        doc_.frame().setListPaneShare(doc_.database().fileHeader().listPaneShare(), true);
}

void KxListPlaceholderWidget::recordChanged(std::int32_t index, bool categoryOnly) {
    received.push_back("recordChanged " + std::to_string(index) + (categoryOnly ? " 1" : " 0"));
}

void KxListPlaceholderWidget::categoriesChanged(bool recordsDeleted) {
    received.push_back(std::string("categoriesChanged ") + (recordsDeleted ? "1" : "0"));
}

KxRecordPlaceholderWidget::KxRecordPlaceholderWidget(QWidget* parent) : KxRecordPaneWidget(parent) {
    paintAsPane(*this);
}

void KxRecordPlaceholderWidget::showRecord(std::int32_t index) {
    received.push_back("showRecord " + std::to_string(index));
}

void KxRecordPlaceholderWidget::fieldValue(std::size_t field, std::optional<FieldValue> value) {
    received.push_back("fieldValue " + std::to_string(field));
    lastValue = std::move(value);
}
