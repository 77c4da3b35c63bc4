// Adding and deleting fields, and their labels, type options and calculation blocks.

#include "engine/KxSchemaEditor.h"

#include "engine/KxItemListChunk.h"
#include "engine/KxDatabase.h"
#include "engine/KxRecordChunk.h"
#include "engine/KxSearchChunk.h"

#include <algorithm>
#include <new>
#include <utility>

namespace {

constexpr std::size_t kEmptyDefinitionSize = 14;
constexpr std::size_t kValueSlotSize = 4;

// What a reference to a field becomes when field p goes: later fields move down by one; the
// markers 254 (category) and 255 (none, or any field) are no fields and stay.
bool shiftPast(std::uint8_t& ref, std::size_t p) {
    if (ref == p) return false;
    if (ref > p && ref < kCategoryField) --ref;
    return true;
}

// Removes the elements that name field p and renumbers the rest.
template <typename Element>
void dropFieldFrom(std::vector<Element>& elements, std::size_t p) {
    std::erase_if(elements, [&](Element& e) { return !shiftPast(e.field, p); });
}

std::size_t valueBytes(const KxRecordChunk& record) {
    return record.byteSize() - KxRecordChunk::kFixedSize - 4 * record.valueCount();
}

} // namespace

std::size_t KxSchemaEditor::fieldCount() const { return header().fields.size(); }

KxFieldType KxSchemaEditor::fieldType(std::size_t position) const {
    return fieldAt(position).type;
}

std::size_t KxSchemaEditor::addField() {
    KxHeaderChunk& h = header();
    if (h.fields.size() >= KxHeaderChunk::kMaxFields) throw KxDbError::LimitReached;
    requireRoom(kEmptyDefinitionSize);
    const std::size_t first = db_.schemaChunkCount();
    const std::size_t end = db_.directory_.size();
    for (std::size_t k = first; k < end; ++k)
        if (db_.recordAt(k).byteSize() + kValueSlotSize > kMaxChunkSize) throw KxDbError::TooLarge;

    const std::size_t slot = h.fields.size();
    std::size_t done = first;
    try {
        for (; done < end; ++done) db_.recordAt(done).insertValue(slot);
        h.fields.emplace_back();
    } catch (const std::bad_alloc&) {
        // Every record keeps exactly one value per field: take back what was added.
        for (std::size_t k = first; k < done; ++k) db_.recordAt(k).eraseValue(slot);
        throw KxDbError::OutOfMemory;
    }
    // The undo copy has one value fewer than the record now has.
    db_.undo_.reset();
    return h.fields.size() - 1;
}

void KxSchemaEditor::deleteField(std::size_t position) {
    KxHeaderChunk& h = header();
    KxFieldDef& doomed = fieldAt(position);
    refuseWhileHeld(position);

    if (doomed.itemList) db_.removeChunk(doomed.itemList);
    h.fields.erase(h.fields.begin() + static_cast<std::ptrdiff_t>(position));
    for (auto& field : h.fields) {
        if (!field.calc) continue;
        if (!shiftPast(field.calc->first, position)) field.calc->first = kNoField;
        if (!shiftPast(field.calc->second, position)) field.calc->second = kNoField;
    }
    dropValues(position);
    dropReferences(position);
    for (std::size_t p = 0; p < h.fields.size(); ++p)
        if (h.fields[p].itemList) h.fields[p].itemList->setFieldPosition(static_cast<std::uint8_t>(p));
    // The undo copy has one value more than the record now has.
    db_.undo_.reset();
}

// Handles and accessors keep pointers to their chunks: a field whose item list is held, or
// whose deletion would remove a held record, stays.
void KxSchemaEditor::refuseWhileHeld(std::size_t position) const {
    const KxFieldDef& field = fieldAt(position);
    if (field.itemList && (db_.entryOf(field.itemList).attributes & kAttrBusy))
        throw KxDbError::Protected;
    for (std::size_t k = db_.schemaChunkCount(); k < db_.directory_.size(); ++k) {
        if (!(db_.directory_[k].attributes & kAttrBusy)) continue;
        const KxRecordChunk& record = db_.recordAt(k);
        if (record.value(position).size() == valueBytes(record)) throw KxDbError::Protected;
    }
}

// Removes the field's value from every record, last to first, live and deleted. A record left
// without any value goes for good; it is not logged, since the handheld gets the whole changed
// database again.
void KxSchemaEditor::dropValues(std::size_t position) {
    const std::size_t first = db_.schemaChunkCount();
    for (std::size_t k = db_.directory_.size(); k-- > first;) {
        KxRecordChunk& record = db_.recordAt(k);
        record.eraseValue(position);
        if (record.isEmpty()) db_.eraseRecordEntry(k, k >= db_.deletedBase(), false);
    }
}

// Columns, sort keys, form items and saved-search criteria on the field go; those on later
// fields move down with them.
void KxSchemaEditor::dropReferences(std::size_t position) {
    KxHeaderChunk& h = header();
    for (auto& set : h.listSets) dropFieldFrom(set.columns, position);
    for (auto& def : h.sortDefs) dropFieldFrom(def.keys, position);
    for (auto& layout : h.layouts) dropFieldFrom(layout.items, position);
    if (KxSearchChunk* searches = storedSearches())
        for (auto& search : searches->searches) dropFieldFrom(search.criteria, position);
}

// --- labels, options, calculations ---

const std::string& KxSchemaEditor::fieldLabel(std::size_t position) const {
    return fieldAt(position).label;
}

void KxSchemaEditor::setFieldLabel(std::size_t position, std::string_view label) {
    KxFieldDef& field = fieldAt(position);
    // A label is stored as a C text: whatever follows a NUL would not come back.
    std::string text(label.substr(0, label.find('\0')));
    std::string old = std::exchange(field.label, std::move(text));
    // The stored label is rounded up to an even length, so the size is measured, not guessed.
    if (header().byteSize() > kMaxChunkSize) {
        field.label = std::move(old);
        throw KxDbError::TooLarge;
    }
}

std::uint32_t KxSchemaEditor::typeOption(std::size_t position) const {
    return fieldAt(position).typeOption;
}

void KxSchemaEditor::setTypeOption(std::size_t position, std::uint32_t option) {
    KxFieldDef& field = fieldAt(position);
    // A stray list reference would make the file fail to open: only save writes it.
    if (field.type == KxFieldType::Text || field.type == KxFieldType::MultipleChoice) return;
    field.typeOption = option;
}

KxCalcBlock& KxSchemaEditor::calcAt(std::size_t position) const {
    KxFieldDef& field = fieldAt(position);
    if (!field.calc) throw KxDbError::LimitReached;
    return *field.calc;
}

std::uint8_t KxSchemaEditor::calcOperator(std::size_t position) const {
    return calcAt(position).op;
}

// Any code is kept: a calculation with an unknown operator simply yields no result.
void KxSchemaEditor::setCalcOperator(std::size_t position, std::uint8_t op) {
    calcAt(position).op = op;
}

std::uint8_t KxSchemaEditor::calcFirst(std::size_t position) const {
    return calcAt(position).first;
}

void KxSchemaEditor::setCalcFirst(std::size_t position, std::uint8_t field) {
    KxCalcBlock& calc = calcAt(position);
    requireField(field, true);
    calc.first = field;
}

std::uint8_t KxSchemaEditor::calcSecond(std::size_t position) const {
    return calcAt(position).second;
}

void KxSchemaEditor::setCalcSecond(std::size_t position, std::uint8_t field) {
    KxCalcBlock& calc = calcAt(position);
    requireField(field, true);
    calc.second = field;
}
