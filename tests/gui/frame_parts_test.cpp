// The smaller parts around the main window: the recent-file list, the views' font, Database
// Properties and Preferences, the edit commands on the focused control, and the clipboard.

#include "tests/gui/GuiTestSupport.h"

#include "engine/KxHeaderChunk.h"
#include "app/KxDbProperties.h"
#include "app/widgets/EditCommandsQt.h"
#include "app/widgets/KxDbPropertiesDialog.h"
#include "app/widgets/KxPreferencesDialog.h"
#include "app/widgets/KxSharedFonts.h"
#include "app/widgets/KxUiQt.h"
#include "app/KxPreferences.h"
#include "app/KxRecentFileList.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QHelpEvent>
#include <QLineEdit>

#include <gtest/gtest.h>

TEST(RecentFiles, LatestFirstNineAtMostNoRepeats) {
    KxRecentFileList list;
    for (int i = 1; i <= 10; ++i) list.add("/data/db" + std::to_string(i) + ".rlv");
    ASSERT_EQ(list.entries().size(), 9u);
    EXPECT_EQ(list.entries().front(), "/data/db10.rlv");
    EXPECT_EQ(list.entries().back(), "/data/db2.rlv");
    list.add("/data/db5.rlv");
    EXPECT_EQ(list.entries().front(), "/data/db5.rlv");
    EXPECT_EQ(list.entries().size(), 9u);
    list.remove(0);
    list.remove(42);
    EXPECT_EQ(list.entries().front(), "/data/db10.rlv");

    list.assign({"", "/a/B&W.rlv", "/a/B&W.rlv", "/a/very/long/directory/name/that/goes/on/Stock.rlv"});
    ASSERT_EQ(list.entries().size(), 2u);
    EXPECT_EQ(list.menuText(0), "&1 /a/B&&W.rlv");
    EXPECT_EQ(list.menuText(1), "&2 Stock.rlv");
}

TEST(SharedFonts, AFaceTheDesktopLacksGivesWayToItsOwnFontAtTheStoredSize) {
    KxDefaultFont stored{"MS Sans Serif", 8, true, true};
    QFont desktop("DejaVu Sans");
    const QFont font = kxFontFromSettings(stored, 96, desktop, false);
    EXPECT_EQ(font.family(), desktop.family());
    EXPECT_EQ(font.pixelSize(), 11); // 8 points at 96 dots per inch, rounded
    EXPECT_EQ(font.weight(), QFont::Bold);
    EXPECT_TRUE(font.italic());

    stored = {"Courier", 10, false, false};
    const QFont installed = kxFontFromSettings(stored, 120, desktop, true);
    EXPECT_EQ(installed.family(), "Courier");
    EXPECT_EQ(installed.pixelSize(), 17);
    EXPECT_EQ(installed.weight(), QFont::Normal);

    KxSharedFonts fonts(stored);
    EXPECT_EQ(&fonts.font(7), &fonts.font(0)); // any other slot is slot 0
}

TEST(DatabaseProperties, OnlyARealChangeCountsAndReachesTheViews) {
    FrameFixture f;
    f.open(makeSampleDatabase(f.dir));
    KxHeaderChunk& header = f.doc.database().header();
    header.setAttributes(static_cast<std::uint16_t>(kAttrEditableCheckboxes | 0x18));
    f.doc.setModified(false);
    const std::size_t hintsBefore = f.list().hints.size();

    KxDbPropertiesDialog dialog(kxDbPropertiesOf(header.attributes()));
    EXPECT_TRUE(dialog.checkboxesEditableBox()->isChecked());
    EXPECT_FALSE(dialog.readOnlyModeBox()->isChecked());
    EXPECT_FALSE(dialog.handheldReadOnlyBox()->isChecked());

    EXPECT_FALSE(kxApplyDbProperties(f.doc, dialog.properties()));
    EXPECT_FALSE(f.doc.isModified());

    dialog.readOnlyModeBox()->setChecked(true);
    dialog.handheldReadOnlyBox()->setChecked(true);
    EXPECT_TRUE(kxApplyDbProperties(f.doc, dialog.properties()));
    EXPECT_TRUE(f.doc.isModified());
    // The other bits stay as they were.
    EXPECT_EQ(header.attributes(), kAttrEditableCheckboxes | kAttrReadOnlyMode | kAttrHandheldReadOnly | 0x18);
    // Gaining the read-only mode redraws everything.
    ASSERT_GT(f.list().hints.size(), hintsBefore);
    EXPECT_EQ(f.list().hints.back(), KxViewHint::All);

    // Only the handheld bit: no redraw.
    const std::size_t hints = f.list().hints.size();
    EXPECT_TRUE(kxApplyDbProperties(f.doc, {true, true, false}));
    EXPECT_EQ(f.list().hints.size(), hints);
}

