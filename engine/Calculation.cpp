#include "engine/Calculation.h"

#include "engine/KxDatabase.h"
#include "engine/KxRecordChunk.h"
#include "engine/KxRecordHandle.h"
#include "engine/values/RawBytes.h"

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <cstring>

namespace {

// Exceptions other than an inexact result make the arithmetic fail. The flags are sticky
// until cleared, and clearing them is slow (the whole floating-point environment is stored
// and loaded), so they are cleared only when one of them is set.
constexpr int kFailureFlags = FE_OVERFLOW | FE_UNDERFLOW | FE_INVALID | FE_DIVBYZERO;

void clearFailureFlags() {
    if (std::fetestexcept(kFailureFlags)) std::feclearexcept(kFailureFlags);
}

// A result that is no number, infinite or too small to be normal fails too.
bool unusable(double result) {
    return std::isnan(result) || std::isinf(result) || std::fpclassify(result) == FP_SUBNORMAL;
}

bool arithmeticFailed(double result) {
    const bool flagged = std::fetestexcept(kFailureFlags) != 0;
    if (flagged) std::feclearexcept(kFailureFlags);
    return flagged || unusable(result);
}

FieldValue makeResult(double value, bool failed) {
    FieldValue result = FieldValue::newValue(static_cast<int>(KxFieldType::Calculation));
    const double magnitude = std::fabs(value);
    if (!failed && (magnitude > kCalcMaxMagnitude || (value != 0 && magnitude < kCalcMinMagnitude)))
        failed = true;
    result.setCalcResult(failed ? 0 : value, failed);
    return result;
}

struct Operand {
    bool present = false;
    double value = 0;
    bool failed = false;
};

Operand readOperand(const KxHeaderChunk& h, const KxRecordChunk& record, std::size_t field) {
    Operand o;
    const auto raw = record.value(field);
    if (raw.empty()) return o;
    std::uint8_t b[10] = {};
    std::memcpy(b, raw.data(), std::min(raw.size(), sizeof b));
    o.present = true;
    switch (h.fields[field].type) {
    case KxFieldType::Number: o.value = kx::raw::f64(b); break;
    case KxFieldType::Calculation:
        o.value = kx::raw::f64(b);
        o.failed = kx::raw::i16(b + 8) != 0;
        break;
    case KxFieldType::Integer: o.value = kx::raw::i32(b); break;
    default: o.present = false; break;
    }
    // A denormal operand raises the denormal exception, which fails the arithmetic as an
    // overflow does; the arithmetic itself would quietly treat it as the number it is.
    if (std::fpclassify(o.value) == FP_SUBNORMAL) o.failed = true;
    return o;
}

// What a Calculation field reads, worked out from the schema alone, so that a recalculation
// of every record walks the form once per field rather than once per field and record.
struct CalcPlan {
    enum class Kind { NoResult, Binary, Aggregate } kind = Kind::NoResult;
    KxCalcOperation op = KxCalcOperation::Add;
    std::uint8_t first = kNoField;
    std::uint8_t second = kNoField;
    std::vector<std::size_t> collected; // an aggregate's fields, from the nearest one upwards
};

// The fields an aggregate adds: walking the form from the bottom, nothing counts until the
// field itself is reached; above it Sum and Average take Number fields and calculations up
// to the next Sum, Average or Grand Total, and Grand Total takes Sum fields up to the next
// Grand Total.
std::vector<std::size_t> aggregatedFields(const KxHeaderChunk& h, std::size_t field, KxCalcOperation op) {
    std::vector<std::size_t> collected;
    if (h.currentLayout() >= h.layouts.size()) return collected;
    const auto& items = h.layouts[h.currentLayout()].items;
    bool reached = false;
    for (std::size_t i = items.size(); i-- > 0;) {
        const std::size_t f = items[i].field;
        if (f >= h.fields.size()) continue;
        if (!reached) {
            reached = f == field;
            continue;
        }
        const KxFieldDef& def = h.fields[f];
        const bool isCalc = def.type == KxFieldType::Calculation && def.calc;
        const auto otherOp = isCalc ? static_cast<KxCalcOperation>(def.calc->op) : KxCalcOperation::Add;
        bool collect = false;
        if (op == KxCalcOperation::GrandTotal) {
            if (isCalc && otherOp == KxCalcOperation::GrandTotal) break;
            collect = isCalc && otherOp == KxCalcOperation::Sum;
        } else {
            if (isCalc && otherOp >= KxCalcOperation::Sum && otherOp <= KxCalcOperation::GrandTotal) break;
            collect = def.type == KxFieldType::Number || isCalc;
        }
        if (collect) collected.push_back(f);
    }
    return collected;
}

CalcPlan planFor(const KxHeaderChunk& h, std::size_t field) {
    CalcPlan plan;
    if (field >= h.fields.size() || !h.fields[field].calc) return plan;
    const KxCalcBlock& calc = *h.fields[field].calc;
    plan.op = static_cast<KxCalcOperation>(calc.op);
    if (plan.op <= KxCalcOperation::Divide) {
        if (calc.first >= h.fields.size() || calc.second >= h.fields.size()) return plan;
        plan.kind = CalcPlan::Kind::Binary;
        plan.first = calc.first;
        plan.second = calc.second;
    } else if (plan.op <= KxCalcOperation::GrandTotal) {
        plan.kind = CalcPlan::Kind::Aggregate;
        plan.collected = aggregatedFields(h, field, plan.op);
    }
    return plan;
}

std::optional<FieldValue> evaluateBinary(const KxHeaderChunk& h, const CalcPlan& plan,
                                         const KxRecordChunk& record) {
    const Operand a = readOperand(h, record, plan.first);
    const Operand b = readOperand(h, record, plan.second);
    if (!a.present && !b.present) return std::nullopt;
    if (a.failed || b.failed) return makeResult(0, true);
    clearFailureFlags();
    volatile double x = a.value, y = b.value; // keeps the arithmetic where the flags are read
    double r = 0;
    switch (plan.op) {
    case KxCalcOperation::Add: r = x + y; break;
    case KxCalcOperation::Subtract: r = x - y; break;
    case KxCalcOperation::Multiply: r = x * y; break;
    case KxCalcOperation::Divide:
        if (y == 0) return makeResult(0, true);
        r = x / y;
        break;
    default: return std::nullopt;
    }
    return makeResult(r, arithmeticFailed(r));
}

// Empty fields are skipped and not counted; a failed one, or a failing addition, fails the
// result. Since the flags stay set, the exceptions of all the additions are read once at
// the end.
std::optional<FieldValue> evaluateAggregate(const KxHeaderChunk& h, const CalcPlan& plan,
                                            const KxRecordChunk& record) {
    std::size_t counted = 0;
    volatile double sum = 0;
    clearFailureFlags();
    for (std::size_t f : plan.collected) {
        const Operand o = readOperand(h, record, f);
        if (!o.present) continue;
        ++counted;
        if (o.failed) return makeResult(0, true);
        sum = sum + o.value;
        if (unusable(sum)) return makeResult(0, true);
    }
    if (counted == 0) return std::nullopt;
    double result = sum;
    if (arithmeticFailed(result)) return makeResult(0, true);
    if (plan.op == KxCalcOperation::Average) {
        volatile double divided = result / static_cast<double>(counted);
        result = divided;
        if (arithmeticFailed(result)) return makeResult(0, true);
    }
    return makeResult(result, false);
}

std::optional<FieldValue> evaluatePlan(const KxHeaderChunk& h, const CalcPlan& plan,
                                       const KxRecordChunk& record) {
    switch (plan.kind) {
    case CalcPlan::Kind::Binary: return evaluateBinary(h, plan, record);
    case CalcPlan::Kind::Aggregate: return evaluateAggregate(h, plan, record);
    default: return std::nullopt;
    }
}

// The Calculation fields in the order they are computed, each with its plan.
std::vector<std::pair<std::size_t, CalcPlan>> plansInOrder(const KxHeaderChunk& h) {
    std::vector<std::pair<std::size_t, CalcPlan>> plans;
    for (std::size_t field : kxCalculationOrder(h)) plans.emplace_back(field, planFor(h, field));
    return plans;
}

} // namespace

