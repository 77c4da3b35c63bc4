// Calculation fields: the four operations with empty operands and the limits of a result,
// floating-point failures, the Sum, Average and Grand Total walks with their stop rules,
// failures passed on, and the order and storing of a recalculation.

#include "tests/support/EngineTestSupport.h"
#include "tests/support/TestDatabase.h"

#include "engine/Calculation.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace {

enum class Calc : std::uint8_t { Add, Subtract, Multiply, Divide, Sum, Average, GrandTotal };

// What kxEvaluateCalc gives, as text: "none", "error", or the number.
std::string outcome(const std::optional<FieldValue>& v) {
    if (!v) return "none";
    EXPECT_EQ(v->type(), 9);
    if (v->calcFailed()) {
        EXPECT_EQ(v->number(), 0.0) << "a failed result holds 0";
        return "error";
    }
    return v->plainText();
}

void define(TestDatabase& t, std::size_t field, Calc op, std::uint8_t first = kNoField,
            std::uint8_t second = kNoField) {
    KxSchemaEditor schema(t.db);
    schema.setCalcOperator(field, static_cast<std::uint8_t>(op));
    schema.setCalcFirst(field, first);
    schema.setCalcSecond(field, second);
}

// --- two operands ---

class TwoOperands : public ::testing::Test {
protected:
    TwoOperands()
        : t({{KxFieldType::Number, "A"}, {KxFieldType::Number, "B"},
             {KxFieldType::Calculation, "Result"}, {KxFieldType::Calculation, "Other"}}) {}

    std::string eval(Calc op, const std::string& a, const std::string& b) {
        define(t, 2, op, 0, 1);
        const std::size_t i = t.addRecord({a, b});
        return outcome(kxEvaluateCalc(t.db, 2, t.db.liveChunk(i)));
    }

    // Operands that no typed text gives.
    std::string evalRaw(Calc op, double a, double b) {
        define(t, 2, op, 0, 1);
        const std::size_t i = t.addRecord({});
        FieldValue x = FieldValue::newValue(4), y = FieldValue::newValue(4);
        x.setNumber(a);
        y.setNumber(b);
        t.db.record(i, false).setRawValue(0, x.raw());
        t.db.record(i, false).setRawValue(1, y.raw());
        return outcome(kxEvaluateCalc(t.db, 2, t.db.liveChunk(i)));
    }

    TestDatabase t;
};

TEST_F(TwoOperands, TheFourOperations) {
    EXPECT_EQ(eval(Calc::Add, "2", "3.5"), "5.5");
    EXPECT_EQ(eval(Calc::Subtract, "2", "3.5"), "-1.5");
    EXPECT_EQ(eval(Calc::Multiply, "2", "3.5"), "7");
    EXPECT_EQ(eval(Calc::Divide, "7", "2"), "3.5");
}

TEST_F(TwoOperands, AnEmptyOperandCountsAsZeroAndTwoGiveNoResult) {
    EXPECT_EQ(eval(Calc::Add, "2", ""), "2");
    EXPECT_EQ(eval(Calc::Add, "", "3"), "3");
    EXPECT_EQ(eval(Calc::Subtract, "", "3"), "-3");
    EXPECT_EQ(eval(Calc::Multiply, "4", ""), "0");
    EXPECT_EQ(eval(Calc::Add, "", ""), "none");
    EXPECT_EQ(eval(Calc::Divide, "", ""), "none");
}

TEST_F(TwoOperands, DivisionByZeroFailsAndZeroDividedIsZero) {
    EXPECT_EQ(eval(Calc::Divide, "6", "0"), "error");
    EXPECT_EQ(eval(Calc::Divide, "6", ""), "error");
    EXPECT_EQ(eval(Calc::Divide, "0", "5"), "0");
    EXPECT_EQ(eval(Calc::Divide, "", "5"), "0");
    EXPECT_EQ(evalRaw(Calc::Divide, 6, -0.0), "error");
}

