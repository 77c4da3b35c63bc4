#pragma once
// The main window with the real list view, over small databases built for the list's tests.

#include "tests/gui/GuiTestSupport.h"

#include "engine/KxCategoryEditor.h"
#include "engine/Sort.h"
#include "views/widgets/KxDbListView.h"
#include "views/widgets/KxRecordTableModel.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTableView>

#include <string>
#include <vector>

// Saves a database whose list shows `columns` (field, direction) sorted, with the records
// given as texts per field.
inline std::string makeListDatabase(const TempDir& dir, const std::vector<TestField>& fields,
                                    const std::vector<KxListOptionsColumn>& columns,
                                    const std::vector<std::vector<std::string>>& records,
                                    const std::vector<std::uint16_t>& categories = {},
                                    const std::vector<std::string>& categoryNames = {},
                                    std::size_t deletedRecords = 0) {
    TestDatabase t(fields);
    KxCategoryEditor names(t.db);
    for (std::size_t i = 0; i < categoryNames.size(); ++i) names.setCategoryName(i + 1, categoryNames[i]);
    for (std::size_t i = 0; i < records.size(); ++i)
        t.addRecord(records[i], i < categories.size() ? categories[i] : 0);
    for (std::size_t i = 0; i < deletedRecords; ++i) t.addDeletedRecord(records[i % records.size()]);
    kxApplyListOptions(t.db, columns, false);
    kxSortRecords(t.db);
    t.db.header().setAttributes(t.db.header().attributes() | kAttrEditableCheckboxes);
    const std::string path = dir.file("List.rlv");
    t.db.save(path);
    t.db.close(false);
    return path;
}

class ListFixture : public FrameFixture {
  public:
    ListFixture() {
        view = new KxDbListView(doc);
        record = new KxRecordPlaceholderWidget;
        frame->setPanes(view, record);
        frame->resize(800, 500);
        frame->show();
    }
    void openList(const std::string& path) {
        open(path);
        QApplication::processEvents();
    }
    QString cell(int row, int column) const {
        return view->model().data(view->model().index(row, column), Qt::DisplayRole).toString();
    }
    QStringList column(int c) const {
        QStringList texts;
        for (int row = 0; row < view->rowCount(); ++row) texts << cell(row, c);
        return texts;
    }
    QLineEdit& lookup() const { return view->lookupBox(); }

    KxDbListView* view = nullptr;
    KxRecordPlaceholderWidget* record = nullptr;
};
