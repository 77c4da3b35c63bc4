#include "transfer/KxFieldChooserModel.h"
#include "transfer/KxFieldSelection.h"

#include "engine/KxSchemaEditor.h"
#include "tests/logic/TransferTestDb.h"

#include <gtest/gtest.h>

namespace {

// Fields: 0 Name (Text), 1 a Label Only, 2 Price (Number, 2 decimals), 3 unlabelled Checkbox,
// 4 Total (Calculation); the form shows Price before Name.
class FieldSelectionTest : public ::testing::Test {
protected:
    FieldSelectionTest()
        : t({fieldSpec("Name", KxFieldType::Text), fieldSpec("Heading", KxFieldType::LabelOnly),
             fieldSpec("Price", KxFieldType::Number, 2), fieldSpec("", KxFieldType::Checkbox),
             fieldSpec("Total", KxFieldType::Calculation, 1)}) {
        KxSchemaEditor(t.db).moveItem(0, 2, 0);
        t.db.fileHeader().setCategoryNameBytes(3, "Home");
    }

    KxFieldSelection selection(bool labelOnly, bool category, bool names, bool decimals = false) {
        return KxFieldSelection(t.db, {labelOnly, category, names, decimals});
    }

    TestDb t;
};

TEST_F(FieldSelectionTest, EntriesFollowTheFormWithCategoryLast) {
    const auto s = selection(false, true, true);
    ASSERT_EQ(s.entryCount(), 5u);
    EXPECT_EQ(s.entryField(0), 2);
    EXPECT_EQ(s.entryField(1), 0);
    EXPECT_EQ(s.entryField(2), 3);
    EXPECT_EQ(s.entryField(3), 4);
    EXPECT_TRUE(s.entryIsCategory(4));
    EXPECT_EQ(s.entryLabel(4), "Category");
    EXPECT_EQ(s.typeAt(4), KxFieldSelection::kCategoryType);
    EXPECT_EQ(s.fieldAt(4), KxFieldSelection::kSkipped);
    EXPECT_EQ(s.order(), (std::vector<std::uint8_t>{0, 1, 2, 3, 4}));

    const auto all = selection(true, false, false);
    EXPECT_EQ(all.entryCount(), 5u);
    EXPECT_FALSE(all.entryIsCategory(4));
    EXPECT_EQ(all.entryField(2), 1);
}

TEST_F(FieldSelectionTest, EmptyLabelGetsDefaultNameOnlyWhenAsked) {
    EXPECT_EQ(selection(false, false, true).entryLabel(2), "Field 3");
    EXPECT_EQ(selection(false, false, false).entryLabel(2), "");
}

TEST_F(FieldSelectionTest, ValuesAreFormattedPerType) {
    const std::size_t r = t.addRecord({"Ann", "", "1234.5", "", ""}, 3);
    const std::size_t empty = t.addRecord({"Bob"});
    auto plain = selection(false, true, true);
    plain.setOrder({0, 1, 2, 3, 4});
    const KxRecordChunk& record = t.db.liveChunk(r);
    EXPECT_EQ(plain.valueAt(0, record, 3), "1234.5");
    EXPECT_EQ(plain.valueAt(1, record, 3), "Ann");
    EXPECT_EQ(plain.valueAt(2, record, 3), "0"); // an empty check box is unchecked
    EXPECT_EQ(plain.valueAt(3, record, 3), "");
    EXPECT_EQ(plain.valueAt(4, record, 3), "Home");
    EXPECT_EQ(plain.valueAt(4, t.db.liveChunk(empty), 0), "Unfiled");

    const auto decimals = selection(false, true, true, true);
    EXPECT_EQ(decimals.valueAt(0, record, 3), "1234.50");

    // Thousands separators and the currency symbol follow the form item's flags.
    t.db.header().layouts[0].items[0].flags |= kFlagThousands | kFlagCurrency;
    EXPECT_EQ(plain.valueAt(0, record, 3), "$1,234.5");
    EXPECT_EQ(decimals.valueAt(0, record, 3), "$1,234.50");

    KxRecordHandle handle = t.db.record(r, true);
    FieldValue checked = FieldValue::newValue(7);
    checked.setChecked(true);
    handle.setValue(3, checked);
    FieldValue failed = FieldValue::newValue(9);
    failed.setCalcResult(0, true);
    handle.setValue(4, failed);
    EXPECT_EQ(plain.valueAt(2, record, 3), "1");
    EXPECT_EQ(plain.valueAt(3, record, 3), "###############");
    EXPECT_EQ(decimals.valueAt(3, record, 3), "###############");
}

TEST_F(FieldSelectionTest, ChooserListsEntriesInSchemaOrderCheckedByTheOrder) {
    auto s = selection(false, true, true);
    s.setOrder({3, 0});
    auto model = KxFieldChooserModel::forChooser(s);
    ASSERT_EQ(model.size(), 5u);
    for (std::size_t i = 0; i < model.size(); ++i) EXPECT_EQ(model.items()[i].entry, static_cast<int>(i));
    EXPECT_TRUE(model.items()[0].checked);
    EXPECT_FALSE(model.items()[1].checked);
    EXPECT_TRUE(model.items()[3].checked);

    // Dragging Total (entry 3) to the top and ticking Category gives the displayed order.
    model.move(3, 0);
    model.setChecked(4, true);
    EXPECT_EQ(model.checkedOrder(), (std::vector<std::uint8_t>{3, 0, 4}));
    s.setOrder(model.checkedOrder());
    // Reopened, the chooser shows the schema's order again.
    auto reopened = KxFieldChooserModel::forChooser(s);
    EXPECT_EQ(reopened.items()[0].entry, 0);
    EXPECT_EQ(reopened.items()[3].entry, 3);
}

TEST_F(FieldSelectionTest, ImportListPadsWithNoFieldItems) {
    const auto s = selection(false, false, true); // four field entries
    auto model = KxFieldChooserModel::forImport(s, 6);
    ASSERT_EQ(model.size(), 6u);
    EXPECT_EQ(model.items()[4].label, "<no field>");
    EXPECT_FALSE(model.items()[5].checked);
    EXPECT_EQ(model.importOrder(), (std::vector<std::uint8_t>{0, 1, 2, 3, 255, 255}));

    // Dragging Name (entry 1) against column 5 and unticking Price.
    model.move(1, 6);
    model.setChecked(0, false);
    EXPECT_EQ(model.importOrder(), (std::vector<std::uint8_t>{255, 2, 3, 255, 255, 1}));
    model.reset();
    EXPECT_EQ(model.importOrder(), (std::vector<std::uint8_t>{0, 1, 2, 3, 255, 255}));
}

} // namespace
