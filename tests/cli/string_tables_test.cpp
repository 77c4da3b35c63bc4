// Every numbered text of every subsystem: numbers unique across the tables, no text empty,
// and each found through the one lookup.

#include "cli/CliStrings.h"
#include "cli/Json.h"
#include "engine/KxStrings.h"
#include "app/AppStrings.h"
#include "editors/EditorStrings.h"
#include "install/InstallStrings.h"
#include "print/PrintStrings.h"
#include "transfer/TransferStrings.h"
#include "views/PaneStrings.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

TEST(StringTables, EveryNumberIsUniqueAndEveryTextGiven) {
    const auto tables = kxStringTables();
    // The engine's, the six subsystems' and the tool's.
    ASSERT_EQ(tables.size(), 8u);
    std::map<int, std::size_t> owner;
    for (std::size_t t = 0; t < tables.size(); ++t) {
        for (const auto& [id, text] : *tables[t]) {
            EXPECT_GT(id, 0);
            EXPECT_FALSE(text.empty()) << "text " << id << " is empty";
            const auto [it, fresh] = owner.emplace(id, t);
            EXPECT_TRUE(fresh) << "number " << id << " is in tables " << it->second << " and " << t;
            EXPECT_EQ(&kxString(id), &text) << "number " << id << " is found elsewhere";
        }
    }
}

TEST(StringTables, EachSubsystemsTextsAreFound) {
    EXPECT_EQ(kxString(kxStrUnfiled), "Unfiled");
    EXPECT_EQ(kxString(kxStrNoMatches), "The program found no records that match your search criteria.");
    EXPECT_EQ(kxString(kxStrEditCategoriesItem), "Edit Categories...");
    EXPECT_EQ(kxString(kxStrAllCategories), "All");
    EXPECT_EQ(kxString(kxStrHandheldInstallTitle), "Handheld Installation");
    EXPECT_EQ(kxString(kxStrPrinting), "Printing");
    EXPECT_EQ(kxString(kxStrExportingFile), "Exporting file");
    EXPECT_EQ(kxString(kxStrMenuHelp), "&Help ");
    EXPECT_EQ(kxString(kxStrReplaceFile, "a.csv"), "'a.csv' already exists.\nDo you want to replace it?");
    EXPECT_EQ(kxString(1), "");
    EXPECT_EQ(cliText(kxStrCliCheckOk, {"3", "1", "2"}), "ok: 3 records (1 deleted), 2 fields");
    // A missing argument leaves its mark; "%" before anything else stays.
    EXPECT_EQ(cliText(kxStrCliExported, {"5"}), "exported 5 records to %2");
    EXPECT_EQ(cliText(kxStrPercentComplete, {"40"}), "40% Complete");
}

TEST(StringTables, TheTextReportPrintsTheNumberedLabelAndJsonKeepsTheKey) {
    JsonValue info = JsonValue::object();
    info.add("liveRecords", 3, kxStrCliInfoSchemaChunks);
    info.add("plain", 1);
    info.add("fields", JsonValue::array(), kxStrCliInfoFields);
    std::ostringstream text;
    std::ostringstream json;
    info.writeText(text);
    info.writeJson(json);
    EXPECT_EQ(text.str(), "schemaChunks: 3\nplain: 1\nfields: (none)\n");
    EXPECT_EQ(json.str(), "{\n  \"liveRecords\": 3,\n  \"plain\": 1,\n  \"fields\": []\n}");
}
