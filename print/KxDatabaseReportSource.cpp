#include "print/KxDatabaseReportSource.h"

#include "transfer/KxFieldSelection.h"

#include "engine/KxHeaderChunk.h"

KxDatabaseReportSource::KxDatabaseReportSource(const KxDatabase& db,
                                               const KxFieldSelection& selection,
                                               KxReportView view)
    : selection_(selection), cursor_(db, view.currentRecord, view.category) {}

std::size_t KxDatabaseReportSource::entryCount() const {
    return selection_.count();
}

std::string KxDatabaseReportSource::entryLabel(std::size_t entry) const {
    return selection_.labelAt(entry);
}

KxReportEntryKind KxDatabaseReportSource::entryKind(std::size_t entry) const {
    switch (selection_.typeAt(entry)) {
    case static_cast<int>(KxFieldType::LabelOnly):
        return KxReportEntryKind::LabelOnly;
    case static_cast<int>(KxFieldType::Checkbox):
        return KxReportEntryKind::Checkbox;
    default:
        return KxReportEntryKind::Value;
    }
}

void KxDatabaseReportSource::initCursor(int rangeMode, bool deletedList, int limit) {
    using Range = KxRecordCursor::Range;
    const Range range = rangeMode >= 0 && rangeMode <= 3 ? static_cast<Range>(rangeMode)
                                                         : Range::Category;
    cursor_.init(range, deletedList, limit);
    current_ = false;
}

bool KxDatabaseReportSource::firstRecord() {
    current_ = cursor_.first();
    return current_;
}

bool KxDatabaseReportSource::nextRecord() {
    current_ = cursor_.next();
    return current_;
}

std::string KxDatabaseReportSource::entryValue(std::size_t entry) const {
    if (!current_) return std::string();
    return selection_.valueAt(entry, cursor_.record(), cursor_.recordCategory());
}

KxReportSource::Progress KxDatabaseReportSource::progress() const {
    return {cursor_.position(), cursor_.end()};
}
