#include "cli/DatabaseInfo.h"

#include "cli/CliArgs.h"
#include "engine/FieldTypeNames.h"
#include "engine/KxItemListChunk.h"
#include "engine/KxDatabase.h"
#include "engine/KxPropertyChunk.h"
#include "engine/KxRemovalLog.h"
#include "engine/KxSearchChunk.h"

#include <cstdio>

namespace {

std::string hexBytes(const std::string& bytes) {
    std::string out;
    char buf[4];
    for (unsigned char c : bytes) {
        std::snprintf(buf, sizeof buf, "%02x", c);
        out += buf;
    }
    return out;
}

std::string text(const std::string& cp1252) { return cliFromDatabaseText(cp1252); }

JsonValue describeCategories(const KxFileHeader& h) {
    JsonValue list = JsonValue::array();
    for (std::size_t slot = 0; slot < KxFileHeader::kCategoryCount; ++slot) {
        JsonValue c = JsonValue::object();
        c.add("slot", slot);
        c.add("name", text(h.categoryName(slot)));
        c.add("id", static_cast<int>(h.categoryId(slot)));
        c.add("named", ((h.namedCategoryMask() >> slot) & 1) != 0);
        list.push(std::move(c));
    }
    return list;
}

JsonValue describeField(const KxFieldDef& f, std::size_t position) {
    JsonValue field = JsonValue::object();
    field.add("position", position);
    field.add("type", static_cast<int>(f.type));
    field.add("typeName", std::string(kxFieldTypeName(f.type)));
    field.add("label", text(f.label));
    field.add("typeOption", f.typeOption);
    if (f.calc) {
        JsonValue calc = JsonValue::object();
        calc.add("operator", static_cast<int>(f.calc->op));
        calc.add("first", static_cast<int>(f.calc->first));
        calc.add("second", static_cast<int>(f.calc->second));
        field.add("calculation", std::move(calc));
    }
    if (f.itemList) {
        JsonValue items = JsonValue::array();
        for (std::size_t i = 0; i < f.itemList->itemCount(); ++i)
            items.push(text(f.itemList->itemText(i)));
        field.add("items", std::move(items));
    }
    return field;
}

JsonValue describeLayouts(const KxHeaderChunk& h) {
    JsonValue list = JsonValue::array();
    for (const auto& layout : h.layouts) {
        JsonValue l = JsonValue::object();
        l.add("name", text(layout.name.text()));
        JsonValue items = JsonValue::array();
        for (const auto& item : layout.items) {
            JsonValue it = JsonValue::object();
            it.add("field", static_cast<int>(item.field));
            it.add("flags", static_cast<int>(item.flags));
            it.add("value1", static_cast<int>(item.value1));
            it.add("value2", static_cast<int>(item.value2));
            items.push(std::move(it));
        }
        l.add("items", std::move(items));
        list.push(std::move(l));
    }
    return list;
}

JsonValue describeSortDefs(const KxHeaderChunk& h) {
    JsonValue list = JsonValue::array();
    for (const auto& def : h.sortDefs) {
        JsonValue d = JsonValue::object();
        d.add("name", text(def.name.text()));
        JsonValue keys = JsonValue::array();
        for (const auto& key : def.keys) {
            JsonValue k = JsonValue::object();
            k.add("field", static_cast<int>(key.field));
            k.add("direction", static_cast<int>(key.direction));
            keys.push(std::move(k));
        }
        d.add("keys", std::move(keys));
        list.push(std::move(d));
    }
    return list;
}

JsonValue describeListSets(const KxHeaderChunk& h) {
    JsonValue list = JsonValue::array();
    for (const auto& set : h.listSets) {
        JsonValue s = JsonValue::object();
        s.add("name", text(set.name.text()));
        s.add("sortDefinition", static_cast<int>(set.sortDef));
        JsonValue columns = JsonValue::array();
        for (const auto& column : set.columns) {
            JsonValue c = JsonValue::object();
            c.add("field", static_cast<int>(column.field));
            c.add("width", static_cast<int>(column.width));
            columns.push(std::move(c));
        }
        s.add("columns", std::move(columns));
        list.push(std::move(s));
    }
    return list;
}

JsonValue describeSearches(const KxSearchChunk& chunk) {
    JsonValue searches = JsonValue::object();
    searches.add("current", static_cast<int>(chunk.current));
    JsonValue list = JsonValue::array();
    for (const auto& search : chunk.searches) {
        JsonValue s = JsonValue::object();
        s.add("name", text(search.name.text()));
        s.add("listOptionsSet", static_cast<int>(search.listOptionsSet));
        JsonValue criteria = JsonValue::array();
        for (const auto& c : search.criteria) {
            JsonValue cr = JsonValue::object();
            cr.add("field", static_cast<int>(c.field));
            cr.add("operator", static_cast<int>(c.op));
            cr.add("value", hexBytes(c.value));
            criteria.push(std::move(cr));
        }
        s.add("criteria", std::move(criteria));
        list.push(std::move(s));
    }
    searches.add("list", std::move(list));
    return searches;
}

} // namespace

