// The import command around its wizard: the refusal without fields, Cancel keeping nothing,
// the remembered directory, a failure keeping what was imported, the log question; and the
// first row of labels.

#include "tests/logic/ImportTestUi.h"
#include "tests/logic/TransferTestDb.h"

#include "engine/KxDbError.h"
#include "app/AppStrings.h"
#include "transfer/TransferStrings.h"
#include "base/KxSettings.h"
#include "transfer/KxFieldChooserModel.h"
#include "transfer/ImportCommand.h"
#include "transfer/ImportHeaderRow.h"

#include <gtest/gtest.h>

namespace {

class ImportCommandTest : public ::testing::Test {
protected:
    ImportCommandTest()
        : t({fieldSpec("Name", KxFieldType::Text), fieldSpec("Town", KxFieldType::Text),
             fieldSpec("Age", KxFieldType::Number)}),
          settings(t.dir().file("rolvadesk.ini")) {}

    KxImportCommandResult run(std::uint16_t listCategory = kAllCategories) {
        KxImportCommandHooks hooks;
        hooks.wizard = [this](const KxFieldSelection& selection, const std::string& lastDir) -> std::optional<KxImportChoice> {
            ++wizardRuns;
            offeredLastDir = lastDir;
            entries = selection.entryCount();
            if (sourceText.empty() && !source) return std::nullopt;
            KxImportChoice choice;
            choice.path = t.dir().path() + "/in/people.csv";
            if (source) {
                choice.source = std::move(source);
            } else {
                std::string path = t.write("people.csv", sourceText);
                choice.source = kxLoadImportSource(ui, path, KxImportType::Comma, "");
            }
            choice.order = order;
            choice.firstRowLabels = firstRowLabels;
            return choice;
        };
        hooks.commit = [this] { ++commits; };
        hooks.changing = [this] { ++changes; };
        KxImportOptions options;
        options.logPath = t.dir().file("log.txt");
        return kxRunImportCommand(t.db, ui, settings, listCategory, hooks, options);
    }

    TestDb t;
    KxSettings settings;
    ImportTestUi ui;
    std::string sourceText;
    std::unique_ptr<KxImporter> source;
    std::vector<std::uint8_t> order{0, 1, 2, 3};
    bool firstRowLabels = false;
    int wizardRuns = 0, commits = 0, changes = 0;
    std::size_t entries = 0;
    std::string offeredLastDir;
};

// A source whose third row fails, as a damaged source file does.
class FailingSource : public KxImporter {
public:
    bool open(KxUi&, const std::string&) override { return true; }
    std::size_t columnCount() const override { return 1; }
    std::size_t rowCount() const override { return 4; }
    int columnType(std::size_t) const override { return 1; }
    KxRecordInfo recordInfo(std::size_t) const override { return {}; }
    std::optional<FieldValue> value(std::size_t row, std::size_t) const override {
        if (row == 2) throw KxDbError::CannotOpenOther;
        FieldValue v = FieldValue::newValue(1);
        v.setText("row " + std::to_string(row));
        return v;
    }
    bool hasCategoryColumn() const override { return false; }
    std::string categoryName(std::size_t) const override { return {}; }
};

} // namespace

TEST(ImportCommand, RefusedWithoutFieldsThatAreNotLabelOnly) {
    TestDb t({fieldSpec("Heading", KxFieldType::LabelOnly)});
    KxSettings settings(t.dir().file("rolvadesk.ini"));
    ScriptedUi ui;
    int calls = 0;
    KxImportCommandHooks hooks;
    hooks.wizard = [&](const KxFieldSelection&, const std::string&) {
        ++calls;
        return std::optional<KxImportChoice>();
    };
    hooks.commit = [&] { ++calls; };
    EXPECT_FALSE(kxRunImportCommand(t.db, ui, settings, kAllCategories, hooks).ran);
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(ui.lastMessage(), kxString(kxStrNoFormFields));
}

