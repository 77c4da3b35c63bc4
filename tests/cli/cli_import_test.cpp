// rolva import: delimited files and databases, the column order, the category shown, the
// log beside the database and the refusals, with their exit statuses.

#include "tests/support/CliRun.h"

#include "engine/KxDatabase.h"
#include "engine/KxLocale.h"
#include "engine/KxRecordChunk.h"
#include "engine/values/FieldValue.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

class CliImport : public ::testing::Test {
protected:
    void SetUp() override {
        kxSetLocale(KxLocale{});
        path = box.file("stock.rlv");
        ASSERT_EQ(box.run({"new", path, "--field", "Name:text", "--field", "Qty:number"}).status, 0);
    }

    std::string write(const std::string& name, const std::string& text) const {
        std::ofstream(box.file(name), std::ios::binary) << text;
        return box.file(name);
    }

    // Name, Qty and category name of every record, in record order.
    std::vector<std::string> records(const std::string& file) const {
        KxDatabase db;
        db.open(file, kOpenReadShared, 0);
        std::vector<std::string> rows;
        for (std::size_t i = 0; i < db.liveCount(); ++i) {
            std::string row;
            for (std::size_t f = 0; f < 2; ++f) {
                const auto raw = db.liveChunk(i).value(f);
                FieldValue v = FieldValue::newValue(f == 0 ? 1 : 4);
                if (!raw.empty()) v.setRaw(raw);
                row += (raw.empty() ? std::string("-") : v.plainText()) + "|";
            }
            rows.push_back(row + db.fileHeader().categoryName(db.liveCategory(i)));
        }
        return rows;
    }

    CliSandbox box;
    std::string path;
};

using Rows = std::vector<std::string>;

TEST_F(CliImport, CommaSeparatedWithCategories) {
    const auto r = box.run({"import", path, write("in.csv", "Nut,5,Parts\nBolt,,\r\nAxe,2,Tools\n")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "imported 3 of 3 records\n");
    EXPECT_EQ(records(path), (Rows{"Axe|2|Tools", "Bolt|-|", "Nut|5|Parts"}));
    EXPECT_FALSE(std::filesystem::exists(path + ".import.log"));
}

TEST_F(CliImport, OrderTypeAndShownCategory) {
    ASSERT_EQ(box.run({"import", path, write("first.csv", "a,1,Home\n")}).status, 0);
    // Tab-separated by its extension; the first column goes to Qty, the second to Name, the
    // third is left out, and the records go to the category shown.
    const auto r = box.run({"import", path, write("more.tsv", "7\tb\tx\n8\tc\ty\n"), "--order", "1,0,-",
                            "--category", "Home"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(records(path), (Rows{"a|1|Home", "b|7|Home", "c|8|Home"}));
    // The same file read as comma-separated has one column per line.
    ASSERT_EQ(box.run({"import", path, box.file("more.tsv"), "--type", "csv", "--order", "0"}).status, 0);
    EXPECT_EQ(records(path).front(), "7\tb\tx|-|");
}

TEST_F(CliImport, RefusesBadArguments) {
    const std::string in = write("in.csv", "a\n");
    EXPECT_EQ(box.run({"import", path, in, "--order", "3"}).status, 2); // two fields and Category
    EXPECT_EQ(box.run({"import", path, in, "--order", "0,0"}).status, 2);
    EXPECT_EQ(box.run({"import", path, in, "--order", "0,2", "--category", "Unfiled"}).status, 2);
    EXPECT_EQ(box.run({"import", path, in, "--type", "xls"}).status, 2);
    EXPECT_EQ(box.run({"import", path, in, "--category", "Nowhere"}).status, 2);
    EXPECT_EQ(box.run({"import", path}).status, 2);

    const auto empty = box.run({"import", path, write("blank.csv", " , \n\n")});
    EXPECT_EQ(empty.status, 1);
    EXPECT_EQ(empty.err, "There is no valid data to import from the input file\n");
    const auto missing = box.run({"import", path, box.file("missing.csv")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "Cannot find file " + box.file("missing.csv") + "\n");
    const auto unreadable = box.run({"import", path, box.dir().path(), "--type", "csv"});
    EXPECT_EQ(unreadable.status, 1);
    EXPECT_EQ(unreadable.err.rfind("error 6:", 0), 0u) << unreadable.err;
}

TEST_F(CliImport, SecondImportOfADatabaseSkipsIdenticalRecords) {
    const std::string other = box.file("other.rlv");
    ASSERT_EQ(box.run({"new", other, "--field", "Name:text", "--field", "Qty:number"}).status, 0);
    ASSERT_EQ(box.run({"add", other, "Name=Saw", "Qty=1"}).status, 0);
    ASSERT_EQ(box.run({"add", other, "--category", "Tools", "Name=Awl"}).status, 0);

    auto r = box.run({"import", path, other});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "imported 2 of 2 records\n");
    r = box.run({"import", path, other});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "imported 0 of 2 records (2 identical records skipped)\n");
    EXPECT_EQ(records(path), (Rows{"Awl|-|Tools", "Saw|1|"}));
}

TEST_F(CliImport, ProblemsGoToTheLogBesideTheDatabase) {
    const std::string name(20, 'n');
    const auto r = box.run({"import", path, write("in.csv", "a,1," + name + "\nb,2,\xC3\xA9t\xC3\xA9\n")});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string log = path + ".import.log";
    EXPECT_EQ(r.out, "imported 2 of 2 records\nlog: " + log + "\n");
    std::ifstream in(log);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, "Warning: Could not map category \"" + name +
                        "\" to an existing category in the database.  All records with this category were "
                        "placed in the \"Unfiled\" category.\n");
    EXPECT_EQ(records(path), (Rows{"a|1|", "b|2|\xE9t\xE9"}));
}

// An import with nothing to log leaves no log: the one an earlier run left goes, while a
// link planted at the log's name stays and its target is untouched.
TEST_F(CliImport, AnImportWithNothingToLogLeavesNoLog) {
    const std::string log = path + ".import.log";
    writeFileText(log, "an earlier run's log\n");
    ASSERT_EQ(box.run({"import", path, write("a.csv", "a,1\n")}).status, 0);
    EXPECT_FALSE(std::filesystem::exists(log));

    const std::string target = write("precious.txt", "keep me\n");
    std::filesystem::create_symlink(target, log);
    ASSERT_EQ(box.run({"import", path, write("b.csv", "b,2\n")}).status, 0);
    EXPECT_TRUE(std::filesystem::is_symlink(log));
    EXPECT_EQ(readFileText(target), "keep me\n");
}

// A NUL ends a text value where it stands; the log tells which row lost the rest.
TEST_F(CliImport, ANulCharacterIsLogged) {
    const auto r = box.run({"import", path, write("nul.csv", std::string("a\0b,1\nc,2\n", 10))});
    ASSERT_EQ(r.status, 0) << r.err;
    std::ifstream in(path + ".import.log");
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, "Warning: Row 1 of the input file holds a NUL character.  A value that holds one ends at it.\n");
    EXPECT_EQ(records(path), (Rows{"a|1|", "c|2|"}));
}

