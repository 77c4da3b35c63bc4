// The list view in the main window: look-up, the rows following the records (the deleted
// ones too), column widths, the category filter and check box cells.

#include "tests/gui/ListViewSupport.h"

#include "engine/KxRecordHandle.h"
#include "app/KxDisplayModes.h"
#include "app/KxRecordCommands.h"
#include "views/widgets/KxRecordTableModel.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTest>

namespace {
const std::string kLookupMessage =
    "The \"Look up\" field only operates when you have selected a text, number, or multiple choice field for "
    "the first column in the List Window.  Date, time, and checkbox fields do not support look up.";

const std::vector<TestField> kFruitFields{{KxFieldType::Text, "Name"}, {KxFieldType::Number, "Price"}};
const std::vector<std::vector<std::string>> kFruit{
    {"Cherry", "20"}, {"apple", "5"}, {"Blueberry", "100"}, {"banana", "12"}};

KxListOptionsColumn col(std::uint8_t field, KxSortDirection d = KxSortDirection::Ascending) { return {field, d}; }
} // namespace

TEST(ListView, LookUpFindsTheFirstMatchAndRemovesACharacterThatMatchesNothing) {
    ListFixture f;
    f.openList(makeListDatabase(f.dir, kFruitFields, {col(0), col(1)}, kFruit));
    ASSERT_EQ(f.column(0), (QStringList{"apple", "banana", "Blueberry", "Cherry"}));
    EXPECT_EQ(f.view->lookupColumn(), 0);

    QTest::keyClicks(&f.lookup(), "b");
    EXPECT_EQ(f.view->selectedRow(), 1);
    QTest::keyClicks(&f.lookup(), "L");
    EXPECT_EQ(f.view->selectedRow(), 2);
    EXPECT_EQ(f.doc.currentRecord(), 2);
    QTest::keyClicks(&f.lookup(), "x");
    EXPECT_EQ(f.lookup().text(), "bL");
    EXPECT_EQ(f.view->selectedRow(), 2);
    EXPECT_TRUE(f.ui.messages.empty());

    // Keys for the list move its selection and drop the typed text quietly.
    QTest::keyClick(&f.lookup(), Qt::Key_Down);
    EXPECT_EQ(f.view->selectedRow(), 3);
    EXPECT_EQ(f.lookup().text(), "");
    QTest::keyClicks(&f.lookup(), "c");
    EXPECT_EQ(f.view->selectedRow(), 3);
    QTest::keyClick(&f.lookup(), Qt::Key_Escape);
    EXPECT_EQ(f.lookup().text(), "");
    EXPECT_EQ(f.view->selectedRow(), 0);
}

TEST(ListView, LookUpFollowsADescendingSortAndNumberValues) {
    ListFixture f;
    f.openList(makeListDatabase(f.dir, kFruitFields, {col(1, KxSortDirection::Descending), col(0)}, kFruit));
    ASSERT_EQ(f.column(0), (QStringList{"100", "20", "12", "5"}));
    QTest::keyClicks(&f.lookup(), "2");
    EXPECT_EQ(f.view->selectedRow(), 1);
    f.view->clearLookupText(true);
    QTest::keyClicks(&f.lookup(), "1");
    EXPECT_EQ(f.view->selectedRow(), 2) << "from the values at or below 1, back towards greater ones";
    f.view->clearLookupText(true);
    QTest::keyClicks(&f.lookup(), "q");
    EXPECT_EQ(f.lookup().text(), "");
}

TEST(ListView, LookUpInAnEmptyListBeeps) {
    ListFixture f;
    f.openList(makeListDatabase(f.dir, kFruitFields, {col(0)}, kFruit, {0, 0, 0, 0}, {"Empty"}));
    f.view->categoryBox().setCurrentIndex(1);
    emit f.view->categoryBox().activated(1);
    EXPECT_EQ(f.view->rowCount(), 0);
    EXPECT_EQ(f.doc.currentRecord(), KxDbDoc::kNoRecord);
    QTest::keyClicks(&f.lookup(), "a");
    EXPECT_EQ(f.lookup().text(), "");
}

TEST(ListView, ADateFirstColumnRefusesLookUpAndACheckboxFirstColumnLooksUpInTheSecond) {
    ListFixture f;
    const std::vector<TestField> fields{
        {KxFieldType::Date, "When"}, {KxFieldType::Checkbox, "Done"}, {KxFieldType::Text, "What"}};
    const std::vector<std::vector<std::string>> records{{"1/2/2020", "1", "Paint"}, {"1/3/2020", "0", "Mow"}};
    f.openList(makeListDatabase(f.dir, fields, {col(0), col(2)}, records));
    EXPECT_EQ(f.view->lookupColumn(), -1);
    QTest::keyClicks(&f.lookup(), "1");
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.messages[0].text, kLookupMessage);
    EXPECT_EQ(f.lookup().text(), "");

    ListFixture g;
    g.openList(makeListDatabase(g.dir, fields, {col(1, KxSortDirection::None), col(2)}, records));
    EXPECT_EQ(g.view->lookupColumn(), 1);
    QTest::keyClicks(&g.lookup(), "p");
    EXPECT_EQ(g.cell(g.view->selectedRow(), 1), "Paint");
    EXPECT_TRUE(g.ui.messages.empty());
}