TEST(Preferences, StartFromTheSettingsAndAreWrittenAsZeroOrOne) {
    TempDir dir;
    KxSettings settings(dir.file("rolvadesk.ini"));
    // Missing keys read as on; any non-zero value is on.
    EXPECT_TRUE(kxReadPreferences(settings).showToolTips);
    EXPECT_TRUE(kxReadPreferences(settings).allowCopyHandheldToPc);
    settings.writeText("Rolva", "ShowToolTips", "7");
    settings.writeText("Rolva", "AllowCopyHHtoPC", "0");

    KxPreferencesDialog dialog(kxReadPreferences(settings));
    dialog.show();
    QApplication::processEvents();
    EXPECT_TRUE(dialog.showToolTipsBox()->isChecked());
    EXPECT_FALSE(dialog.allowCopyBox()->isChecked());
    EXPECT_EQ(dialog.focusWidget(), dialog.allowCopyBox());

    dialog.allowCopyBox()->setChecked(true);
    kxWritePreferences(settings, dialog.preferences());
    EXPECT_EQ(settings.readText("Rolva", "ShowToolTips"), "1");
    EXPECT_EQ(settings.readText("Rolva", "AllowCopyHHtoPC"), "1");
}

namespace {
class ToolTipCounter : public QWidget {
  public:
    using QWidget::QWidget;
    int toolTips = 0;

  protected:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::ToolTip) ++toolTips;
        return QWidget::event(e);
    }
};
} // namespace

TEST(Preferences, ToolTipsSwitchedOffStayAwayFromTheDialogsToo) {
    FrameFixture f;
    QDialog dialog;
    auto* control = new ToolTipCounter(&dialog);
    const auto hover = [&] {
        QHelpEvent tip(QEvent::ToolTip, QPoint(1, 1), QPoint(1, 1));
        QApplication::sendEvent(control, &tip);
    };
    f.frame->setToolTipsShown(false);
    hover();
    EXPECT_EQ(control->toolTips, 0);
    f.frame->setToolTipsShown(true);
    hover();
    EXPECT_EQ(control->toolTips, 1);
}

TEST(EditCommands, FollowTheFocusedTextControl) {
    QLineEdit edit;
    EXPECT_EQ(kxFocusStateOf(nullptr, false).textControl, false);
    KxFocusState s = kxFocusStateOf(&edit, true);
    EXPECT_TRUE(s.textControl);
    EXPECT_TRUE(s.lookupBox);
    EXPECT_FALSE(s.hasSelection);
    EXPECT_FALSE(s.canUndo);

    edit.insert("Hammer");
    edit.selectAll();
    s = kxFocusStateOf(&edit, false);
    EXPECT_TRUE(s.hasSelection);
    EXPECT_TRUE(s.canUndo);

    EXPECT_TRUE(kxRunEditCommand(KxCommand::Cut, &edit));
    EXPECT_EQ(edit.text(), "");
    EXPECT_EQ(QApplication::clipboard()->text(), "Hammer");
    EXPECT_TRUE(kxRunEditCommand(KxCommand::Paste, &edit));
    EXPECT_EQ(edit.text(), "Hammer");
    // Undo and Redo toggle, as an edit control undoes its own undo.
    EXPECT_TRUE(kxRunEditCommand(KxCommand::Undo, &edit));
    EXPECT_EQ(edit.text(), "");
    EXPECT_TRUE(kxRunEditCommand(KxCommand::Redo, &edit));
    EXPECT_EQ(edit.text(), "Hammer");

    edit.setReadOnly(true);
    s = kxFocusStateOf(&edit, false);
    EXPECT_TRUE(s.readOnly);
    EXPECT_FALSE(s.canPaste);
    EXPECT_FALSE(s.canUndo);
    EXPECT_FALSE(kxRunEditCommand(KxCommand::Save, &edit));
}

TEST(QtUi, ClipboardTextCrossesTheEdgeInBothEncodings) {
    KxUiQt ui;
    EXPECT_TRUE(ui.setClipboardText("Caf\xE9 \x80 5"));
    EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8("Café € 5"));
    QApplication::clipboard()->setText(QString::fromUtf8("Zoë ✓"));
    EXPECT_EQ(ui.clipboardText(), std::optional<std::string>("Zo\xEB ?"));
}
