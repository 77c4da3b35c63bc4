// The tool's commands over one database: new, check, info, save, add, list, find, sort and
// category, with their exit statuses.

#include "tests/support/CliRun.h"
#include "engine/KxDatabase.h"
#include "engine/KxLocale.h"
#include "engine/KxSchemaEditor.h"
#include "engine/KxSearchChunk.h"
#include "app/SearchListSets.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) result.push_back(line);
    return result;
}

class CliDatabase : public ::testing::Test {
protected:
    void SetUp() override {
        kxSetLocale(KxLocale{}); // month/day/year, h:mm:ss tt
        path = box.file("items.rlv");
        const auto r = box.run({"new", path, "--field", "Name:text", "--field", "Kind:choice:items=Book|Tool",
                                "--field", "Price:number:decimals=2,currency,thousands", "--field",
                                "Twice:calc:op=add,a=Price,b=Price", "--field", "Lent:checkbox", "--field",
                                "At:time:noseconds"});
        ASSERT_EQ(r.status, 0) << r.err;
    }
    CliResult add(std::vector<std::string> assignments) {
        assignments.insert(assignments.begin(), {"add", path});
        return box.run(assignments);
    }
    CliSandbox box;
    std::string path;
};

TEST_F(CliDatabase, NewBuildsTheDefaultSchema) {
    const auto info = box.run({"info", path, "--json"});
    ASSERT_EQ(info.status, 0);
    EXPECT_NE(info.out.find("\"listPaneShare\": 50"), std::string::npos);
    EXPECT_NE(info.out.find("\"attributes\": 216"), std::string::npos) << "24 plus 0x40 and 0x80";
    EXPECT_NE(info.out.find("\"typeName\": \"Multiple Choice\""), std::string::npos);
    // Five sort keys at most, the fifth unsorted; columns 100 / 5 percent wide.
    EXPECT_NE(info.out.find("\"width\": 20"), std::string::npos);
    EXPECT_EQ(box.run({"check", path}).out, "ok: 0 records (0 deleted), 6 fields\n");
}

TEST_F(CliDatabase, NewRefusesAnExistingFileUnlessForced) {
    EXPECT_EQ(box.run({"new", path, "--field", "A:text"}).status, 2);
    EXPECT_EQ(box.run({"new", path, "--force", "--field", "A:text"}).status, 0);
    EXPECT_EQ(box.run({"new", box.file("x.rlv"), "--field", "A:bogus"}).status, 2);
    EXPECT_EQ(box.run({"new", box.file("y.rlv"), "--field", "C:calc:op=add,a=Nothing"}).status, 2);
}

TEST_F(CliDatabase, AddedRecordsAreListedInSortOrderWithDisplayTexts) {
    ASSERT_EQ(add({"Name=Saw", "Price=1234.5", "Lent=yes", "At=10:30:45"}).status, 0);
    ASSERT_EQ(add({"name=anvil", "Kind=Tool", "#3=2"}).status, 0);
    const auto out = lines(box.run({"list", path}).out);
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[0], "#\tCategory\tName\tKind\tPrice\tTwice\tLent");
    EXPECT_EQ(out[1], "1\tUnfiled\tanvil\tTool\t$2.00\t4\tNo") << "Name sorts first, ignoring case";
    EXPECT_EQ(out[2], "2\tUnfiled\tSaw\t\t$1,234.50\t2469\tYes");
    const auto all = lines(box.run({"list", path, "--all-fields"}).out);
    EXPECT_EQ(all[2].substr(all[2].rfind('\t') + 1), "10:30 AM") << "seconds hidden as the form says";
}

TEST_F(CliDatabase, AddRefusesUnknownFieldsAndEmptyRecords) {
    EXPECT_EQ(add({"Colour=red"}).status, 2);
    EXPECT_EQ(add({"Twice=3"}).status, 2) << "a calculation is computed, not typed";
    EXPECT_EQ(add({"Name="}).status, 1);
    EXPECT_EQ(box.run({"check", path}).out, "ok: 0 records (0 deleted), 6 fields\n");
}

TEST_F(CliDatabase, FindMarksTheMatchesAndSavesTheSearch) {
    add({"Name=Smith"});
    add({"Name=Blacksmith", "Price=12.5"});
    add({"Name=Jones", "Price=120"});
    auto found = box.run({"find", path, "--where", "Name contains smi"});
    EXPECT_EQ(lines(found.out).size(), 3u);
    found = box.run({"find", path, "--where", "* begins 12", "--save", "Twelve"});
    EXPECT_EQ(lines(found.out).size(), 3u) << "12.5 and 120";
    const auto none = box.run({"find", path, "--where", "Price gt 1000"});
    EXPECT_EQ(none.status, 0);
    EXPECT_EQ(none.out, "The program found no records that match your search criteria.\n");
    const auto info = box.run({"info", path, "--json"}).out;
    EXPECT_NE(info.find("\"name\": \"Twelve\""), std::string::npos);
    EXPECT_EQ(box.run({"find", path, "--where", "Lent contains x"}).status, 2);
    EXPECT_EQ(box.run({"find", path, "--where", "Name sounds like x"}).status, 2);
}

