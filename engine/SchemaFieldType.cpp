// Changing a field's type.

#include "SchemaEditor.h"

#include "ItemListChunk.h"
#include "KxDatabase.h"
#include "RecordChunk.h"
#include "SearchChunk.h"
#include "ValueConversion.h"

namespace {

bool hasItemList(KxFieldType t) {
    return t == KxFieldType::Text || t == KxFieldType::MultipleChoice;
}

// Converts one stored value; an empty result empties the field.
void convertStored(KxRecordChunk& record, std::size_t field, KxFieldType from, KxFieldType to) {
    const auto bytes = record.value(field);
    // An empty Checkbox converts as unchecked; every other empty value stays empty.
    if (bytes.empty() && from != KxFieldType::Checkbox) return;
    record.setValue(field, kxConvertRawValue(from, to, bytes));
}

} // namespace

void KxSchemaEditor::setFieldType(std::size_t position, KxFieldType type) {
    KxHeaderChunk& h = header();
    KxFieldDef& field = fieldAt(position);
    const KxFieldType old = field.type;
    if (old == type) return;
    refuseWhileHeld(position); // its list may go, and so may records whose only value it holds
    if (type == KxFieldType::Calculation && !field.calc) requireRoom(8);

    // The new type's extra data first, so that a refusal leaves everything as it was.
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
    const std::size_t base = db_.schemaChunkCount();
    const std::size_t live = db_.liveCount();
    for (std::size_t i = db_.deletedCount(); i-- > 0;)
        convertStored(db_.recordAt(base + live + i), position, old, type);
    for (std::size_t i = live; i-- > 0;) {
        KxRecordChunk& record = db_.recordAt(base + i);
        convertStored(record, position, old, type);
        if (record.isEmpty()) db_.eraseRecordEntry(base + i, false, true);
    }

    auto& searches = db_.searchChunk().searches;
    for (auto& search : searches)
        std::erase_if(search.criteria,
                      [&](const KxStoredCriterion& c) { return c.field == position; });
}
