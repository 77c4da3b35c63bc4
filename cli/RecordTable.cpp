#include "cli/RecordTable.h"

#include "cli/CliArgs.h"
#include "engine/FieldDisplay.h"
#include "cli/CliStrings.h"
#include "cli/Json.h"
#include "engine/KxDatabase.h"
#include "engine/KxStrings.h"
#include "engine/KxRecordChunk.h"

#include <ostream>

std::vector<std::size_t> cliListedFields(const KxDatabase& db, bool allFields) {
    const KxHeaderChunk& h = db.header();
    std::vector<std::size_t> fields;
    if (!allFields && h.currentListSet() < h.listSets.size()) {
        for (const auto& column : h.listSets[h.currentListSet()].columns)
            if (column.field < h.fields.size()) fields.push_back(column.field);
        if (!fields.empty()) return fields;
    }
    std::vector<bool> seen(h.fields.size(), false);
    if (h.currentLayout() < h.layouts.size())
        for (const auto& item : h.layouts[h.currentLayout()].items)
            if (item.field < h.fields.size() && !seen[item.field]) {
                seen[item.field] = true;
                if (h.fields[item.field].type != KxFieldType::LabelOnly) fields.push_back(item.field);
            }
    for (std::size_t f = 0; f < h.fields.size(); ++f)
        if (!seen[f] && h.fields[f].type != KxFieldType::LabelOnly) fields.push_back(f);
    return fields;
}

namespace {
std::string categoryText(const KxDatabase& db, std::uint16_t slot) {
    std::string name = db.fileHeader().categoryName(slot);
    return name.empty() && slot == 0 ? kxString(kxStrUnfiled) : name;
}

// Tabs and line breaks inside a value would break the table's lines.
std::string oneLine(std::string text) {
    for (char& c : text)
        if (c == '\t' || c == '\n' || c == '\r') c = ' ';
    return text;
}
} // namespace

void cliPrintRecords(const KxDatabase& db, const CliRecordSelection& sel, bool json, std::ostream& out) {
    const KxHeaderChunk& h = db.header();
    const auto fields = cliListedFields(db, sel.allFields);
    const std::size_t count = sel.deleted ? db.deletedCount() : db.liveCount();
    const std::size_t base = db.schemaChunkCount() + (sel.deleted ? db.liveCount() : 0);
    JsonValue records = JsonValue::array();
    if (!json) {
        out << kxString(kxStrCliListHead);
        for (std::size_t f : fields) out << "\t" << oneLine(cliFromDatabaseText(h.fields[f].label));
        out << "\n";
    }
    for (std::size_t i = 0; i < count; ++i) {
        const KxDirEntry& entry = db.directoryEntry(base + i);
        if (!sel.deleted && sel.foundOnly && !(entry.attributes & kAttrFound)) continue;
        if (sel.category != 255 && entry.category != sel.category) continue;
        const auto& record = static_cast<const KxRecordChunk&>(*entry.chunk);
        std::vector<std::string> texts;
        for (std::size_t f : fields) {
            const auto raw = record.value(f);
            // An empty Checkbox is an unchecked one.
            const bool emptyCheckbox = raw.empty() && h.fields[f].type == KxFieldType::Checkbox;
            texts.push_back(cliFromDatabaseText(emptyCheckbox ? kxString(kxStrNo) : kxDisplayText(h, f, raw)));
        }
        const std::string category = cliFromDatabaseText(categoryText(db, entry.category));
        if (json) {
            JsonValue r = JsonValue::object();
            r.add("index", i);
            r.add("category", category);
            JsonValue values = JsonValue::object();
            for (std::size_t k = 0; k < fields.size(); ++k)
                values.add(cliFromDatabaseText(h.fields[fields[k]].label), texts[k]);
            r.add("values", std::move(values));
            records.push(std::move(r));
        } else {
            out << i + 1 << "\t" << oneLine(category);
            for (const auto& t : texts) out << "\t" << oneLine(t);
            out << "\n";
        }
    }
    if (json) {
        JsonValue doc = JsonValue::object();
        JsonValue columns = JsonValue::array();
        for (std::size_t f : fields) columns.push(cliFromDatabaseText(h.fields[f].label));
        doc.add("columns", std::move(columns));
        doc.add("records", std::move(records));
        doc.writeJson(out);
        out << "\n";
    }
}
