// The main window's menus: texts, shortcuts, the enabling table by display mode, the
// run-time entries, the title and the status bar.

#include "tests/gui/GuiTestSupport.h"

#include "app/KxDisplayModes.h"
#include "app/widgets/KxCommandActions.h"
#include "app/widgets/KxStatusBarWidget.h"

#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {
using C = KxCommand;

QStringList itemTexts(const QMenu* menu) {
    QStringList texts;
    for (const QAction* a : menu->actions())
        if (!a->isSeparator()) texts << a->text();
    return texts;
}

QMenu* menuTitled(KxDbMainFrame& frame, const QString& title) {
    for (QAction* a : frame.menuBar()->actions())
        if (a->text() == title) return a->menu();
    return nullptr;
}
} // namespace

TEST(FrameMenus, TextsShortcutsAndOrder) {
    FrameFixture f;
    QStringList titles;
    for (QAction* a : f.frame->menuBar()->actions()) titles << a->text();
    EXPECT_EQ(titles, (QStringList{"&File", "&Edit", "&Record", "&Options", "&Help"}));

    EXPECT_EQ(itemTexts(menuTitled(*f.frame, "&File")),
              (QStringList{"&New Database...", "&Open Database...", "&Close Database", "&Import...", "&Export...",
                           "&Save", "Save &As...", "Save/Install on &Handheld...", "&Print...",
                           "&Database Properties...", "E&xit"}));
    EXPECT_EQ(itemTexts(menuTitled(*f.frame, "&Edit")), (QStringList{"&Undo", "Cu&t", "&Copy", "&Paste"}));
    EXPECT_EQ(itemTexts(menuTitled(*f.frame, "&Record")),
              (QStringList{"Show Record &Info...", "&New Record", "&Clone Record", "&Restore Record",
                           "Co&py Record to Clipboard", "I&mport Clipboard...", "&Delete Record...",
                           "D&elete Category...", "Sho&w Deleted Records", "&Search Records...",
                           "Show &All Records"}));
    EXPECT_EQ(itemTexts(menuTitled(*f.frame, "&Options")),
              (QStringList{"&Field and Form Editor...", "&List Options...", "Form &Options...", "&Preferences..."}));
    // The help item's trailing blank is part of its text.
    EXPECT_EQ(itemTexts(menuTitled(*f.frame, "&Help")), (QStringList{"&Help ", "&About Rolva..."}));

    // The key the menu shows comes first; further accelerators follow it.
    const auto keys = [&](C c) { return f.frame->commandKeys(c); };
    EXPECT_EQ(keys(C::OpenDatabase), (QList<QKeySequence>{QKeySequence("Ctrl+O"), QKeySequence("Ctrl+F12")}));
    EXPECT_EQ(keys(C::Save), (QList<QKeySequence>{QKeySequence("Ctrl+S"), QKeySequence("Shift+F12")}));
    EXPECT_EQ(keys(C::SaveAs), (QList<QKeySequence>{QKeySequence("F12")}));
    EXPECT_EQ(keys(C::Print), (QList<QKeySequence>{QKeySequence("Ctrl+P")}));
    EXPECT_EQ(keys(C::Undo), (QList<QKeySequence>{QKeySequence("Ctrl+Z"), QKeySequence("Alt+Backspace")}));
    EXPECT_EQ(keys(C::Cut), (QList<QKeySequence>{QKeySequence("Ctrl+X"), QKeySequence("Shift+Del")}));
    EXPECT_EQ(keys(C::Copy), (QList<QKeySequence>{QKeySequence("Ctrl+C"), QKeySequence("Ctrl+Ins")}));
    EXPECT_EQ(keys(C::Paste), (QList<QKeySequence>{QKeySequence("Ctrl+V"), QKeySequence("Shift+Ins")}));
    EXPECT_EQ(keys(C::NewRecord), (QList<QKeySequence>{QKeySequence("Alt+N"), QKeySequence("Ctrl+N")}));
    EXPECT_EQ(keys(C::CloneRecord), (QList<QKeySequence>{QKeySequence("Alt+C")}));
    EXPECT_EQ(keys(C::ImportClipboard), (QList<QKeySequence>{QKeySequence("Ctrl+M")}));
    EXPECT_EQ(keys(C::DeleteRecord), (QList<QKeySequence>{QKeySequence("Alt+D")}));
    EXPECT_EQ(keys(C::SearchRecords), (QList<QKeySequence>{QKeySequence("Ctrl+F")}));
    EXPECT_EQ(keys(C::ShowAllRecords), (QList<QKeySequence>{QKeySequence("Alt+S")}));
    EXPECT_EQ(keys(C::Redo), (QList<QKeySequence>{QKeySequence("Ctrl+Y")}));
    EXPECT_EQ(keys(C::Undelete), (QList<QKeySequence>{QKeySequence("Alt+U")}));
    EXPECT_EQ(keys(C::PermanentlyDelete), (QList<QKeySequence>{QKeySequence("Alt+P")}));
    EXPECT_EQ(keys(C::Edit), (QList<QKeySequence>{QKeySequence("Alt+I")}));
    EXPECT_EQ(keys(C::NextRecord), (QList<QKeySequence>{QKeySequence(Qt::ALT | Qt::Key_PageDown)}));
    EXPECT_EQ(keys(C::PreviousRecord), (QList<QKeySequence>{QKeySequence(Qt::ALT | Qt::Key_PageUp)}));
    EXPECT_EQ(keys(C::DeletionLog),
              (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::ALT | Qt::Key_D)}));
    EXPECT_EQ(keys(C::Help), (QList<QKeySequence>{QKeySequence("F1")}));
    EXPECT_TRUE(keys(C::CloseDatabase).isEmpty());
    // Items without a key of their own show none in the menu.
    EXPECT_TRUE(f.action(C::SaveAs)->shortcut().isEmpty());
    EXPECT_TRUE(f.action(C::Help)->shortcut().isEmpty());
}

