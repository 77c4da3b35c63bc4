#include "transfer/ImportRun.h"

#include "engine/KxDbError.h"
#include "transfer/TransferStrings.h"
#include "engine/KxRecordChunk.h"
#include "base/KxUi.h"
#include "transfer/DisplayNames.h"
#include "transfer/KxIdentityIndex.h"
#include "transfer/KxImportCategories.h"
#include "transfer/KxImportLog.h"
#include "transfer/KxImporter.h"
#include "transfer/MessageText.h"
#include "transfer/KxNewRecordBuilder.h"
#include "engine/values/Conversion.h"

#include <algorithm>
#include <new>
#include <optional>

namespace {

constexpr std::uint8_t kSkipped = KxFieldSelection::kSkipped;

enum class RowOutcome { Imported, Identical, Empty, LimitReached };

class ImportRun {
public:
    ImportRun(KxDatabase& db, KxUi& ui, const KxImporter& source, const KxFieldSelection& selection,
              const KxImportOptions& options, KxImportLog& log)
        : db_(db), ui_(ui), source_(source), selection_(selection), log_(log), builder_(db),
          categories_(db), columns_(source.columnCount()), firstNew_(db.liveCount()) {
        // Unfiled while the list shows all categories (or anything that is not a category).
        defaultCategory_ = options.listCategory < 16 ? options.listCategory : 0;
        duplicateCheck_ = db.liveCount() > 0 && mappedTypesMatch();
    }

    void importRows(KxImportResult& result) {
        const std::size_t rows = source_.rowCount();
        db_.reserveRecords(rows);
        auto box = ui_.waitBox(kxString(kxStrImportingFile));
        for (std::size_t row = 0; row < rows; ++row) {
            box->setProgress(row, rows);
            if (box->cancelled()) {
                result.cancelled = true;
                return;
            }
            switch (importRow(row)) {
            case RowOutcome::Imported: ++result.imported; break;
            case RowOutcome::Identical: ++result.skipped; break;
            case RowOutcome::Empty: break;
            case RowOutcome::LimitReached: result.limitReached = true; return;
            }
            result.rowsDone = row + 1;
        }
    }

    // New records were added at the end of the list; they go to their places all at once.
    void placeNewRecords() { db_.placeRecords(firstNew_); }

private:
    std::uint8_t entryOf(std::size_t column) const {
        const auto& order = selection_.order();
        if (column >= order.size() || order[column] >= selection_.entryCount()) return kSkipped;
        return order[column];
    }

    int entryType(std::uint8_t entry) const {
        if (selection_.entryIsCategory(entry)) return KxFieldSelection::kCategoryType;
        return static_cast<int>(db_.header().fields[selection_.entryField(entry)].type);
    }

    bool mappedTypesMatch() const {
        for (std::size_t column = 0; column < columns_; ++column) {
            const std::uint8_t entry = entryOf(column);
            if (entry != kSkipped && source_.columnType(column) != entryType(entry)) return false;
        }
        return true;
    }

    KxIdentityIndex& index() {
        if (!index_) index_.emplace(db_);
        return *index_;
    }

    // Same category name, and for every mapped field the same stored bytes or no value on
    // both sides. Bytes, not the typed order: a text whose letter case changed is a change.
    bool identical(std::size_t row, const KxIdentityIndex::Entry& existing) const {
        if (source_.categoryName(row) != kxCategoryDisplayName(db_, existing.category)) return false;
        for (std::size_t column = 0; column < columns_; ++column) {
            const std::uint8_t entry = entryOf(column);
            if (entry == kSkipped || selection_.entryIsCategory(entry)) continue;
            const auto value = source_.value(row, column);
            const auto mine = existing.record->value(selection_.entryField(entry));
            const auto theirs = value ? value->raw() : std::span<const std::uint8_t>();
            if (!std::ranges::equal(mine, theirs)) return false;
        }
        return true;
    }

    void mapCategory(const std::string& text, std::uint16_t& category, bool& warned) {
        const auto mapping = categories_.map(text);
        if (mapping.outcome == KxImportCategories::Outcome::Mapped) {
            category = mapping.category;
        } else if (mapping.outcome == KxImportCategories::Outcome::Unmapped && !warned) {
            log_.write(kxFillText(kxString(kxStrLogUnmappedCategory), {text}));
            warned = true;
        }
    }

    // Stores the value into the field, converted when the types differ and convert; returns
    // the value stored, or none when it was dropped.
    std::optional<FieldValue> storeValue(std::size_t field, FieldValue value) {
        const int type = static_cast<int>(db_.header().fields[field].type);
        if (value.type() != type) {
            if (kxConversionKind(value.type(), type) == KxConversion::Impossible) return std::nullopt;
            auto converted = kxConvertValue(value, type);
            if (!converted) return std::nullopt;
            value = std::move(*converted);
        }
        builder_.store(field, value);
        return value;
    }

    // A cell of plain text going to a field that is not a text, read straight by the field
    // type's parser: the same value the conversion from a Text value gives, since a text
    // without line breaks or NUL is its own stored and shown form. None otherwise.
    std::optional<FieldValue> parsedText(std::size_t row, std::size_t column, std::size_t field) const {
        const int type = static_cast<int>(db_.header().fields[field].type);
        if (type == static_cast<int>(KxFieldType::Text) || type == static_cast<int>(KxFieldType::MultipleChoice) ||
            source_.columnType(column) != static_cast<int>(KxFieldType::Text) ||
            kxConversionKind(static_cast<int>(KxFieldType::Text), type) == KxConversion::Impossible)
            return std::nullopt;
        const auto text = source_.cellText(row, column);
        if (!text || std::any_of(text->begin(), text->end(), [](char c) { return c == '\0' || c == '\r' || c == '\n'; }))
            return std::nullopt;
        FieldValue value = FieldValue::newValue(type);
        value.parseText(*text);
        return value;
    }