TEST(ListView, ARecordWhoseSortFieldChangedMovesAndStaysSelected) {
    ListFixture f;
    f.openList(makeListDatabase(f.dir, kFruitFields, {col(0), col(1)}, kFruit));
    f.view->list().setCurrentIndex(f.view->model().index(0, 0)); // apple
    ASSERT_EQ(f.doc.currentRecord(), 0);
    {
        KxRecordHandle apple = f.doc.database().record(0, true);
        apple.setRawValue(0, std::vector<std::uint8_t>{'d', 'a', 't', 'e'});
    }
    f.record->received.clear();
    f.doc.listPane().recordChanged(0, false);
    EXPECT_EQ(f.column(0), (QStringList{"banana", "Blueberry", "Cherry", "date"}));
    EXPECT_EQ(f.view->selectedRow(), 3);
    EXPECT_EQ(f.doc.currentRecord(), 3);
    EXPECT_EQ(f.record->received, (std::vector<std::string>{"release", "retake"}));
}

TEST(ListView, ADeletedRecordWhoseSortFieldChangedMovesAmongTheDeletedAndStaysSelected) {
    ListFixture f;
    f.openList(makeListDatabase(f.dir, kFruitFields, {col(0), col(1)}, kFruit, {}, {}, 4));
    KxDisplayModes(f.doc).showDeletedRecords();
    ASSERT_EQ(f.column(0), (QStringList{"apple", "banana", "Blueberry", "Cherry"}));
    auto rename = [&](std::size_t deletedIndex, const std::string& name) {
        KxRecordHandle handle = f.doc.database().deletedRecord(deletedIndex, true);
        handle.setRawValue(0, std::vector<std::uint8_t>(name.begin(), name.end()));
    };

    // Still between its neighbours: only redrawn, the form keeps its record.
    f.view->list().setCurrentIndex(f.view->model().index(1, 0));
    rename(1, "bananas");
    f.record->received.clear();
    f.doc.listPane().recordChanged(1, false);
    EXPECT_TRUE(f.record->received.empty());
    EXPECT_EQ(f.view->selectedRow(), 1);

    f.view->list().setCurrentIndex(f.view->model().index(0, 0));
    rename(0, "date");
    f.record->received.clear();
    f.doc.listPane().recordChanged(0, false);
    EXPECT_EQ(f.column(0), (QStringList{"bananas", "Blueberry", "Cherry", "date"}));
    EXPECT_EQ(f.view->model().rows(), (std::vector<std::uint32_t>{0, 1, 2, 3}));
    EXPECT_EQ(f.view->selectedRow(), 3);
    EXPECT_EQ(f.doc.currentRecord(), 3);
    EXPECT_EQ(f.record->received, (std::vector<std::string>{"release", "retake"}));
    EXPECT_EQ(f.doc.database().liveCount(), 4u) << "the live records are not touched";

    // The rows are in order again, so the look-up's bisection finds the moved record.
    f.view->list().setCurrentIndex(f.view->model().index(0, 0));
    QTest::keyClicks(&f.lookup(), "d");
    EXPECT_EQ(f.view->selectedRow(), 3);
    EXPECT_EQ(f.lookup().text(), "d");

    // In this mode a change the form reports as of the category only moves the record too.
    rename(3, "aardvark");
    f.doc.listPane().recordChanged(3, true);
    EXPECT_EQ(f.column(0), (QStringList{"aardvark", "bananas", "Blueberry", "Cherry"}));
    EXPECT_EQ(f.view->selectedRow(), 0);
}

TEST(ListView, DraggingAColumnDividerKeepsTheSumOfTheTwoColumns) {
    ListFixture f;
    f.openList(makeListDatabase(f.dir, kFruitFields, {col(0), col(1)}, kFruit));
    const auto& columns = f.doc.database().header().listSets[0].columns;
    ASSERT_EQ(columns[0].width + columns[1].width, 100);
    f.doc.setModified(false);
    QHeaderView& header = *f.view->list().horizontalHeader();
    const int both = header.sectionSize(0) + header.sectionSize(1);
    header.resizeSection(0, both / 4);
    EXPECT_EQ(columns[0].width + columns[1].width, 100);
    EXPECT_EQ(columns[0].width, 25);
    EXPECT_TRUE(f.doc.isModified());
    EXPECT_NEAR(header.sectionSize(0), f.view->list().viewport()->width() / 4, 1);
}

