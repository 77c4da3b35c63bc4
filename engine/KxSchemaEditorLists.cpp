// Form layouts, sort definitions and list options sets, and the items, keys and columns in
// them.

#include "engine/KxSchemaEditor.h"

#include "engine/KxSearchChunk.h"
#include "engine/VectorEdit.h"

namespace {

constexpr std::size_t kLayoutGrowth = 30;
constexpr std::size_t kSortDefGrowth = 30;
constexpr std::size_t kListSetGrowth = 32;
constexpr std::size_t kItemGrowth = 12;
constexpr std::size_t kKeyGrowth = 2;
constexpr std::size_t kColumnGrowth = 2;
constexpr std::uint8_t kNoIndex = 255;

// What an index into a list becomes when entry `removed` goes: the removed entry's users fall
// back to entry 0, later entries move down by one, 255 (none) stays.
std::uint8_t indexAfterRemoval(std::uint8_t index, std::size_t removed) {
    if (index == kNoIndex || index < removed) return index;
    return index == removed ? 0 : static_cast<std::uint8_t>(index - 1);
}

// An empty list has no current entry to point at; index 0 then stands for "none".
void requireIndex(std::size_t index, std::size_t count) {
    if (index >= count && index != 0) throw KxDbError::LimitReached;
}

} // namespace

// --- form layouts ---

std::size_t KxSchemaEditor::layoutCount() const { return header().layouts.size(); }

std::size_t KxSchemaEditor::currentLayout() const { return header().currentLayout(); }

void KxSchemaEditor::setCurrentLayout(std::size_t index) {
    requireIndex(index, layoutCount());
    header().setCurrentLayout(static_cast<std::uint8_t>(index));
}

std::size_t KxSchemaEditor::addLayout() {
    if (layoutCount() >= KxHeaderChunk::kMaxLayouts) throw KxDbError::LimitReached;
    requireRoom(kLayoutGrowth);
    header().layouts.emplace_back();
    return header().layouts.size() - 1;
}

// The current layout follows the list like the current list options set does; an index past
// the end would make the file fail to open.
void KxSchemaEditor::deleteLayout(std::size_t index) {
    KxHeaderChunk& h = header();
    kxEraseAt(h.layouts, index);
    h.setCurrentLayout(indexAfterRemoval(h.currentLayout(), index));
}

std::string KxSchemaEditor::layoutName(std::size_t index) const {
    return layoutAt(index).name.text();
}

void KxSchemaEditor::setLayoutName(std::size_t index, std::string_view name) {
    layoutAt(index).name.setText(name);
}

std::size_t KxSchemaEditor::itemCount(std::size_t layout) const {
    return layoutAt(layout).items.size();
}

std::size_t KxSchemaEditor::addItem(std::size_t layout, std::size_t position) {
    auto& items = layoutAt(layout).items;
    if (items.size() >= KxHeaderChunk::kMaxFormItems) throw KxDbError::LimitReached;
    requireRoom(kItemGrowth);
    // A new item is all zero but its second value, 999; with no field to name it names none.
    KxFormItem item;
    item.field = fieldCount() > 0 ? 0 : kNoField;
    return kxInsertAt(items, position, item);
}

void KxSchemaEditor::deleteItem(std::size_t layout, std::size_t item) {
    kxEraseAt(layoutAt(layout).items, item);
}

void KxSchemaEditor::moveItem(std::size_t layout, std::size_t from, std::size_t to) {
    kxMoveElement(layoutAt(layout).items, from, to);
}

KxFormItem& KxSchemaEditor::item(std::size_t layout, std::size_t item) {
    return kxElementAt(layoutAt(layout).items, item);
}

void KxSchemaEditor::setItemField(std::size_t layout, std::size_t item, std::uint8_t field) {
    KxFormItem& target = this->item(layout, item);
    requireField(field, true);
    target.field = field;
}

// --- sort definitions ---

std::size_t KxSchemaEditor::sortDefCount() const { return header().sortDefs.size(); }

std::size_t KxSchemaEditor::addSortDef() {
    if (sortDefCount() >= KxHeaderChunk::kMaxSortDefs) throw KxDbError::LimitReached;
    requireRoom(kSortDefGrowth);
    header().sortDefs.emplace_back();
    return header().sortDefs.size() - 1;
}

// List options sets name their sort definition by index: they are renumbered like saved
// searches are when a set goes, so that none is left pointing past the end.
void KxSchemaEditor::deleteSortDef(std::size_t index) {
    KxHeaderChunk& h = header();
    kxEraseAt(h.sortDefs, index);
    for (auto& set : h.listSets) set.sortDef = indexAfterRemoval(set.sortDef, index);
}

