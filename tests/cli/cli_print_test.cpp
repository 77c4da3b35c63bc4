// rolva print: templates by path, the title, range, limit and fields options, and a template
// name stored in the file that points elsewhere.

#include "tests/support/CliRun.h"

#include "engine/KxDatabase.h"
#include "engine/KxLocale.h"
#include "print/KxPrintSettings.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

std::string shippedTemplate(const std::string& name) {
    return (std::filesystem::path(ROLVA_SOURCE_DIR) / "templates" / name).string();
}

class CliPrint : public ::testing::Test {
protected:
    void SetUp() override {
        kxSetLocale(KxLocale{});
        path = box.file("items.rlv");
        ASSERT_EQ(box.run({"new", path, "--field", "Name:text", "--field", "Price:number:decimals=2"}).status, 0);
        for (const char* name : {"Name=Anvil", "Name=Bolt", "Name=Chisel"})
            ASSERT_EQ(box.run({"add", path, name, "Price=3"}).status, 0);
        writeFileBytes(box.file("rows.htm"), bytes("<%TITLE%>:<%BEGIN_RECORDS%>[<%PRIMARY_FIELD%>]<%END_RECORDS%>"));
    }
    static std::vector<std::uint8_t> bytes(const std::string& text) { return {text.begin(), text.end()}; }

    // Stores the template's name in the database file's print settings.
    void storeTemplateName(const std::string& templateName) {
        KxDatabase db;
        db.open(path, kOpenDocument, 1);
        KxPrintSettings(db).setTemplateName(templateName);
        db.save();
        db.close(true);
    }

    CliSandbox box;
    std::string path;
};

TEST_F(CliPrint, ShippedTableTemplateByPath) {
    const std::string out = box.file("out.html");
    const auto r = box.run({"print", path, out, "--template", shippedTemplate("Table.htm"), "--title", "Stock <1>"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "printed to " + out + "\n");
    const std::string html = readFileText(out);
    EXPECT_NE(html.find("<h1>Stock &lt;1&gt;</h1>"), std::string::npos);
    EXPECT_NE(html.find("<th>Name</th><th>Price</th><th>Category</th>"), std::string::npos);
    EXPECT_NE(html.find("<tr><td valign=\"top\">Bolt</td><td valign=\"top\">3.00</td>"), std::string::npos);
}

TEST_F(CliPrint, OptionsChooseTitleRangeLimitAndFields) {
    const std::string out = box.file("out.html");
    const std::string rows = box.file("rows.htm");
    ASSERT_EQ(box.run({"print", path, out, "--template", rows, "--limit", "1", "--title", "T"}).status, 0);
    EXPECT_EQ(readFileText(out), "T:[Anvil][Bolt]");
    ASSERT_EQ(box.run({"print", path, out, "--template", rows, "--fields", "Price", "--yes"}).status, 0);
    EXPECT_EQ(readFileText(out), ":[3.00][3.00][3.00]");
    EXPECT_EQ(box.run({"print", path, out, "--limit", "-2"}).status, 2);
    EXPECT_EQ(box.run({"print", path, out, "--range", "structure"}).status, 2);
}

TEST_F(CliPrint, TemplateNameFromTheFileCannotLeaveTheTemplateDirectories) {
    writeFileBytes(box.file("secret.htm"), bytes("secret"));
    const std::string out = box.file("out.html");
    writeFileBytes(out, bytes("stale"));
    const std::string hostile = "../../../../../../../../.." + box.file("secret.htm");
    storeTemplateName(hostile);
    const auto r = box.run({"print", path, out, "--yes"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Could not open the print template file " + hostile + ".\n");
    EXPECT_EQ(readFileText(out), "stale");
}

TEST_F(CliPrint, AnExistingOutputIsReplacedOnlyWhenAskedAndComplete) {
    const std::string out = box.file("out.html");
    const std::string rows = box.file("rows.htm");
    writeFileBytes(out, bytes("mine"));
    auto r = box.run({"print", path, out, "--template", rows});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "'" + out + "' already exists.\nDo you want to replace it?\n");
    EXPECT_EQ(readFileText(out), "mine");
    // A missing template never costs the file.
    EXPECT_EQ(box.run({"print", path, out, "--template", box.file("none.htm"), "--yes"}).status, 1);
    EXPECT_EQ(readFileText(out), "mine");
    ASSERT_EQ(box.run({"print", path, out, "--template", rows, "--yes", "--title", "T"}).status, 0);
    EXPECT_EQ(readFileText(out), "T:[Anvil][Bolt][Chisel]");
}

TEST_F(CliPrint, TheDatabaseADirectoryOrALockedFileIsNeverTheOutput) {
    const std::string rows = box.file("rows.htm");
    const auto before = readFileBytes(path);
    auto r = box.run({"print", path, path, "--template", rows, "--yes"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, path + " is the currently open database.  Please select a different export name.\n");
    EXPECT_EQ(readFileBytes(path), before);

    const std::string folder = box.file("folder");
    std::filesystem::create_directory(folder);
    r = box.run({"print", path, folder, "--template", rows, "--yes"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(std::filesystem::is_directory(folder));

    const std::string other = box.file("other.rlv");
    ASSERT_EQ(box.run({"new", other, "--field", "A:text"}).status, 0);
    const auto otherBefore = readFileBytes(other);
    {
        KxDatabase held;
        held.open(other, kOpenDocument, 1);
        r = box.run({"print", path, other, "--template", rows, "--yes"});
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err.rfind("The database could not be opened.\nAnother program (", 0), 0u) << r.err;
    }
    EXPECT_EQ(readFileBytes(other), otherBefore);
}

} // namespace
