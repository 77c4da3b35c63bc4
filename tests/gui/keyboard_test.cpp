// Keys pressed in the program's own window: the window's command keys against the buttons'
// underlined letters, the Insert key reaching the form's text boxes once, and the edit keys
// running the window's Edit commands.

#include "tests/gui/GuiTestSupport.h"

#include "app/widgets/KxDbAppInstance.h"
#include "views/widgets/KxBaseCtrl.h"
#include "views/widgets/KxDbListView.h"
#include "views/widgets/KxDbRecordCtrl.h"
#include "views/widgets/KxDbRecordView.h"
#include "views/widgets/KxTextCtrl.h"

#include <QClipboard>
#include <QLineEdit>
#include <QSettings>
#include <QTest>

namespace {
class ProgramWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        QSettings(QSettings::IniFormat, QSettings::UserScope, "Vantorquelline", "Rolva").clear();
        KxStartOptions options;
        options.arguments = {QString::fromStdString(makeSampleDatabase(dir))};
        options.settingsPath = dir.file("rolvadesk.ini");
        options.setProcessLocale = false;
        options.enterProgramDirectory = false;
        ASSERT_TRUE(run.start(options));
        run.frame()->activateWindow();
        QApplication::setActiveWindow(run.frame());
        QApplication::processEvents();
    }
    void TearDown() override { kxSetOverwriteMode(false); }

    KxDbDoc& doc() { return *run.document(); }
    KxDbRecordCtrl& form() { return static_cast<KxDbRecordView*>(run.frame()->recordPane())->form(); }

    TempDir dir;
    ScriptedUi ui;
    KxDbAppInstance run{&ui};
};
} // namespace

TEST_F(ProgramWindow, AltLettersRunTheWindowsCommandsAndNotTheButtons) {
    ASSERT_EQ(doc().database().liveCount(), 3u);
    ASSERT_TRUE(doc().hasCurrentRecord());
    QTest::keyClick(run.frame(), Qt::Key_C, Qt::AltModifier); // Clone Record
    EXPECT_EQ(doc().database().liveCount(), 4u);
    QTest::keyClick(run.frame(), Qt::Key_N, Qt::AltModifier); // New Record
    EXPECT_EQ(doc().database().liveCount(), 5u);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ProgramWindow, InsertInAFormTextBoxSwitchesTheModeOnceAndTheBoxFollows) {
    auto* name = dynamic_cast<KxTextCtrl*>(form().controlFor(0));
    ASSERT_NE(name, nullptr);
    name->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), name);

    QTest::keyClick(name, Qt::Key_Insert);
    EXPECT_TRUE(kxOverwriteMode());
    EXPECT_TRUE(name->overwriteMode());
    QTest::keyClick(name, Qt::Key_Insert);
    EXPECT_FALSE(kxOverwriteMode());
    EXPECT_FALSE(name->overwriteMode());
}

TEST_F(ProgramWindow, EditKeysAreTheWindowsEditCommandsWithTheirRules) {
    auto* list = static_cast<KxDbListView*>(run.frame()->listPane());
    QLineEdit& lookup = list->lookupBox();
    QApplication::clipboard()->setText(QStringLiteral("Saw"));
    lookup.setFocus();
    QApplication::processEvents();
    // Paste never goes into the look-up box.
    QTest::keyClick(&lookup, Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(lookup.text().isEmpty());

    // Copy from a form text box, which also clears the look-up text.
    QTest::keyClicks(&lookup, "h");
    ASSERT_EQ(lookup.text(), "h");
    auto* name = dynamic_cast<KxTextCtrl*>(form().controlFor(0));
    ASSERT_NE(name, nullptr);
    name->setFocus();
    name->selectAll();
    QApplication::processEvents();
    QTest::keyClick(name, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), name->toPlainText());
    EXPECT_TRUE(lookup.text().isEmpty());
}
