#include "editors/SchemaBuilder.h"

#include "KxDatabase.h"
#include "SchemaEditor.h"

namespace {
constexpr std::uint16_t kFlagLabelShown = 0x04;
constexpr std::size_t kDefaultSortKeys = 5;
constexpr std::size_t kAscendingKeys = 4;
} // namespace

std::uint16_t kxFormFlagsFor(const KxFieldSpec& spec) {
    std::uint16_t flags = 0;
    if (spec.showLabel) flags |= kFlagLabelShown;
    if (spec.thousands) flags |= kFlagThousands;
    if (spec.currency) flags |= kFlagCurrency;
    if (spec.hideSeconds) flags |= kFlagHideSeconds;
    return flags;
}

void KxSchemaBuilder::ensureFormLayout() {
    KxSchemaEditor schema(db_);
    if (schema.layoutCount() > 0) return;
    schema.setCurrentLayout(schema.addLayout());
}

std::size_t KxSchemaBuilder::appendField(const KxFieldSpec& spec) {
    KxSchemaEditor schema(db_);
    const std::size_t position = schema.addField();
    schema.setFieldType(position, spec.type);
    schema.setFieldLabel(position, spec.label);
    if (spec.type == KxFieldType::Number || spec.type == KxFieldType::Calculation)
        schema.setTypeOption(position, spec.decimals);
    if (spec.type == KxFieldType::Calculation) {
        schema.setCalcOperator(position, spec.calcOperator);
        schema.setCalcFirst(position, spec.calcFirst);
        schema.setCalcSecond(position, spec.calcSecond);
    }
    if ((spec.type == KxFieldType::Text || spec.type == KxFieldType::MultipleChoice) &&
        !spec.items.empty()) {
        KxItemListAccessor list(db_, position, true);
        list.clearItems();
        for (const auto& item : spec.items) list.addItem(item);
    }
    const std::size_t layout = schema.currentLayout();
    const std::size_t at = schema.addItem(layout, schema.itemCount(layout));
    KxFormItem& item = schema.item(layout, at);
    item.field = static_cast<std::uint8_t>(position);
    item.flags = kxFormFlagsFor(spec);
    return position;
}

std::size_t KxSchemaBuilder::addDefaultListOptions(const std::vector<std::size_t>& fieldsInOrder) {
    KxSchemaEditor schema(db_);
    std::vector<std::size_t> chosen;
    for (std::size_t field : fieldsInOrder) {
        if (chosen.size() == kDefaultSortKeys) break;
        if (schema.fieldType(field) != KxFieldType::LabelOnly) chosen.push_back(field);
    }
    const std::size_t def = schema.addSortDef();
    const std::size_t set = schema.addListSet();
    schema.setListSetSortDef(set, static_cast<std::uint8_t>(def));
    const std::uint8_t width = chosen.empty() ? 0 : static_cast<std::uint8_t>(100 / chosen.size());
    for (std::size_t i = 0; i < chosen.size(); ++i) {
        KxSortKey& key = schema.sortKey(def, schema.addSortKey(def, i));
        key.field = static_cast<std::uint8_t>(chosen[i]);
        key.direction = i < kAscendingKeys ? KxSortDirection::Ascending : KxSortDirection::None;
        KxListColumn& column = schema.column(set, schema.addColumn(set, i));
        column.field = static_cast<std::uint8_t>(chosen[i]);
        column.width = width;
    }
    schema.setCurrentListSet(set);
    return set;
}

void kxBuildNewDatabaseSchema(KxDatabase& db, const std::vector<KxFieldSpec>& fields,
                              std::uint16_t extraAttributes) {
    db.header().setAttributes(static_cast<std::uint16_t>(db.header().attributes() | extraAttributes));
    db.fileHeader().setListPaneShare(50);
    KxSchemaBuilder builder(db);
    builder.ensureFormLayout();
    std::vector<std::size_t> positions;
    for (const auto& spec : fields) positions.push_back(builder.appendField(spec));
    builder.addDefaultListOptions(positions);
}
