#pragma once
// The one database builder of the tests and benchmarks: a database in a fresh temporary
// directory, its schema made either directly (fields of given types, one form layout that shows
// them in field order, one list options set with its sort definition, both current) or the way
// the New Database wizard makes one. Records are added from texts as the user would type them
// (FieldValue::parseText), so tests read like the data they describe.

#include "tests/support/TestFiles.h"

#include "engine/KxDatabase.h"
#include "engine/KxRecordChunk.h"
#include "engine/KxRecordHandle.h"
#include "engine/KxSchemaEditor.h"
#include "editors/KxSchemaBuilder.h"
#include "engine/values/FieldValue.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct TestField {
    KxFieldType type = KxFieldType::Text;
    std::string label;
    std::uint16_t formFlags = 0; // the form item's display flags (0x40 hides seconds)
};

// A field as the New Database wizard's steps describe one.
inline KxFieldSpec fieldSpec(const std::string& label, KxFieldType type, std::uint32_t decimals = 0) {
    KxFieldSpec spec;
    spec.label = label;
    spec.type = type;
    spec.decimals = decimals;
    return spec;
}

class TestDatabase {
public:
    static constexpr std::uint32_t kUser = 0x5EED;

    explicit TestDatabase(const std::vector<TestField>& fields);
    // A database file `name` whose schema the New Database wizard would make from the fields
    // (a form with every field in order, sorted by the first fields).
    TestDatabase(const std::vector<KxFieldSpec>& fields, std::uint32_t user, const std::string& name);

    std::string path() const { return dir_.file(name_); }
    const TempDir& dir() const { return dir_; }
    // Writes a file beside the database; its path.
    std::string write(const std::string& name, const std::string& bytes) const { return dir_.write(name, bytes); }

    // Appends a live record; an empty text leaves its field empty. A Calculation text that
    // starts with '#' is a failed result. Returns the record's live index.
    std::size_t addRecord(const std::vector<std::string>& texts, std::uint16_t category = 0);
    // Adds a record and deletes it; returns its deleted index.
    std::size_t addDeletedRecord(const std::vector<std::string>& texts, std::uint16_t category = 0) {
        return db.deleteRecord(addRecord(texts, category));
    }

    // The value as a field of that type parses the text; none for an empty text.
    std::optional<FieldValue> parse(std::size_t field, const std::string& text) const;

    void setIdentity(std::size_t liveIndex, std::uint32_t created, std::uint16_t sequence,
                     std::uint32_t user = kUser);

    // The default text of a live record's value; "" for an empty field.
    std::string text(std::size_t liveIndex, std::size_t field) const { return textOf(db.liveChunk(liveIndex), field); }
    std::string deletedText(std::size_t deletedIndex, std::size_t field) const {
        return textOf(db.deletedChunk(deletedIndex), field);
    }
    std::string textOf(const KxRecordChunk& record, std::size_t field) const;

    // One field's texts of every live record, in record order.
    std::vector<std::string> column(std::size_t field) const;

    // Replaces the current sort definition's keys.
    void setSortKeys(const std::vector<KxSortKey>& keys);

private:
    TempDir dir_; // declared first: the database closes before its directory goes
    std::string name_ = "Test.rlv";

public:
    KxDatabase db;
};
