#include "views/widgets/KxRecordTableModel.h"

#include "platform/Cp1252.h"
#include "engine/KxDatabase.h"
#include "app/KxDbDoc.h"
#include "views/ListRows.h"
#include "views/widgets/KxQtText.h"

#include <algorithm>

KxRecordTableModel::KxRecordTableModel(KxDbDoc& doc, QObject* parent) : QAbstractTableModel(parent), doc_(doc) {}

int KxRecordTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int KxRecordTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

bool KxRecordTableModel::isCheckboxColumn(int column) const {
    if (column < 0 || static_cast<std::size_t>(column) >= columns_.size() || !doc_.isOpen()) return false;
    const auto& fields = doc_.database().header().fields;
    const std::uint8_t field = columns_[static_cast<std::size_t>(column)].field;
    return field < fields.size() && fields[field].type == KxFieldType::Checkbox;
}

QVariant KxRecordTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !doc_.isOpen() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    if (role != Qt::DisplayRole && role != CheckedRole) return {};
    const KxDatabase& db = doc_.database();
    const std::uint32_t record = recordOf(index.row());
    if (record >= (doc_.deletedMode() ? db.deletedCount() : db.liveCount())) return {};
    const KxRecordChunk& chunk = kxRowRecord(db, doc_.deletedMode(), record);
    const std::uint8_t field = columns_[static_cast<std::size_t>(index.column())].field;
    if (isCheckboxColumn(index.column())) {
        if (role == CheckedRole) return kxCellChecked(chunk, field);
        return QString();
    }
    if (role != Qt::DisplayRole) return {};
    return kxQt(kxCellText(db, chunk, field));
}

QVariant KxRecordTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || !doc_.isOpen() || section < 0 ||
        static_cast<std::size_t>(section) >= columns_.size())
        return {};
    const auto& fields = doc_.database().header().fields;
    const std::uint8_t field = columns_[static_cast<std::size_t>(section)].field;
    return field < fields.size() ? kxQt(fields[field].label) : QString();
}

void KxRecordTableModel::reset(std::vector<KxListColumn> columns, std::vector<std::uint32_t> rows) {
    beginResetModel();
    columns_ = std::move(columns);
    rows_ = std::move(rows);
    endResetModel();
}

void KxRecordTableModel::clear() { reset({}, {}); }

int KxRecordTableModel::rowAtLeast(std::uint32_t record) const {
    return static_cast<int>(std::lower_bound(rows_.begin(), rows_.end(), record) - rows_.begin());
}

int KxRecordTableModel::rowOf(std::uint32_t record) const {
    const int row = rowAtLeast(record);
    return row < rowCount() && rows_[static_cast<std::size_t>(row)] == record ? row : -1;
}

void KxRecordTableModel::insertRecordRow(int row, std::uint32_t record) {
    row = std::clamp(row, 0, rowCount());
    beginInsertRows({}, row, row);
    rows_.insert(rows_.begin() + row, record);
    for (auto it = rows_.begin() + row + 1; it != rows_.end(); ++it) ++*it;
    endInsertRows();
}

void KxRecordTableModel::removeRecordRow(int row) {
    if (row < 0 || row >= rowCount()) return;
    beginRemoveRows({}, row, row);
    rows_.erase(rows_.begin() + row);
    for (auto it = rows_.begin() + row; it != rows_.end(); ++it) --*it;
    endRemoveRows();
}

void KxRecordTableModel::dropRow(int row) {
    if (row < 0 || row >= rowCount()) return;
    beginRemoveRows({}, row, row);
    rows_.erase(rows_.begin() + row);
    endRemoveRows();
}

void KxRecordTableModel::moveRecord(std::uint32_t from, std::uint32_t to) {
    const int old = rowOf(from);
    if (old >= 0) {
        beginRemoveRows({}, old, old);
        rows_.erase(rows_.begin() + old);
        endRemoveRows();
    }
    // The records between the two places shift by one towards the old place.
    for (std::uint32_t& r : rows_) {
        if (from < to && r > from && r <= to) --r;
        if (to < from && r >= to && r < from) ++r;
    }
    if (old < 0) return; // not shown here: only the others' indices follow
    const int row = rowAtLeast(to);
    beginInsertRows({}, row, row);
    rows_.insert(rows_.begin() + row, to);
    endInsertRows();
}

void KxRecordTableModel::refreshRow(int row) {
    if (row < 0 || row >= rowCount() || columns_.empty()) return;
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}
