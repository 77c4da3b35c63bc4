#include "views/widgets/KxLabelCtrl.h"

#include "views/widgets/KxCheckBoxCtrl.h"
#include "views/widgets/KxCtrlMetrics.h"
#include "views/widgets/KxQtText.h"

#include "engine/values/TypeCodes.h"

#include <QPainter>

KxLabelCtrl::KxLabelCtrl(QWidget* parent, bool forCheckbox)
    : QLabel(parent), forCheckbox_(forCheckbox) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

KxLabelCtrl::KxLabelCtrl(const QString& text, QWidget* parent) : KxLabelCtrl(parent) {
    setText(text);
}

QSize KxLabelCtrl::sizeHint() const {
    if (forCheckbox_) return {kxCheckMarkWidth(*this), kxLineHeight()};
    return QLabel::sizeHint();
}

std::optional<FieldValue> KxLabelCtrl::readContent() {
    return std::nullopt;
}

void KxLabelCtrl::showContent(const FieldValue* value) {
    if (forCheckbox_) {
        checked_ = value != nullptr && value->type() == kx::type::Checkbox && value->isChecked();
        update();
        return;
    }
    if (value == nullptr)
        setText(QString());
    else if (kx::type::isText(value->type()))
        setText(kxQt(value->text())); // line breaks as single line feeds
    else
        setText(kxQt(value->plainText()));
}

void KxLabelCtrl::paintEvent(QPaintEvent* e) {
    if (!forCheckbox_) {
        QLabel::paintEvent(e);
        return;
    }
    QPainter painter(this);
    kxDrawCheckMark(painter, *this, rect(), checked_, false, false);
}
