#pragma once
// Small helpers for engine tests: a fixed clock, the write-failure hooks switched off again
// at the end of a test, and a schema set up directly before any record exists.

#include "base/KxClock.h"
#include "engine/KxDatabase.h"
#include "engine/KxDbError.h"
#include "engine/PosixFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Fixes "now" for the life of the object; the system clock comes back afterwards.
class FixedClock {
  public:
    explicit FixedClock(std::uint32_t now) : now_(now) {
        kxSetClock({[this] { return now_; }, [this] { ++now_; }, {}});
    }
    ~FixedClock() { kxSetClock({}); }
    FixedClock(const FixedClock&) = delete;
    FixedClock& operator=(const FixedClock&) = delete;
    void set(std::uint32_t now) { now_ = now; }

  private:
    std::uint32_t now_;
};

// Switches the simulated write and temporary-file failures off when the test ends, even
// when an expectation fails first.
struct FailureHooksOff {
    ~FailureHooksOff() {
        kx::testing::failWritesAfter(0, 0);
        kx::testing::failTempCreation(0);
    }
};

// Appends a field definition the way the schema editor makes one. Only for a database that
// has no records yet: records are not given a value for the new field.
inline void appendField(KxDatabase& db, KxFieldType type, const std::string& label,
                        std::uint32_t option = 0) {
    KxFieldDef field;
    field.type = type;
    field.label = label;
    field.typeOption = option;
    if (type == KxFieldType::Calculation) field.calc = KxCalcBlock{};
    db.header().fields.push_back(field);
}

// The code a call throws, or None when it returns normally.
inline KxDbError thrownBy(const std::function<void()>& call) {
    try {
        call();
    } catch (const KxDbError& e) {
        return e;
    }
    return KxDbError::None;
}

// Compares two files' bytes and names the first offset where they differ, rather than
// printing thousands of bytes.
inline ::testing::AssertionResult sameBytes(const std::vector<std::uint8_t>& actual,
                                            const std::vector<std::uint8_t>& expected) {
    const std::size_t common = std::min(actual.size(), expected.size());
    for (std::size_t i = 0; i < common; ++i) {
        if (actual[i] != expected[i])
            return ::testing::AssertionFailure()
                   << "first difference at offset " << i << ": " << int{actual[i]} << " instead of "
                   << int{expected[i]};
    }
    if (actual.size() != expected.size())
        return ::testing::AssertionFailure()
               << actual.size() << " bytes instead of " << expected.size();
    return ::testing::AssertionSuccess();
}

// The name of a parameterised case, from its description: "chunk below 30" -> chunk_below_30.
struct NameFromDescription {
    template <typename Param>
    std::string operator()(const ::testing::TestParamInfo<Param>& info) const {
        std::string name = info.param.name;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        return name;
    }
};

inline std::ostream& operator<<(std::ostream& out, KxDbError e) {
    return out << "KxDbError(" << kxCode(e) << ")";
}