TEST_F(CliDatabase, FindIntoASearchWithItsOwnListOptionsLeavesNoUnusedSet) {
    add({"Name=Smith"});
    ASSERT_EQ(box.run({"find", path, "--where", "Name contains smi", "--save", "Smiths"}).status, 0);
    std::size_t sets = 0;
    {
        KxDatabase db;
        db.open(path, kOpenDocument, 1);
        const auto own = kxMakeSearchListSet(db, {{0, KxSortDirection::Ascending}});
        ASSERT_TRUE(own.has_value());
        db.searchChunk().searches[1].listOptionsSet = *own;
        sets = KxSchemaEditor(db).listSetCount();
        db.save();
        db.close(false);
    }
    ASSERT_EQ(box.run({"find", path, "--where", "Name contains th", "--save", "Smiths"}).status, 0);
    KxDatabase db;
    db.open(path, kOpenReadShared, 1);
    EXPECT_EQ(KxSchemaEditor(db).listSetCount(), sets - 1);
}

TEST_F(CliDatabase, SortRewritesTheListOptionsAndOrder) {
    add({"Name=a", "Price=1"});
    add({"Name=b", "Price=3"});
    add({"Name=c", "Price=2"});
    ASSERT_EQ(box.run({"sort", path, "--by", "Price:desc"}).status, 0);
    const auto out = lines(box.run({"list", path}).out);
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(out[0], "#\tCategory\tPrice") << "the columns follow the chosen fields";
    EXPECT_EQ(out[1], "1\tUnfiled\t$3.00");
    EXPECT_EQ(out[3], "3\tUnfiled\t$1.00");
    EXPECT_EQ(box.run({"sort", path, "--by", "Nope"}).status, 2);
}

TEST_F(CliDatabase, CategoriesKeepTheProductsRefusals) {
    EXPECT_EQ(box.run({"category", path, "--add", "Home"}).status, 0);
    EXPECT_EQ(box.run({"category", path, "--add", "Unfiled"}).status, 1);
    EXPECT_EQ(box.run({"category", path, "--add", "All"}).status, 1);
    EXPECT_EQ(box.run({"category", path, "--add", "home"}).status, 0) << "names are case-sensitive";
    for (int i = 0; i < 13; ++i) box.run({"category", path, "--add", "C" + std::to_string(i)});
    const auto full = box.run({"category", path, "--add", "Sixteenth"});
    EXPECT_EQ(full.status, 1);
    EXPECT_NE(full.err.find("No more than 15 categories are allowed."), std::string::npos);

    add({"Name=x", "--category", "Home"});
    EXPECT_EQ(box.run({"category", path, "--rename", "Home", "home"}).status, 1) << "merging needs --yes";
    EXPECT_EQ(box.run({"category", path, "--rename", "Home", "home", "--yes"}).status, 0);
    const auto listed = box.run({"list", path, "--category", "home"});
    EXPECT_EQ(lines(listed.out).size(), 2u);
    EXPECT_EQ(box.run({"category", path, "--delete", "home", "--records", "--yes"}).status, 0);
    EXPECT_EQ(box.run({"check", path}).out, "ok: 0 records (1 deleted), 6 fields\n");
    const auto deleted = lines(box.run({"list", path, "--deleted"}).out);
    EXPECT_EQ(deleted[1].substr(0, 10), "1\tUnfiled\t");
}

TEST(CliTool, ReportsEngineErrorsAndUsage) {
    CliSandbox box;
    const auto missing = box.run({"check", box.file("none.rlv")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "error 1: The database could not be opened.\n");
    writeFileBytes(box.file("junk.rlv"), std::vector<std::uint8_t>(400, 0x41));
    EXPECT_EQ(box.run({"info", box.file("junk.rlv")}).err,
              "error 11: The database has been damaged.\n\"" + box.file("junk.rlv") +
                  "\" is not a Rolva database: it does not begin with the signature that every Rolva database "
                  "carries. None of your databases is damaged.\n");
    EXPECT_EQ(box.run({}).status, 2);
    EXPECT_EQ(box.run({"frobnicate"}).status, 2);
    EXPECT_EQ(box.run({"check"}).status, 2);
    EXPECT_EQ(box.run({"--help"}).status, 0);
}

TEST(CliTool, SaveAsWritesTheCurrentVersionUnderTheNewName) {
    CliSandbox box;
    ASSERT_EQ(box.run({"new", box.file("old.rlv"), "--field", "A:text"}).status, 0);
    ASSERT_EQ(box.run({"save", box.file("old.rlv"), "--as", box.file("new.rlv")}).status, 0);
    const auto info = box.run({"info", box.file("new.rlv"), "--json"}).out;
    EXPECT_NE(info.find("\"name\": \"old\""), std::string::npos) << "the previous file's base name";
}

} // namespace