std::string KxSchemaEditor::sortDefName(std::size_t index) const {
    return sortDefAt(index).name.text();
}

void KxSchemaEditor::setSortDefName(std::size_t index, std::string_view name) {
    sortDefAt(index).name.setText(name);
}

std::size_t KxSchemaEditor::sortDefKeyCount(std::size_t def) const {
    return sortDefAt(def).keys.size();
}

// A key always names a field (it has no "none"), so there must be one.
std::size_t KxSchemaEditor::addSortKey(std::size_t def, std::size_t position) {
    auto& keys = sortDefAt(def).keys;
    if (keys.size() >= KxHeaderChunk::kMaxKeys || fieldCount() == 0) throw KxDbError::LimitReached;
    requireRoom(kKeyGrowth);
    return kxInsertAt(keys, position, KxSortKey{});
}

void KxSchemaEditor::deleteSortKey(std::size_t def, std::size_t key) {
    kxEraseAt(sortDefAt(def).keys, key);
}

void KxSchemaEditor::moveSortKey(std::size_t def, std::size_t from, std::size_t to) {
    kxMoveElement(sortDefAt(def).keys, from, to);
}

KxSortKey& KxSchemaEditor::sortKey(std::size_t def, std::size_t key) {
    return kxElementAt(sortDefAt(def).keys, key);
}

void KxSchemaEditor::setSortKeyField(std::size_t def, std::size_t key, std::uint8_t field) {
    KxSortKey& target = sortKey(def, key);
    requireField(field, false);
    target.field = field;
}

// --- list options sets ---

std::size_t KxSchemaEditor::listSetCount() const { return header().listSets.size(); }

std::size_t KxSchemaEditor::currentListSet() const { return header().currentListSet(); }

void KxSchemaEditor::setCurrentListSet(std::size_t index) {
    requireIndex(index, listSetCount());
    header().setCurrentListSet(static_cast<std::uint8_t>(index));
}

std::size_t KxSchemaEditor::addListSet() {
    if (listSetCount() >= KxHeaderChunk::kMaxListSets) throw KxDbError::LimitReached;
    requireRoom(kListSetGrowth);
    header().listSets.emplace_back();
    return header().listSets.size() - 1;
}

void KxSchemaEditor::deleteListSet(std::size_t index) {
    KxHeaderChunk& h = header();
    kxEraseAt(h.listSets, index);
    h.setCurrentListSet(indexAfterRemoval(h.currentListSet(), index));
    if (KxSearchChunk* searches = storedSearches())
        for (auto& search : searches->searches)
            search.listOptionsSet = indexAfterRemoval(search.listOptionsSet, index);
}

std::string KxSchemaEditor::listSetName(std::size_t index) const {
    return listSetAt(index).name.text();
}

void KxSchemaEditor::setListSetName(std::size_t index, std::string_view name) {
    listSetAt(index).name.setText(name);
}

std::size_t KxSchemaEditor::columnCount(std::size_t set) const {
    return listSetAt(set).columns.size();
}

// A column always names a field (it has no "none"), so there must be one.
std::size_t KxSchemaEditor::addColumn(std::size_t set, std::size_t position) {
    auto& columns = listSetAt(set).columns;
    if (columns.size() >= KxHeaderChunk::kMaxKeys || fieldCount() == 0)
        throw KxDbError::LimitReached;
    requireRoom(kColumnGrowth);
    return kxInsertAt(columns, position, KxListColumn{});
}

void KxSchemaEditor::deleteColumn(std::size_t set, std::size_t column) {
    kxEraseAt(listSetAt(set).columns, column);
}

void KxSchemaEditor::moveColumn(std::size_t set, std::size_t from, std::size_t to) {
    kxMoveElement(listSetAt(set).columns, from, to);
}

KxListColumn& KxSchemaEditor::column(std::size_t set, std::size_t column) {
    return kxElementAt(listSetAt(set).columns, column);
}

void KxSchemaEditor::setColumnField(std::size_t set, std::size_t column, std::uint8_t field) {
    KxListColumn& target = this->column(set, column);
    requireField(field, false);
    target.field = field;
}

std::uint8_t KxSchemaEditor::listSetSortDef(std::size_t set) const {
    return listSetAt(set).sortDef;
}

void KxSchemaEditor::setListSetSortDef(std::size_t set, std::uint8_t def) {
    KxListOptionsSet& target = listSetAt(set);
    requireIndex(def, sortDefCount());
    target.sortDef = def;
}
