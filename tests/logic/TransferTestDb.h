#pragma once
// A database file in a fresh directory, with a schema made the way a new database gets one
// (a form with every field in order, sorted by the first fields), for the import, selection
// and cursor tests.

#include "engine/KxFileHeader.h"
#include "tests/support/TestDatabase.h"
#include "editors/KxSchemaBuilder.h"

#include <string>
#include <vector>

// The test database made the way a new database is, under these tests' defaults.
struct TestDb : TestDatabase {
    explicit TestDb(const std::vector<KxFieldSpec>& fields, std::uint32_t userId = 7,
                    const std::string& name = "target.rlv")
        : TestDatabase(fields, userId, name) {}
};