TEST_F(TwoOperands, ResultsBeyondTheLimitsFail) {
    EXPECT_EQ(eval(Calc::Add, "999999999999999", "0"), "999999999999999");
    EXPECT_EQ(eval(Calc::Add, "999999999999999", "1"), "error");
    EXPECT_EQ(eval(Calc::Subtract, "-999999999999999", "1"), "error");
    EXPECT_EQ(eval(Calc::Multiply, "0.00000001", "0.00000001"), "error"); // 1e-16
    EXPECT_EQ(eval(Calc::Subtract, "0.5", "0.5"), "0");
    EXPECT_NE(evalRaw(Calc::Multiply, 2e-8, 1e-7), "error"); // 2e-15
}

// Overflow, underflow (to zero included) and invalid operations are failures even where the
// result would otherwise pass the limits.
TEST_F(TwoOperands, FloatingPointExceptionsFail) {
    EXPECT_EQ(evalRaw(Calc::Multiply, 1e300, 1e300), "error");
    EXPECT_EQ(evalRaw(Calc::Multiply, 1e-200, 1e-200), "error");
    EXPECT_EQ(evalRaw(Calc::Multiply, 1e-200, 0), "0");
    EXPECT_EQ(evalRaw(Calc::Divide, 1e-300, 1e300), "error");
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(evalRaw(Calc::Subtract, inf, inf), "error");
    EXPECT_EQ(evalRaw(Calc::Add, std::numeric_limits<double>::quiet_NaN(), 1), "error");
}

// A denormal operand fails the result like an overflow, even where the arithmetic would
// give a plain number (5e-324 + 1 is 1).
TEST_F(TwoOperands, ADenormalOperandFails) {
    const double denormal = std::numeric_limits<double>::denorm_min();
    EXPECT_EQ(evalRaw(Calc::Add, denormal, 1), "error");
    EXPECT_EQ(evalRaw(Calc::Multiply, 2, -1e-310), "error");
    EXPECT_EQ(evalRaw(Calc::Add, std::numeric_limits<double>::min(), 1), "1") << "the smallest normal";

    TestDatabase sum({{KxFieldType::Number, "N1"}, {KxFieldType::Number, "N2"},
                      {KxFieldType::Calculation, "Total"}});
    define(sum, 2, Calc::Sum);
    const std::size_t i = sum.addRecord({"", "3"});
    FieldValue tiny = FieldValue::newValue(4);
    tiny.setNumber(denormal);
    sum.db.record(i, false).setRawValue(0, tiny.raw());
    EXPECT_EQ(outcome(kxEvaluateCalc(sum.db, 2, sum.db.liveChunk(i))), "error");
}

TEST_F(TwoOperands, AFailedOperandFailsTheResult) {
    define(t, 3, Calc::Divide, 0, 1);
    define(t, 2, Calc::Add, 3, 0);
    const std::size_t i = t.addRecord({"1", "", "", "#"});
    EXPECT_EQ(outcome(kxEvaluateCalc(t.db, 2, t.db.liveChunk(i))), "error");
    define(t, 2, Calc::Multiply, 0, 3);
    EXPECT_EQ(outcome(kxEvaluateCalc(t.db, 2, t.db.liveChunk(i))), "error");
}

TEST_F(TwoOperands, MissingOperandsOrUnknownOperationsGiveNoResult) {
    define(t, 2, Calc::Add, 0, kNoField);
    const std::size_t i = t.addRecord({"1", "2"});
    EXPECT_EQ(outcome(kxEvaluateCalc(t.db, 2, t.db.liveChunk(i))), "none");
    define(t, 2, Calc::Add, 0, 1);
    KxSchemaEditor(t.db).setCalcOperator(2, 7);
    EXPECT_EQ(outcome(kxEvaluateCalc(t.db, 2, t.db.liveChunk(i))), "none");
    EXPECT_EQ(outcome(kxEvaluateCalc(t.db, 0, t.db.liveChunk(i))), "none") << "not a Calculation";
}

// --- aggregates over the form ---

