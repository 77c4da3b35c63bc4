// The Field and Form Editor's working copy: loading, and the renumbering of calculation
// operands by every list operation.

#include "tests/support/TestDatabase.h"

#include "engine/KxItemListChunk.h"
#include "engine/KxSchemaEditor.h"
#include "editors/KxFieldWorkingCopy.h"

#include <gtest/gtest.h>

namespace {
using T = KxFieldType;
constexpr std::uint16_t kNone = kxNoOperand;

KxWorkingField field(T type, const std::string& label = {}) {
    KxWorkingField f;
    f.type = type;
    f.label = label;
    return f;
}

KxWorkingField calc(std::uint8_t op, std::uint16_t first = kNone, std::uint16_t second = kNone) {
    KxWorkingField f = field(T::Calculation);
    f.calcOp = op;
    f.first = first;
    f.second = second;
    return f;
}

// A list of these fields; operands are positions in the finished list.
KxFieldWorkingCopy listOf(const std::vector<KxWorkingField>& fields) {
    KxFieldWorkingCopy copy;
    for (KxWorkingField f : fields) {
        f.first = f.second = kNone;
        copy.add(f);
    }
    for (std::size_t i = 0; i < fields.size(); ++i) copy.modify(i, fields[i]);
    return copy;
}

std::pair<std::uint16_t, std::uint16_t> operands(const KxFieldWorkingCopy& copy, std::size_t at) {
    return {copy.at(at).first, copy.at(at).second};
}
} // namespace

TEST(FieldWorkingCopy, LoadsTheFieldsInFormOrderWithTheirFormChoicesAndOperandsAsListPositions) {
    TestDatabase t({{T::Number, "A"}, {T::Time, "When", kFlagHideSeconds}, {T::MultipleChoice, "Pick"},
                    {T::Calculation, "Total"}, {T::Number, "Off form"}});
    KxSchemaEditor schema(t.db);
    schema.setTypeOption(0, 2);
    schema.setCalcOperator(3, 2);
    schema.setCalcFirst(3, 0);
    schema.setCalcSecond(3, 4);
    t.db.itemListOf(2).addItem("red");
    t.db.itemListOf(2).addItem("blue");
    // The form shows Total first, A last; "Off form" has no item.
    schema.deleteItem(0, 4);
    const std::uint8_t order[] = {3, 1, 2, 0};
    for (std::size_t i = 0; i < 4; ++i) schema.setItemField(0, i, order[i]);
    schema.item(0, 3).flags = kFlagThousands | kFlagCurrency; // A, label hidden

    const KxFieldWorkingCopy copy = KxFieldWorkingCopy::load(t.db);
    ASSERT_EQ(copy.size(), 5u);
    std::vector<std::string> labels;
    for (const auto& f : copy.fields()) labels.push_back(f.label);
    EXPECT_EQ(labels, (std::vector<std::string>{"Total", "When", "Pick", "A", "Off form"}));
    EXPECT_EQ(operands(copy, 0), std::make_pair(std::uint16_t{3}, std::uint16_t{4}));
    EXPECT_EQ(copy.at(0).calcOp, 2);
    EXPECT_FALSE(copy.at(1).seconds);
    EXPECT_TRUE(copy.at(1).hideLabel) << "an item without flag 0x04 hides its label";
    EXPECT_EQ(copy.at(2).items, (std::vector<std::string>{"red", "blue"}));
    EXPECT_TRUE(copy.at(3).hideLabel);
    EXPECT_TRUE(copy.at(3).thousands && copy.at(3).currency);
    EXPECT_EQ(copy.at(3).decimals, 2u);
    EXPECT_EQ(copy.at(3).id, 0u);
    EXPECT_FALSE(copy.at(3).isNew);
    EXPECT_FALSE(copy.at(4).hideLabel) << "a field off the form keeps its label shown";
    EXPECT_FALSE(copy.modified());
    EXPECT_FALSE(copy.hasRecords());
}

TEST(FieldWorkingCopy, DeletedRecordsCountAsRecords) {
    TestDatabase t({{T::Text, "Name"}});
    t.addDeletedRecord({"gone"});
    EXPECT_TRUE(KxFieldWorkingCopy::load(t.db).hasRecords());
}

TEST(FieldWorkingCopy, InsertShiftsOperandsAtAndAfterThePlaceAndTheNewFieldsOwn) {
    auto copy = listOf({field(T::Number), field(T::Number), calc(0, 0, 1)});
    copy.insert(1, field(T::Text));
    EXPECT_EQ(operands(copy, 3), std::make_pair(std::uint16_t{0}, std::uint16_t{2}));
    copy.insert(0, calc(0, 0, 2)); // chosen from the list before the insert: field 0 and field 2
    EXPECT_EQ(operands(copy, 0), std::make_pair(std::uint16_t{1}, std::uint16_t{3}));
    EXPECT_TRUE(copy.modified());
}

TEST(FieldWorkingCopy, DeleteClearsOperandsOnTheFieldAndShiftsLaterOnes) {
    auto copy = listOf({field(T::Number), field(T::Number), field(T::Number), calc(0, 1, 2)});
    copy.remove(1);
    EXPECT_EQ(operands(copy, 2), std::make_pair(kNone, std::uint16_t{1}));
    EXPECT_TRUE(copy.deletedIds().empty()) << "a field added in the editor leaves no trace";
}

