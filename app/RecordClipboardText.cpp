#include "app/RecordClipboardText.h"

#include "engine/FieldDisplay.h"
#include "engine/KxDatabase.h"
#include "engine/KxRecordChunk.h"

#include <cstdio>
#include <ctime>

namespace {
constexpr std::uint16_t kFlagLabelShown = 0x04;

std::string localDateTime(std::uint32_t stored, long zoneWestSeconds) {
    // Stored times are local standard time; adding the zone's offset gives calendar time.
    const std::time_t calendar = static_cast<std::time_t>(stored) + zoneWestSeconds;
    std::tm local{};
    if (!::localtime_r(&calendar, &local)) return {};
    char date[64] = "";
    char time[64] = "";
    std::strftime(date, sizeof date, "%x", &local);
    std::strftime(time, sizeof time, "%X", &local);
    return std::string(date) + "  " + time;
}
} // namespace

std::string kxRecordClipboardText(const KxDatabase& db, const KxRecordChunk& record) {
    const KxHeaderChunk& header = db.header();
    const std::size_t layout = header.currentLayout();
    if (layout >= header.layouts.size()) return {};
    std::string text;
    for (const KxFormItem& item : header.layouts[layout].items) {
        if (item.field >= header.fields.size()) continue;
        const KxFieldDef& def = header.fields[item.field];
        if (def.type == KxFieldType::LabelOnly) {
            if (!def.label.empty()) text += def.label + "\r\n";
            continue;
        }
        if (item.field >= record.valueCount()) continue;
        const auto raw = record.value(item.field);
        if (raw.empty()) continue;
        if (item.flags & kFlagLabelShown) text += def.label.empty() ? "\t" : def.label + ":\t";
        text += kxDisplayText(header, item.field, raw) + "\r\n";
    }
    return text;
}

KxRecordInfoText kxRecordInfo(const KxRecordChunk& record, long zoneWestSeconds) {
    KxRecordInfoText info;
    info.created = localDateTime(record.identity.created, zoneWestSeconds);
    info.modified = localDateTime(record.modified, zoneWestSeconds);
    char id[40];
    std::snprintf(id, sizeof id, "%08X  %08X  %04X", static_cast<unsigned>(record.identity.userId),
                  static_cast<unsigned>(record.identity.created),
                  static_cast<unsigned>(record.identity.sequence));
    info.recordId = id;
    return info;
}
