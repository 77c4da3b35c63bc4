#include "transfer/KxExporter.h"

#include "base/KxUi.h"
#include "transfer/KxDatabaseExport.h"
#include "transfer/KxDelimitedExport.h"
#include "transfer/KxRecordCursor.h"

#include "engine/KxDatabase.h"
#include "transfer/TransferStrings.h"

namespace {

KxFieldSelection::Options exportOptions(bool defaultNames) {
    KxFieldSelection::Options options;
    options.includeLabelOnly = true;
    options.includeCategory = true;
    options.defaultNames = defaultNames;
    options.decimalMode = false;
    return options;
}

KxRecordCursor::Range rangeOf(KxExportWhat what, const KxExportView& view) {
    switch (what) {
    case KxExportWhat::CategoryOrSearch:
        return view.searchResults ? KxRecordCursor::Range::SearchResults
                                  : KxRecordCursor::Range::Category;
    case KxExportWhat::Selected:
        return KxRecordCursor::Range::CurrentRecord;
    case KxExportWhat::Entire:
    case KxExportWhat::StructureOnly:
        break;
    }
    return KxRecordCursor::Range::Entire;
}

} // namespace

KxExportSelections::KxExportSelections(const KxDatabase& db)
    : named(db, exportOptions(true)), plain(db, exportOptions(false)) {}

std::unique_ptr<KxExportTarget> KxExporter::openTarget(const KxExportOptions& options,
                                                       const KxFieldSelection& columns,
                                                       const KxFieldSelection& fields) {
    if (options.type == KxExportFileType::Database)
        return std::make_unique<KxDatabaseExport>(db_, fields, options.path, userId_, stamp_);
    const char separator = options.type == KxExportFileType::Tab ? '\t' : ',';
    auto text = std::make_unique<KxDelimitedExport>(options.path, columns, separator,
                                                    options.encoding);
    if (options.fieldLabels) text->writeHeader();
    return text;
}

bool KxExporter::run(const KxExportOptions& options, const KxExportSelections& selections,
                     const KxExportView& view) {
    records_ = 0;
    // The columns carry the labels with default names, in the order the wizard chose.
    KxFieldSelection columns = selections.named;
    columns.setOrder(selections.plain.order());

    const auto box = ui_.waitBox(kxString(kxStrExportingFile));
    const auto target = openTarget(options, columns, selections.plain);
    try {
        if (options.what == KxExportWhat::StructureOnly || walk(options, view, *target, *box)) {
            target->finish();
            return true;
        }
    } catch (...) {
        // Nothing half written is left: the file that was there before stays as it was.
        target->discard();
        throw;
    }
    target->discard();
    return false;
}

// False when the user cancelled.
bool KxExporter::walk(const KxExportOptions& options, const KxExportView& view,
                      KxExportTarget& target, KxWaitBox& box) {
    KxRecordCursor cursor(db_, view.currentRecord, view.category);
    cursor.init(rangeOf(options.what, view), view.deletedRecords, -1);
    for (bool more = cursor.first(); more; more = cursor.next()) {
        target.writeRecord(cursor.record(), cursor.recordCategory());
        ++records_;
        box.setProgress(cursor.position(), cursor.end());
        if (box.cancelled()) return false;
    }
    return true;
}
