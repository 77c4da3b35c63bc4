// The print settings dialog's rules without its widgets: the page header and footer codes,
// margins as text, the range buttons, the settings kept in the file (the fields-to-print
// list with its Category entry included), first-print defaults and the user's own page setup
// coming back whatever happened while the dialog was open.

#include "print/HeaderFooterCodes.h"
#include "print/MarginText.h"
#include "print/PrintFieldList.h"
#include "print/PrintableHtml.h"
#include "print/KxPrintSession.h"
#include "print/UserPrintSetup.h"

#include "tests/support/ScriptedUi.h"
#include "tests/support/TestDatabase.h"

#include "print/PrintStrings.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(HeaderFooterCodes, EveryCodeAndTheAlignmentBreaks) {
    KxPageCodeValues v{"Stock", "file:///tmp/x.htm", "12/8/26", "Tuesday, December 8, 2026",
                       "9:05:00 PM", "21:05", 3, 12};
    EXPECT_EQ(kxExpandPageCodes("&w|&u|&d|&D|&t|&T|&p|&P|&&", v).left,
              "Stock|file:///tmp/x.htm|12/8/26|Tuesday, December 8, 2026|9:05:00 PM|21:05|3|12|&");
    EXPECT_EQ(kxExpandPageCodes("&w&bPage &p of &P", v), (KxPageLine{"Stock", "", "Page 3 of 12"}));
    EXPECT_EQ(kxExpandPageCodes("&D &b&bPage &p", v),
              (KxPageLine{"Tuesday, December 8, 2026 ", "", "Page 3"}));
    EXPECT_EQ(kxExpandPageCodes("a&bb&bc&bd", v), (KxPageLine{"a", "b", "cd"}));
    EXPECT_EQ(kxExpandPageCodes("&&b is no break, &x stays, and so does a last &", v).left,
              "&b is no break, &x stays, and so does a last &");
    EXPECT_TRUE(kxExpandPageCodes("", v).empty());
}

TEST(PrintableHtml, CheckMarksBecomeBoxGlyphsAndNothingElseChanges) {
    EXPECT_EQ(kxWithCheckMarkGlyphs("<td><FONT FACE=\"Wingdings\">&#254</FONT></td><FONT FACE=\"Wingdings\">&#168</FONT>"),
              "<td>\u2611</td>\u2610");
    const std::string other = "<FONT FACE=\"Wingdings\">&#200</FONT> & <FONT FACE=\"Wingdings\">&#";
    EXPECT_EQ(kxWithCheckMarkGlyphs(other), other);
}

TEST(MarginText, ReadsInchesInAnyLocaleAndWritesSixDecimals) {
    EXPECT_EQ(kxMarginInches("0.750000"), 0.75);
    EXPECT_EQ(kxMarginInches(" 1,5 "), 1.5);
    EXPECT_EQ(kxMarginInches("0"), 0.0);
    for (const char* bad : {"", "-1", "abc", "1.5in", "nan", "1e9", "1000"})
        EXPECT_EQ(kxMarginInches(bad), std::nullopt) << bad;
    EXPECT_EQ(kxMarginText(0.75), "0.750000");
    EXPECT_EQ(kxMarginText(1.0 / 3), "0.333333");
}

TEST(PrintRange, ButtonsAndViewModes) {
    using R = KxPrintRange;
    using V = KxPrintViewMode;
    EXPECT_EQ(kxPrintRangeMode(R::Entire, V::SearchResults), 0);
    EXPECT_EQ(kxPrintRangeMode(R::CurrentOrFound, V::Records), 1);
    EXPECT_EQ(kxPrintRangeMode(R::CurrentOrFound, V::DeletedRecords), 1);
    EXPECT_EQ(kxPrintRangeMode(R::CurrentOrFound, V::SearchResults), 2);
    EXPECT_EQ(kxPrintRangeMode(R::Selected, V::SearchResults), 3);
    EXPECT_EQ(kxPrintRangeButton(0), R::Entire);
    EXPECT_EQ(kxPrintRangeButton(3), R::Selected);
    for (int stored : {1, 2, 4, -1}) EXPECT_EQ(kxPrintRangeButton(stored), R::CurrentOrFound);
}

class PrintSessionTest : public ::testing::Test {
  protected:
    PrintSessionTest() : t({{KxFieldType::Text, "Name"}, {KxFieldType::Number, "Qty"}, {KxFieldType::Checkbox, "Done"}}) {
        t.addRecord({"Anvil", "3", "Yes"});
        t.addRecord({"Bolt", "", "No"});
        user.write(userValues);
    }

    std::unique_ptr<KxPrintSession> open(KxPrintViewMode mode = KxPrintViewMode::Records) {
        KxPrintPlaces places{{templates}, out.file("_KxPrintTempOutput.htm")};
        return std::make_unique<KxPrintSession>(ui, t.db, user, mode, KxReportView{0, 255}, places);
    }

    std::vector<std::uint8_t> storedListFields() const {
        const auto index = KxPrintSettings(const_cast<KxDatabase&>(t.db)).fieldList();
        std::vector<std::uint8_t> fields;
        if (index)
            for (const KxFormItem& item : t.db.header().layouts.at(static_cast<std::size_t>(*index)).items)
                fields.push_back(item.field);
        return fields;
    }

    TestDatabase t;
    ScriptedUi ui;
    TempDir out;
    KxMemoryPageSetupStore user;
    KxPageSetup userValues{"my head", "my foot", "0.500000", "0.600000", "0.700000", "0.800000"};
    std::string templates = (std::filesystem::path(ROLVA_SOURCE_DIR) / "templates").string();
};

