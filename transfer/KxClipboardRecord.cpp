#include "transfer/KxClipboardRecord.h"

#include "engine/KxDatabase.h"
#include "transfer/TransferStrings.h"
#include "base/KxUi.h"
#include "transfer/DisplayNames.h"
#include "transfer/FormOrder.h"
#include "transfer/KxNewRecordBuilder.h"
#include "engine/values/FieldValue.h"

#include <algorithm>

namespace {

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view kWhiteSpace = " \t\v\f\r\n";
    const std::size_t first = text.find_first_not_of(kWhiteSpace);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kWhiteSpace) + 1 - first);
}

bool askNoDefault(KxUi& ui, int text, const std::string& caption = KxUi::kCaption) {
    return ui.message(kxString(text), caption, KxButtons::YesNo, KxIcon::Question, KxAnswer::No) ==
           KxAnswer::Yes;
}

} // namespace

KxClipboardRecord::KxClipboardRecord(const KxDatabase& db) {
    const KxHeaderChunk& header = db.header();
    for (std::uint8_t field : kxFieldsInFormOrder(header, false))
        fields_.push_back({kxLabelOrDefault(header.fields[field].label, fields_.size() + 1), field});
    resetRows();
}

void KxClipboardRecord::resetRows() {
    rows_.assign(std::max(kVisibleRows, fields_.size()), Row{});
    firstVisible_ = 0;
}

bool KxClipboardRecord::offered(int field) const {
    return std::any_of(fields_.begin(), fields_.end(), [&](const FieldChoice& f) { return f.field == field; });
}

void KxClipboardRecord::setFirstVisibleRow(std::size_t row) {
    firstVisible_ = std::min(row, rows_.size() - 1);
}

void KxClipboardRecord::setRowText(std::size_t row, std::string text) {
    if (row >= rows_.size()) return;
    rows_[row].text = std::move(text);
    modified_ = true;
}

void KxClipboardRecord::setRowField(std::size_t row, int field) {
    if (row >= rows_.size()) return;
    rows_[row].field = offered(field) ? field : kNoField;
    modified_ = true;
}

KxClipboardRecord::Split KxClipboardRecord::splitText(std::string_view text,
                                                      const std::vector<FieldChoice>& fields) {
    Split split;
    const std::size_t maxRows = fields.size() + kMaxLinesOverFields;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        std::string_view line = trimmed(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty()) continue;
        if (line.size() > kMaxLineLength) {
            line = line.substr(0, kMaxLineLength);
            split.truncated = true;
        }
        if (split.rows.size() == maxRows) {
            split.tooMany = true;
            break;
        }
        const std::size_t k = std::min(split.rows.size(), fields.empty() ? 0 : fields.size() - 1);
        split.rows.push_back({std::string(line), fields.empty() ? kNoField : fields[k].field});
    }
    split.lines = split.rows.size();
    if (!split.tooMany)
        split.rows.resize(std::max({split.lines + kSpareRows, fields.size(), kVisibleRows}));
    return split;
}

bool KxClipboardRecord::importClipboard(KxUi& ui) {
    const std::string& caption = kxString(kxStrClipboardTitle);
    if (modified_ && !askNoDefault(ui, kxStrClipboardDiscardChanges, caption)) return false;

    // The text is looked at before anything is emptied: a clipboard without text leaves the
    // user's rows as they were.
    const auto text = ui.clipboardText();
    Split split = splitText(text ? std::string_view(*text) : std::string_view(), fields_);
    if (split.lines == 0) {
        ui.message(kxString(kxStrClipboardNoText), caption, KxButtons::Ok, KxIcon::Warning, KxAnswer::Ok);
        return false;
    }
    rows_ = std::move(split.rows);
    firstVisible_ = 0;
    modified_ = true;

    std::string report;
    if (split.truncated) report = kxString(kxStrClipboardTruncated);
    if (split.tooMany) report += (report.empty() ? "" : "\n\n") + kxString(kxStrClipboardTooManyLines);
    if (!report.empty()) ui.message(report, caption, KxButtons::Ok, KxIcon::Warning, KxAnswer::Ok);
    return true;
}

bool KxClipboardRecord::clearFields(KxUi& ui) {
    if (modified_ && !askNoDefault(ui, kxStrClipboardConfirmClear)) return false;
    resetRows();
    modified_ = false;
    return true;
}

bool KxClipboardRecord::confirmCancel(KxUi& ui) const {
    return !modified_ || askNoDefault(ui, kxStrClipboardConfirmCancel);
}

std::optional<std::size_t> KxClipboardRecord::addRecord(KxDatabase& db, KxUi& ui,
                                                        std::uint16_t category) const {
    auto usable = [](const Row& row) { return row.field != kNoField && !trimmed(row.text).empty(); };
    if (std::none_of(rows_.begin(), rows_.end(), usable)) {
        ui.inform(kxString(kxStrClipboardIncomplete), KxIcon::Warning);
        return std::nullopt;
    }

    KxNewRecordBuilder record(db);
    std::vector<bool> joined(rows_.size(), false);
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (joined[i] || !usable(rows_[i])) continue;
        // Every later line for the same field joins this one, after an empty line.
        std::string text(trimmed(rows_[i].text));
        for (std::size_t j = i + 1; j < rows_.size(); ++j) {
            if (joined[j] || !usable(rows_[j]) || rows_[j].field != rows_[i].field) continue;
            text += "\n\n";
            text += trimmed(rows_[j].text);
            joined[j] = true;
        }
        const auto field = static_cast<std::size_t>(rows_[i].field);
        FieldValue value = FieldValue::newValue(static_cast<int>(db.header().fields.at(field).type));
        value.parseText(text);
        record.store(field, value);
    }
    record.recalculate([&ui](KxDbError e) { ui.inform(kxDbErrorMessage(e), KxIcon::Error); });
    return db.placeRecord(record.addTo(db, category, nullptr));
}
