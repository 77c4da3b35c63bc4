#include "tests/support/TestDatabase.h"

TestDatabase::TestDatabase(const std::vector<TestField>& fields) {
    db.create(path(), kRolvaTypeTag, kOpenDocument, kUser);
    KxSchemaEditor schema(db);
    const std::size_t layout = schema.addLayout();
    for (const TestField& f : fields) {
        const std::size_t p = schema.addField();
        schema.setFieldType(p, f.type);
        schema.setFieldLabel(p, f.label);
        const std::size_t item = schema.addItem(layout, schema.itemCount(layout));
        schema.setItemField(layout, item, static_cast<std::uint8_t>(p));
        schema.item(layout, item).flags = f.formFlags;
    }
    const std::size_t def = schema.addSortDef();
    const std::size_t set = schema.addListSet();
    schema.setListSetSortDef(set, static_cast<std::uint8_t>(def));
    schema.setCurrentListSet(set);
}

TestDatabase::TestDatabase(const std::vector<KxFieldSpec>& fields, std::uint32_t user, const std::string& name)
    : name_(name) {
    db.create(path(), kRolvaTypeTag, kOpenDocument, user);
    kxBuildNewDatabaseSchema(db, fields, 0);
}

std::size_t TestDatabase::addRecord(const std::vector<std::string>& texts, std::uint16_t category) {
    std::size_t position = db.liveCount();
    KxRecordHandle handle = db.newRecord(position, false);
    for (std::size_t f = 0; f < texts.size(); ++f)
        if (auto v = parse(f, texts[f])) handle.setRawValue(f, v->raw());
    if (category != 0) handle.setCategory(category);
    return position;
}

std::optional<FieldValue> TestDatabase::parse(std::size_t field, const std::string& text) const {
    if (text.empty()) return std::nullopt;
    const int type = static_cast<int>(db.header().fields.at(field).type);
    FieldValue value = FieldValue::newValue(type);
    if (type == static_cast<int>(KxFieldType::Calculation) && text[0] == '#')
        value.setCalcResult(0, true);
    else
        value.parseText(text);
    return value;
}

void TestDatabase::setIdentity(std::size_t liveIndex, std::uint32_t created, std::uint16_t sequence,
                               std::uint32_t user) {
    db.record(liveIndex, false).setIdentity({user, created, sequence});
}

std::string TestDatabase::textOf(const KxRecordChunk& record, std::size_t field) const {
    const auto raw = record.value(field);
    if (raw.empty()) return {};
    FieldValue value = FieldValue::newValue(static_cast<int>(db.header().fields.at(field).type));
    value.setRaw(raw);
    return value.plainText();
}

std::vector<std::string> TestDatabase::column(std::size_t field) const {
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < db.liveCount(); ++i) texts.push_back(text(i, field));
    return texts;
}

void TestDatabase::setSortKeys(const std::vector<KxSortKey>& keys) {
    KxSchemaEditor schema(db);
    const std::size_t def = schema.listSetSortDef(schema.currentListSet());
    while (schema.sortDefKeyCount(def) > 0) schema.deleteSortKey(def, 0);
    for (const KxSortKey& key : keys) {
        const std::size_t k = schema.addSortKey(def, schema.sortDefKeyCount(def));
        schema.setSortKeyField(def, k, key.field);
        schema.sortKey(def, k).direction = key.direction;
    }
}
