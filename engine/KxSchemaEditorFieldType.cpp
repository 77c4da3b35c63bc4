// Changing a field's type.

#include "engine/KxSchemaEditor.h"

#include "engine/KxItemListChunk.h"
#include "engine/KxDatabase.h"
#include "engine/KxRecordChunk.h"
#include "engine/KxSearchChunk.h"
#include "engine/ValueConversion.h"

namespace {

bool hasItemList(KxFieldType t) {
    return t == KxFieldType::Text || t == KxFieldType::MultipleChoice;
}

// The new bytes of one stored value; empty empties the field.
std::vector<std::uint8_t> convertedValue(std::span<const std::uint8_t> bytes, KxFieldType from,
                                         KxFieldType to) {
    // An empty Checkbox converts as unchecked; every other empty value stays empty.
    if (bytes.empty() && from != KxFieldType::Checkbox) return {};
    return kxConvertRawValue(from, to, bytes);
}

} // namespace

void KxSchemaEditor::setFieldType(std::size_t position, KxFieldType type) {
    KxFieldDef& field = fieldAt(position);
    const KxFieldType old = field.type;
    if (old == type) return;
    refuseWhileHeld(position); // its list may go, and so may records whose only value it holds
    if (type == KxFieldType::Calculation && !field.calc) requireRoom(8);

    // Every record's new value is worked out before anything changes: a value that grows
    // (a number becoming text) may not push its record past 65280 bytes, or the file would
    // not open again. Live records come first, then the deleted ones.
    const std::size_t live = db_.liveCount();
    const std::size_t deleted = db_.deletedCount();
    std::vector<std::vector<std::uint8_t>> values(live + deleted);
    for (std::size_t r = 0; r < live + deleted; ++r) {
        const KxRecordChunk& record = db_.recordAt(db_.liveBase() + r);
        const auto bytes = record.value(position);
        values[r] = convertedValue(bytes, old, type);
        if (std::size_t{record.byteSize()} - bytes.size() + values[r].size() > kMaxChunkSize)
            throw KxDbError::TooLarge;
    }

    // The new type's extra data next, so that a refusal leaves everything as it was.
    KxItemListChunk* newList = nullptr;
    if (hasItemList(type)) {
        const KxChunkTag tag = type == KxFieldType::Text ? KxChunkTag::TextList : KxChunkTag::ChoiceList;
        newList = static_cast<KxItemListChunk*>(db_.addChunk(
            std::make_unique<KxItemListChunk>(tag, static_cast<std::uint8_t>(position))));
    }
    if (field.itemList) db_.removeChunk(field.itemList);
    field.itemList = newList;
    field.typeOption = 0;
    field.calc.reset();
    if (type == KxFieldType::Calculation) field.calc = KxCalcBlock{};
    field.type = type;
    db_.undo_.reset();

    // Deleted records are converted too, so that undeleting one never brings back bytes of
    // the old type.
    for (std::size_t j = deleted; j-- > 0;)
        db_.recordAt(db_.deletedBase() + j).setValue(position, values[live + j]);
    // The first removal may create the removal log, which moves every record down by one:
    // positions are taken afresh for each record.
    for (std::size_t i = live; i-- > 0;) {
        KxRecordChunk& record = db_.recordAt(db_.liveBase() + i);
        record.setValue(position, values[i]);
        if (record.isEmpty()) db_.eraseRecordEntry(db_.liveBase() + i, false, true);
    }

    if (KxSearchChunk* searches = storedSearches())
        for (auto& search : searches->searches)
            std::erase_if(search.criteria,
                          [&](const KxStoredCriterion& c) { return c.field == position; });
}
