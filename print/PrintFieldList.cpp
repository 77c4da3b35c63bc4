#include "print/PrintFieldList.h"

#include "print/KxPrintSettings.h"
#include "transfer/KxFieldSelection.h"

#include "engine/KxDatabase.h"
#include "engine/KxDbError.h"
#include "engine/KxSchemaEditor.h"

namespace {

// The layout index of the print list, none when the setting names no layout it may use.
std::optional<std::size_t> listIndex(const KxDatabase& db) {
    // Reading the settings leaves the database as it is.
    const auto stored = KxPrintSettings(const_cast<KxDatabase&>(db)).fieldList();
    if (!stored || *stored < 0) return std::nullopt;
    const auto index = static_cast<std::size_t>(*stored);
    const KxHeaderChunk& header = db.header();
    if (index >= header.layouts.size() || index == header.currentLayout()) return std::nullopt;
    return index;
}

// The selection entry standing for a field position (255: the Category entry).
std::optional<std::uint8_t> entryOf(const KxFieldSelection& selection, std::uint8_t field) {
    for (std::size_t e = 0; e < selection.entryCount(); ++e)
        if (selection.entryField(e) == field) return static_cast<std::uint8_t>(e);
    return std::nullopt;
}

} // namespace

std::optional<std::vector<std::uint8_t>> kxLoadPrintFieldList(const KxDatabase& db,
                                                              const KxFieldSelection& selection) {
    const auto index = listIndex(db);
    if (!index) return std::nullopt;
    std::vector<std::uint8_t> order;
    std::vector<bool> taken(selection.entryCount(), false);
    for (const KxFormItem& item : db.header().layouts[*index].items) {
        const auto entry = entryOf(selection, item.field);
        if (!entry || taken[*entry]) continue;
        taken[*entry] = true;
        order.push_back(*entry);
    }
    return order;
}

bool kxStorePrintFieldList(KxDatabase& db, const KxFieldSelection& selection) {
    KxSchemaEditor schema(db);
    KxPrintSettings settings(db);
    const auto existing = listIndex(db);
    const std::size_t layout = existing ? *existing : 0;
    // The items as they are, to put back when the new ones do not fit.
    const std::vector<KxFormItem> before = existing ? db.header().layouts[layout].items
                                                    : std::vector<KxFormItem>();
    std::optional<std::size_t> created;
    try {
        const std::size_t index = existing ? layout : *(created = schema.addLayout());
        for (std::size_t n = schema.itemCount(index); n-- > 0;) schema.deleteItem(index, n);
        for (std::size_t i = 0; i < selection.count(); ++i) {
            const std::size_t at = schema.addItem(index, schema.itemCount(index));
            schema.setItemField(index, at, selection.isCategoryAt(i) ? 255 : selection.fieldAt(i));
        }
        if (created) settings.setFieldList(static_cast<int>(*created));
        return true;
    } catch (KxDbError) {
        if (created)
            schema.deleteLayout(*created);
        else
            db.header().layouts[layout].items = before;
        return false;
    }
}