std::optional<FieldValue> kxEvaluateCalc(const KxDatabase& db, std::size_t field,
                                       const KxRecordChunk& record) {
    return evaluatePlan(db.header(), planFor(db.header(), field), record);
}

std::vector<std::size_t> kxCalculationOrder(const KxHeaderChunk& h) {
    std::vector<std::size_t> order;
    std::vector<bool> seen(h.fields.size(), false);
    if (h.currentLayout() < h.layouts.size())
        for (const auto& item : h.layouts[h.currentLayout()].items)
            if (item.field < h.fields.size() && !seen[item.field] &&
                h.fields[item.field].type == KxFieldType::Calculation) {
                seen[item.field] = true;
                order.push_back(item.field);
            }
    for (std::size_t f = 0; f < h.fields.size(); ++f)
        if (!seen[f] && h.fields[f].type == KxFieldType::Calculation) order.push_back(f);
    return order;
}

std::size_t kxRecalculateRecord(KxDatabase& db, KxRecordHandle& record, const KxCalcStoreError& onError) {
    std::size_t stored = 0;
    for (const auto& [field, plan] : plansInOrder(db.header())) {
        const auto result = evaluatePlan(db.header(), plan, record.chunk());
        try {
            if (result)
                record.setRawValue(field, result->raw());
            else
                record.clearValue(field);
            ++stored;
        } catch (KxDbError e) {
            if (onError) onError(e);
        }
    }
    return stored;
}

void kxRecalculateAllRecords(KxDatabase& db, const KxCalcStoreError& onError) {
    const auto plans = plansInOrder(db.header());
    const std::size_t live = db.liveCount();
    const std::size_t records = live + db.deletedCount();
    const auto total = static_cast<std::uint32_t>(plans.size() * records);
    std::uint32_t step = 0;
    for (std::size_t r = 0; r < records; ++r) {
        KxRecordHandle handle = r < live ? db.record(r, true) : db.deletedRecord(r - live, true);
        for (const auto& [field, plan] : plans) {
            const auto result = evaluatePlan(db.header(), plan, handle.chunk());
            const auto bytes = result ? result->raw() : std::span<const std::uint8_t>();
            const auto stored = handle.chunk().value(field);
            // A result equal to the stored one is left alone: a record whose results did not
            // change is not marked changed.
            if (!std::equal(bytes.begin(), bytes.end(), stored.begin(), stored.end())) {
                try {
                    handle.setRawValue(field, bytes);
                } catch (KxDbError e) {
                    if (onError) onError(e);
                }
            }
            db.reportProgress(++step, total);
        }
    }
}
