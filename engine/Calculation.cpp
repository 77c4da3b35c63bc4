#include "Calculation.h"

#include "KxDatabase.h"
#include "RecordChunk.h"
#include "RecordHandle.h"
#include "values/RawBytes.h"

#include <cfenv>
#include <cmath>
#include <cstring>

namespace {

// Exceptions other than an inexact result make the arithmetic fail; a result too small to
// be normal counts as an underflow.
bool arithmeticFailed(double result) {
    const bool flagged = std::fetestexcept(FE_OVERFLOW | FE_UNDERFLOW | FE_INVALID | FE_DIVBYZERO) != 0;
    std::feclearexcept(FE_ALL_EXCEPT);
    return flagged || std::isnan(result) || std::isinf(result) ||
           std::fpclassify(result) == FP_SUBNORMAL;
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
    case KxFieldType::Number: o.value = kxraw::f64(b); break;
    case KxFieldType::Calculation:
        o.value = kxraw::f64(b);
        o.failed = kxraw::i16(b + 8) != 0;
        break;
    case KxFieldType::Integer: o.value = kxraw::i32(b); break;
    default: o.present = false; break;
    }
    return o;
}

std::optional<FieldValue> evaluateBinary(const KxHeaderChunk& h, const KxCalcBlock& calc,
                                         const KxRecordChunk& record) {
    const std::size_t n = h.fields.size();
    if (calc.first >= n || calc.second >= n) return std::nullopt;
    const Operand a = readOperand(h, record, calc.first);
    const Operand b = readOperand(h, record, calc.second);
    if (!a.present && !b.present) return std::nullopt;
    if (a.failed || b.failed) return makeResult(0, true);
    std::feclearexcept(FE_ALL_EXCEPT);
    volatile double x = a.value, y = b.value; // keeps the arithmetic where the flags are read
    double r = 0;
    switch (static_cast<KxCalcOperation>(calc.op)) {
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

std::optional<FieldValue> evaluateAggregate(const KxHeaderChunk& h, std::size_t field,
                                            KxCalcOperation op, const KxRecordChunk& record) {
    if (h.currentLayout() >= h.layouts.size()) return std::nullopt;
    const auto& items = h.layouts[h.currentLayout()].items;
    bool reached = false;
    std::size_t counted = 0;
    volatile double sum = 0;
    std::feclearexcept(FE_ALL_EXCEPT);
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
        if (!collect) continue;
        const Operand o = readOperand(h, record, f);
        if (!o.present) continue;
        ++counted;
        if (o.failed) return makeResult(0, true);
        sum = sum + o.value;
        if (arithmeticFailed(sum)) return makeResult(0, true);
    }
    if (counted == 0) return std::nullopt;
    double result = sum;
    if (op == KxCalcOperation::Average) {
        volatile double divided = result / static_cast<double>(counted);
        result = divided;
        if (arithmeticFailed(result)) return makeResult(0, true);
    }
    return makeResult(result, false);
}

} // namespace

std::optional<FieldValue> evaluateCalc(const KxDatabase& db, std::size_t field,
                                       const KxRecordChunk& record) {
    const KxHeaderChunk& h = db.header();
    if (field >= h.fields.size() || !h.fields[field].calc) return std::nullopt;
    const KxCalcBlock& calc = *h.fields[field].calc;
    const auto op = static_cast<KxCalcOperation>(calc.op);
    if (op <= KxCalcOperation::Divide) return evaluateBinary(h, calc, record);
    if (op <= KxCalcOperation::GrandTotal) return evaluateAggregate(h, field, op, record);
    return std::nullopt;
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

std::size_t recalculateRecord(KxDatabase& db, KxRecordHandle& record, const KxCalcStoreError& onError) {
    std::size_t stored = 0;
    for (std::size_t field : kxCalculationOrder(db.header())) {
        const auto result = evaluateCalc(db, field, record.chunk());
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

void recalculateAllRecords(KxDatabase& db, const KxCalcStoreError& onError) {
    const auto order = kxCalculationOrder(db.header());
    const std::size_t live = db.liveCount();
    const std::size_t records = live + db.deletedCount();
    const auto total = static_cast<std::uint32_t>(order.size() * records);
    std::uint32_t step = 0;
    for (std::size_t r = 0; r < records; ++r) {
        KxRecordHandle handle = r < live ? db.record(r, true) : db.deletedRecord(r - live, true);
        for (std::size_t field : order) {
            const auto result = evaluateCalc(db, field, handle.chunk());
            try {
                if (result)
                    handle.setRawValue(field, result->raw());
                else
                    handle.clearValue(field);
            } catch (KxDbError e) {
                if (onError) onError(e);
            }
            db.reportProgress(++step, total);
        }
    }
}
