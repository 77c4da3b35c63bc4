#pragma once
// A database file in a fresh directory, with a schema made the way a new database gets one
// (a form with every field in order, sorted by the first fields), for the import, selection
// and cursor tests.

#include "FileHeader.h"
#include "KxDatabase.h"
#include "RecordChunk.h"
#include "RecordHandle.h"
#include "TestFiles.h"
#include "editors/SchemaBuilder.h"
#include "values/FieldValue.h"

#include <fstream>
#include <string>
#include <vector>

inline KxFieldSpec fieldSpec(const std::string& label, KxFieldType type, std::uint32_t decimals = 0) {
    KxFieldSpec spec;
    spec.label = label;
    spec.type = type;
    spec.decimals = decimals;
    return spec;
}

struct TestDb {
    explicit TestDb(const std::vector<KxFieldSpec>& fields, std::uint32_t userId = 7,
                    const std::string& name = "target.rlv") {
        path = dir.file(name);
        db.create(path, kRolvaTypeTag, kOpenDocument, userId);
        kxBuildNewDatabaseSchema(db, fields, 0);
    }

    // Adds a record with the given texts parsed into the first fields ("" leaves a field empty).
    std::size_t add(const std::vector<std::string>& texts, std::uint16_t category = 0) {
        std::size_t position = db.liveCount();
        KxRecordHandle record = db.newRecord(position, true);
        for (std::size_t f = 0; f < texts.size(); ++f) {
            if (texts[f].empty()) continue;
            FieldValue value = FieldValue::newValue(static_cast<int>(db.header().fields[f].type));
            value.parseText(texts[f]);
            record.setValue(f, value);
        }
        record.setCategory(category);
        return position;
    }

    // The plain text of a field of a live record; "" for an empty field.
    std::string text(std::size_t liveIndex, std::size_t field) const {
        const auto raw = db.liveChunk(liveIndex).value(field);
        if (raw.empty()) return {};
        FieldValue value = FieldValue::newValue(static_cast<int>(db.header().fields[field].type));
        value.setRaw(raw);
        return value.plainText();
    }

    // The texts of one field over every live record, in record order.
    std::vector<std::string> column(std::size_t field) const {
        std::vector<std::string> texts;
        for (std::size_t i = 0; i < db.liveCount(); ++i) texts.push_back(text(i, field));
        return texts;
    }

    std::string write(const std::string& name, const std::string& bytes) const {
        const std::string file = dir.file(name);
        std::ofstream(file, std::ios::binary) << bytes;
        return file;
    }

    TempDir dir;
    std::string path;
    KxDatabase db;
};

inline std::string readText(const std::string& path) {
    const auto bytes = readFileBytes(path);
    return {bytes.begin(), bytes.end()};
}
