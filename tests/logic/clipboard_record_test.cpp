#include "transfer/KxClipboardRecord.h"

#include "tests/support/ScriptedUi.h"
#include "tests/logic/TransferTestDb.h"

#include <gtest/gtest.h>

namespace {

using Row = KxClipboardRecord::Row;
using Texts = std::vector<std::string>;

const std::string kTruncated =
    "Some lines of text have been truncated because they exceeded the maximum allowed text length of 32KB.";
const std::string kTooMany = "Some lines of text were not imported. The number of allowed lines was exceeded.";
const std::string kNoText =
    "Rolva can only import text.  The clipboard currently contains data that cannot be imported (for "
    "example, a picture).  Please put text on the clipboard and try again.";

// Name (Text), a Label Only heading, Street (Text), Age (Number), Double = Age + Age; sorted
// by Name.
class ClipboardRecordTest : public ::testing::Test {
protected:
    ClipboardRecordTest() : t(fields()) {}

    static std::vector<KxFieldSpec> fields() {
        auto twice = fieldSpec("Double", KxFieldType::Calculation);
        twice.calcOperator = 0;
        twice.calcFirst = 3;
        twice.calcSecond = 3;
        return {fieldSpec("Name", KxFieldType::Text), fieldSpec("Heading", KxFieldType::LabelOnly),
                fieldSpec("", KxFieldType::Text), fieldSpec("Age", KxFieldType::Number), twice};
    }

    KxClipboardRecord load(const std::optional<std::string>& clipboard) {
        KxClipboardRecord dialog(t.db);
        ui.clipboard = clipboard;
        dialog.importClipboard(ui);
        return dialog;
    }

    static Texts texts(const KxClipboardRecord& d, std::size_t n) {
        Texts out;
        for (std::size_t i = 0; i < n; ++i) out.push_back(d.rows()[i].text);
        return out;
    }

    TestDb t;
    ScriptedUi ui;
};

TEST_F(ClipboardRecordTest, LinesAreSplitTrimmedAndGivenFields) {
    const auto d = load("  Ann Lee \r\n\r\n12 Elm St\r\t\n 41\nx\ny\n");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(d.isModified());
    EXPECT_EQ(texts(d, 5), (Texts{"Ann Lee", "12 Elm St", "41", "x", "y"}));
    // Lines past the last field go to the last field.
    EXPECT_EQ(d.rows()[0].field, 0);
    EXPECT_EQ(d.rows()[1].field, 2); // the unlabelled field, listed as "Field 2"
    EXPECT_EQ(d.fields()[1].label, "Field 2");
    EXPECT_EQ(d.rows()[3].field, 4);
    EXPECT_EQ(d.rows()[4].field, 4);
    // Ten spare rows after the lines.
    EXPECT_EQ(d.rows().size(), 15u);
    EXPECT_EQ(d.rows()[5], Row{});
}

TEST_F(ClipboardRecordTest, LongLinesAreCutAndTooManyLinesAreLeftOut) {
    auto d = load(std::string(40000, 'a') + "\nb\n");
    EXPECT_EQ(d.rows()[0].text.size(), 32768u);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, kTruncated);
    EXPECT_EQ(ui.messages[0].caption, "Import Clipboard");
    EXPECT_EQ(ui.messages[0].icon, KxIcon::Warning);

    std::string many;
    for (int i = 0; i < 110; ++i) many += "line" + std::to_string(i) + "\n";
    many += std::string(33000, 'z') + "\n";
    ui.messages.clear();
    ui.answers = {KxAnswer::Yes}; // agree to lose the changes
    ui.clipboard = many;
    d.importClipboard(ui);
    EXPECT_EQ(d.rows().size(), 104u); // four fields and a hundred lines more, no spare rows
    EXPECT_EQ(d.rows().back().text, "line103");
    EXPECT_EQ(ui.lastMessage(), kTooMany);

    // Both at once: one message, the two texts separated by an empty line.
    const auto split = KxClipboardRecord::splitText(std::string(33000, 'q') + "\n" + many, d.fields());
    EXPECT_TRUE(split.truncated && split.tooMany);
    ui.clipboard = std::string(33000, 'q') + "\n" + many;
    ui.answers = {KxAnswer::Yes};
    d.importClipboard(ui);
    EXPECT_EQ(ui.lastMessage(), kTruncated + "\n\n" + kTooMany);
}