TEST_F(ImportCommandTest, CancelKeepsNothingAndRemembersNothing) {
    const auto outcome = run();
    EXPECT_FALSE(outcome.ran);
    EXPECT_EQ(commits, 1);
    EXPECT_EQ(wizardRuns, 1);
    EXPECT_EQ(entries, 4u); // three fields and Category while the list shows all categories
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(t.db.liveCount(), 0u);
    EXPECT_EQ(settings.readText("Rolva", "LastImportDir", ""), "");
}

TEST_F(ImportCommandTest, RunsWithTheWizardsOrderAndRemembersTheDirectory) {
    settings.write(kxSettingLastImportDir, "/somewhere/");
    sourceText = "Ann,Oslo,31\r\nBob,Rome,40\r\n";
    order = {1, 0, 255};
    const auto outcome = run(0);
    ASSERT_TRUE(outcome.ran);
    EXPECT_EQ(entries, 3u); // no Category entry while the list shows one category
    EXPECT_EQ(offeredLastDir, "/somewhere/");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(outcome.result.imported, 2u);
    EXPECT_EQ(t.column(0), (std::vector<std::string>{"Oslo", "Rome"}));
    EXPECT_EQ(t.column(1), (std::vector<std::string>{"Ann", "Bob"}));
    EXPECT_EQ(t.column(2), (std::vector<std::string>{"", ""}));
    EXPECT_EQ(settings.readText("Rolva", "LastImportDir", ""), t.dir().path() + "/in/");
}

TEST_F(ImportCommandTest, AFailureKeepsTheRecordsImportedBeforeAndIsShown) {
    source = std::make_unique<FailingSource>();
    order = {0};
    const auto outcome = run();
    ASSERT_TRUE(outcome.ran);
    EXPECT_EQ(outcome.failure, static_cast<std::uint32_t>(KxDbError::CannotOpenOther));
    EXPECT_EQ(t.column(0), (std::vector<std::string>{"row 0", "row 1"}));
    EXPECT_EQ(changes, 1);
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back().icon, KxIcon::Warning);
}

TEST_F(ImportCommandTest, ErrorsOfferTheLogAndYesOpensIt) {
    sourceText = "Ann,Oslo,31,A category name too long\r\n";
    ui.answers = {KxAnswer::Yes};
    const auto outcome = run();
    ASSERT_TRUE(outcome.ran);
    EXPECT_EQ(ui.messages.back().text, kxString(kxStrShowImportLog));
    ASSERT_EQ(ui.opened.size(), 1u);
    EXPECT_EQ(ui.opened[0], t.dir().file("log.txt"));
}

TEST_F(ImportCommandTest, AFirstRowOfLabelsIsRecognisedMatchedAndLeftOut) {
    sourceText = "\"AGE\",\"Name\",\"Heading\"\r\n\"31\",\"Ann\",\"\"\r\n";
    std::string path = t.write("labels.csv", sourceText);
    const auto loaded = kxLoadImportSource(ui, path, KxImportType::Comma, "");
    ASSERT_TRUE(loaded);
    EXPECT_FALSE(kxFirstRowHoldsLabels(*loaded, t.db)); // "Heading" is no field's label

    sourceText = "\"AGE\",\"Name\",\"category\"\r\n\"31\",\"Ann\",\"Work\"\r\n";
    path = t.write("labels.csv", sourceText);
    const auto labelled = kxLoadImportSource(ui, path, KxImportType::Comma, "");
    ASSERT_TRUE(labelled);
    EXPECT_TRUE(kxFirstRowHoldsLabels(*labelled, t.db));
    KxFieldSelection selection(t.db, kxImportSelectionOptions(kAllCategories));
    EXPECT_EQ(kxOrderByLabels(*labelled, selection), (std::vector<std::uint8_t>{2, 0, 3}));

    // The import list puts the matched fields against their columns.
    auto model = KxFieldChooserModel::forImport(selection, 3);
    kxArrangeImportList(model, {2, 255, 0});
    EXPECT_EQ(model.importOrder(), (std::vector<std::uint8_t>{2, 255, 0, 3}));

    order = kxOrderByLabels(*labelled, selection);
    firstRowLabels = true;
    run();
    ASSERT_EQ(t.db.liveCount(), 1u);
    EXPECT_EQ(t.text(0, 0), "Ann");
    EXPECT_EQ(t.text(0, 2), "31");
}