// Rows past the record limit are not imported: the records made stay, and the tool says
// why and fails rather than report a partial import as done.
TEST_F(CliImport, StoppedByTheRecordLimitFails) {
    std::string csv;
    for (std::size_t i = 0; i <= KxDatabase::kMaxRecords; ++i) csv += "r" + std::to_string(i) + "\n";
    const auto r = box.run({"import", path, write("many.csv", csv)});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "imported 16000 of 16001 records\nlog: " + path + ".import.log\n");
    EXPECT_EQ(r.err, "You have reached the maximum number of records allowed. The maximum number of records, "
                     "including not permanently deleted records, is 16000.\n");
    KxDatabase db;
    db.open(path, kOpenReadShared, 0);
    EXPECT_EQ(db.liveCount(), KxDatabase::kMaxRecords);
}

} // namespace

// A file exported with field labels comes back without its label row, each column in the
// field of its label; --header no takes the label row as a record.
TEST_F(CliImport, ExportWithLabelsImportsBackWithoutTheLabelRow) {
    ASSERT_EQ(box.run({"add", path, "--category", "Tools", "Name=Saw, big", "Qty=3"}).status, 0);
    ASSERT_EQ(box.run({"add", path, "Name=Nut"}).status, 0);
    const std::string out = box.file("stock.csv");
    ASSERT_EQ(box.run({"export", path, out, "--fields", "Qty,Category,Name"}).status, 0);

    const std::string copy = box.file("copy.rlv");
    ASSERT_EQ(box.run({"new", copy, "--field", "Name:text", "--field", "Qty:number"}).status, 0);
    const auto r = box.run({"import", copy, out});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "imported 2 of 2 records\n");
    EXPECT_EQ(records(copy), records(path));

    const std::string raw = box.file("raw.rlv");
    ASSERT_EQ(box.run({"new", raw, "--field", "Name:text", "--field", "Qty:number"}).status, 0);
    ASSERT_EQ(box.run({"import", raw, out, "--header", "no"}).status, 0);
    EXPECT_EQ(records(raw).size(), 3u);
    EXPECT_EQ(box.run({"import", raw, out, "--header", "maybe"}).status, 2);
}
