// The Handheld Installation dialog and its page: pre-ticked from the schedule, written back
// on OK, nothing on Cancel, the keyboard, the low-resources failure, the command in the
// running program and a picture of the dialog.

#include "tests/gui/GuiTestSupport.h"
#include "tests/gui/Screenshots.h"

#include "engine/KxDbError.h"
#include "app/widgets/KxDbAppInstance.h"
#include "install/HandheldUsers.h"
#include "install/KxInstallSchedule.h"
#include "install/widgets/KxHandheldInstallChildDialog.h"
#include "install/widgets/KxHandheldInstallDialog.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>

#include <fstream>
#include <functional>

namespace {
using Names = std::vector<std::string>;

QStringList rows(const QListWidget& list) {
    QStringList texts;
    for (int row = 0; row < list.count(); ++row)
        texts << (list.item(row)->checkState() == Qt::Checked ? "[x] " : "[ ] ") + list.item(row)->text();
    return texts;
}

// While the next modal dialog runs, `act` works in it and closes it.
void whenDialogShows(const std::function<void(KxHandheldInstallDialog&)>& act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<KxHandheldInstallDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
        if (dialog->isVisible()) dialog->reject();
    });
}

// The program running on a settings file that has Ann's installation of Tools pending and
// Bob with Tools installed, over three handheld users, with Tools open.
class ProgramWithUsers : public ::testing::Test {
  protected:
    void SetUp() override {
        QSettings(QSettings::IniFormat, QSettings::UserScope, "Vantorquelline", "Rolva").clear();
        path = makeSampleDatabase(dir);
        std::ofstream(dir.file("rolvadesk.ini")) << "[Settings]\nVersion=1.0\n"
                                                 << "[User:ann]\nSample=Installed=0 \n"
                                                 << "[User:Bob]\nSample=Installed=1 \n";
        std::ofstream(dir.file("handheld-users.txt")) << "Ann\nBob\nCarl\n";
        KxStartOptions options;
        options.arguments = {QString::fromStdString(path)};
        options.settingsPath = dir.file("rolvadesk.ini");
        options.setProcessLocale = false;
        options.enterProgramDirectory = false;
        ASSERT_TRUE(run.start(options));
    }
    KxInstallSchedule schedule() const { return KxInstallSchedule(KxSettings(dir.file("rolvadesk.ini")), path); }

    TempDir dir;
    ScriptedUi ui;
    KxDbAppInstance run{&ui};
    std::string path;
};
} // namespace

TEST_F(ProgramWithUsers, TheCommandPreTicksPendingUsersAndOkWritesTheTicks) {
    QStringList shown;
    whenDialogShows([&](KxHandheldInstallDialog& dialog) {
        QListWidget& list = dialog.page().checkList();
        shown = rows(list);
        // Space toggles the current user's tick; Enter is OK.
        list.setCurrentRow(2);
        QTest::keyClick(&list, Qt::Key_Space);
        list.setCurrentRow(0);
        QTest::keyClick(&list, Qt::Key_Space);
        QTest::keyClick(&list, Qt::Key_Return);
    });
    run.frame()->runCommand(KxCommand::SaveInstallOnHandheld);
    EXPECT_EQ(shown, (QStringList{"[x] Ann", "[ ] Bob", "[ ] Carl"}));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(schedule().usersWithDatabase(true), (Names{"Carl"}));
    EXPECT_EQ(schedule().usersWithDatabase(false), (Names{"ann", "Bob", "Carl"}));
    EXPECT_EQ(KxSettings(dir.file("rolvadesk.ini")).readText("DB:Sample", "File"), path);
}

TEST_F(ProgramWithUsers, EscapeIsCancelAndWritesNothing) {
    const auto before = readFileBytes(dir.file("rolvadesk.ini"));
    whenDialogShows([](KxHandheldInstallDialog& dialog) {
        QListWidget& list = dialog.page().checkList();
        QTest::keyClick(&list, Qt::Key_Space);
        QTest::keyClick(&list, Qt::Key_Escape);
        EXPECT_FALSE(dialog.isVisible());
    });
    run.frame()->runCommand(KxCommand::SaveInstallOnHandheld);
    EXPECT_EQ(readFileBytes(dir.file("rolvadesk.ini")), before);
}

