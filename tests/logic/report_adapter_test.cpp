// Reports over real records: the loops, the values as a printout shows them, the ranges,
// progress and Cancel, template names from the database file, the shipped templates and the
// stored print settings.

#include "print/KxPrintSession.h"
#include "print/KxPrintSettings.h"
#include "print/KxReport.h"
#include "print/TemplateLocator.h"
#include "transfer/KxFieldSelection.h"

#include "tests/support/ScriptedUi.h"
#include "tests/support/TestDatabase.h"

#include "engine/KxCategoryEditor.h"
#include "engine/KxPropertyChunk.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const std::string kRowsTemplate =
    "<%BEGIN_RECORDS%>[<%PRIMARY_LABEL%>:<%PRIMARY_FIELD%>"
    "<%BEGIN_FIELDS%>|<%LABEL%>=<%FIELD%><%END_FIELDS%>]<%END_RECORDS%>";

class ReportAdapterTest : public ::testing::Test {
protected:
    ReportAdapterTest()
        : t({{KxFieldType::Text, "Name"},
             {KxFieldType::Number, "Qty"},
             {KxFieldType::Checkbox, "Done"},
             {KxFieldType::LabelOnly, ""}}),
          selection(t.db, kxPrintSelectionOptions()) {
        KxSchemaEditor(t.db).setTypeOption(1, 2);
        KxCategoryEditor(t.db).setCategoryName(1, "Home");
        t.addRecord({"A&B <x>", "3.5", "Yes"}, 1);
        t.addRecord({"Bo", "", "No"});
        t.addRecord({"Cy", "10"});
        t.addDeletedRecord({"Gone"});
        writeFileText(dir.file("rows.htm"), kRowsTemplate);
    }

    int run(int mode, bool deleted = false, int limit = -1, KxWaitBox* box = nullptr,
            KxReportView view = {}) {
        KxDatabaseHtmlReport report(ui, t.db, selection, view);
        return report.generate(box, dir.file("rows.htm"), dir.file("out.htm"), "T", mode, deleted, limit);
    }
    std::string output() const { return readFileText(dir.file("out.htm")); }

    TestDatabase t;
    KxFieldSelection selection;
    TempDir dir;
    ScriptedUi ui;
};

const std::string kChecked = "<FONT FACE=\"Wingdings\">&#254</FONT>";
const std::string kUnchecked = "<FONT FACE=\"Wingdings\">&#168</FONT>";

TEST_F(ReportAdapterTest, LoopsOverRecordsAndChosenFields) {
    ASSERT_EQ(run(0), 0);
    EXPECT_EQ(output(),
              "[Name:A&amp;B &lt;x&gt;|Qty=3.50|Done=" + kChecked + "|Field 4= |Category=Home]"
              "[Name:Bo|Qty=|Done=" + kUnchecked + "|Field 4= |Category=Unfiled]"
              "[Name:Cy|Qty=10.00|Done=" + kUnchecked + "|Field 4= |Category=Unfiled]");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ReportAdapterTest, OrderAndRangesChooseWhatIsPrinted) {
    selection.setOrder({4, 0});
    ASSERT_EQ(run(3, false, -1, nullptr, {1, 255}), 0);
    EXPECT_EQ(output(), "[Category:Unfiled|Name=Bo]");
    ASSERT_EQ(run(1, false, -1, nullptr, {-1, 1}), 0);
    EXPECT_EQ(output(), "[Category:Home|Name=A&amp;B &lt;x&gt;]");
    ASSERT_EQ(run(0, false, 0), 0);
    EXPECT_EQ(output(), "[Category:Home|Name=A&amp;B &lt;x&gt;]");
    ASSERT_EQ(run(0, true), 0);
    EXPECT_EQ(output(), "[Category:Unfiled|Name=Gone]");
}

