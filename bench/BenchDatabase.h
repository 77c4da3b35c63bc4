#pragma once
// The benchmarks' database at the record limit: 16000 records of ten fields of mixed types,
// built once in a scratch directory removed at exit.

#include "editors/SchemaBuilder.h"

#include "KxDatabase.h"
#include "RecordHandle.h"
#include "values/FieldValue.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace kxbench {

inline constexpr std::size_t kRecords = KxDatabase::kMaxRecords;

inline KxFieldSpec field(const char* label, KxFieldType type, std::uint32_t decimals = 0) {
    KxFieldSpec spec;
    spec.label = label;
    spec.type = type;
    spec.decimals = decimals;
    return spec;
}

class BenchDatabase {
  public:
    BenchDatabase() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "rolva-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        dir_ = pattern;
        db.create(file("stock.rlv"), kRolvaTypeTag, kOpenDocument, 1);
        kxBuildNewDatabaseSchema(
            db,
            {field("Name", KxFieldType::Text), field("City", KxFieldType::Text),
             field("Kind", KxFieldType::MultipleChoice), field("Price", KxFieldType::Number, 2),
             field("Count", KxFieldType::Integer), field("Bought", KxFieldType::Date),
             field("At", KxFieldType::Time), field("Lent", KxFieldType::Checkbox),
             field("Notes", KxFieldType::Text), field("Total", KxFieldType::Calculation, 2)},
            0);
        const std::vector<const char*> kinds{"Book", "Tool", "Toy", "Food"};
        for (std::size_t i = 0; i < kRecords; ++i) {
            std::size_t position = db.liveCount();
            KxRecordHandle record = db.newRecord(position, false);
            const std::string n = std::to_string(i);
            const std::vector<std::string> texts{
                "Item \"" + n + "\"", "City " + std::to_string(i % 97), kinds[i % kinds.size()],
                std::to_string(i % 1000) + ".25", std::to_string(i), "3/" + std::to_string(1 + i % 28) + "/2001",
                "10:" + std::to_string(10 + i % 50) + ":00", i % 2 ? "Yes" : "No",
                i % 3 ? "" : "A note, with a comma", std::to_string(i * 2)};
            for (std::size_t f = 0; f < texts.size(); ++f) {
                if (texts[f].empty()) continue;
                FieldValue value = FieldValue::newValue(static_cast<int>(db.header().fields[f].type));
                value.parseText(texts[f]);
                record.setValue(f, value);
            }
            record.setCategory(static_cast<std::uint16_t>(i % 4));
        }
    }
    ~BenchDatabase() {
        db.close(true);
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    std::string file(const char* name) const { return (dir_ / name).string(); }

    KxDatabase db;

  private:
    std::filesystem::path dir_;
};

inline BenchDatabase& benchDatabase() {
    static BenchDatabase database;
    return database;
}

} // namespace kxbench
