// Pictures of the whole main window as the program shows it — with no database, and with a
// small database in normal, deleted-records and search-results mode — and of the dialogs of
// browsing and searching. Under xvfb-run with QT_QPA_PLATFORM=xcb the windows are real ones
// with the desktop's decorations and fonts.

#include "tests/gui/GuiTestSupport.h"
#include "tests/gui/Screenshots.h"

#include "engine/KxCategoryEditor.h"
#include "engine/Sort.h"
#include "app/KxDisplayModes.h"
#include "app/widgets/KxDbAppInstance.h"
#include "app/widgets/KxSearchDialog.h"
#include "editors/widgets/KxEditCategoriesDialog.h"
#include "editors/widgets/KxListOptionsDialog.h"

#include <QComboBox>

namespace {
// Tools with a price, a purchase date and time, a lent-out checkbox and notes; two of them
// deleted and one saved search ("Saws").
std::string makeToolsDatabase(const TempDir& dir) {
    TestDatabase t({{KxFieldType::Checkbox, "Lent"},
                    {KxFieldType::Text, "Tool"},
                    {KxFieldType::Number, "Price", kFlagCurrency | kFlagThousands},
                    {KxFieldType::Date, "Bought"},
                    {KxFieldType::Time, "At"},
                    {KxFieldType::Text, "Notes"}});
    KxCategoryEditor names(t.db);
    names.setCategoryName(1, std::string("Garage"));
    names.setCategoryName(2, std::string("shed"));
    const std::vector<std::vector<std::string>> records{
        {"0", "Hammer", "12.5", "3/4/2019", "9:15:00", "Claw hammer, 16 oz."},
        {"1", "Saw", "20", "5/6/2020", "", "Lent to the neighbours."},
        {"0", "Cordless drill", "1249.5", "3/14/2024", "10:30:00", "Two batteries.\nCharger in the blue case."},
        {"1", "Ladder", "140", "7/8/2018", "", ""},
        {"0", "Screwdriver set", "18.99", "", "", ""},
        {"0", "Spirit level", "24", "2/2/2022", "", ""},
        {"1", "Angle grinder", "65", "9/9/2020", "", "Spare discs in the drawer."},
        {"0", "Workbench", "210", "11/12/2017", "", ""}};
    for (std::size_t i = 0; i < records.size(); ++i) t.addRecord(records[i], static_cast<std::uint16_t>(i % 3));
    t.addDeletedRecord({"0", "Broken rake", "3", "", "", ""});
    t.addDeletedRecord({"0", "Old paint", "", "", "", "Dried out."});
    KxSearchChunk& searches = t.db.searchChunk();
    if (searches.searches.empty()) searches.searches.emplace_back(); // the working search
    KxStoredSearch saws;
    saws.name.setText("Saws");
    saws.criteria.push_back({255, 1, "saw"}); // any text field contains "saw"
    searches.searches.push_back(saws);
    kxApplyListOptions(t.db,
                       {{0, KxSortDirection::None}, {1, KxSortDirection::Ascending},
                        {2, KxSortDirection::Ascending}, {3, KxSortDirection::Ascending}},
                       false);
    kxSortRecords(t.db);
    t.db.fileHeader().setListPaneShare(50);
    const std::string path = dir.file("Tools.rlv");
    t.db.save(path);
    t.db.close(false);
    return path;
}

class ProgramRun {
  public:
    ProgramRun() {
        KxSettings settings(dir.file("rolvadesk.ini"));
        settings.write(kxSettingLastAppSizeW, 960);
        settings.write(kxSettingLastAppSizeH, 560);
        settings.write(kxSettingLastAppPosX, 0);
        settings.write(kxSettingLastAppPosY, 0);
        options.settingsPath = settings.path();
        options.setProcessLocale = false;
        options.enterProgramDirectory = false;
    }

    TempDir dir;
    ScriptedUi ui;
    KxStartOptions options;
};
} // namespace

TEST(Screenshot, MainWindowWithNoDatabase) {
    ProgramRun p;
    KxDbAppInstance run(&p.ui);
    ASSERT_TRUE(run.start(p.options));
    saveScreenshot(*run.frame(), QStringLiteral("main-window-empty.png"));
}

TEST(Screenshot, MainWindowInEachDisplayMode) {
    ProgramRun p;
    p.options.arguments = {QString::fromStdString(makeToolsDatabase(p.dir))};
    KxDbAppInstance run(&p.ui);
    ASSERT_TRUE(run.start(p.options));
    KxDbDoc& doc = *run.document();
    KxDbMainFrame& frame = *run.frame();

    doc.setCurrentRecord(1);
    doc.updateAllViews(KxViewHint::All);
    frame.syncWithDocument();
    saveScreenshot(frame, QStringLiteral("main-window.png"));
    EXPECT_NEAR(frame.listPane()->width(), frame.recordPane()->width(), 2); // the stored 50 %

    KxDisplayModes(doc).showDeletedRecords();
    frame.syncWithDocument();
    EXPECT_TRUE(doc.deletedMode());
    saveScreenshot(frame, QStringLiteral("main-window-deleted.png"));
    EXPECT_NEAR(frame.listPane()->width(), frame.recordPane()->width(), 2); // the stored 50 %

    KxDisplayModes(doc).showAllRecords();
    ASSERT_TRUE(KxDisplayModes(doc).runSearch(1));
    frame.syncWithDocument();
    EXPECT_TRUE(doc.searchMode());
    saveScreenshot(frame, QStringLiteral("main-window-search.png"));
    EXPECT_NEAR(frame.listPane()->width(), frame.recordPane()->width(), 2); // the stored 50 %
    EXPECT_TRUE(p.ui.messages.empty());
}

TEST(Screenshot, SearchDialogInBothModes) {
    FrameFixture f;
    f.open(makeToolsDatabase(f.dir));
    KxSearchDialog dialog(f.doc);
    dialog.show();
    saveScreenshot(dialog, QStringLiteral("search-basic.png"));
    dialog.setAdvanced(true);
    dialog.chooseField(1, 2);
    dialog.chooseField(2, 3);
    saveScreenshot(dialog, QStringLiteral("search-advanced.png"));
    // The dialog makes room for the longer operators of the fields chosen.
    for (QComboBox* box : dialog.findChildren<QComboBox*>()) {
        if (box->isVisible()) {
            EXPECT_GE(box->width(), box->sizeHint().width()) << box->objectName().toStdString();
        }
    }
}

TEST(Screenshot, CategoryAndListOptionsDialogs) {
    TestDatabase t({{KxFieldType::Checkbox, "Lent"}, {KxFieldType::Text, "Tool"}, {KxFieldType::Number, "Price"}});
    KxCategoryEditor names(t.db);
    names.setCategoryName(1, std::string("Garage"));
    names.setCategoryName(2, std::string("shed"));
    ScriptedUi ui;
    KxEditCategoriesDialog categories(nullptr, t.db, ui);
    categories.show();
    saveScreenshot(categories, QStringLiteral("edit-categories.png"));
    KxListOptionsDialog options(nullptr, t.db.header(), {{0, KxSortDirection::None}, {1, KxSortDirection::Ascending}});
    options.show();
    saveScreenshot(options, QStringLiteral("list-options.png"));
}
