// The list view and the record view in one window, for what passes between them.

#include "tests/gui/ListViewSupport.h"

#include "editors/KxCategoryEditing.h"
#include "views/widgets/KxBaseCtrl.h"
#include "views/widgets/KxDbRecordCtrl.h"
#include "views/widgets/KxDbRecordView.h"

#include <QComboBox>
#include <QTest>

namespace {
class BothViews : public FrameFixture {
  public:
    BothViews() {
        list = new KxDbListView(doc);
        record = new KxDbRecordView(doc);
        frame->setPanes(list, record);
        frame->resize(900, 500);
        frame->show();
    }
    void openList(const std::string& path) {
        open(path);
        QApplication::processEvents();
    }
    QString cell(int row) const {
        return list->model().data(list->model().index(row, 0), Qt::DisplayRole).toString();
    }

    KxDbListView* list = nullptr;
    KxDbRecordView* record = nullptr;
};

KxListOptionsColumn col(std::uint8_t field, KxSortDirection d = KxSortDirection::Ascending) { return {field, d}; }

// Deletes category 1 with its records, as "Delete all items" in the category editor does.
std::pair<bool, bool> deleteCategoryOne(KxDbDoc& doc) {
    ScriptedUi yes;
    yes.answers = {KxAnswer::Yes};
    KxCategoryEditing editing(doc.database(), yes);
    editing.remove(1, true);
    return {editing.categoriesChanged(), editing.recordsDeleted()};
}
} // namespace

TEST(ViewsTogether, ACheckBoxClickedInTheListIsStoredThroughTheForm) {
    BothViews f;
    const std::vector<TestField> fields{{KxFieldType::Text, "What"}, {KxFieldType::Checkbox, "Done"}};
    f.openList(makeListDatabase(f.dir, fields, {col(0), col(1, KxSortDirection::None)}, {{"Mow", "0"}, {"Paint", "1"}}));
    const QRect cell = f.list->list().visualRect(f.list->model().index(0, 1));
    const QPoint image(cell.left() + 5, cell.center().y());

    QTest::mouseClick(f.list->list().viewport(), Qt::LeftButton, {}, image);
    ASSERT_EQ(f.doc.currentRecord(), 0);
    auto stored = f.doc.database().record(0, false).value(1);
    ASSERT_TRUE(stored.has_value());
    EXPECT_TRUE(stored->isChecked());
    EXPECT_TRUE(f.record->form().controlFor(1)->readValue()->isChecked());

    // Unchecking stores an unchecked value; the field is not emptied.
    QTest::mouseClick(f.list->list().viewport(), Qt::LeftButton, {}, image);
    stored = f.doc.database().record(0, false).value(1);
    ASSERT_TRUE(stored.has_value());
    EXPECT_FALSE(stored->isChecked());
    EXPECT_TRUE(f.ui.messages.empty());
}

TEST(ViewsTogether, RecordsDeletedFromTheFormsCategoryEditorLeaveTheList) {
    BothViews f;
    // Sorted by name: apple (1), banana (0), Blueberry (1), Cherry (0).
    f.openList(makeListDatabase(f.dir, {{KxFieldType::Text, "Name"}}, {col(0)},
                                {{"Cherry"}, {"apple"}, {"Blueberry"}, {"banana"}}, {0, 1, 1, 0}, {"zest"}));
    f.list->list().setCurrentIndex(f.list->model().index(3, 0)); // Cherry
    ASSERT_EQ(f.cell(3), "Cherry");
    f.record->form().setCategoryEditor([&f] { return deleteCategoryOne(f.doc); });

    QComboBox& box = *f.record->form().categoryBox();
    emit box.activated(box.findData(KxDbRecordCtrl::kEditCategoriesItem));
    EXPECT_EQ(f.list->rowCount(), 2);
    EXPECT_EQ(f.cell(0), "banana");
    EXPECT_EQ(f.cell(1), "Cherry");
    // The form still shows the record it showed, now at another index.
    EXPECT_EQ(f.list->selectedRow(), 1);
    EXPECT_EQ(f.doc.database().record(static_cast<std::size_t>(f.doc.currentRecord()), false).value(0)->text(),
              "Cherry");
    EXPECT_EQ(f.doc.database().deletedCount(), 2u);
    EXPECT_TRUE(f.doc.isModified());
}

TEST(ViewsTogether, RecordsDeletedFromTheListsCategoryEditorKeepTheCurrentRecord) {
    BothViews f;
    f.openList(makeListDatabase(f.dir, {{KxFieldType::Text, "Name"}}, {col(0)},
                                {{"Cherry"}, {"apple"}, {"Blueberry"}, {"banana"}}, {0, 1, 1, 0}, {"zest"}));
    f.list->list().setCurrentIndex(f.list->model().index(3, 0)); // Cherry
    f.list->setCategoryEditor([](QWidget*, KxDbDoc& doc) { return deleteCategoryOne(doc); });

    QComboBox& box = f.list->categoryBox();
    emit box.activated(box.count() - 1); // "Edit Categories..."
    EXPECT_EQ(f.list->rowCount(), 2);
    EXPECT_EQ(f.list->selectedRow(), 1);
    EXPECT_EQ(f.cell(f.list->selectedRow()), "Cherry");
}