TEST_F(ReportAdapterTest, ProgressReachesTheEndAndCancelStops) {
    std::vector<std::string> statuses;
    ScriptedWaitBox box(statuses, false);
    ASSERT_EQ(run(0, false, -1, &box), 0);
    EXPECT_EQ(box.lastTotal, 3u);
    EXPECT_EQ(box.lastDone, 2u);

    ScriptedWaitBox cancelling(statuses, true);
    EXPECT_NE(run(0, false, -1, &cancelling), 0);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ReportAdapterTest, TemplateNamesFromTheDatabaseStayInTheTemplateDirectories) {
    const std::string templates = dir.file("templates");
    std::filesystem::create_directory(templates);
    writeFileText(templates + "/Mine.htm", "<%TITLE%>");
    writeFileText(dir.file("secret.htm"), "secret <%TITLE%>");
    const std::vector<std::string> dirs{templates + "/", dir.file("empty") + "/"};
    KxDatabaseHtmlReport report(ui, t.db, selection, {});
    auto named = [&](const std::string& name) {
        return report.generateNamed(nullptr, name, dirs, dir.file("out.htm"), "T", 0, false, -1);
    };

    ASSERT_EQ(named("Mine.htm"), 0);
    EXPECT_EQ(output(), "T");
    // A refused name leaves the last output as it was; the caller does not print it.
    const std::vector<std::string> refused{"../secret.htm", dir.file("secret.htm"), "./Mine.htm",
                                           "..", "", "Mine.htm\n", "Missing.htm"};
    for (const std::string& name : refused) {
        ui.messages.clear();
        EXPECT_EQ(named(name), 1) << name;
        EXPECT_EQ(output(), "T") << name;
        ASSERT_EQ(ui.messages.size(), 1u) << name;
        EXPECT_EQ(ui.lastMessage(), "Could not open the print template file " + name + ".");
    }
}

// The templates the program ships, from the source tree.
std::string shippedTemplates() {
    return (std::filesystem::path(ROLVA_SOURCE_DIR) / "templates").string();
}

TEST_F(ReportAdapterTest, ShippedTemplatesPrintEveryRecord) {
    const auto names = kxListTemplates({shippedTemplates()});
    EXPECT_EQ(names, (std::vector<std::string>{"Basic.htm", "Cards.htm", "Table.htm"}));
    KxDatabaseHtmlReport report(ui, t.db, selection, {});
    for (const std::string& name : names) {
        ASSERT_EQ(report.generateNamed(nullptr, name, {shippedTemplates()}, dir.file("out.htm"),
                                       "My &title", 0, false, -1),
                  0)
            << name;
        const std::string html = output();
        EXPECT_NE(html.find("My &amp;title"), std::string::npos) << name;
        for (const char* value : {"A&amp;B &lt;x&gt;", "Bo", "Cy", "3.50"})
            EXPECT_NE(html.find(value), std::string::npos) << name << " " << value;
        EXPECT_EQ(html.find("<%"), std::string::npos) << name;
        EXPECT_EQ(html.rfind("</html>"), html.size() - 9) << name;
    }
    // Basic leaves out empty fields; Table gives every field a cell.
    report.generateNamed(nullptr, "Basic.htm", {shippedTemplates()}, dir.file("out.htm"), "", 0, false, -1);
    EXPECT_EQ(output().find("<h1>"), std::string::npos);
    EXPECT_EQ(output().find(">Qty</td><td valign=\"top\"></td>"), std::string::npos);
}

TEST(PrintSettingsStore, DefaultsAndStoredValues) {
    TestDatabase t({{KxFieldType::Text, "Name"}});
    KxPrintSettings settings(t.db);
    const KxPageSetup user{"uh", "uf", "1", "2", "3", "4"};
    EXPECT_EQ(settings.title(), "");
    EXPECT_EQ(settings.range(), 0);
    EXPECT_EQ(settings.templateName(), "Basic.htm");
    EXPECT_FALSE(settings.fieldList());
    EXPECT_EQ(settings.pageSetup(user), (KxPageSetup{"", "&D &b&bPage &p", "1", "2", "3", "4"}));
    EXPECT_EQ(t.db.peekChunk(KxChunkTag::Properties), nullptr); // reading made no property map

    settings.setTitle("Stock");
    settings.setRange(2);
    settings.setTemplateName("Table.htm");
    settings.setFieldList(3);
    const KxPageSetup stored{"h", "", "0.5", "0.6", "0.7", "0.8"};
    settings.setPageSetup(stored);
    EXPECT_EQ(settings.title(), "Stock");
    EXPECT_EQ(settings.range(), 2);
    EXPECT_EQ(settings.templateName(), "Table.htm");
    EXPECT_EQ(settings.fieldList(), 3);
    EXPECT_EQ(settings.pageSetup(user), stored);
    EXPECT_EQ(t.db.propertyChunk().value(KxPrintSettings::kRange), "2");
}

} // namespace
