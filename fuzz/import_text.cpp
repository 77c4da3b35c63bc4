// Outside text turned into records: a delimited file imported into a database with a field
// of every kind and a category column, and the same bytes as clipboard text split into
// lines and made into one record. Checks that nothing crashes, that the records stay in
// sort order, and that the clipboard rows keep their limits.
//
// The first byte picks the separator (low bit) and the list's category (bit 1: all, so the
// last column can go to Category); the rest is the text.

#include "app/KxSilentUi.h"
#include "editors/KxSchemaBuilder.h"
#include "transfer/KxClipboardRecord.h"
#include "transfer/KxDelimitedImporter.h"
#include "transfer/ImportRun.h"

#include "engine/KxFileHeader.h"
#include "engine/KxDatabase.h"
#include "engine/KxRecordChunk.h"
#include "engine/Sort.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

std::vector<KxFieldSpec> everyKind() {
    const KxFieldType types[] = {KxFieldType::Text,   KxFieldType::MultipleChoice, KxFieldType::Number,
                                 KxFieldType::Date,   KxFieldType::Time,           KxFieldType::Checkbox,
                                 KxFieldType::Calculation};
    std::vector<KxFieldSpec> fields;
    for (KxFieldType type : types) {
        KxFieldSpec spec;
        spec.label = "f" + std::to_string(fields.size());
        spec.type = type;
        spec.calcOperator = 0;
        spec.calcFirst = 2;
        spec.calcSecond = 2;
        fields.push_back(spec);
    }
    return fields;
}

void requireSorted(const KxDatabase& db) {
    const auto keys = kxSortKeys(db);
    for (std::size_t i = 1; i < db.liveCount(); ++i)
        require(kxCompareRecords(db, keys, db.liveChunk(i - 1), db.liveChunk(i)) <= 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const char separator = (data[0] & 1) ? '\t' : ',';
    const std::uint16_t listCategory = (data[0] & 2) ? kAllCategories : 3;
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    // The scratch files of this process, removed when it ends.
    static const struct Scratch {
        std::string prefix = "/tmp/rolva-fuzz-import-" + std::to_string(::getpid()) + "-";
        ~Scratch() {
            for (const char* name : {"target.rlv", "log.txt"}) std::remove((prefix + name).c_str());
        }
    } scratch;
    const std::string& dir = scratch.prefix;

    KxDatabase db;
    db.create(dir + "target.rlv", kRolvaTypeTag, kOpenDocument | kOpenTruncate, 1);
    kxBuildNewDatabaseSchema(db, everyKind(), 0);
    KxSilentUi ui;

    KxDelimitedReader reader = KxDelimitedReader::fromMemory(text, separator);
    KxDelimitedImporter importer(separator);
    try {
        importer.load(std::move(reader), nullptr);
    } catch (KxDbError e) {
        require(e == KxDbError::CannotOpenOther);
        return 0;
    }
    KxFieldSelection selection(db, kxImportSelectionOptions(listCategory));
    KxImportOptions options;
    options.listCategory = listCategory;
    options.logPath = dir + "log.txt";
    options.offerLog = false;
    try {
        const auto result = kxRunImport(db, ui, importer, selection, options);
        require(result.imported == db.liveCount() && result.imported <= importer.rowCount());
    } catch (KxDbError e) {
        require(e == KxDbError::TooLarge); // many long values in one row
    }
    requireSorted(db);

    KxClipboardRecord clipboard(db);
    ui.clipboard = std::string(text);
    if (clipboard.importClipboard(ui)) {
        require(clipboard.rows().size() >= KxClipboardRecord::kVisibleRows);
        require(clipboard.rows().size() <= clipboard.fields().size() + KxClipboardRecord::kMaxLinesOverFields +
                                                KxClipboardRecord::kSpareRows);
        for (const auto& row : clipboard.rows()) require(row.text.size() <= KxClipboardRecord::kMaxLineLength);
        try {
            clipboard.addRecord(db, ui, 0);
        } catch (KxDbError e) {
            require(e == KxDbError::TooLarge || e == KxDbError::LimitReached);
        }
        requireSorted(db);
    }
    db.close(true);
    return 0;
}