TEST(Aggregates, SumAndAverageSkipEmptyFields) {
    TestDatabase t({{KxFieldType::Number, "N1"}, {KxFieldType::Number, "N2"},
                    {KxFieldType::Number, "N3"}, {KxFieldType::Calculation, "Total"}});
    const std::size_t i = t.addRecord({"2", "", "5"});
    define(t, 3, Calc::Sum);
    EXPECT_EQ(outcome(kxEvaluateCalc(t.db, 3, t.db.liveChunk(i))), "7");
    define(t, 3, Calc::Average);
    EXPECT_EQ(outcome(kxEvaluateCalc(t.db, 3, t.db.liveChunk(i))), "3.5");
    const std::size_t empty = t.addRecord({"", "", "", ""});
    EXPECT_EQ(outcome(kxEvaluateCalc(t.db, 3, t.db.liveChunk(empty))), "none");
}

// Only the average, not the sum on the way to it, has to lie within the limits.
TEST(Aggregates, LimitsApplyToTheFinalResult) {
    TestDatabase t({{KxFieldType::Number, "N1"}, {KxFieldType::Number, "N2"},
                    {KxFieldType::Calculation, "Total"}});
    const std::size_t i = t.addRecord({"999999999999999", "1"});
    define(t, 2, Calc::Sum);
    EXPECT_EQ(outcome(kxEvaluateCalc(t.db, 2, t.db.liveChunk(i))), "error");
    define(t, 2, Calc::Average);
    EXPECT_EQ(outcome(kxEvaluateCalc(t.db, 2, t.db.liveChunk(i))), "500000000000000");
}

TEST(Aggregates, ASumStopsAtTheSumAboveIt) {
    TestDatabase t({{KxFieldType::Number, "N1"}, {KxFieldType::Number, "N2"},
                    {KxFieldType::Calculation, "S1"}, {KxFieldType::Number, "N3"},
                    {KxFieldType::Text, "Note"}, {KxFieldType::Calculation, "Twice N3"},
                    {KxFieldType::Number, "N4"}, {KxFieldType::Calculation, "S2"}});
    define(t, 2, Calc::Sum);
    define(t, 5, Calc::Add, 3, 3);
    define(t, 7, Calc::Sum);
    std::size_t i = t.addRecord({"1", "2", "", "10", "x", "", "100"});
    KxRecordHandle h = t.db.record(i, true);
    kxRecalculateRecord(t.db, h, {});
    EXPECT_EQ(t.text(i, 2), "3");
    // Numbers and other calculations are added, texts are not.
    EXPECT_EQ(t.text(i, 7), "130");
}

TEST(Aggregates, GrandTotalAddsTheSumsAboveUpToTheLastGrandTotal) {
    TestDatabase t({{KxFieldType::Number, "N1"}, {KxFieldType::Calculation, "S1"},
                    {KxFieldType::Number, "N2"}, {KxFieldType::Calculation, "A1"},
                    {KxFieldType::Number, "N3"}, {KxFieldType::Calculation, "S2"},
                    {KxFieldType::Calculation, "G1"}, {KxFieldType::Number, "N4"},
                    {KxFieldType::Calculation, "S3"}, {KxFieldType::Calculation, "G2"}});
    define(t, 1, Calc::Sum);
    define(t, 3, Calc::Average);
    define(t, 5, Calc::Sum);
    define(t, 6, Calc::GrandTotal);
    define(t, 8, Calc::Sum);
    define(t, 9, Calc::GrandTotal);
    const std::size_t i = t.addRecord({"1", "", "10", "", "100", "", "", "1000"});
    KxRecordHandle h = t.db.record(i, true);
    EXPECT_EQ(kxRecalculateRecord(t.db, h, {}), 6u);
    EXPECT_EQ(t.text(i, 1), "1");
    EXPECT_EQ(t.text(i, 3), "10");   // stops at S1
    EXPECT_EQ(t.text(i, 5), "100");  // stops at A1
    EXPECT_EQ(t.text(i, 6), "101");  // S1 + S2; A1 and the numbers are ignored
    EXPECT_EQ(t.text(i, 8), "1000"); // stops at G1
    EXPECT_EQ(t.text(i, 9), "1000"); // stops at G1
}

