#pragma once
// List Options: five columns, each a field and a sort direction, for the list options set in
// force. The choice is handed back; the document applies it.

#include "engine/Sort.h"

#include <QDialog>

#include <array>
#include <memory>
#include <vector>

class KxHeaderChunk;
class KxListOptionsRules;
class QComboBox;

class KxListOptionsDialog : public QDialog {
    Q_OBJECT
  public:
    KxListOptionsDialog(QWidget* parent, const KxHeaderChunk& header, const std::vector<KxListOptionsColumn>& stored);
    ~KxListOptionsDialog() override;

    // Five columns; a column whose field is kNoField ("None") is dropped when applied.
    const std::vector<KxListOptionsColumn>& columns() const { return columns_; }
    QComboBox& fieldBox(std::size_t column) const { return *fieldBoxes_[column]; }
    QComboBox& sortBox(std::size_t column) const { return *sortBoxes_[column]; }

  private:
    void showColumns();
    void chosen();

    std::unique_ptr<KxListOptionsRules> rules_;
    std::vector<KxListOptionsColumn> columns_;
    std::array<QComboBox*, 5> fieldBoxes_{};
    std::array<QComboBox*, 5> sortBoxes_{};
};
