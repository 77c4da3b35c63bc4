// What the field list, the field dialog, the Calculation Editor and the Multiple Choice List
// Editor refuse and ask, in which order, and what they do with the answers.

#include "tests/support/ScriptedUi.h"
#include "tests/support/TestDatabase.h"

#include "editors/EditorStrings.h"
#include "editors/KxFieldEditRules.h"
#include "editors/MultiChoiceRules.h"

#include <gtest/gtest.h>

namespace {
using T = KxFieldType;

KxWorkingField field(T type, const std::string& label = {}) {
    KxWorkingField f;
    f.type = type;
    f.label = label;
    return f;
}

std::vector<std::string> texts(const ScriptedUi& ui) {
    std::vector<std::string> out;
    for (const auto& m : ui.messages) out.push_back(m.text);
    return out;
}
} // namespace

TEST(FieldEditRules, AddingIsRefusedAt250Fields) {
    ScriptedUi ui;
    KxFieldWorkingCopy copy;
    for (int i = 0; i < 249; ++i) copy.add(field(T::Text));
    EXPECT_TRUE(KxFieldEditRules(copy, ui).mayAddField());
    copy.add(field(T::Text));
    EXPECT_FALSE(KxFieldEditRules(copy, ui).mayAddField());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.lastMessage(), "You already have the maximum of 250 fields.");
    EXPECT_EQ(ui.messages[0].icon, KxIcon::Warning);
}

TEST(FieldEditRules, DeleteWarnsOnlyForAnExistingFieldOfADatabaseWithRecords) {
    TestDatabase t({{T::Text, "A"}});
    ScriptedUi ui;
    auto copy = KxFieldWorkingCopy::load(t.db);
    copy.add(field(T::Text));
    EXPECT_TRUE(KxFieldEditRules(copy, ui).confirmDelete(0)) << "an empty database";
    copy.setHasRecords(true);
    EXPECT_TRUE(KxFieldEditRules(copy, ui).confirmDelete(1)) << "a field added in the editor";
    EXPECT_TRUE(ui.messages.empty());

    EXPECT_FALSE(KxFieldEditRules(copy, ui).confirmDelete(0)) << "Cancel is the default";
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, "Confirm Field Deletion");
    EXPECT_EQ(ui.messages[0].buttons, KxButtons::OkCancel);
    EXPECT_EQ(ui.messages[0].defaultAnswer, KxAnswer::Cancel);
    ui.answers.push_back(KxAnswer::Ok);
    EXPECT_TRUE(KxFieldEditRules(copy, ui).confirmDelete(0));
}

TEST(FieldEditRules, CancelAsksOnlyAfterAChange) {
    ScriptedUi ui;
    KxFieldWorkingCopy copy;
    EXPECT_TRUE(KxFieldEditRules(copy, ui).confirmCancel());
    copy.add(field(T::Text));
    EXPECT_FALSE(KxFieldEditRules(copy, ui).confirmCancel()) << "No is the default";
    EXPECT_EQ(ui.lastMessage(),
              "Are you sure you want to cancel your field changes?  You will lose any changes you made.");
    EXPECT_EQ(ui.messages.back().caption, "Field and Form Editor");
    EXPECT_EQ(ui.messages.back().buttons, KxButtons::YesNo);
    ui.answers.push_back(KxAnswer::Yes);
    EXPECT_TRUE(KxFieldEditRules(copy, ui).confirmCancel());
}

TEST(FieldEditRules, TheTypeListHasTheOrderOfTheDialog) {
    EXPECT_EQ(KxFieldEditRules::typeChoices(),
              (std::vector<T>{T::Text, T::MultipleChoice, T::Number, T::Calculation, T::Date, T::Time,
                              T::Checkbox, T::LabelOnly}));
}

TEST(FieldEditRules, ACalculationNeedsAnotherNumberFieldAndGetsItAsBothOperands) {
    ScriptedUi ui;
    KxFieldWorkingCopy copy;
    copy.add(field(T::Number, "Only"));
    KxWorkingField edited = copy.at(0);
    const KxFieldEditPlace self{0, true};
    EXPECT_FALSE(KxFieldEditRules(copy, ui).changeType(self, edited, T::Calculation));
    EXPECT_EQ(edited.type, T::Number);
    EXPECT_EQ(ui.lastMessage(), kxString(kxStrNoNumberFields));
    EXPECT_FALSE(KxFieldEditRules(copy, ui).mayEditCalculation(self));

    copy.add(field(T::Text));
    KxWorkingField added = field(T::Text);
    EXPECT_TRUE(KxFieldEditRules(copy, ui).changeType({2, false}, added, T::Calculation));
    EXPECT_EQ(added.first, 0);
    EXPECT_EQ(added.second, 0);
    EXPECT_TRUE(KxFieldEditRules(copy, ui).mayEditCalculation({2, false}));
}