TEST(Aggregates, FailuresAreCarriedUpward) {
    TestDatabase t({{KxFieldType::Number, "N1"}, {KxFieldType::Number, "N2"},
                    {KxFieldType::Calculation, "Ratio"}, {KxFieldType::Calculation, "S1"},
                    {KxFieldType::Calculation, "G1"}});
    define(t, 2, Calc::Divide, 0, 1);
    define(t, 3, Calc::Sum);
    define(t, 4, Calc::GrandTotal);
    const std::size_t i = t.addRecord({"1", "0"});
    KxRecordHandle h = t.db.record(i, true);
    kxRecalculateRecord(t.db, h, {});
    EXPECT_EQ(t.text(i, 2), "###############");
    EXPECT_EQ(t.text(i, 3), "###############");
    EXPECT_EQ(t.text(i, 4), "###############");
}

TEST(Aggregates, OverflowWhileAddingFails) {
    TestDatabase t({{KxFieldType::Number, "N1"}, {KxFieldType::Number, "N2"},
                    {KxFieldType::Calculation, "Average"}});
    define(t, 2, Calc::Average);
    const std::size_t i = t.addRecord({});
    FieldValue big = FieldValue::newValue(4);
    big.setNumber(1e308);
    t.db.record(i, false).setRawValue(0, big.raw());
    t.db.record(i, false).setRawValue(1, big.raw());
    EXPECT_EQ(outcome(kxEvaluateCalc(t.db, 2, t.db.liveChunk(i))), "error");
}

TEST(Aggregates, ACalculationOffTheFormHasNothingAboveIt) {
    TestDatabase t({{KxFieldType::Number, "N1"}, {KxFieldType::Calculation, "Total"}});
    define(t, 1, Calc::Sum);
    KxSchemaEditor(t.db).deleteItem(0, 1);
    const std::size_t i = t.addRecord({"5"});
    EXPECT_EQ(outcome(kxEvaluateCalc(t.db, 1, t.db.liveChunk(i))), "none");
}

// --- recalculation ---

// A calculation sees the fresh result of one above it on the form; those off the form come
// last, in field order.
TEST(Recalculation, FollowsTheFormThenTheFieldsOffIt) {
    TestDatabase t({{KxFieldType::Number, "A"}, {KxFieldType::Calculation, "Double"},
                    {KxFieldType::Calculation, "Triple"}, {KxFieldType::Calculation, "Off"}});
    define(t, 1, Calc::Add, 0, 0);
    define(t, 2, Calc::Add, 1, 0);
    define(t, 3, Calc::Add, 2, 0);
    KxSchemaEditor schema(t.db);
    schema.deleteItem(0, 3);
    EXPECT_EQ(kxCalculationOrder(t.db.header()), (std::vector<std::size_t>{1, 2, 3}));
    const std::size_t i = t.addRecord({"5"});
    {
        KxRecordHandle h = t.db.record(i, true);
        kxRecalculateRecord(t.db, h, {});
    }
    EXPECT_EQ(t.text(i, 2), "15");
    EXPECT_EQ(t.text(i, 3), "20");

    // Triple above Double: it sees Double's old value.
    schema.moveItem(0, 2, 1);
    EXPECT_EQ(kxCalculationOrder(t.db.header()), (std::vector<std::size_t>{2, 1, 3}));
    t.db.record(i, false).setRawValue(0, t.parse(0, "1")->raw());
    {
        KxRecordHandle h = t.db.record(i, true);
        kxRecalculateRecord(t.db, h, {});
    }
    EXPECT_EQ(t.text(i, 1), "2");
    EXPECT_EQ(t.text(i, 2), "11");
    EXPECT_EQ(t.text(i, 3), "12");
}