TEST(FieldWorkingCopy, DeletingAnExistingFieldListsItsIdentifier) {
    TestDatabase t({{T::Text, "A"}, {T::Text, "B"}});
    auto copy = KxFieldWorkingCopy::load(t.db);
    copy.remove(1);
    EXPECT_EQ(copy.deletedIds(), (std::vector<std::uint16_t>{1}));
}

TEST(FieldWorkingCopy, MoveCarriesTheOperandAlongAndShiftsTheOnesBetween) {
    // 0 N, 1 N, 2 N, 3 calc(0, 2), 4 calc(1, 3)
    auto copy = listOf({field(T::Number, "a"), field(T::Number, "b"), field(T::Number, "c"),
                        calc(0, 0, 2), calc(0, 1, 3)});
    copy.move(0, 2); // b c a ...
    EXPECT_EQ(operands(copy, 3), std::make_pair(std::uint16_t{2}, std::uint16_t{1}));
    EXPECT_EQ(operands(copy, 4), std::make_pair(std::uint16_t{0}, std::uint16_t{3}));
    copy.move(2, 0); // back: a b c
    EXPECT_EQ(operands(copy, 3), std::make_pair(std::uint16_t{0}, std::uint16_t{2}));
    EXPECT_EQ(operands(copy, 4), std::make_pair(std::uint16_t{1}, std::uint16_t{3}));
}

TEST(FieldWorkingCopy, MovingACalculationAboveTheCalculationItUsesClearsThatOperand) {
    auto copy = listOf({field(T::Number), calc(0, 0, 0), calc(0, 1, 0)});
    copy.move(2, 1);
    EXPECT_EQ(operands(copy, 1), std::make_pair(kNone, std::uint16_t{0}))
        << "a calculation may only use Calculations above it";
    EXPECT_EQ(operands(copy, 2), std::make_pair(std::uint16_t{0}, std::uint16_t{0}));
    // A Number operand may sit anywhere.
    auto numbers = listOf({calc(0, 1, 1), field(T::Number)});
    numbers.move(1, 0);
    EXPECT_EQ(operands(numbers, 1), std::make_pair(std::uint16_t{0}, std::uint16_t{0}));
}

TEST(FieldWorkingCopy, ModifyToANonNumericTypeClearsEveryOperandOnTheField) {
    auto copy = listOf({field(T::Number), calc(0, 0, 0), calc(1, 0, 1)});
    KxWorkingField text = copy.at(0);
    text.type = T::Text;
    copy.modify(0, text);
    EXPECT_EQ(operands(copy, 1), std::make_pair(kNone, kNone));
    EXPECT_EQ(operands(copy, 2), std::make_pair(kNone, std::uint16_t{1}));
}

TEST(FieldWorkingCopy, ANumberBecomingACalculationIsDroppedByCalculationsAboveIt) {
    auto copy = listOf({calc(0, 1, 2), field(T::Number), field(T::Number), calc(2, 1, 2)});
    KxWorkingField changed = copy.at(1);
    changed.type = T::Calculation;
    copy.modify(1, changed);
    EXPECT_EQ(operands(copy, 0), std::make_pair(kNone, std::uint16_t{2}));
    EXPECT_EQ(operands(copy, 3), std::make_pair(std::uint16_t{1}, std::uint16_t{2}));
}

TEST(FieldWorkingCopy, AnUnchangedModifyLeavesTheListUnmodified) {
    TestDatabase t({{T::Text, "A"}});
    auto copy = KxFieldWorkingCopy::load(t.db);
    copy.modify(0, copy.at(0));
    EXPECT_FALSE(copy.modified());
    KxWorkingField renamed = copy.at(0);
    renamed.label = "B";
    copy.modify(0, renamed);
    EXPECT_TRUE(copy.modified());
}

TEST(FieldWorkingCopy, ACalculationDependsOnTheFieldsItNamesOrCollects) {
    constexpr std::uint8_t kSum = 4, kAverage = 5, kGrandTotal = 6;
    // 0 N, 1 N, 2 Sum, 3 calc(0 + 0), 4 N, 5 GrandTotal
    auto copy = listOf({field(T::Number), field(T::Number), calc(kSum), calc(0, 0, 0), field(T::Number),
                        calc(kGrandTotal)});
    EXPECT_TRUE(copy.calculationDependsOn(0)) << "named as an operand (and summed)";
    EXPECT_TRUE(copy.calculationDependsOn(1)) << "collected by the Sum below";
    EXPECT_FALSE(copy.calculationDependsOn(4)) << "below the Sum";
    EXPECT_TRUE(copy.calculationDependsOn(2)) << "a Sum under a Grand Total";
    EXPECT_FALSE(copy.calculationDependsOn(5));
    // Moving the Number below the Sum frees it; moving it above ties it again.
    copy.move(4, 3);
    EXPECT_FALSE(copy.calculationDependsOn(3));
    copy.move(3, 0);
    EXPECT_TRUE(copy.calculationDependsOn(0));

    auto sums = listOf({calc(kSum), calc(kAverage)});
    EXPECT_FALSE(sums.calculationDependsOn(0)) << "an Average does not collect a Sum";
    auto plain = listOf({calc(0, kNone, kNone), calc(kAverage)});
    EXPECT_TRUE(plain.calculationDependsOn(0)) << "it collects other Calculations";
    auto text = listOf({field(T::Text), calc(kSum)});
    EXPECT_FALSE(text.calculationDependsOn(0)) << "only Number and Calculation fields";
}
