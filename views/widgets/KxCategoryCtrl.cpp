#include "views/widgets/KxCategoryCtrl.h"

#include "views/widgets/KxCtrlMetrics.h"
#include "views/widgets/KxQtText.h"

#include "engine/values/TypeCodes.h"

#include "platform/NoCase.h"

KxCategoryCtrl::KxCategoryCtrl(const std::vector<std::string>& names, QWidget* parent)
    : QComboBox(parent) {
    setFixedHeight(kxStandardCtrlHeight());
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
    setNames(names);
    connect(this, &QComboBox::activated, this, [this] { markModified(); });
    watchFocus();
}

void KxCategoryCtrl::setNames(const std::vector<std::string>& names) {
    clear();
    for (const std::string& name : names)
        addItem(kxQt(name));
    setCurrentIndex(-1);
}

std::optional<FieldValue> KxCategoryCtrl::readContent() {
    if (currentIndex() < 0) return std::nullopt;
    FieldValue value = FieldValue::newValue(kx::type::Text);
    value.setText(kx1252(currentText()));
    return value;
}

void KxCategoryCtrl::showContent(const FieldValue* value) {
    int found = -1;
    if (value != nullptr && kx::type::isText(value->type())) {
        const std::string prefix = kxToUtf8(value->text());
        for (int i = 0; i < count() && found < 0; ++i)
            if (kxStartsWithNoCase(itemText(i).toStdString(), prefix)) found = i;
    }
    setCurrentIndex(found);
}

void KxCategoryCtrl::applyReadOnly(bool readOnly) {
    setEnabled(!readOnly);
}