TEST(Recalculation, NoResultEmptiesTheField) {
    TestDatabase t({{KxFieldType::Number, "A"}, {KxFieldType::Text, "Note"},
                    {KxFieldType::Calculation, "Double"}});
    define(t, 2, Calc::Add, 0, 0);
    const std::size_t i = t.addRecord({"", "keep", "42"});
    KxRecordHandle h = t.db.record(i, true);
    EXPECT_EQ(kxRecalculateRecord(t.db, h, {}), 1u);
    EXPECT_EQ(t.text(i, 2), "");
}

TEST(Recalculation, AResultThatDoesNotFitIsReportedAndTheNextOneGoesOn) {
    TestDatabase t({{KxFieldType::Text, "Notes"}, {KxFieldType::Number, "A"},
                    {KxFieldType::Calculation, "First"}, {KxFieldType::Calculation, "Second"}});
    define(t, 2, Calc::Add, 1, 1);
    define(t, 3, Calc::Multiply, 1, 1);
    // 30 fixed bytes, 4 offsets, 65210 bytes of text, a number and one result: 65274 bytes.
    const std::size_t i = t.addRecord({std::string(65209, 'n'), "3", "", "1"});
    ASSERT_EQ(t.db.liveChunk(i).byteSize(), 65274u);
    std::vector<KxDbError> errors;
    KxRecordHandle h = t.db.record(i, true);
    EXPECT_EQ(kxRecalculateRecord(t.db, h, [&](KxDbError e) { errors.push_back(e); }), 1u);
    EXPECT_EQ(errors, std::vector<KxDbError>{KxDbError::TooLarge});
    EXPECT_EQ(t.text(i, 2), "");
    EXPECT_EQ(t.text(i, 3), "9");
}

TEST(Recalculation, AllRecordsLiveAndDeletedWithProgress) {
    TestDatabase t({{KxFieldType::Number, "A"}, {KxFieldType::Calculation, "Double"},
                    {KxFieldType::Calculation, "Square"}});
    define(t, 1, Calc::Add, 0, 0);
    define(t, 2, Calc::Multiply, 0, 0);
    t.addRecord({"2"});
    t.addRecord({"3"});
    t.addDeletedRecord({"4"});
    std::vector<std::pair<std::uint32_t, std::uint32_t>> calls;
    t.db.setProgress([&](std::uint32_t done, std::uint32_t total) { calls.emplace_back(done, total); });
    kxRecalculateAllRecords(t.db, {});
    EXPECT_EQ(t.column(1), (std::vector<std::string>{"4", "6"}));
    EXPECT_EQ(t.column(2), (std::vector<std::string>{"4", "9"}));
    EXPECT_EQ(t.deletedText(0, 2), "16");
    ASSERT_EQ(calls.size(), 6u);
    EXPECT_EQ(calls.back(), std::make_pair(6u, 6u));
}

// Recomputing after a schema change that leaves a record's results as they were does not
// mark the record changed.
TEST(Recalculation, RecordsWhoseResultsStayAreNotMarked) {
    FixedClock clock(5000);
    TestDatabase t({{KxFieldType::Number, "A"}, {KxFieldType::Number, "B"},
                    {KxFieldType::Calculation, "Sum"}});
    define(t, 2, Calc::Add, 0, 1);
    t.addRecord({"2", "0"});
    t.addRecord({"3", "1"});
    kxRecalculateAllRecords(t.db, {});
    for (std::size_t i = 0; i < 2; ++i) {
        KxRecordHandle h = t.db.record(i, false);
        h.setAttributes(static_cast<std::uint8_t>(h.attributes() & ~kAttrDirty));
    }
    clock.set(6000);
    define(t, 2, Calc::Subtract, 0, 1); // 2 - 0 stays 2; 3 - 1 becomes 2
    kxRecalculateAllRecords(t.db, {});
    EXPECT_EQ(t.column(2), (std::vector<std::string>{"2", "2"}));
    EXPECT_EQ(t.db.liveAttributes(0) & kAttrDirty, 0);
    EXPECT_EQ(t.db.liveChunk(0).modified, 5000u);
    EXPECT_NE(t.db.liveAttributes(1) & kAttrDirty, 0);
    EXPECT_EQ(t.db.liveChunk(1).modified, 6000u);
}

} // namespace