TEST(FrameMenus, PromptsAndToolTipsComeFromTheStringTable) {
    FrameFixture f;
    EXPECT_EQ(f.action(C::NewRecord)->statusTip(), "Create a new record");
    EXPECT_EQ(f.action(C::NewRecord)->toolTip(), "New Record");
    QStringList toolbar;
    for (QAction* a : f.frame->toolBar().actions()) toolbar << (a->isSeparator() ? QString("|") : a->text());
    EXPECT_EQ(toolbar, (QStringList{"&Open Database...", "&Save", "&Print...", "|", "&Undo", "Cu&t", "&Copy",
                                    "&Paste", "|", "&Search Records..."}));
}

TEST(FrameMenus, WithNoDatabaseOnlyFileBasicsHelpAndAboutRun) {
    FrameFixture f;
    for (C c : {C::NewDatabase, C::OpenDatabase, C::Exit, C::Help, C::About}) EXPECT_TRUE(f.enabled(c));
    for (C c : {C::CloseDatabase, C::Import, C::Export, C::Save, C::SaveAs, C::SaveInstallOnHandheld, C::Print,
                C::DatabaseProperties, C::Undo, C::Cut, C::Copy, C::Paste, C::ShowRecordInfo, C::NewRecord,
                C::CloneRecord, C::RestoreRecord, C::CopyRecordToClipboard, C::ImportClipboard, C::DeleteRecord,
                C::DeleteCategory, C::ShowDeletedRecords, C::SearchRecords, C::ShowAllRecords,
                C::FieldAndFormEditor, C::ListOptions, C::FormOptions, C::Preferences, C::Undelete,
                C::PermanentlyDelete, C::Edit, C::Done})
        EXPECT_FALSE(f.enabled(c)) << static_cast<int>(c);
    EXPECT_EQ(f.frame->windowTitle(), "Rolva Desk");
}