TEST(FieldEditRules, TypeChangeQuestionsComeInOrderAndCancelKeepsTheOldType) {
    TestDatabase t({{T::Number, "Price"}, {T::Calculation, "Twice"}, {T::Checkbox, "Paid"}});
    KxSchemaEditor(t.db).setCalcOperator(1, 0);
    KxSchemaEditor(t.db).setCalcFirst(1, 0);
    t.addRecord({"12.75", "", "yes"});
    auto copy = KxFieldWorkingCopy::load(t.db);
    ScriptedUi ui;
    KxFieldEditRules rules(copy, ui);

    // Number to Multiple Choice: the dependency warning, then the lossless conversion asks nothing.
    KxWorkingField price = copy.at(0);
    ui.answers = {KxAnswer::Ok};
    EXPECT_TRUE(rules.changeType({0, true}, price, T::MultipleChoice));
    EXPECT_EQ(texts(ui), (std::vector<std::string>{kxString(kxStrCalcDepends)}));

    // Number to Date: dependency, then "will destroy all"; Cancel on the second keeps Number.
    price = copy.at(0);
    ui.messages.clear();
    ui.answers = {KxAnswer::Ok, KxAnswer::Cancel};
    EXPECT_FALSE(rules.changeType({0, true}, price, T::Date));
    EXPECT_EQ(texts(ui), (std::vector<std::string>{kxString(kxStrCalcDepends),
                                                   kxString(kxStrTypeChangeImpossible)}));
    EXPECT_EQ(price.type, T::Number);

    // Cancel on the dependency warning asks nothing more.
    ui.messages.clear();
    ui.answers = {KxAnswer::Cancel};
    EXPECT_FALSE(rules.changeType({0, true}, price, T::Text));
    EXPECT_EQ(ui.messages.size(), 1u);

    // Checkbox to Date: the "will destroy all" question, Cancel the default.
    KxWorkingField paid = copy.at(2);
    ui.messages.clear();
    EXPECT_FALSE(rules.changeType({2, true}, paid, T::Date));
    EXPECT_EQ(texts(ui), (std::vector<std::string>{kxString(kxStrTypeChangeImpossible)}));
    EXPECT_EQ(ui.messages[0].defaultAnswer, KxAnswer::Cancel);

    // Text back from Multiple Choice to a Checkbox: lossy.
    ui.messages.clear();
    KxWorkingField text = copy.at(2);
    text.storedType = T::Text;
    text.type = T::Text;
    ui.answers = {KxAnswer::Ok};
    EXPECT_TRUE(rules.changeType({2, true}, text, T::Checkbox));
    EXPECT_EQ(texts(ui), (std::vector<std::string>{kxString(kxStrTypeChangeLossy)}));
}

TEST(FieldEditRules, NumberToTextKeepsItsTextSoNothingIsAsked) {
    TestDatabase t({{T::Number, "Price"}});
    t.addRecord({"12.75"});
    auto copy = KxFieldWorkingCopy::load(t.db);
    ScriptedUi ui;
    KxWorkingField price = copy.at(0);
    EXPECT_TRUE(KxFieldEditRules(copy, ui).changeType({0, true}, price, T::Text));
    EXPECT_TRUE(ui.messages.empty());
}

TEST(CalcEditRules, OperandsAreOtherNumberFieldsAndCalculationsAbove) {
    KxFieldWorkingCopy copy;
    copy.add(field(T::Number, "A"));
    copy.add(field(T::Calculation, "Above"));
    copy.add(field(T::Calculation, "Edited"));
    copy.add(field(T::Number));
    copy.add(field(T::Calculation, "Below"));
    copy.add(field(T::Text, "Words"));
    std::vector<std::pair<std::uint16_t, std::string>> seen;
    for (const auto& c : KxCalcEditRules(copy, {2, true}).operandChoices()) seen.emplace_back(c.position, c.name);
    EXPECT_EQ(seen, (std::vector<std::pair<std::uint16_t, std::string>>{{0, "A"}, {1, "Above"}, {3, "Field 4"}}));
}

TEST(CalcEditRules, TextsLabelsAndNotesFollowTheOperation) {
    EXPECT_EQ(KxCalcEditRules::operationText(6), "Grand Total (sum of sums)");
    EXPECT_EQ(KxCalcEditRules::operandLabel(3), "&Divided by:");
    EXPECT_EQ(KxCalcEditRules::operandLabel(4), "");
    EXPECT_EQ(KxCalcEditRules::note(0), "");
    EXPECT_EQ(KxCalcEditRules::note(5), kxString(kxStrNoteAverage));
}

