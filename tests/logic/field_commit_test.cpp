// Committing the Field and Form Editor's working copy, checked in the saved file's bytes:
// deleted fields, form order and flags, calculation operands, converted values, the
// recalculation, and the fields-to-print choice.

#include "tests/logic/SchemaBytes.h"
#include "tests/support/TestDatabase.h"

#include "engine/KxItemListChunk.h"
#include "engine/KxDatabase.h"
#include "editors/KxFieldWorkingCopy.h"
#include "editors/KxSchemaBuilder.h"
#include "print/KxPrintSettings.h"
#include "engine/Calculation.h"

#include <gtest/gtest.h>

namespace {
using T = KxFieldType;

KxWorkingField newField(T type, const std::string& label) {
    KxWorkingField f;
    f.type = type;
    f.label = label;
    return f;
}

void commit(TestDatabase& t, const KxFieldWorkingCopy& copy) {
    KxSchemaBuilder(t.db).commit(copy);
    kxRecalculateAllRecords(t.db, nullptr);
    t.db.save();
}
} // namespace

TEST(FieldCommit, DeletesAddsAndReordersFieldsWithTheirFormFlagsAndOperands) {
    TestDatabase t({{T::Text, "Name"}, {T::Number, "Price"}, {T::Number, "Qty"}, {T::Text, "Notes"}});
    t.addRecord({"pen", "1.5", "4", "blue"});
    auto copy = KxFieldWorkingCopy::load(t.db);
    copy.remove(0);     // Name: Price Qty Notes
    copy.move(2, 0);    // Notes Price Qty
    KxWorkingField price = copy.at(1);
    price.decimals = 2;
    price.thousands = price.currency = true; // its label stays hidden, as the form had it
    copy.modify(1, price);
    KxWorkingField notes = copy.at(0);
    notes.hideLabel = true;
    notes.label = "Remarks";
    copy.modify(0, notes);
    KxWorkingField total = newField(T::Calculation, "Total");
    total.calcOp = 2;
    total.first = 1;
    total.second = 2;
    copy.add(total);
    KxWorkingField at = newField(T::Time, "At");
    at.seconds = false;
    copy.add(at);
    KxWorkingField size = newField(T::MultipleChoice, "Size");
    size.items = {"S", "M"};
    copy.add(size);
    KxWorkingField sum = newField(T::Calculation, "Sum");
    sum.calcOp = 4;
    copy.insert(3, sum); // before Total
    commit(t, copy);

    const SchemaBytes file(t.path());
    EXPECT_EQ(file.labels(), (std::vector<std::string>{"Price", "Qty", "Remarks", "Sum", "Total", "At", "Size"}));
    EXPECT_EQ(file.formFields(), (std::vector<std::uint8_t>{2, 0, 1, 3, 4, 5, 6}));
    std::vector<std::uint16_t> flags;
    for (const auto& item : file.items) flags.push_back(item.flags);
    EXPECT_EQ(flags, (std::vector<std::uint16_t>{0x00, 0x180, 0x00, 0x04, 0x04, 0x44, 0x04}));
    EXPECT_EQ(file.fields[0].option, 2u);
    const FieldBytes& t4 = file.fields[4];
    EXPECT_EQ(t4.type, 9);
    EXPECT_EQ(t4.op, 2);
    EXPECT_EQ(t4.first, 0);
    EXPECT_EQ(t4.second, 1);
    EXPECT_EQ(file.fields[3].first, 255);
    EXPECT_EQ(file.fields[3].second, 255);
    EXPECT_EQ(file.fields[6].type, 2);
    EXPECT_EQ(t.db.header().fields[6].itemList->itemCount(), 2u);

    // The record lost Name and gained the computed Total; the Sum adds Price and Qty above it.
    EXPECT_EQ(t.text(0, 2), "blue");
    EXPECT_EQ(t.text(0, 4), "6");
    EXPECT_EQ(t.text(0, 3), "5.5");
}

