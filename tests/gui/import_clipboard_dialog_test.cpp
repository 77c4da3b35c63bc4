// The Import Clipboard dialog on the main window's command: clipboard text to a stored
// record in the chosen category that becomes the current record; the rows scrolled; the
// refusals; a picture.

#include "tests/gui/GuiTestSupport.h"
#include "tests/gui/Screenshots.h"

#include "transfer/TransferStrings.h"
#include "transfer/widgets/KxImportClipboardDialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace {
class DrivenClipboardDialogs : public KxDocDialogs {
  public:
    std::function<void(KxImportClipboardDialog&)> script;
    bool runImportClipboardDialog(KxDbDoc& doc) override {
        KxImportClipboardDialog dialog(doc);
        dialog.show();
        script(dialog);
        return dialog.result() == QDialog::Accepted;
    }
};
} // namespace

TEST(ImportClipboardDialog, ClipboardTextBecomesTheCurrentRecord) {
    FrameFixture f;
    DrivenClipboardDialogs dialogs;
    f.doc.setDialogs(&dialogs);
    f.open(makeSampleDatabase(f.dir));
    f.ui.clipboard = "  Anvil \r\n\r\n99\r\nheavy\r\n";
    dialogs.script = [&](KxImportClipboardDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Import Clipboard");
        EXPECT_EQ(dialog.importButton()->toolTip(), "Import contents of clipboard.");
        dialog.importButton()->click();
        EXPECT_EQ(dialog.textBox(0)->text(), "Anvil");
        EXPECT_EQ(dialog.fieldBox(0)->currentText(), "Name");
        EXPECT_EQ(dialog.fieldBox(1)->currentText(), "Price");
        EXPECT_EQ(dialog.textBox(2)->text(), "heavy");
        EXPECT_EQ(dialog.fieldBox(2)->currentText(), "Price"); // lines past the fields go to the last
        EXPECT_EQ(dialog.fieldBox(3)->currentText(), "None");
        EXPECT_EQ(dialog.scrollBar()->maximum(), 13 - 7); // three lines and ten spare rows
        dialog.fieldBox(2)->setCurrentIndex(dialog.fieldBox(2)->findText("None"));
        emit dialog.fieldBox(2)->activated(dialog.fieldBox(2)->currentIndex());
        dialog.scrollBar()->setValue(2);
        EXPECT_EQ(dialog.textBox(0)->text(), "heavy");
        dialog.categoryBox()->setCurrentIndex(dialog.categoryBox()->findText("Unfiled"));
        saveScreenshot(dialog, "import_clipboard.png");
        dialog.okButton()->click();
    };
    f.frame->runCommand(KxCommand::ImportClipboard);
    const KxDatabase& db = f.doc.database();
    ASSERT_EQ(db.liveCount(), 4u);
    ASSERT_TRUE(f.doc.hasCurrentRecord());
    const auto current = static_cast<std::size_t>(f.doc.currentRecord());
    FieldValue name = FieldValue::newValue(1);
    name.setRaw(db.liveChunk(current).value(0));
    EXPECT_EQ(name.plainText(), "Anvil");
    EXPECT_FALSE(db.liveChunk(current).value(1).empty());
    EXPECT_EQ(db.liveCategory(current), 0);
    EXPECT_TRUE(f.doc.isModified());
}

TEST(ImportClipboardDialog, IncompleteRowsAndCancelKeepTheDialogAsTheUserSays) {
    FrameFixture f;
    DrivenClipboardDialogs dialogs;
    f.doc.setDialogs(&dialogs);
    f.open(makeSampleDatabase(f.dir));
    dialogs.script = [&](KxImportClipboardDialog& dialog) {
        dialog.textBox(0)->setText("orphan");
        emit dialog.textBox(0)->textEdited("orphan");
        dialog.okButton()->click(); // a line without a field
        EXPECT_EQ(f.ui.lastMessage(), kxString(kxStrClipboardIncomplete));
        EXPECT_TRUE(dialog.isVisible());
        f.ui.answers = {KxAnswer::No};
        dialog.reject();
        EXPECT_TRUE(dialog.isVisible());
        f.ui.answers = {KxAnswer::Yes};
        dialog.reject();
        EXPECT_FALSE(dialog.isVisible());
    };
    f.frame->runCommand(KxCommand::ImportClipboard);
    EXPECT_EQ(f.doc.database().liveCount(), 3u);
}