TEST_F(ProgramWithUsers, ANewDatabaseIsScheduledForExactlyTheUsersTickedInTheWizard) {
    KxNewDatabaseRequest request;
    request.path = dir.file("Garden.rlv");
    request.handheldUsers = {"Bob"};
    ASSERT_TRUE(run.document()->createDatabase(request));
    KxInstallSchedule garden(KxSettings(dir.file("rolvadesk.ini")), request.path);
    EXPECT_EQ(garden.usersWithDatabase(true), (Names{"Bob"}));

    // Made again with nobody ticked: Bob does not get the new file over his copy.
    request.handheldUsers.clear();
    ASSERT_TRUE(run.document()->createDatabase(request));
    EXPECT_TRUE(garden.usersWithDatabase(true).empty());
    EXPECT_EQ(garden.usersWithDatabase(false), (Names{"Bob"}));
    EXPECT_FALSE(run.document()->installScheduled());
}

TEST(HandheldInstallDialog, TextsMnemonicAndButtons) {
    KxHandheldInstallDialog dialog({{"Ann", true}, {"Bob", false}});
    EXPECT_EQ(dialog.windowTitle(), "Handheld Installation");
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) texts << label->text();
    EXPECT_TRUE(texts.contains("&On which handheld devices do you want to install this database?"));
    EXPECT_TRUE(texts.contains("Alert!  This command installs or replaces a database on the handheld.  You will lose "
                               "all changes made to an existing handheld database."));
    EXPECT_TRUE(texts.contains("If you want to synchronize changes made on the handheld with those made on the "
                               "desktop, then make sure your handheld is not checked in the list above and simply "
                               "do a sync."));
    QStringList buttons;
    for (const QPushButton* button : dialog.findChildren<QPushButton*>()) buttons << button->text();
    EXPECT_EQ(buttons, (QStringList{"OK", "Cancel"}));
    EXPECT_EQ(dialog.page().checkList().objectName(), "handheldUsers");
    EXPECT_EQ(dialog.selection(), (Names{"Ann"}));

    dialog.show();
    QApplication::setActiveWindow(&dialog);
    dialog.findChildren<QPushButton*>().front()->setFocus();
    QTest::keyClick(&dialog, Qt::Key_O, Qt::AltModifier);
    EXPECT_TRUE(dialog.page().checkList().hasFocus()) << "Alt+O reaches the list";
}

TEST(HandheldInstallDialog, NoUsersMeansAnEmptyList) {
    TempDir dir;
    KxHandheldUsersFile none(dir.file("missing.txt"));
    std::optional<Names> chosen;
    whenDialogShows([](KxHandheldInstallDialog& dialog) {
        EXPECT_EQ(dialog.page().checkList().count(), 0);
        dialog.accept();
    });
    chosen = kxRunHandheldInstallDialog(none, {"Ann"}, nullptr);
    ASSERT_TRUE(chosen);
    EXPECT_TRUE(chosen->empty());
}

TEST(HandheldInstallDialog, APageThatCannotBeMadeIsTheLowResourcesFailure) {
    TempDir dir;
    KxHandheldUsersFile none(dir.file("missing.txt"));
    const auto failing = [](QWidget*) -> KxHandheldInstallChildDialog* { throw std::bad_alloc(); };
    try {
        kxRunHandheldInstallDialog(none, {}, nullptr, failing);
        ADD_FAILURE() << "no failure";
    } catch (KxDbError error) {
        EXPECT_EQ(error, KxDbError::NoResources);
    }
}

TEST(Screenshot, HandheldInstallationDialog) {
    KxHandheldInstallDialog dialog({{"Ann Lindqvist", true}, {"Bob Jones", false}, {"Carl's Tablet", true}});
    dialog.show();
    saveScreenshot(dialog, QStringLiteral("handheld-installation.png"));
}
