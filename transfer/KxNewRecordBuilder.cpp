#include "transfer/KxNewRecordBuilder.h"

#include "engine/KxDatabase.h"
#include "engine/KxRecordHandle.h"

#include <algorithm>

KxNewRecordBuilder::KxNewRecordBuilder(const KxDatabase& db)
    : db_(db), slots_(db.header().fields.size()), calculations_(kxCalculationOrder(db.header())),
      record_(db.header().fields.size()) {}

void KxNewRecordBuilder::reset() {
    std::fill(slots_.begin(), slots_.end(), Slot{});
    bytes_.clear();
    valueBytes_ = 0;
    joined_ = false;
}

std::span<const std::uint8_t> KxNewRecordBuilder::raw(std::size_t field) const {
    const Slot& slot = slots_.at(field);
    return {bytes_.data() + slot.offset, slot.size};
}

// The bytes, then that many NULs.
void KxNewRecordBuilder::storeBytes(std::size_t field, std::span<const std::uint8_t> bytes, std::size_t padding) {
    if (field >= slots_.size()) throw KxDbError::LimitReached;
    const std::size_t size = bytes.size() + padding;
    const std::size_t values = valueBytes_ - slots_[field].size + size;
    if (KxRecordChunk::kFixedSize + 4 * slots_.size() + values > kMaxChunkSize) throw KxDbError::TooLarge;
    slots_[field] = {bytes_.size(), size};
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    bytes_.resize(bytes_.size() + padding);
    valueBytes_ = values;
    // While the joined record is up to date (during a recalculation) it follows at once, so
    // that a calculation sees the results above it.
    if (joined_) record_.setValue(field, raw(field));
}

void KxNewRecordBuilder::store(std::size_t field, const FieldValue& value) {
    storeBytes(field, value.raw());
}

void KxNewRecordBuilder::storeText(std::size_t field, std::string_view text) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    storeBytes(field, {bytes, text.size()}, FieldValue::textPadding(text.size()));
}

const KxRecordChunk& KxNewRecordBuilder::record() const {
    if (!joined_) {
        views_.resize(slots_.size());
        for (std::size_t field = 0; field < slots_.size(); ++field) views_[field] = raw(field);
        record_.setValues(views_);
        joined_ = true;
    }
    return record_;
}

void KxNewRecordBuilder::recalculate(const KxCalcStoreError& onError) {
    for (std::size_t field : calculations_) {
        const auto result = kxEvaluateCalc(db_, field, record());
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
    // The joined values go over to the record; they are joined again for the next one.
    record();
    handle.takeRawValues(record_);
    joined_ = false;
    if (sourceInfo) handle.setModificationTime(sourceInfo->modified);
    return position;
}
