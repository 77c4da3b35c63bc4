#include "transfer/NewRecordBuilder.h"

#include "KxDatabase.h"
#include "RecordHandle.h"

KxNewRecordBuilder::KxNewRecordBuilder(const KxDatabase& db)
    : db_(db), record_(db.header().fields.size()), calculations_(kxCalculationOrder(db.header())) {}

void KxNewRecordBuilder::reset() {
    for (std::size_t field = 0; field < record_.valueCount(); ++field) record_.setValue(field, {});
}

void KxNewRecordBuilder::storeBytes(std::size_t field, std::span<const std::uint8_t> bytes) {
    if (field >= record_.valueCount()) throw KxDbError::LimitReached;
    const std::size_t old = record_.value(field).size();
    if (std::size_t{record_.byteSize()} - old + bytes.size() > kMaxChunkSize) throw KxDbError::TooLarge;
    record_.setValue(field, bytes);
}

void KxNewRecordBuilder::store(std::size_t field, const FieldValue& value) {
    storeBytes(field, value.raw());
}

void KxNewRecordBuilder::recalculate(const KxCalcStoreError& onError) {
    for (std::size_t field : calculations_) {
        const auto result = evaluateCalc(db_, field, record_);
        try {
            storeBytes(field, result ? result->raw() : std::span<const std::uint8_t>());
        } catch (KxDbError e) {
            if (onError) onError(e);
        }
    }
}

std::size_t KxNewRecordBuilder::addTo(KxDatabase& db, std::uint16_t category,
                                      const KxRecordInfo* sourceInfo) const {
    std::size_t position = db.liveCount();
    KxRecordHandle handle = db.newRecord(position, true);
    if (sourceInfo) handle.setIdentity(sourceInfo->identity);
    handle.setCategory(category);
    for (std::size_t field = 0; field < record_.valueCount(); ++field) {
        const auto bytes = record_.value(field);
        if (!bytes.empty()) handle.setRawValue(field, bytes);
    }
    if (sourceInfo) handle.setModificationTime(sourceInfo->modified);
    return position;
}