JsonValue describeDatabase(const KxDatabase& db) {
    const KxHeaderChunk& h = db.header();
    JsonValue info = JsonValue::object();
    info.add("file", db.fileName());
    info.add("name", text(db.fileHeader().databaseName()));
    info.add("version", static_cast<int>(h.version()));
    info.add("attributes", static_cast<int>(h.attributes()));
    info.add("modificationStamp", h.modificationStamp());
    info.add("listPaneShare", static_cast<int>(db.fileHeader().listPaneShare()));
    info.add("currentRecord", static_cast<std::int64_t>(h.currentRecord()));
    info.add("currentCategory", static_cast<int>(h.currentCategory()));
    info.add("currentFormLayout", static_cast<int>(h.currentLayout()));
    info.add("currentListOptionsSet", static_cast<int>(h.currentListSet()));
    JsonValue counts = JsonValue::object();
    counts.add("fields", h.fields.size());
    counts.add("liveRecords", db.liveCount());
    counts.add("deletedRecords", db.deletedCount());
    counts.add("schemaChunks", db.schemaChunkCount());
    counts.add("chunks", db.directorySize());
    info.add("counts", std::move(counts));
    info.add("categories", describeCategories(db.fileHeader()));
    JsonValue fields = JsonValue::array();
    for (std::size_t p = 0; p < h.fields.size(); ++p) fields.push(describeField(h.fields[p], p));
    info.add("fields", std::move(fields));
    info.add("formLayouts", describeLayouts(h));
    info.add("sortDefinitions", describeSortDefs(h));
    info.add("listOptionsSets", describeListSets(h));
    const auto* searches = static_cast<const KxSearchChunk*>(db.peekChunk(KxChunkTag::Searches));
    info.add("savedSearches", describeSearches(searches ? *searches : KxSearchChunk()));
    JsonValue properties = JsonValue::array();
    if (const auto* map = static_cast<const KxPropertyChunk*>(db.peekChunk(KxChunkTag::Properties))) {
        for (const auto& [key, value] : map->entries()) {
            JsonValue p = JsonValue::object();
            p.add("key", static_cast<int>(key));
            p.add("value", text(value));
            properties.push(std::move(p));
        }
    }
    info.add("properties", std::move(properties));
    JsonValue removed = JsonValue::array();
    if (const auto* log = static_cast<const KxRemovalLog*>(db.peekChunk(KxChunkTag::RemovalLog))) {
        for (const auto& id : log->entries()) {
            JsonValue r = JsonValue::object();
            r.add("userId", id.userId);
            r.add("created", id.created);
            r.add("sequence", static_cast<int>(id.sequence));
            removed.push(std::move(r));
        }
    }
    info.add("removalLog", std::move(removed));
    return info;
}
