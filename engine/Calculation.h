#pragma once
// Calculation fields: the sum, difference, product or quotient of two fields, or the sum or
// average of the Number fields above the field on the form, or the grand total of the sums
// above it. Results are stored in the record like any other value.

#include "engine/KxHeaderChunk.h"
#include "engine/KxDbError.h"
#include "engine/values/FieldValue.h"

#include <functional>
#include <optional>

class KxDatabase;
class KxRecordChunk;
class KxRecordHandle;

enum class KxCalcOperation : std::uint8_t {
    Add = 0, Subtract = 1, Multiply = 2, Divide = 3, Sum = 4, Average = 5, GrandTotal = 6,
};

// The largest magnitude a result may have, and the smallest non-zero one.
inline constexpr double kCalcMaxMagnitude = 999999999999999.0;
inline constexpr double kCalcMinMagnitude = 1e-15;

// The result of the Calculation field at `field` for the record: a value of type 9 (its
// error flag set when the arithmetic failed) or none when there is nothing to compute.
std::optional<FieldValue> kxEvaluateCalc(const KxDatabase& db, std::size_t field,
                                       const KxRecordChunk& record);

// Called for a result that could not be stored; the recalculation goes on.
using KxCalcStoreError = std::function<void(KxDbError)>;

// Recomputes every Calculation field of one record in form order, storing each result at
// once so that a calculation below sees the fresh result of one above. Returns how many
// fields were stored (results or emptied fields).
std::size_t kxRecalculateRecord(KxDatabase& db, KxRecordHandle& record, const KxCalcStoreError& onError);

// Recomputes every Calculation field of every record, live and deleted, with progress
// (one step per Calculation field and record).
void kxRecalculateAllRecords(KxDatabase& db, const KxCalcStoreError& onError);

// The Calculation fields in the order they are computed: the current form's order, then any
// that are not on the form, in field order.
std::vector<std::size_t> kxCalculationOrder(const KxHeaderChunk& header);