TEST(FieldCommit, AnOperandOnADeletedFieldIsStoredAsNone) {
    TestDatabase t({{T::Number, "A"}, {T::Number, "B"}, {T::Calculation, "C"}});
    KxSchemaEditor schema(t.db);
    schema.setCalcOperator(2, 0);
    schema.setCalcFirst(2, 0);
    schema.setCalcSecond(2, 1);
    auto copy = KxFieldWorkingCopy::load(t.db);
    copy.remove(0);
    commit(t, copy);
    const SchemaBytes file(t.path());
    ASSERT_EQ(file.fields.size(), 2u);
    EXPECT_EQ(file.fields[1].first, 255);
    EXPECT_EQ(file.fields[1].second, 0);
}

TEST(FieldCommit, ATypeChangeConvertsLiveAndDeletedValues) {
    TestDatabase t({{T::Number, "Price"}, {T::Checkbox, "Paid"}, {T::Text, "Name"}});
    t.addRecord({"12.75", "yes", "a"});
    t.addDeletedRecord({"-3", "no", "b"});
    auto copy = KxFieldWorkingCopy::load(t.db);
    KxWorkingField price = copy.at(0);
    price.type = T::Text;
    copy.modify(0, price);
    KxWorkingField paid = copy.at(1);
    paid.type = T::Date;
    copy.modify(1, paid);
    commit(t, copy);

    const SchemaBytes file(t.path());
    EXPECT_EQ(file.fields[0].type, 1);
    EXPECT_EQ(file.fields[1].type, 5);
    EXPECT_EQ(t.text(0, 0), "12.75") << "a number keeps its text";
    EXPECT_EQ(t.text(0, 1), "") << "a Checkbox has no Date";
    EXPECT_EQ(t.deletedText(0, 0), "-3");
}

TEST(FieldCommit, RecalculationReachesDeletedRecordsToo) {
    TestDatabase t({{T::Number, "A"}, {T::Number, "B"}});
    t.addRecord({"2", "3"});
    t.addDeletedRecord({"10", "5"});
    auto copy = KxFieldWorkingCopy::load(t.db);
    KxWorkingField diff = newField(T::Calculation, "Diff");
    diff.calcOp = 1;
    diff.first = 0;
    diff.second = 1;
    copy.add(diff);
    commit(t, copy);
    EXPECT_EQ(t.text(0, 2), "-1");
    EXPECT_EQ(t.deletedText(0, 2), "5");
}

TEST(FieldCommit, TheFieldsToPrintChoiceAndItsLayoutGo) {
    TestDatabase t({{T::Text, "A"}});
    KxSchemaEditor schema(t.db);
    schema.addLayout(); // the fields-to-print list
    KxPrintSettings(t.db).setFieldList(1);
    commit(t, KxFieldWorkingCopy::load(t.db));
    EXPECT_EQ(SchemaBytes(t.path()).layoutCount, 1u);
    EXPECT_FALSE(KxPrintSettings(t.db).fieldList());
    EXPECT_EQ(SchemaBytes(t.path()).formFields(), (std::vector<std::uint8_t>{0}));

    // A choice naming the form itself leaves the form alone.
    KxPrintSettings(t.db).setFieldList(0);
    commit(t, KxFieldWorkingCopy::load(t.db));
    EXPECT_EQ(SchemaBytes(t.path()).layoutCount, 1u);
    EXPECT_FALSE(KxPrintSettings(t.db).fieldList());
}

TEST(FieldCommit, FormOptionsJustificationGoesBackToLeft) {
    TestDatabase t({{T::Text, "A", 0x05}});
    commit(t, KxFieldWorkingCopy::load(t.db));
    EXPECT_EQ(SchemaBytes(t.path()).items.at(0).flags, 0x04);
}

TEST(FieldCommit, AListWithoutColumnsGetsTheFirstFieldThatIsNotLabelOnly) {
    TestDatabase t({});
    KxFieldWorkingCopy copy;
    copy.add(newField(T::LabelOnly, "Heading"));
    copy.add(newField(T::Text, "Name"));
    commit(t, copy);
    const auto& columns = t.db.header().listSets.at(t.db.header().currentListSet()).columns;
    ASSERT_EQ(columns.size(), 1u);
    EXPECT_EQ(columns[0].field, 1);
    EXPECT_EQ(columns[0].width, 100);

    // A list that has columns keeps them as they are.
    auto again = KxFieldWorkingCopy::load(t.db);
    again.add(newField(T::Text, "City"));
    commit(t, again);
    EXPECT_EQ(t.db.header().listSets.at(t.db.header().currentListSet()).columns.size(), 1u);
}