TEST(CalcEditRules, AGrandTotalNeedsASumAndAggregatesDropTheirOperands) {
    ScriptedUi ui;
    KxFieldWorkingCopy copy;
    copy.add(field(T::Number));
    EXPECT_FALSE(KxCalcEditRules(copy, {1, false}).mayChoose(6, ui));
    EXPECT_EQ(ui.lastMessage(), kxString(kxStrNoSumFields));
    KxWorkingField sum = field(T::Calculation);
    sum.calcOp = 4;
    copy.add(sum);
    EXPECT_TRUE(KxCalcEditRules(copy, {2, false}).mayChoose(6, ui));
    EXPECT_FALSE(KxCalcEditRules(copy, {1, true}).mayChoose(6, ui)) << "the Sum being edited does not count";

    KxWorkingField edited = field(T::Calculation);
    KxCalcEditRules::apply(edited, 2, 0, 0);
    EXPECT_EQ(edited.first, 0);
    KxCalcEditRules::apply(edited, 5, 0, 0);
    EXPECT_EQ(edited.calcOp, 5);
    EXPECT_EQ(edited.first, kxNoOperand);
    EXPECT_EQ(edited.second, kxNoOperand);
}

TEST(MultiChoiceEdit, TheRoomLeftFollowsTheListSize) {
    KxMultiChoiceEdit edit({"abc", "de"});
    EXPECT_EQ(edit.listSize(), 14u + 8u + 5u);
    EXPECT_EQ(edit.room(std::nullopt), 32768) << "capped at one item's limit";
    // A list of 65,000 bytes: 65276 - 65000 for a new item, 65280 + 3 - 65000 for item 0.
    KxMultiChoiceEdit big({"abc", std::string(65000 - 14 - 8 - 3, 'x')});
    EXPECT_EQ(big.room(std::nullopt), 276);
    EXPECT_EQ(big.room(0), 283);
}

TEST(MultiChoiceEdit, AFullOrNearlyFullListSaysSoBeforeAnItemIsTyped) {
    ScriptedUi ui;
    KxMultiChoiceEdit roomy({"a"});
    EXPECT_EQ(roomy.roomBeforeEditing(std::nullopt, ui), 32768u);
    EXPECT_TRUE(ui.messages.empty());

    KxMultiChoiceEdit near({std::string(65000, 'x')});
    EXPECT_EQ(near.roomBeforeEditing(std::nullopt, ui), 65276u - 65018u);
    EXPECT_EQ(ui.lastMessage(), kxString(kxStrListNearlyFull));
    EXPECT_EQ(ui.messages.back().caption, "Multiple Choice List Editor");

    ui.messages.clear();
    KxMultiChoiceEdit full({std::string(65262, 'x')}); // size 65280
    EXPECT_FALSE(full.roomBeforeEditing(std::nullopt, ui));
    EXPECT_EQ(texts(ui), (std::vector<std::string>{kxString(kxStrListFull)}));
    EXPECT_EQ(full.roomBeforeEditing(0, ui), 32768u) << "its own item may still change";
}

TEST(MultiChoiceEdit, FourThousandItemsRefuseAnAddButNotAModify) {
    ScriptedUi ui;
    KxMultiChoiceEdit edit(std::vector<std::string>(4000, "x"));
    EXPECT_FALSE(edit.mayAddItem(ui));
    EXPECT_EQ(ui.lastMessage(), "You already have the maximum of 4000 Multiple Choice items.");
    EXPECT_TRUE(edit.roomBeforeEditing(3999, ui).has_value());
    edit.set(3999, "y");
    EXPECT_EQ(edit.items().back(), "y");
}

TEST(MultiChoiceEdit, EditsMarkTheListChangedAndCancelThenAsks) {
    ScriptedUi ui;
    KxMultiChoiceEdit edit({"a", "b", "c"});
    EXPECT_TRUE(edit.confirmCancel(ui));
    edit.set(0, "a");
    EXPECT_FALSE(edit.modified()) << "the same text is no change";
    edit.move(0, 2);
    EXPECT_EQ(edit.items(), (std::vector<std::string>{"b", "c", "a"}));
    edit.insert(0, "z");
    edit.remove(1);
    EXPECT_EQ(edit.items(), (std::vector<std::string>{"z", "c", "a"}));
    EXPECT_FALSE(edit.confirmCancel(ui));
    EXPECT_EQ(ui.messages.back().caption, "Confirm Multiple Choice Cancellation");
    EXPECT_FALSE(edit.confirmDelete(ui)) << "Cancel is the default";
    EXPECT_EQ(ui.messages.back().caption, "Confirm Multiple Choice Item Deletion");
}