TEST_F(PrintSessionTest, FirstPrintUsesDefaultsAndGivesTheUserValuesBack) {
    auto session = open();
    EXPECT_EQ(session->templateName(), "Basic.htm");
    EXPECT_EQ(session->title, "");
    EXPECT_EQ(session->range, KxPrintRange::Entire);
    // While open, the store holds the database's values: the user's margins fill the gaps.
    EXPECT_EQ(user.read(), (KxPageSetup{"", "&D &b&bPage &p", "0.500000", "0.600000", "0.700000", "0.800000"}));
    // The fields-to-print list is made at once: every field, then the Category entry as 255.
    EXPECT_EQ(storedListFields(), (std::vector<std::uint8_t>{0, 1, 2, 255}));
    EXPECT_EQ(t.db.header().currentLayout(), 0);
    EXPECT_TRUE(session->close());
    EXPECT_EQ(user.read(), userValues);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(PrintSessionTest, PageSetupChangedThenCancelledGoesToTheDatabaseOnly) {
    {
        auto session = open();
        KxPageSetup edited = session->pageSetup();
        edited.marginTop = "1.250000";
        edited.header = "&w";
        session->setPageSetup(edited);
    } // the dialog cancelled: the destructor closes
    EXPECT_EQ(user.read(), userValues);
    const KxPageSetup stored = KxPrintSettings(t.db).pageSetup({});
    EXPECT_EQ(stored, (KxPageSetup{"&w", "&D &b&bPage &p", "1.250000", "0.600000", "0.700000", "0.800000"}));
}

TEST_F(PrintSessionTest, SettingsSurviveSavingAndTheOrderComesBackWithCategory) {
    {
        auto session = open(KxPrintViewMode::SearchResults);
        session->title = "Stock";
        session->range = KxPrintRange::CurrentOrFound;
        session->setTemplateName("Table.htm");
        session->selection().setOrder({3, 2, 0}); // Category, Done, Name
        session->close();
    }
    t.db.save();
    t.db.close(false);
    t.db.open(t.path(), kOpenDocument, TestDatabase::kUser);
    EXPECT_EQ(KxPrintSettings(t.db).range(), 2);
    auto session = open(KxPrintViewMode::SearchResults);
    EXPECT_EQ(session->title, "Stock");
    EXPECT_EQ(session->range, KxPrintRange::CurrentOrFound);
    EXPECT_EQ(session->templateName(), "Table.htm");
    EXPECT_EQ(session->selection().order(), (std::vector<std::uint8_t>{3, 2, 0}));
    EXPECT_EQ(storedListFields(), (std::vector<std::uint8_t>{255, 2, 0}));
    EXPECT_FALSE(session->close()); // nothing changed this time
}

TEST_F(PrintSessionTest, AListNamingTheFormIsNeverUsedNorRewritten) {
    KxPrintSettings(t.db).setFieldList(0); // the form the user sees
    auto session = open();
    EXPECT_EQ(session->selection().order(), (std::vector<std::uint8_t>{0, 1, 2, 3}));
    session->selection().setOrder({1});
    session->close();
    EXPECT_EQ(t.db.header().layouts[0].items.size(), 3u);
    EXPECT_EQ(storedListFields(), (std::vector<std::uint8_t>{1}));
}

TEST_F(PrintSessionTest, NoRoomForTheListLeavesTheSchemaAsItWas) {
    KxSchemaEditor schema(t.db);
    while (schema.layoutCount() < KxHeaderChunk::kMaxLayouts) schema.addLayout();
    auto session = open();
    session->selection().setOrder({1, 0});
    EXPECT_NO_THROW(session->close());
    EXPECT_EQ(KxPrintSettings(t.db).fieldList(), std::nullopt);
    EXPECT_EQ(schema.layoutCount(), KxHeaderChunk::kMaxLayouts);
    EXPECT_EQ(KxPrintSettings(t.db).title(), ""); // the other settings are stored all the same
    EXPECT_EQ(user.read(), userValues);
}

TEST_F(PrintSessionTest, StaleItemsOfTheListAreLeftOut) {
    auto session = open();
    session->close();
    const auto index = static_cast<std::size_t>(*KxPrintSettings(t.db).fieldList());
    t.db.header().layouts[index].items[0].field = 77; // no such field
    t.db.header().layouts[index].items[1].field = 255;
    KxFieldSelection selection(t.db, kxPrintSelectionOptions());
    EXPECT_EQ(kxLoadPrintFieldList(t.db, selection), (std::vector<std::uint8_t>{3, 2}));
}

TEST_F(PrintSessionTest, PrintingRefusesWithoutFieldsAndRunsWithThem) {
    auto session = open();
    session->selection().setOrder({});
    EXPECT_FALSE(session->generate(nullptr));
    EXPECT_EQ(ui.lastMessage(), kxString(kxStrNoPrintFields));
    session->selection().setOrder({0});
    ASSERT_TRUE(session->generate(nullptr));
    EXPECT_TRUE(std::filesystem::exists(session->outputPath()));
    ASSERT_TRUE(session->generateSample("Cards.htm"));
}

TEST_F(PrintSessionTest, AMissingTemplateIsNamedAtOpeningAndNoTemplatesAreReported) {
    KxPrintSettings(t.db).setTemplateName("Gone.htm");
    auto session = open();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.lastMessage(), "Your print template \"" + templates + "/Gone.htm\" is not available.");
    EXPECT_EQ(session->templateChoices(), (std::vector<std::string>{"Basic.htm", "Cards.htm", "Table.htm"}));

    KxPrintPlaces empty{{out.file("none")}, out.file("o.htm")};
    KxPrintSession bare(ui, t.db, user, KxPrintViewMode::Records, {}, empty);
    EXPECT_TRUE(bare.templateChoices().empty());
    EXPECT_EQ(ui.lastMessage(), kxString(kxStrNoTemplates));
}

} // namespace