    // A cell of plain text going to a Text field is stored as it stands, which is what a
    // Text value of it stores, without making that value. False for any other cell.
    bool storedAsText(std::size_t row, std::size_t column, std::size_t field) {
        if (db_.header().fields[field].type != KxFieldType::Text ||
            source_.columnType(column) != static_cast<int>(KxFieldType::Text))
            return false;
        const auto text = source_.cellText(row, column);
        if (!text || std::any_of(text->begin(), text->end(), [](char c) { return c == '\0' || c == '\r'; })) return false;
        builder_.storeText(field, *text);
        return true;
    }

    RowOutcome importRow(std::size_t row) {
        const KxRecordInfo info = source_.recordInfo(row);
        const KxIdentityIndex::Entry* existing = info.present() ? index().find(info.identity) : nullptr;
        const bool duplicate = duplicateCheck_ && existing && existing->live;
        if (duplicate && identical(row, *existing)) return RowOutcome::Identical;
        if (db_.liveCount() + db_.deletedCount() >= KxDatabase::kMaxRecords) {
            log_.write(kxString(kxStrLogRecordLimit));
            return RowOutcome::LimitReached;
        }
        if (source_.rowHadReplacedCharacters(row))
            log_.write(kxFillText(kxString(kxStrLogReplacedCharacters), {std::to_string(row + 1)}));
        if (source_.rowHadNulCharacters(row))
            log_.write(kxFillText(kxString(kxStrLogNulCharacter), {std::to_string(row + 1)}));

        builder_.reset();
        std::uint16_t category = defaultCategory_;
        bool warned = false;
        bool copyLogged = !duplicate;
        for (std::size_t column = 0; column < columns_; ++column) {
            const std::uint8_t entry = entryOf(column);
            if (entry == kSkipped) continue;
            // A copy of a duplicate logs its first value, which needs the value made.
            if (copyLogged && !selection_.entryIsCategory(entry) && storedAsText(row, column, selection_.entryField(entry)))
                continue;
            std::optional<FieldValue> stored;
            if (!selection_.entryIsCategory(entry) && (stored = parsedText(row, column, selection_.entryField(entry)))) {
                builder_.store(selection_.entryField(entry), *stored);
            } else {
                auto value = source_.value(row, column);
                if (!value) continue;
                if (selection_.entryIsCategory(entry)) {
                    mapCategory(value->plainText(), category, warned);
                    continue;
                }
                stored = storeValue(selection_.entryField(entry), std::move(*value));
            }
            if (stored && !copyLogged) {
                const std::string text = stored->plainText();
                if (!text.empty()) {
                    log_.write(kxFillText(kxString(kxStrLogDuplicateCopy), {text}));
                    copyLogged = true;
                }
            }
        }
        builder_.recalculate([this](KxDbError e) { ui_.inform(kxDbErrorMessage(e), KxIcon::Error); });
        if (builder_.isEmpty()) return RowOutcome::Empty;

        // A record keeps its source's identity unless a record here already has it: two
        // records must never share an identity, deleted ones included.
        const bool takeOver = info.present() && !existing;
        const std::size_t at = builder_.addTo(db_, category, takeOver ? &info : nullptr);
        if (index_) {
            const KxRecordChunk& added = db_.liveChunk(at);
            index_->add(added.identity, {&added, category, true});
        }
        return RowOutcome::Imported;
    }

    KxDatabase& db_;
    KxUi& ui_;
    const KxImporter& source_;
    const KxFieldSelection& selection_;
    KxImportLog& log_;
    KxNewRecordBuilder builder_;
    KxImportCategories categories_;
    std::optional<KxIdentityIndex> index_;
    std::size_t columns_;
    std::size_t firstNew_;
    std::uint16_t defaultCategory_ = 0;
    bool duplicateCheck_ = false;
};

// Offers a log with lines to the user (or keeps it unasked); an empty one goes.
void finishLog(KxUi& ui, KxImportLog& log, const KxImportOptions& options, KxImportResult& result) {
    result.logLines = log.lineCount();
    if (!log.hasLines()) {
        log.discard();
        return;
    }
    log.close();
    if (!log.exists()) {
        log.remove();
        return;
    }
    if (!options.offerLog) {
        result.logKept = true;
    } else if (ui.ask(kxString(kxStrShowImportLog))) {
        result.logKept = true;
        ui.openWithDesktop(log.path());
    } else {
        log.remove();
    }
}

} // namespace

KxFieldSelection::Options kxImportSelectionOptions(std::uint16_t listCategory) {
    KxFieldSelection::Options options;
    options.defaultNames = true;
    options.includeCategory = listCategory == kAllCategories;
    return options;
}

KxImportResult kxRunImport(KxDatabase& db, KxUi& ui, const KxImporter& source,
                           const KxFieldSelection& selection, const KxImportOptions& options) {
    KxImportLog log(options.logPath.empty() ? KxImportLog::defaultPath() : options.logPath);
    KxImportResult result;
    result.logPath = log.path();
    ImportRun run(db, ui, source, selection, options, log);
    KxDbError failure = KxDbError::None;
    try {
        run.importRows(result);
    } catch (KxDbError e) {
        failure = e;
    } catch (const std::bad_alloc&) {
        failure = KxDbError::OutOfMemory;
    }
    // Records made before a failure stay, in their places.
    run.placeNewRecords();
    if (result.cancelled)
        ui.inform(kxFillText(kxString(kxStrImportCancelled),
                             {std::to_string(result.imported), std::to_string(source.rowCount())}),
                  KxIcon::Information);
    finishLog(ui, log, options, result);
    if (failure != KxDbError::None) throw failure;
    return result;
}
