#include "cli/DatabaseInfo.h"

#include "cli/CliArgs.h"
#include "cli/CliStrings.h"
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
        c.add("slot", slot, kxStrCliInfoSlot);
        c.add("name", text(h.categoryName(slot)), kxStrCliInfoName);
        c.add("id", static_cast<int>(h.categoryId(slot)), kxStrCliInfoId);
        c.add("named", ((h.namedCategoryMask() >> slot) & 1) != 0, kxStrCliInfoNamed);
        list.push(std::move(c));
    }
    return list;
}

JsonValue describeField(const KxFieldDef& f, std::size_t position) {
    JsonValue field = JsonValue::object();
    field.add("position", position, kxStrCliInfoPosition);
    field.add("type", static_cast<int>(f.type), kxStrCliInfoType);
    field.add("typeName", std::string(kxFieldTypeName(f.type)), kxStrCliInfoTypeName);
    field.add("label", text(f.label), kxStrCliInfoLabel);
    field.add("typeOption", f.typeOption, kxStrCliInfoTypeOption);
    if (f.calc) {
        JsonValue calc = JsonValue::object();
        calc.add("operator", static_cast<int>(f.calc->op), kxStrCliInfoOperator);
        calc.add("first", static_cast<int>(f.calc->first), kxStrCliInfoFirst);
        calc.add("second", static_cast<int>(f.calc->second), kxStrCliInfoSecond);
        field.add("calculation", std::move(calc), kxStrCliInfoCalculation);
    }
    if (f.itemList) {
        JsonValue items = JsonValue::array();
        for (std::size_t i = 0; i < f.itemList->itemCount(); ++i)
            items.push(text(f.itemList->itemText(i)));
        field.add("items", std::move(items), kxStrCliInfoItems);
    }
    return field;
}

JsonValue describeLayouts(const KxHeaderChunk& h) {
    JsonValue list = JsonValue::array();
    for (const auto& layout : h.layouts) {
        JsonValue l = JsonValue::object();
        l.add("name", text(layout.name.text()), kxStrCliInfoName);
        JsonValue items = JsonValue::array();
        for (const auto& item : layout.items) {
            JsonValue it = JsonValue::object();
            it.add("field", static_cast<int>(item.field), kxStrCliInfoField);
            it.add("flags", static_cast<int>(item.flags), kxStrCliInfoFlags);
            it.add("value1", static_cast<int>(item.value1), kxStrCliInfoValue1);
            it.add("value2", static_cast<int>(item.value2), kxStrCliInfoValue2);
            items.push(std::move(it));
        }
        l.add("items", std::move(items), kxStrCliInfoItems);
        list.push(std::move(l));
    }
    return list;
}

JsonValue describeSortDefs(const KxHeaderChunk& h) {
    JsonValue list = JsonValue::array();
    for (const auto& def : h.sortDefs) {
        JsonValue d = JsonValue::object();
        d.add("name", text(def.name.text()), kxStrCliInfoName);
        JsonValue keys = JsonValue::array();
        for (const auto& key : def.keys) {
            JsonValue k = JsonValue::object();
            k.add("field", static_cast<int>(key.field), kxStrCliInfoField);
            k.add("direction", static_cast<int>(key.direction), kxStrCliInfoDirection);
            keys.push(std::move(k));
        }
        d.add("keys", std::move(keys), kxStrCliInfoKeys);
        list.push(std::move(d));
    }
    return list;
}

JsonValue describeListSets(const KxHeaderChunk& h) {
    JsonValue list = JsonValue::array();
    for (const auto& set : h.listSets) {
        JsonValue s = JsonValue::object();
        s.add("name", text(set.name.text()), kxStrCliInfoName);
        s.add("sortDefinition", static_cast<int>(set.sortDef), kxStrCliInfoSortDefinition);
        JsonValue columns = JsonValue::array();
        for (const auto& column : set.columns) {
            JsonValue c = JsonValue::object();
            c.add("field", static_cast<int>(column.field), kxStrCliInfoField);
            c.add("width", static_cast<int>(column.width), kxStrCliInfoWidth);
            columns.push(std::move(c));
        }
        s.add("columns", std::move(columns), kxStrCliInfoColumns);
        list.push(std::move(s));
    }
    return list;
}