TEST_F(ClipboardRecordTest, NoTextKeepsTheRowsTheUserHad) {
    KxClipboardRecord dialog(t.db);
    dialog.setRowText(0, "typed");
    dialog.setRowField(0, 0);
    ui.answers = {KxAnswer::Yes};
    ui.clipboard = std::nullopt; // a picture
    EXPECT_FALSE(dialog.importClipboard(ui));
    EXPECT_EQ(ui.lastMessage(), kNoText);
    EXPECT_EQ(dialog.rows()[0], (Row{"typed", 0}));
    EXPECT_TRUE(dialog.isModified());

    ui.clipboard = " \r\n\t\n"; // text, but no line in it
    ui.answers = {KxAnswer::Yes};
    EXPECT_FALSE(dialog.importClipboard(ui));
    EXPECT_EQ(ui.lastMessage(), kNoText);
    EXPECT_EQ(dialog.rows()[0].text, "typed");
}

TEST_F(ClipboardRecordTest, ChangesAreOnlyLostWhenTheUserAgrees) {
    KxClipboardRecord dialog(t.db);
    EXPECT_TRUE(dialog.confirmCancel(ui)); // nothing to lose: no question
    EXPECT_TRUE(ui.messages.empty());
    dialog.setRowText(2, "mine");

    ui.clipboard = "other";
    EXPECT_FALSE(dialog.importClipboard(ui)); // the default answer is No
    EXPECT_EQ(ui.messages.back().text, "Importing a record from the clipboard will clear the changes you "
                                       "have made.  Do you wish to continue?");
    EXPECT_EQ(ui.messages.back().caption, "Import Clipboard");
    EXPECT_EQ(ui.messages.back().defaultAnswer, KxAnswer::No);
    EXPECT_EQ(dialog.rows()[2].text, "mine");

    EXPECT_FALSE(dialog.confirmCancel(ui));
    EXPECT_EQ(ui.lastMessage(),
              "Are you sure you want to cancel your import?  You will lose any changes you made.");
    EXPECT_FALSE(dialog.clearFields(ui));
    EXPECT_EQ(ui.lastMessage(), "Are you sure you wish to clear the changes you have made?");
    ui.answers = {KxAnswer::Yes};
    EXPECT_TRUE(dialog.clearFields(ui));
    EXPECT_EQ(dialog.rows(), std::vector<Row>(7));
    EXPECT_FALSE(dialog.isModified());
}

TEST_F(ClipboardRecordTest, IncompleteRowsAreRefused) {
    KxClipboardRecord dialog(t.db);
    dialog.setRowText(0, "text without a field");
    dialog.setRowField(1, 0); // a field without text
    dialog.setRowText(1, "   ");
    EXPECT_FALSE(dialog.addRecord(t.db, ui, 0).has_value());
    EXPECT_EQ(t.db.liveCount(), 0u);
    EXPECT_EQ(ui.messages.back().icon, KxIcon::Warning);
    EXPECT_EQ(ui.lastMessage().rfind("The information you have provided is incomplete.  Please enter", 0), 0u);
}

TEST_F(ClipboardRecordTest, LinesForOneFieldAreJoinedAndTheRecordIsPlaced) {
    t.addRecord({"Bea"});
    t.addRecord({"Zed"});
    t.db.fileHeader().setCategoryNameBytes(5, "Friends");
    // Three fields and five lines: lines four and five join line three in the last field
    // (Double, a calculation, is overwritten by its own result); one row moved to "None".
    auto d = load("Cal\n1 High St\n20\n21\n22\n");
    KxClipboardRecord dialog = d;
    dialog.setRowField(3, 3);  // "21" also goes to Age
    dialog.setRowField(4, KxClipboardRecord::kNoField);
    const auto at = dialog.addRecord(t.db, ui, 5);
    ASSERT_TRUE(at.has_value());
    EXPECT_EQ(*at, 1u); // between Bea and Zed
    EXPECT_EQ(t.column(0), (Texts{"Bea", "Cal", "Zed"}));
    EXPECT_EQ(t.db.liveCategory(1), 5);
    EXPECT_EQ(t.text(1, 2), "1 High St");
    // "20\n\n21" read as a Number is not valid number text: 0.
    EXPECT_EQ(t.text(1, 3), "0");
    EXPECT_EQ(t.text(1, 4), "0");

    auto text = load("Dee\nline one\nx\nline two");
    text.setRowField(1, 2);
    text.setRowField(2, KxClipboardRecord::kNoField);
    text.setRowField(3, 2);
    ASSERT_TRUE(text.addRecord(t.db, ui, 0).has_value());
    const KxRecordChunk& dee = t.db.liveChunk(2);
    FieldValue street = FieldValue::newValue(1);
    street.setRaw(dee.value(2));
    EXPECT_EQ(street.text(), "line one\n\nline two");
    EXPECT_TRUE(dee.value(3).empty());
}

TEST_F(ClipboardRecordTest, NumbersAreParsedAndCalculated) {
    auto d = load("Eve\nsomewhere\n$1,200.5\n");
    ASSERT_TRUE(d.addRecord(t.db, ui, 0).has_value());
    EXPECT_EQ(t.text(0, 3), "1200.5");
    EXPECT_EQ(t.text(0, 4), "2401");
}

} // namespace
