#pragma once
// The list's rows as a virtual table: each row holds only its record index (the row data);
// cells are formatted from the record when the list asks for them.

#include "engine/KxHeaderChunk.h"

#include <QAbstractTableModel>

#include <cstdint>
#include <vector>

class KxDbDoc;

class KxRecordTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    // Check box cells answer this role with true (checked) or false; their text is empty.
    static constexpr int CheckedRole = Qt::UserRole + 1;

    explicit KxRecordTableModel(KxDbDoc& doc, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Everything shown again: new columns and rows (deleted-records mode from the document).
    void reset(std::vector<KxListColumn> columns, std::vector<std::uint32_t> rows);
    void clear();
    const std::vector<KxListColumn>& columns() const { return columns_; }
    std::vector<KxListColumn>& columns() { return columns_; }
    const std::vector<std::uint32_t>& rows() const { return rows_; }

    // The record shown in a row.
    std::uint32_t recordOf(int row) const { return rows_[static_cast<std::size_t>(row)]; }
    // The first row whose record index is at least `record` (the row count when none).
    int rowAtLeast(std::uint32_t record) const;
    int rowOf(std::uint32_t record) const; // −1 when not shown
    // A row for `record` at `row`; the rows below show records one further on.
    void insertRecordRow(int row, std::uint32_t record);
    // Removes a row; the rows below show records one nearer.
    void removeRecordRow(int row);
    // Removes a row whose record stays where it is (it left the category in view).
    void dropRow(int row);
    // The record moved from `from` to `to` in the engine's order: its row (when shown) moves
    // with it, and the records between the two places shift by one towards the old place.
    void moveRecord(std::uint32_t from, std::uint32_t to);
    void refreshRow(int row);
    bool isCheckboxColumn(int column) const;

  private:
    KxDbDoc& doc_;
    std::vector<KxListColumn> columns_;
    std::vector<std::uint32_t> rows_;
};
