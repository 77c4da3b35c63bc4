#pragma once
// Changes to the schema: fields, form layouts, sort definitions and list options sets, each
// within its limits (13 for a count, 25 for the 65280-byte header chunk), with every reference
// to a field renumbered when a field goes. A refused change leaves the schema as it was.

#include "engine/KxHeaderChunk.h"

#include <cstddef>
#include <string>
#include <string_view>

class KxDatabase;
class KxItemListChunk;
class KxSearchChunk;

class KxSchemaEditor {
public:
    explicit KxSchemaEditor(KxDatabase& db) : db_(db) {}

    // --- fields ---
    std::size_t fieldCount() const;
    std::size_t addField();                 // an empty Label Only definition, appended
    void deleteField(std::size_t position);
    KxFieldType fieldType(std::size_t position) const;
    // Gives the field a new type: its item list or calculation block goes, a new one comes
    // for the new type, live and deleted records' values are converted where the two types
    // convert (and emptied where not; a record left empty is removed), and saved-search
    // criteria on the field are dropped.
    void setFieldType(std::size_t position, KxFieldType type);
    const std::string& fieldLabel(std::size_t position) const;
    // An empty text stores an empty label; a label ends at its first NUL.
    void setFieldLabel(std::size_t position, std::string_view label);
    std::uint32_t typeOption(std::size_t position) const;
    // For a Text or Multiple Choice field the option is the file offset of its item list,
    // which only save may write: setting it there is ignored.
    void setTypeOption(std::size_t position, std::uint32_t option);
    // The calculation block of a Calculation field (13 for any other field). An operand is
    // an existing field's position or 255 (none); any other is refused with 13.
    std::uint8_t calcOperator(std::size_t position) const;
    void setCalcOperator(std::size_t position, std::uint8_t op);
    std::uint8_t calcFirst(std::size_t position) const;
    void setCalcFirst(std::size_t position, std::uint8_t field);
    std::uint8_t calcSecond(std::size_t position) const;
    void setCalcSecond(std::size_t position, std::uint8_t field);

    // --- form layouts ---
    std::size_t layoutCount() const;
    std::size_t currentLayout() const;
    void setCurrentLayout(std::size_t index);
    std::size_t addLayout();
    void deleteLayout(std::size_t index);
    std::string layoutName(std::size_t index) const;
    void setLayoutName(std::size_t index, std::string_view name);
    std::size_t itemCount(std::size_t layout) const;
    // Inserts a new item before `position`, or appends when it is past the end; returns where.
    std::size_t addItem(std::size_t layout, std::size_t position);
    void deleteItem(std::size_t layout, std::size_t item);
    // Takes the element at `from` out and puts it back before `to` (to = count: at the end);
    // the same for sort keys and list columns.
    void moveItem(std::size_t layout, std::size_t from, std::size_t to);
    // The item for its flags and values; its field is set through setItemField, which refuses
    // (13) a field that does not exist. The same holds for sort keys and list columns.
    KxFormItem& item(std::size_t layout, std::size_t item);
    void setItemField(std::size_t layout, std::size_t item, std::uint8_t field); // 255: none

    // --- sort definitions ---
    std::size_t sortDefCount() const;
    std::size_t addSortDef();
    // Sets that used the deleted definition use definition 0, later ones move down by one.
    void deleteSortDef(std::size_t index);
    std::string sortDefName(std::size_t index) const;
    void setSortDefName(std::size_t index, std::string_view name);
    std::size_t sortDefKeyCount(std::size_t def) const;
    std::size_t addSortKey(std::size_t def, std::size_t position);
    void deleteSortKey(std::size_t def, std::size_t key);
    void moveSortKey(std::size_t def, std::size_t from, std::size_t to);
    KxSortKey& sortKey(std::size_t def, std::size_t key);
    void setSortKeyField(std::size_t def, std::size_t key, std::uint8_t field);

    // --- list options sets ---
    std::size_t listSetCount() const;
    std::size_t currentListSet() const;
    void setCurrentListSet(std::size_t index);
    std::size_t addListSet();
    // Renumbers the current set and every saved search's set.
    void deleteListSet(std::size_t index);
    std::string listSetName(std::size_t index) const;
    void setListSetName(std::size_t index, std::string_view name);
    std::size_t columnCount(std::size_t set) const;
    std::size_t addColumn(std::size_t set, std::size_t position);
    void deleteColumn(std::size_t set, std::size_t column);
    void moveColumn(std::size_t set, std::size_t from, std::size_t to);
    KxListColumn& column(std::size_t set, std::size_t column);
    void setColumnField(std::size_t set, std::size_t column, std::uint8_t field);
    std::uint8_t listSetSortDef(std::size_t set) const;
    void setListSetSortDef(std::size_t set, std::uint8_t def); // 13 for a missing definition

private:
    KxHeaderChunk& header() const;              // 5 when no database is open
    void requireRoom(std::size_t grow) const;   // 25 when the header chunk would pass 65280
    KxFieldDef& fieldAt(std::size_t position) const;          // 13 past the last field
    KxCalcBlock& calcAt(std::size_t position) const;          // 13 for a non-Calculation field
    KxFormLayout& layoutAt(std::size_t index) const;
    KxSortDef& sortDefAt(std::size_t index) const;
    KxListOptionsSet& listSetAt(std::size_t index) const;
    void requireField(std::uint8_t field, bool noneAllowed) const;
    KxSearchChunk* storedSearches() const;      // none when the file has no saved searches
    void refuseWhileHeld(std::size_t position) const;
    void dropValues(std::size_t position);
    void dropReferences(std::size_t position);

    KxDatabase& db_;
};

// The item list of a Text or Multiple Choice field, created empty when the field has none.
// A locking accessor keeps the list chunk busy while it lives.
class KxItemListAccessor {
public:
    KxItemListAccessor(KxDatabase& db, std::size_t field, bool lock);
    ~KxItemListAccessor();
    KxItemListAccessor(const KxItemListAccessor&) = delete;
    KxItemListAccessor& operator=(const KxItemListAccessor&) = delete;

    std::size_t itemCount() const;
    const std::string& itemText(std::size_t index) const;
    std::size_t addItem(std::string_view text);
    void setItem(std::size_t index, std::string_view text);
    void moveItem(std::size_t from, std::size_t to);
    void deleteItem(std::size_t index);
    void clearItems();

private:
    KxDatabase& db_;
    KxItemListChunk& list_;
    bool locked_ = false;
};