TEST(FrameMenus, EnablingFollowsTheDisplayMode) {
    FrameFixture f;
    f.open(makeSampleDatabase(f.dir, {}, 1));
    f.doc.setCurrentRecord(0);

    // Normal mode with a current record.
    for (C c : {C::CloseDatabase, C::Import, C::Export, C::Save, C::SaveAs, C::Print, C::DatabaseProperties,
                C::NewRecord, C::CloneRecord, C::DeleteRecord, C::DeleteCategory, C::CopyRecordToClipboard,
                C::RestoreRecord, C::ShowRecordInfo, C::SearchRecords, C::ShowDeletedRecords, C::ImportClipboard,
                C::FieldAndFormEditor, C::ListOptions, C::FormOptions, C::Preferences, C::Edit, C::Done})
        EXPECT_TRUE(f.enabled(c)) << static_cast<int>(c);
    for (C c : {C::Undelete, C::PermanentlyDelete, C::ShowAllRecords}) EXPECT_FALSE(f.enabled(c));
    EXPECT_EQ(f.action(C::DeleteCategory)->text(), "D&elete Category...");

    // A category filter other than All offers Show All Records.
    f.doc.setCategoryFilter(1);
    EXPECT_TRUE(f.enabled(C::ShowAllRecords));
    f.doc.setCategoryFilter(255);

    // Without a current record the record commands go.
    f.doc.setCurrentRecord(KxDbDoc::kNoRecord);
    for (C c : {C::DeleteRecord, C::DeleteCategory, C::CopyRecordToClipboard, C::RestoreRecord, C::ShowRecordInfo,
                C::CloneRecord})
        EXPECT_FALSE(f.enabled(c)) << static_cast<int>(c);
    EXPECT_TRUE(f.enabled(C::NewRecord));

    // Deleted-records mode.
    KxDisplayModes(f.doc).showDeletedRecords();
    f.frame->syncWithDocument();
    f.doc.setCurrentRecord(0);
    for (C c : {C::NewRecord, C::CloneRecord, C::Import, C::ImportClipboard, C::SearchRecords,
                C::ShowDeletedRecords})
        EXPECT_FALSE(f.enabled(c)) << static_cast<int>(c);
    for (C c : {C::Undelete, C::PermanentlyDelete, C::ShowAllRecords, C::DeleteRecord}) EXPECT_TRUE(f.enabled(c));
    EXPECT_EQ(f.action(C::DeleteCategory)->text(), "Dispose of D&eleted Records...");
    EXPECT_EQ(f.frame->windowTitle(), "Sample - Rolva Desk (Deleted Records)");
    EXPECT_EQ(f.frame->statusPanes().idleText(), "Now displaying deleted records.");

    // Search results.
    f.doc.setDisplayModes(false, true, false);
    f.frame->syncWithDocument();
    EXPECT_EQ(f.action(C::DeleteCategory)->text(), "D&elete Search Results...");
    EXPECT_TRUE(f.enabled(C::ShowAllRecords));
    EXPECT_TRUE(f.enabled(C::SearchRecords));
}

TEST(FrameMenus, SavedSearchesFollowSearchRecordsInNameOrder) {
    FrameFixture f;
    f.open(makeSampleDatabase(f.dir, {"Tools", "B&W", "alpha", "Cheap", "Dear", "Extra", "Zeta"}));
    emit f.frame->commands().recordMenu()->aboutToShow();

    const QStringList items = itemTexts(f.frame->commands().recordMenu());
    const qsizetype search = items.indexOf("&Search Records...");
    ASSERT_GE(search, 0);
    // Six at most, sorted ignoring case, an ampersand of a name doubled so it shows.
    EXPECT_EQ(items.mid(search + 1, 7), (QStringList{"&1 alpha", "&2 B&&W", "&3 Cheap", "&4 Dear", "&5 Extra",
                                                     "&6 Tools", "Show &All Records"}));
    // In deleted-records mode the entries cannot run.
    KxDisplayModes(f.doc).showDeletedRecords();
    f.frame->refreshCommands();
    for (QAction* a : f.frame->commands().recordMenu()->actions()) {
        if (a->text().startsWith("&1 ")) {
            EXPECT_FALSE(a->isEnabled());
        }
    }
}

TEST(FrameMenus, TitleAndStatusFollowTheDocument) {
    FrameFixture f;
    EXPECT_EQ(f.frame->statusPanes().idleText(), "For Help, press F1");
    f.open(makeSampleDatabase(f.dir));
    EXPECT_EQ(f.frame->windowTitle(), "Sample - Rolva Desk");
    EXPECT_EQ(f.frame->statusPanes().paneText(4), "     Record #");
    EXPECT_EQ(f.frame->statusPanes().paneText(3), "");
    f.frame->setOverwriteMode(true);
    EXPECT_EQ(f.frame->statusPanes().paneText(3), "OVR");
    // Wide enough for the largest position there can be.
    const QFontMetrics metrics(f.frame->statusPanes().font());
    EXPECT_GE(f.frame->statusPanes().positionPaneWidth(), metrics.horizontalAdvance("16000 of 16000"));
}

TEST(FrameMenus, EnablingWaitsWhileAProgressBoxIsUp) {
    FrameFixture f;
    f.open(makeSampleDatabase(f.dir));
    f.doc.setCurrentRecord(KxDbDoc::kNoRecord);
    EXPECT_FALSE(f.enabled(C::DeleteRecord));
    // The box lets events through while the engine works; the state may be half made.
    f.doc.showProgress("Opening the database");
    f.doc.setCurrentRecord(0);
    EXPECT_FALSE(f.enabled(C::DeleteRecord));
    f.doc.closeProgress();
    EXPECT_TRUE(f.enabled(C::DeleteRecord));
}
