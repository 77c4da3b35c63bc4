// Changing a field's type: the item list or calculation block that goes with the type,
// the conversion of live and deleted values, records left empty, and search criteria.

#include "tests/support/EngineTestSupport.h"
#include "tests/support/TestDatabase.h"

#include "engine/KxItemListChunk.h"
#include "engine/KxRemovalLog.h"
#include "engine/KxSavedSearches.h"
#include "engine/KxSearchChunk.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::size_t chunksWithTag(const KxDatabase& db, KxChunkTag tag) {
    std::size_t n = 0;
    for (std::size_t k = 0; k < db.schemaChunkCount(); ++k)
        if (db.directoryEntry(k).chunk->tag() == tag) ++n;
    return n;
}

TEST(FieldType, TextToMultipleChoiceSwapsTheListForAnEmptyChoiceList) {
    TestDatabase t({{KxFieldType::Text, "Name"}, {KxFieldType::Text, "Other"}});
    KxSchemaEditor schema(t.db);
    KxItemListAccessor(t.db, 0, false).addItem("Smith");
    t.addRecord({"Jones", "x"});
    schema.setFieldType(0, KxFieldType::MultipleChoice);

    const KxItemListChunk* list = t.db.header().fields[0].itemList;
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->tag(), KxChunkTag::ChoiceList);
    EXPECT_EQ(list->fieldPosition(), 0);
    EXPECT_EQ(list->itemCount(), 0u);
    EXPECT_EQ(chunksWithTag(t.db, KxChunkTag::TextList), 1u); // field 1's only
    EXPECT_EQ(chunksWithTag(t.db, KxChunkTag::ChoiceList), 1u);
    EXPECT_EQ(t.text(0, 0), "Jones");

    schema.setFieldType(0, KxFieldType::Integer);
    EXPECT_EQ(t.db.header().fields[0].itemList, nullptr);
    EXPECT_EQ(chunksWithTag(t.db, KxChunkTag::ChoiceList), 0u);
    EXPECT_EQ(t.text(0, 0), "0"); // letters read as a number give 0, not an empty field
}

TEST(FieldType, CalculationGetsAFreshBlockAndLosesItAgain) {
    TestDatabase t({{KxFieldType::Number, "Amount"}});
    KxSchemaEditor schema(t.db);
    schema.setFieldType(0, KxFieldType::Calculation);
    ASSERT_TRUE(t.db.header().fields[0].calc.has_value());
    EXPECT_EQ(schema.calcOperator(0), 4);
    EXPECT_EQ(schema.calcFirst(0), kNoField);
    EXPECT_EQ(schema.calcSecond(0), kNoField);
    schema.setFieldType(0, KxFieldType::Integer);
    EXPECT_FALSE(t.db.header().fields[0].calc.has_value());
}

TEST(FieldType, ValuesConvertThroughTheirTypes) {
    TestDatabase t({{KxFieldType::Checkbox, "Done"}, {KxFieldType::Number, "Amount"},
                    {KxFieldType::Text, "When"}});
    t.addRecord({"yes", "12.75", "3/4/2005"});
    t.addRecord({"no", "-12.75", "not a date"});
    t.addRecord({"", "", "x"}); // an empty Checkbox converts as unchecked
    KxSchemaEditor schema(t.db);

    schema.setFieldType(0, KxFieldType::Text);
    EXPECT_EQ(t.column(0), (std::vector<std::string>{"Yes", "No", "No"}));
    schema.setFieldType(0, KxFieldType::Checkbox);
    EXPECT_EQ(t.column(0), (std::vector<std::string>{"Yes", "No", "No"}));

    schema.setFieldType(1, KxFieldType::Integer);
    EXPECT_EQ(t.column(1), (std::vector<std::string>{"12", "-12", ""}));

    schema.setFieldType(2, KxFieldType::Date);
    EXPECT_EQ(t.text(0, 2), "3/4/2005");
}

TEST(FieldType, ImpossiblePairsClearTheValues) {
    TestDatabase t({{KxFieldType::Number, "Amount"}, {KxFieldType::Text, "Name"},
                    {KxFieldType::Date, "Due"}});
    t.addRecord({"5", "a", "1/1/2000"});
    t.addRecord({"7", "b", "1/1/2000"});
    KxSchemaEditor schema(t.db);
    schema.setFieldType(0, KxFieldType::Calculation);
    EXPECT_EQ(t.column(0), (std::vector<std::string>{"", ""}));
    schema.setFieldType(2, KxFieldType::Number);
    EXPECT_EQ(t.column(2), (std::vector<std::string>{"", ""}));
    EXPECT_EQ(t.column(1), (std::vector<std::string>{"a", "b"}));
}

TEST(FieldType, LiveRecordsLeftEmptyAreRemovedAndLogged) {
    TestDatabase t({{KxFieldType::Number, "Amount"}, {KxFieldType::Text, "Name"}});
    t.addRecord({"1", ""});
    t.addRecord({"2", "kept"});
    t.addRecord({"3", ""});
    const KxRecordIdentity first = t.db.identityOf(0);
    const KxRecordIdentity third = t.db.identityOf(2);
    const std::size_t logged = t.db.removalLog().entries().size();

    KxSchemaEditor(t.db).setFieldType(0, KxFieldType::Calculation);
    ASSERT_EQ(t.db.liveCount(), 1u);
    EXPECT_EQ(t.text(0, 1), "kept");
    const auto& log = t.db.removalLog().entries();
    ASSERT_EQ(log.size(), logged + 2);
    // Last to first.
    EXPECT_EQ(log[logged], third);
    EXPECT_EQ(log[logged + 1], first);
}

