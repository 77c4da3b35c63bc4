#include "editors/KxSchemaBuilder.h"

#include "engine/KxDatabase.h"
#include "engine/KxSchemaEditor.h"
#include "editors/KxFieldWorkingCopy.h"
#include "print/KxPrintSettings.h"

#include <algorithm>
#include <functional>

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

namespace {
KxFieldSpec specOf(const KxWorkingField& field) {
    KxFieldSpec spec;
    spec.label = field.label;
    spec.type = field.type;
    spec.decimals = field.decimals;
    spec.showLabel = !field.hideLabel;
    spec.thousands = field.thousands;
    spec.currency = field.currency;
    spec.hideSeconds = !field.seconds;
    spec.items = field.items;
    spec.calcOperator = field.calcOp;
    return spec;
}
} // namespace

void KxSchemaBuilder::defineField(std::size_t position, const KxFieldSpec& spec) {
    KxSchemaEditor schema(db_);
    schema.setFieldType(position, spec.type);
    schema.setFieldLabel(position, spec.label);
    if (spec.type == KxFieldType::Number || spec.type == KxFieldType::Calculation)
        schema.setTypeOption(position, spec.decimals);
    if (spec.type == KxFieldType::Calculation) {
        schema.setCalcOperator(position, spec.calcOperator);
        schema.setCalcFirst(position, spec.calcFirst);
        schema.setCalcSecond(position, spec.calcSecond);
    }
    // A Multiple Choice list is always rewritten (it may have lost every item); a Text
    // field's list only when one is given.
    if (spec.type == KxFieldType::MultipleChoice ||
        (spec.type == KxFieldType::Text && !spec.items.empty())) {
        KxItemListAccessor list(db_, position, true);
        list.clearItems();
        for (const auto& item : spec.items) list.addItem(item);
    }
}

void KxSchemaBuilder::appendFormItem(std::size_t position, const KxFieldSpec& spec) {
    KxSchemaEditor schema(db_);
    const std::size_t layout = schema.currentLayout();
    const std::size_t at = schema.addItem(layout, schema.itemCount(layout));
    KxFormItem& item = schema.item(layout, at);
    item.field = static_cast<std::uint8_t>(position);
    item.flags = kxFormFlagsFor(spec);
}

std::size_t KxSchemaBuilder::appendField(const KxFieldSpec& spec) {
    const std::size_t position = KxSchemaEditor(db_).addField();
    defineField(position, spec);
    appendFormItem(position, spec);
    return position;
}

// The fields-to-print list names fields by position, which no longer fit: it goes, and with
// it the form layout that held it.
void KxSchemaBuilder::dropPrintFieldList() {
    KxPrintSettings print(db_);
    const auto list = print.fieldList();
    if (!list) return;
    KxSchemaEditor schema(db_);
    const auto index = static_cast<std::size_t>(*list);
    if (*list >= 0 && index < schema.layoutCount() && index != schema.currentLayout())
        schema.deleteLayout(index);
    print.setFieldList(std::nullopt);
}

// A database made without fields has a list with no columns; once it has fields, the list
// shows the first one that is not Label Only, so that records can be seen and chosen.
void KxSchemaBuilder::giveEmptyListAColumn(const std::vector<std::size_t>& positions,
                                           const KxFieldWorkingCopy& copy) {
    KxSchemaEditor schema(db_);
    if (schema.listSetCount() == 0) return;
    const std::size_t set = schema.currentListSet();
    if (set >= schema.listSetCount() || schema.columnCount(set) > 0) return;
    for (std::size_t i = 0; i < positions.size(); ++i) {
        if (copy.at(i).type == KxFieldType::LabelOnly) continue;
        const std::size_t column = schema.addColumn(set, 0);
        schema.setColumnField(set, column, static_cast<std::uint8_t>(positions[i]));
        schema.column(set, column).width = 100;
        return;
    }
}

void KxSchemaBuilder::commit(const KxFieldWorkingCopy& copy) {
    KxSchemaEditor schema(db_);
    const auto& fields = copy.fields();
    std::vector<std::size_t> positions(fields.size());
    for (std::size_t i = 0; i < fields.size(); ++i) positions[i] = fields[i].id;

    std::vector<std::uint16_t> deleted = copy.deletedIds();
    std::sort(deleted.begin(), deleted.end(), std::greater<>());
    for (const std::uint16_t id : deleted) {
        schema.deleteField(id);
        for (std::size_t i = 0; i < fields.size(); ++i)
            if (!fields[i].isNew && positions[i] > id) --positions[i];
    }

    ensureFormLayout();
    const std::size_t layout = schema.currentLayout();
    for (std::size_t n = schema.itemCount(layout); n-- > 0;) schema.deleteItem(layout, n);
    dropPrintFieldList();

    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].isNew) positions[i] = schema.addField();
        const KxFieldSpec spec = specOf(fields[i]);
        defineField(positions[i], spec);
        appendFormItem(positions[i], spec);
    }

    giveEmptyListAColumn(positions, copy);

    auto fieldOf = [&](std::uint16_t operand) {
        return operand < positions.size() ? static_cast<std::uint8_t>(positions[operand]) : kNoField;
    };
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].type != KxFieldType::Calculation) continue;
        schema.setCalcFirst(positions[i], fieldOf(fields[i].first));
        schema.setCalcSecond(positions[i], fieldOf(fields[i].second));
    }
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