TEST(ListView, TheCategoryBoxListsNamesIgnoringCaseAndFiltersTheRows) {
    ListFixture f;
    f.openList(makeListDatabase(f.dir, kFruitFields, {col(0)}, kFruit, {1, 2, 1, 0}, {"zest", "Bowl"}));
    QComboBox& box = f.view->categoryBox();
    QStringList items;
    for (int i = 0; i < box.count(); ++i) items << box.itemText(i);
    EXPECT_EQ(items, (QStringList{"All", "Bowl", "zest", "Unfiled", "Edit Categories..."}));
    EXPECT_TRUE(box.isVisibleTo(f.view));
    EXPECT_FALSE(f.view->showAllButton().isVisibleTo(f.view));

    box.setCurrentIndex(2);
    emit box.activated(2);
    EXPECT_EQ(f.column(0), (QStringList{"Blueberry", "Cherry"}));
    EXPECT_EQ(f.doc.categoryFilter(), 1);
    EXPECT_TRUE(f.doc.isModified());
}

TEST(ListView, EditCategoriesRefillsTheBoxAndAskedForDeletedRecordsRebuilds) {
    ListFixture f;
    f.openList(makeListDatabase(f.dir, kFruitFields, {col(0)}, kFruit, {1, 0, 1, 0}, {"zest"}));
    f.view->setCategoryEditor([](QWidget*, KxDbDoc& doc) {
        KxCategoryEditor(doc.database()).setCategoryName(2, std::string("Bowl"));
        return std::pair{true, false};
    });
    QComboBox& box = f.view->categoryBox();
    emit box.activated(box.count() - 1);
    EXPECT_EQ(box.currentText(), "All");
    EXPECT_EQ(box.itemText(1), "Bowl");
    EXPECT_EQ(f.record->received.back(), "categoriesChanged");
}

TEST(ListView, DeletedRecordsAndSearchResultsShowTheShowAllButton) {
    ListFixture f;
    f.openList(makeListDatabase(f.dir, kFruitFields, {col(0)}, kFruit, {}, {}, 2));
    KxDisplayModes(f.doc).showDeletedRecords();
    EXPECT_EQ(f.view->rowCount(), 2);
    EXPECT_FALSE(f.view->categoryBox().isVisibleTo(f.view));
    EXPECT_TRUE(f.view->showAllButton().isVisibleTo(f.view));
    QTest::mouseClick(&f.view->showAllButton(), Qt::LeftButton);
    EXPECT_FALSE(f.doc.deletedMode());
    EXPECT_EQ(f.view->rowCount(), 4);
    EXPECT_TRUE(f.view->categoryBox().isVisibleTo(f.view));
}

TEST(ListView, ClickingACheckBoxCellAsksTheFormToStoreTheOtherValue) {
    ListFixture f;
    const std::vector<TestField> fields{{KxFieldType::Text, "What"}, {KxFieldType::Checkbox, "Done"}};
    f.openList(makeListDatabase(f.dir, fields, {col(0), col(1)}, {{"Mow", "0"}, {"Paint", "1"}}));
    f.view->setCheckboxesEditable(true);
    const QRect cell = f.view->list().visualRect(f.view->model().index(1, 1));
    f.record->received.clear();
    QTest::mouseClick(f.view->list().viewport(), Qt::LeftButton, {}, QPoint(cell.left() + 5, cell.center().y()));
    EXPECT_EQ(f.doc.currentRecord(), 1);
    ASSERT_FALSE(f.record->received.empty());
    EXPECT_EQ(f.record->received.back(), "fieldValue 1");
    ASSERT_TRUE(f.record->lastValue.has_value());
    EXPECT_FALSE(f.record->lastValue->isChecked()); // the other value

    f.view->setCheckboxesEditable(false);
    f.record->received.clear();
    QTest::mouseClick(f.view->list().viewport(), Qt::LeftButton, {}, QPoint(cell.left() + 5, cell.center().y()));
    for (const auto& m : f.record->received) EXPECT_NE(m, "fieldValue 1");
}

TEST(ListView, NewCloneAndDeletedRecordsInsertAndRemoveRowsInPlace) {
    ListFixture f;
    f.openList(makeListDatabase(f.dir, kFruitFields, {col(0), col(1)}, kFruit));
    f.view->list().setCurrentIndex(f.view->model().index(1, 0)); // banana
    KxRecordCommands commands(f.doc);
    commands.cloneRecord();
    EXPECT_EQ(f.view->rowCount(), 5);
    EXPECT_EQ(f.view->selectedRow(), 2);
    EXPECT_EQ(f.doc.currentRecord(), 2);
    EXPECT_EQ(f.column(0), (QStringList{"apple", "banana", "banana", "Blueberry", "Cherry"}));
    const std::vector<std::uint32_t> rows(f.view->model().rows());
    EXPECT_EQ(rows, (std::vector<std::uint32_t>{0, 1, 2, 3, 4}));

    f.ui.answers = {KxAnswer::Ok};
    commands.deleteRecord();
    EXPECT_EQ(f.view->rowCount(), 4);
    EXPECT_EQ(f.column(0), (QStringList{"apple", "banana", "Blueberry", "Cherry"}));
    EXPECT_EQ(f.view->selectedRow(), 2);
    EXPECT_EQ(f.doc.currentRecord(), 2);
}
