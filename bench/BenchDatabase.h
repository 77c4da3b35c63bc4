#pragma once
// The benchmarks' database at the record limit: 16000 records of ten fields of mixed types,
// made once by the tests' database builder in a temporary directory removed at exit.

#include "tests/support/TestDatabase.h"

#include <string>
#include <vector>

namespace kxbench {

inline constexpr std::size_t kRecords = KxDatabase::kMaxRecords;

class BenchDatabase {
  public:
    BenchDatabase()
        : made_({fieldSpec("Name", KxFieldType::Text), fieldSpec("City", KxFieldType::Text),
                 fieldSpec("Kind", KxFieldType::MultipleChoice), fieldSpec("Price", KxFieldType::Number, 2),
                 fieldSpec("Count", KxFieldType::Integer), fieldSpec("Bought", KxFieldType::Date),
                 fieldSpec("At", KxFieldType::Time), fieldSpec("Lent", KxFieldType::Checkbox),
                 fieldSpec("Notes", KxFieldType::Text), fieldSpec("Total", KxFieldType::Calculation, 2)},
                1, "stock.rlv") {
        const std::vector<const char*> kinds{"Book", "Tool", "Toy", "Food"};
        for (std::size_t i = 0; i < kRecords; ++i) {
            const std::string n = std::to_string(i);
            made_.addRecord({"Item \"" + n + "\"", "City " + std::to_string(i % 97), kinds[i % kinds.size()],
                             std::to_string(i % 1000) + ".25", n, "3/" + std::to_string(1 + i % 28) + "/2001",
                             "10:" + std::to_string(10 + i % 50) + ":00", i % 2 ? "Yes" : "No",
                             i % 3 ? "" : "A note, with a comma", std::to_string(i * 2)},
                            static_cast<std::uint16_t>(i % 4));
        }
    }
    std::string file(const char* name) const { return made_.dir().file(name); }

  private:
    TestDatabase made_; // first: the database the reference below names

  public:
    KxDatabase& db = made_.db;
};

inline BenchDatabase& benchDatabase() {
    static BenchDatabase database;
    return database;
}

} // namespace kxbench
