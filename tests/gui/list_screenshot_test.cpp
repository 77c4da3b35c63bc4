// Pictures of the main window with the list view in its three modes, saved under
// <build>/screenshots/ for a person to look at.

#include "ListViewSupport.h"

#include "SearchChunk.h"
#include "app/DisplayModes.h"
#include "editors/KxEditCategoriesDialog.h"
#include "editors/KxListOptionsDialog.h"

#include <QDir>
#include <QPixmap>

namespace {
QString screenshotDirectory() {
    QDir dir(QCoreApplication::applicationDirPath());
    dir.cdUp();
    dir.mkpath(QStringLiteral("screenshots"));
    return dir.filePath(QStringLiteral("screenshots"));
}

void save(QWidget& window, const QString& name) {
    QApplication::processEvents();
    const QPixmap picture = window.grab();
    ASSERT_FALSE(picture.isNull());
    EXPECT_TRUE(picture.save(screenshotDirectory() + "/" + name));
}

std::string makeToolsDatabase(const TempDir& dir) {
    const std::vector<TestField> fields{{KxFieldType::Checkbox, "Lent"},
                                        {KxFieldType::Text, "Tool"},
                                        {KxFieldType::Number, "Price", kFlagCurrency},
                                        {KxFieldType::Date, "Bought"}};
    const std::vector<std::vector<std::string>> records{
        {"0", "Hammer", "12.5", "3/4/2019"},     {"1", "Saw", "20", "5/6/2020"},
        {"0", "Drill", "80", "1/2/2021"},        {"1", "Ladder", "140", "7/8/2018"},
        {"0", "Screwdriver set", "18.99", ""},   {"0", "Spirit level", "24", "2/2/2022"},
        {"1", "Angle grinder", "65", "9/9/2020"}, {"0", "Workbench", "210", "11/12/2017"}};
    TestDatabase t(fields);
    KxCategoryEditor names(t.db);
    names.setCategoryName(1, std::string("Garage"));
    names.setCategoryName(2, std::string("shed"));
    for (std::size_t i = 0; i < records.size(); ++i) t.addRecord(records[i], static_cast<std::uint16_t>(i % 3));
    t.addDeletedRecord({"0", "Broken rake", "3", ""});
    t.addDeletedRecord({"0", "Old paint", "", ""});
    KxSearchChunk& searches = t.db.searchChunk();
    if (searches.searches.empty()) searches.searches.emplace_back();
    KxStoredSearch s;
    s.name.setText("Saws");
    s.criteria.push_back({255, 1, "saw"}); // contains
    searches.searches.push_back(s);
    kxApplyListOptions(t.db,
                       {{0, KxSortDirection::None}, {1, KxSortDirection::Ascending},
                        {2, KxSortDirection::Ascending}, {3, KxSortDirection::Ascending}},
                       false);
    sortRecords(t.db);
    t.db.fileHeader().setListPaneShare(55);
    const std::string path = dir.file("Tools.rlv");
    t.db.save(path);
    t.db.close(false);
    return path;
}
} // namespace

TEST(ListScreenshot, NormalDeletedAndSearchResults) {
    ListFixture f;
    f.frame->resize(900, 520);
    f.openList(makeToolsDatabase(f.dir));
    f.view->list().setCurrentIndex(f.view->model().index(2, 0));
    f.frame->syncWithDocument();
    save(*f.frame, QStringLiteral("list-normal.png"));

    KxDisplayModes(f.doc).showDeletedRecords();
    f.frame->syncWithDocument();
    EXPECT_EQ(f.view->rowCount(), 2);
    save(*f.frame, QStringLiteral("list-deleted.png"));

    KxDisplayModes(f.doc).showAllRecords();
    ASSERT_TRUE(KxDisplayModes(f.doc).runSearch(1));
    f.frame->syncWithDocument();
    EXPECT_GE(f.view->rowCount(), 1);
    save(*f.frame, QStringLiteral("list-search.png"));
}

TEST(ListScreenshot, CategoryAndListOptionsDialogs) {
    TestDatabase t({{KxFieldType::Checkbox, "Lent"}, {KxFieldType::Text, "Tool"}, {KxFieldType::Number, "Price"}});
    KxCategoryEditor names(t.db);
    names.setCategoryName(1, std::string("Garage"));
    names.setCategoryName(2, std::string("shed"));
    ScriptedUi ui;
    KxEditCategoriesDialog categories(nullptr, t.db, ui);
    categories.show();
    save(categories, QStringLiteral("edit-categories.png"));
    KxListOptionsDialog options(nullptr, t.db.header(), {{0, KxSortDirection::None}, {1, KxSortDirection::Ascending}});
    options.show();
    save(options, QStringLiteral("list-options.png"));
}
