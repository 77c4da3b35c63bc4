#include "print/KxPrintSettings.h"

#include "print/TemplateLocator.h"

#include "engine/KxDatabase.h"
#include "engine/KxPropertyChunk.h"

#include <utility>

const KxPropertyChunk* KxPrintSettings::map() const {
    return static_cast<const KxPropertyChunk*>(
        std::as_const(db_).peekChunk(KxChunkTag::Properties));
}

std::optional<std::string> KxPrintSettings::text(std::int16_t key) const {
    return map() ? map()->value(key) : std::nullopt;
}

std::string KxPrintSettings::title() const {
    return text(kTitle).value_or(std::string());
}

void KxPrintSettings::setTitle(std::string_view title) {
    db_.propertyChunk().setValue(kTitle, title);
}

int KxPrintSettings::range() const {
    return map() ? map()->number(kRange).value_or(0) : 0;
}

void KxPrintSettings::setRange(int range) {
    db_.propertyChunk().setNumber(kRange, range);
}

std::string KxPrintSettings::templateName() const {
    return text(kTemplate).value_or(std::string(kxDefaultTemplateName));
}

void KxPrintSettings::setTemplateName(std::string_view name) {
    db_.propertyChunk().setValue(kTemplate, name);
}

std::optional<int> KxPrintSettings::fieldList() const {
    return map() ? map()->number(kFieldList) : std::nullopt;
}

void KxPrintSettings::setFieldList(std::optional<int> index) {
    if (index)
        db_.propertyChunk().setNumber(kFieldList, *index);
    else
        db_.propertyChunk().setValue(kFieldList, std::nullopt);
}

KxPageSetup KxPrintSettings::pageSetup(const KxPageSetup& userValues) const {
    KxPageSetup values;
    values.header = text(kHeader).value_or(std::string());
    values.footer = text(kFooter).value_or(std::string(kDefaultFooter));
    values.marginTop = text(kMarginTop).value_or(userValues.marginTop);
    values.marginBottom = text(kMarginBottom).value_or(userValues.marginBottom);
    values.marginLeft = text(kMarginLeft).value_or(userValues.marginLeft);
    values.marginRight = text(kMarginRight).value_or(userValues.marginRight);
    return values;
}

void KxPrintSettings::setPageSetup(const KxPageSetup& values) {
    KxPropertyChunk& map = db_.propertyChunk();
    map.setValue(kHeader, values.header);
    map.setValue(kFooter, values.footer);
    map.setValue(kMarginTop, values.marginTop);
    map.setValue(kMarginBottom, values.marginBottom);
    map.setValue(kMarginLeft, values.marginLeft);
    map.setValue(kMarginRight, values.marginRight);
}