// Deleted records are converted too, so an undeleted record never shows bytes of the old
// type; a deleted record left empty stays deleted rather than vanishing.
TEST(FieldType, DeletedRecordsAreConvertedAndKept) {
    TestDatabase t({{KxFieldType::Number, "Amount"}, {KxFieldType::Text, "Name"}});
    t.addDeletedRecord({"12.75", "a"});
    t.addDeletedRecord({"4", ""});
    KxSchemaEditor schema(t.db);
    schema.setFieldType(0, KxFieldType::Integer);
    EXPECT_EQ(t.deletedText(0, 0), "12");
    schema.setFieldType(0, KxFieldType::Date);
    ASSERT_EQ(t.db.deletedCount(), 2u);
    EXPECT_TRUE(t.db.deletedChunk(1).value(0).empty());
    EXPECT_EQ(t.db.undeleteRecord(0), 0u);
    EXPECT_TRUE(t.db.liveChunk(0).value(0).empty());
}

// A file without a removal log gets one when the first record goes; every record is still
// converted once and the right ones removed.
TEST(FieldType, RemovingRecordsWorksWhenTheFileHasNoRemovalLog) {
    TestDatabase t({{KxFieldType::Number, "Amount"}, {KxFieldType::Text, "Name"}});
    for (int i = 0; i < 6; ++i) t.addRecord({std::to_string(i) + ".5", i % 2 ? "odd" : ""});
    t.addDeletedRecord({"9.5", "gone"});
    t.db.removeChunk(&t.db.removalLog());
    ASSERT_EQ(t.db.peekChunk(KxChunkTag::RemovalLog), nullptr);

    KxSchemaEditor(t.db).setFieldType(0, KxFieldType::Integer);
    EXPECT_EQ(t.column(0), (std::vector<std::string>{"0", "1", "2", "3", "4", "5"}));
    KxSchemaEditor(t.db).setFieldType(0, KxFieldType::Date); // impossible: every value goes
    EXPECT_EQ(t.column(1), (std::vector<std::string>{"odd", "odd", "odd"}));
    EXPECT_EQ(t.db.removalLog().entries().size(), 3u);
    EXPECT_EQ(t.deletedText(0, 1), "gone");
}

// A number becoming text grows; a record near its 65280-byte limit refuses the whole change.
TEST(FieldType, AValueThatWouldOverfillItsRecordRefusesTheChange) {
    TestDatabase t({{KxFieldType::Text, "Notes"}, {KxFieldType::Number, "Amount"}});
    t.addRecord({"short", "1"});
    // 30 fixed bytes, 2 offsets, a 65232-byte text and an 8-byte number: 65278 bytes.
    t.addRecord({std::string(65231, 'n'), "123456789.125"});
    ASSERT_EQ(t.db.liveChunk(1).byteSize(), 65278u);
    KxSchemaEditor schema(t.db);
    EXPECT_EQ(thrownBy([&] { schema.setFieldType(1, KxFieldType::Text); }), KxDbError::TooLarge);
    EXPECT_EQ(schema.fieldType(1), KxFieldType::Number);
    EXPECT_EQ(t.db.header().fields[1].itemList, nullptr);
    EXPECT_EQ(t.column(1), (std::vector<std::string>{"1", "123456789.125"}));
}

TEST(FieldType, CriteriaOnTheFieldGoAndOthersStay) {
    TestDatabase t({{KxFieldType::Text, "Name"}, {KxFieldType::Number, "Amount"}});
    KxSavedSearches searches(t.db);
    const std::size_t s = searches.add();
    searches.addCriterion(s, 1, KxSearchOperator::Greater);
    searches.addCriterion(s, 0, KxSearchOperator::Contains);
    searches.addCriterion(s, kAnyField, KxSearchOperator::Contains);
    searches.addCriterion(s, 1, KxSearchOperator::Empty);
    KxSchemaEditor(t.db).setFieldType(1, KxFieldType::Integer);
    ASSERT_EQ(searches.criterionCount(s), 2u);
    EXPECT_EQ(searches.criterionField(s, 0), 0);
    EXPECT_EQ(searches.criterionField(s, 1), kAnyField);
}

TEST(FieldType, ADatabaseWithoutSavedSearchesGetsNoSearchChunk) {
    TestDatabase t({{KxFieldType::Text, "Name"}});
    t.db.removeChunk(t.db.findChunk(KxChunkTag::Searches));
    KxSchemaEditor(t.db).setFieldType(0, KxFieldType::Integer);
    EXPECT_EQ(t.db.peekChunk(KxChunkTag::Searches), nullptr);
}

TEST(FieldType, AHeldListOrOnlyValueRefusesTheChange) {
    TestDatabase t({{KxFieldType::Text, "Name"}, {KxFieldType::Number, "Amount"}});
    t.addRecord({"", "5"});
    KxSchemaEditor schema(t.db);
    {
        KxItemListAccessor held(t.db, 0, true);
        EXPECT_EQ(thrownBy([&] { schema.setFieldType(0, KxFieldType::Date); }), KxDbError::Protected);
        EXPECT_EQ(schema.fieldType(0), KxFieldType::Text);
    }
    KxRecordHandle handle = t.db.record(0, true);
    EXPECT_EQ(thrownBy([&] { schema.setFieldType(1, KxFieldType::Calculation); }), KxDbError::Protected);
    EXPECT_EQ(t.text(0, 1), "5");
}

TEST(FieldType, TheSameTypeChangesNothing) {
    TestDatabase t({{KxFieldType::Text, "Name"}});
    const KxItemListChunk* list = t.db.header().fields[0].itemList;
    t.addRecord({"a"});
    KxSchemaEditor(t.db).setFieldType(0, KxFieldType::Text);
    EXPECT_EQ(t.db.header().fields[0].itemList, list);
    EXPECT_EQ(t.text(0, 0), "a");
}

} // namespace
