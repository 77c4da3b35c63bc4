// rolva export: the file types, the fields and ranges chosen on the command line, the
// encodings and the refusals, with their exit statuses.

#include "tests/support/CliRun.h"

#include "engine/KxDatabase.h"
#include "engine/KxLocale.h"

#include <gtest/gtest.h>

namespace {

class CliExport : public ::testing::Test {
protected:
    void SetUp() override {
        kxSetLocale(KxLocale{});
        path = box.file("items.rlv");
        ASSERT_EQ(box.run({"new", path, "--field", "Name:text", "--field", "Price:number:decimals=2",
                           "--field", "Lent:checkbox"})
                      .status,
                  0);
        ASSERT_EQ(box.run({"add", path, "Name=Saw \"big\"", "Price=12.5", "Lent=yes"}).status, 0);
        ASSERT_EQ(box.run({"add", path, "Name=Caf\xC3\xA9"}).status, 0);
    }
    CliSandbox box;
    std::string path;
};

TEST_F(CliExport, CommaSeparatedWithLabels) {
    const auto r = box.run({"export", path, box.file("out.csv")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "exported 2 records to " + box.file("out.csv") + "\n");
    EXPECT_EQ(readFileText(box.file("out.csv")),
              "\"Name\",\"Price\",\"Lent\",\"Category\"\r\n"
              "\"Caf\xC3\xA9\",\"\",\"0\",\"Unfiled\"\r\n"
              "\"Saw \"\"big\"\"\",\"12.5\",\"1\",\"Unfiled\"\r\n");
}

TEST_F(CliExport, ChosenFieldsTabsAndWindows1252) {
    const auto r = box.run({"export", path, box.file("out"), "--type", "tab", "--fields", "lent,#1",
                            "--no-labels", "--encoding", "cp1252"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(readFileText(box.file("out.tab")), "\"0\"\t\"Caf\xE9\"\r\n\"1\"\t\"Saw \"\"big\"\"\"\r\n");
    EXPECT_EQ(box.run({"export", path, box.file("x.csv"), "--fields", "Nothing"}).status, 2);
    EXPECT_EQ(box.run({"export", path, box.file("x.csv"), "--type", "xls"}).status, 2);
    EXPECT_EQ(box.run({"export", path, box.file("x.csv"), "--range", "some"}).status, 2);
}

TEST_F(CliExport, StructureOnlyAndExistingTargets) {
    const std::string out = box.file("out.csv");
    ASSERT_EQ(box.run({"export", path, out, "--range", "structure", "--fields", "Category"}).status, 0);
    EXPECT_EQ(readFileText(out), "\"Category\"\r\n");

    const auto refused = box.run({"export", path, out});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "'" + out + "' already exists.\nDo you want to replace it?\n");
    EXPECT_EQ(readFileText(out), "\"Category\"\r\n");
    const auto replaced = box.run({"export", path, out, "--yes"});
    EXPECT_EQ(replaced.status, 0);
    EXPECT_EQ(replaced.err, "") << "--yes answers the question without printing it";
    EXPECT_NE(readFileText(out).find("Saw"), std::string::npos);

    const auto self = box.run({"export", path, path, "--yes"});
    EXPECT_EQ(self.status, 1);
    EXPECT_NE(self.err.find("is the currently open database"), std::string::npos);
}

TEST_F(CliExport, NewDatabaseFile) {
    const std::string copy = box.file("copy.rlv");
    const auto r = box.run({"export", path, copy, "--fields", "Price,Name"});
    ASSERT_EQ(r.status, 0) << r.err;
    KxDatabase db;
    db.open(copy, kOpenReadShared, 0);
    ASSERT_EQ(db.header().fields.size(), 2u);
    EXPECT_EQ(db.header().fields[0].label, "Price");
    EXPECT_EQ(db.header().fields[0].typeOption, 2u);
    EXPECT_EQ(db.liveCount(), 2u);

    const auto tooLong = box.run({"export", path, box.file(std::string(32, 'n') + ".rlv")});
    EXPECT_EQ(tooLong.status, 1);
    EXPECT_NE(tooLong.err.find("maximum of 31 characters"), std::string::npos);
}

} // namespace