JsonValue describeSearches(const KxSearchChunk& chunk) {
    JsonValue searches = JsonValue::object();
    searches.add("current", static_cast<int>(chunk.current), kxStrCliInfoCurrent);
    JsonValue list = JsonValue::array();
    for (const auto& search : chunk.searches) {
        JsonValue s = JsonValue::object();
        s.add("name", text(search.name.text()), kxStrCliInfoName);
        s.add("listOptionsSet", static_cast<int>(search.listOptionsSet), kxStrCliInfoListOptionsSet);
        JsonValue criteria = JsonValue::array();
        for (const auto& c : search.criteria) {
            JsonValue cr = JsonValue::object();
            cr.add("field", static_cast<int>(c.field), kxStrCliInfoField);
            cr.add("operator", static_cast<int>(c.op), kxStrCliInfoOperator);
            cr.add("value", hexBytes(c.value), kxStrCliInfoValue);
            criteria.push(std::move(cr));
        }
        s.add("criteria", std::move(criteria), kxStrCliInfoCriteria);
        list.push(std::move(s));
    }
    searches.add("list", std::move(list), kxStrCliInfoList);
    return searches;
}

} // namespace

JsonValue describeDatabase(const KxDatabase& db) {
    const KxHeaderChunk& h = db.header();
    JsonValue info = JsonValue::object();
    info.add("file", db.fileName(), kxStrCliInfoFile);
    info.add("name", text(db.fileHeader().databaseName()), kxStrCliInfoName);
    info.add("version", static_cast<int>(h.version()), kxStrCliInfoVersion);
    info.add("attributes", static_cast<int>(h.attributes()), kxStrCliInfoAttributes);
    info.add("modificationStamp", h.modificationStamp(), kxStrCliInfoModificationStamp);
    info.add("listPaneShare", static_cast<int>(db.fileHeader().listPaneShare()), kxStrCliInfoListPaneShare);
    info.add("currentRecord", static_cast<std::int64_t>(h.currentRecord()), kxStrCliInfoCurrentRecord);
    info.add("currentCategory", static_cast<int>(h.currentCategory()), kxStrCliInfoCurrentCategory);
    info.add("currentFormLayout", static_cast<int>(h.currentLayout()), kxStrCliInfoCurrentFormLayout);
    info.add("currentListOptionsSet", static_cast<int>(h.currentListSet()), kxStrCliInfoCurrentListOptionsSet);
    JsonValue counts = JsonValue::object();
    counts.add("fields", h.fields.size(), kxStrCliInfoFields);
    counts.add("liveRecords", db.liveCount(), kxStrCliInfoLiveRecords);
    counts.add("deletedRecords", db.deletedCount(), kxStrCliInfoDeletedRecords);
    counts.add("schemaChunks", db.schemaChunkCount(), kxStrCliInfoSchemaChunks);
    counts.add("chunks", db.directorySize(), kxStrCliInfoChunks);
    info.add("counts", std::move(counts), kxStrCliInfoCounts);
    info.add("categories", describeCategories(db.fileHeader()), kxStrCliInfoCategories);
    JsonValue fields = JsonValue::array();
    for (std::size_t p = 0; p < h.fields.size(); ++p) fields.push(describeField(h.fields[p], p));
    info.add("fields", std::move(fields), kxStrCliInfoFields);
    info.add("formLayouts", describeLayouts(h), kxStrCliInfoFormLayouts);
    info.add("sortDefinitions", describeSortDefs(h), kxStrCliInfoSortDefinitions);
    info.add("listOptionsSets", describeListSets(h), kxStrCliInfoListOptionsSets);
    const auto* searches = static_cast<const KxSearchChunk*>(db.peekChunk(KxChunkTag::Searches));
    info.add("savedSearches", describeSearches(searches ? *searches : KxSearchChunk()), kxStrCliInfoSavedSearches);
    JsonValue properties = JsonValue::array();
    if (const auto* map = static_cast<const KxPropertyChunk*>(db.peekChunk(KxChunkTag::Properties))) {
        for (const auto& [key, value] : map->entries()) {
            JsonValue p = JsonValue::object();
            p.add("key", static_cast<int>(key), kxStrCliInfoKey);
            p.add("value", text(value), kxStrCliInfoValue);
            properties.push(std::move(p));
        }
    }
    info.add("properties", std::move(properties), kxStrCliInfoProperties);
    JsonValue removed = JsonValue::array();
    if (const auto* log = static_cast<const KxRemovalLog*>(db.peekChunk(KxChunkTag::RemovalLog))) {
        for (const auto& id : log->entries()) {
            JsonValue r = JsonValue::object();
            r.add("userId", id.userId, kxStrCliInfoUserId);
            r.add("created", id.created, kxStrCliInfoCreated);
            r.add("sequence", static_cast<int>(id.sequence), kxStrCliInfoSequence);
            removed.push(std::move(r));
        }
    }
    info.add("removalLog", std::move(removed), kxStrCliInfoRemovalLog);
    return info;
}
