#pragma once
// A database in a fresh temporary directory with fields of given types, one form layout that
// shows them in field order, and one list options set with its sort definition, both
// current. Records are added from texts as the user would type them (FieldValue::parseText),
// so tests read like the data they describe.

#include "TestFiles.h"

#include "KxDatabase.h"
#include "RecordChunk.h"
#include "RecordHandle.h"
#include "SchemaEditor.h"
#include "values/FieldValue.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

struct TestField {
    KxFieldType type = KxFieldType::Text;
    std::string label;
    std::uint16_t formFlags = 0; // the form item's display flags (0x40 hides seconds)
};

class TestDatabase {
public:
    static constexpr std::uint32_t kUser = 0x5EED;

    explicit TestDatabase(const std::vector<TestField>& fields) {
        db.create(dir_.file("Test.rlv"), kRolvaTypeTag, kOpenDocument, kUser);
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

    std::string path() const { return dir_.file("Test.rlv"); }

    // Appends a live record; an empty text leaves its field empty. A Calculation text that
    // starts with '#' is a failed result. Returns the record's live index.
    std::size_t addRecord(const std::vector<std::string>& texts, std::uint16_t category = 0) {
        std::size_t position = db.liveCount();
        KxRecordHandle handle = db.newRecord(position, false);
        for (std::size_t f = 0; f < texts.size(); ++f)
            if (auto v = parse(f, texts[f])) handle.setRawValue(f, v->raw());
        if (category != 0) handle.setCategory(category);
        return position;
    }

    // Adds a record and deletes it; returns its deleted index.
    std::size_t addDeletedRecord(const std::vector<std::string>& texts, std::uint16_t category = 0) {
        return db.deleteRecord(addRecord(texts, category));
    }

    // The value as a field of that type parses the text; none for an empty text.
    std::optional<FieldValue> parse(std::size_t field, const std::string& text) const {
        if (text.empty()) return std::nullopt;
        const int type = static_cast<int>(db.header().fields.at(field).type);
        FieldValue value = FieldValue::newValue(type);
        if (type == static_cast<int>(KxFieldType::Calculation) && text[0] == '#')
            value.setCalcResult(0, true);
        else
            value.parseText(text);
        return value;
    }

    void setIdentity(std::size_t liveIndex, std::uint32_t created, std::uint16_t sequence,
                     std::uint32_t user = kUser) {
        db.record(liveIndex, false).setIdentity({user, created, sequence});
    }

    // The default text of a live record's value; "" for an empty field.
    std::string text(std::size_t liveIndex, std::size_t field) const {
        return textOf(db.liveChunk(liveIndex), field);
    }
    std::string deletedText(std::size_t deletedIndex, std::size_t field) const {
        return textOf(db.deletedChunk(deletedIndex), field);
    }
    std::string textOf(const KxRecordChunk& record, std::size_t field) const {
        const auto raw = record.value(field);
        if (raw.empty()) return {};
        FieldValue value = FieldValue::newValue(static_cast<int>(db.header().fields.at(field).type));
        value.setRaw(raw);
        return value.plainText();
    }

    // One field's texts of every live record, in record order.
    std::vector<std::string> column(std::size_t field) const {
        std::vector<std::string> texts;
        for (std::size_t i = 0; i < db.liveCount(); ++i) texts.push_back(text(i, field));
        return texts;
    }

    // Replaces the current sort definition's keys.
    void setSortKeys(const std::vector<KxSortKey>& keys) {
        KxSchemaEditor schema(db);
        const std::size_t def = schema.listSetSortDef(schema.currentListSet());
        while (schema.sortDefKeyCount(def) > 0) schema.deleteSortKey(def, 0);
        for (const KxSortKey& key : keys) {
            const std::size_t k = schema.addSortKey(def, schema.sortDefKeyCount(def));
            schema.setSortKeyField(def, k, key.field);
            schema.sortKey(def, k).direction = key.direction;
        }
    }

private:
    TempDir dir_; // declared first: the database closes before its directory goes

public:
    KxDatabase db;
};
