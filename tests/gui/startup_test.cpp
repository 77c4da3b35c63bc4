// The start-up of a run: first run, the command line, reopening the last database, and a
// database another program already has open.

#include "tests/gui/GuiTestSupport.h"

#include "app/widgets/KxDbAppInstance.h"
#include "app/widgets/KxRecentFilesQt.h"
#include "app/widgets/KxStatusBarWidget.h"

#include <QDir>
#include <QSettings>

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {
// Another program that has the database open as the desktop program opens it (read-write,
// other writers refused) until this object goes.
class OtherProgram {
  public:
    explicit OtherProgram(const std::string& path) {
        int ready[2], release[2];
        if (::pipe(ready) != 0 || ::pipe(release) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            // Only the engine runs here, never Qt; _exit skips the parent's clean-up.
            ::close(ready[0]);
            ::close(release[1]);
            char answer = 'n';
            try {
                KxDatabase db;
                db.open(path, kOpenDocument, 1);
                answer = 'y';
                (void)!::write(ready[1], &answer, 1);
                char ignored;
                (void)!::read(release[0], &ignored, 1);
                db.close(true);
            } catch (...) {
                (void)!::write(ready[1], &answer, 1);
            }
            ::_exit(0);
        }
        ::close(ready[1]);
        ::close(release[0]);
        release_ = release[1];
        char answer = 'n';
        held_ = ::read(ready[0], &answer, 1) == 1 && answer == 'y';
        ::close(ready[0]);
    }
    ~OtherProgram() { letGo(); }
    OtherProgram(const OtherProgram&) = delete;
    OtherProgram& operator=(const OtherProgram&) = delete;

    bool held() const { return held_; }
    void letGo() {
        if (pid_ <= 0) return;
        ::close(release_);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

  private:
    pid_t pid_ = -1;
    int release_ = -1;
    bool held_ = false;
};

class StartUp : public ::testing::Test {
  protected:
    void SetUp() override {
        // The per-user store is shared by the whole test run; each test starts it empty.
        QSettings(QSettings::IniFormat, QSettings::UserScope, "Vantorquelline", "Rolva").clear();
    }

    KxStartOptions options(QStringList arguments = {}) const {
        KxStartOptions o;
        o.arguments = std::move(arguments);
        o.settingsPath = settingsPath;
        o.setProcessLocale = false;
        o.enterProgramDirectory = false;
        return o;
    }

    TempDir dir;
    std::string settingsPath = dir.file("rolvadesk.ini");
    ScriptedUi ui;
};
} // namespace

TEST_F(StartUp, FirstRunWritesTheVersionAndOpensMaximizedWithNothingOpen) {
    KxDbAppInstance run(&ui);
    ASSERT_TRUE(run.start(options()));
    QApplication::processEvents();
    EXPECT_TRUE(run.firstRun());
    EXPECT_EQ(KxSettings(settingsPath).read(kxSettingVersion), "1.0");
    EXPECT_TRUE(run.frame()->isVisible());
    EXPECT_TRUE(run.frame()->isMaximized());
    EXPECT_TRUE(run.frame()->toolTipsShown());
    EXPECT_FALSE(run.document()->isOpen());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(run.frame()->windowTitle(), "Rolva Desk");
}

TEST_F(StartUp, ALastFileThatIsGoneStartsSilentlyWithNothingOpen) {
    KxSettings(settingsPath).write(kxSettingLastFile, dir.file("Gone.rlv"));
    KxDbAppInstance run(&ui);
    ASSERT_TRUE(run.start(options()));
    EXPECT_FALSE(run.firstRun());
    EXPECT_FALSE(run.document()->isOpen());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(StartUp, TheLastFileIsReopenedUnmodifiedAndJoinsTheRecentFiles) {
    const std::string path = makeSampleDatabase(dir);
    KxSettings(settingsPath).write(kxSettingLastFile, path);
    KxDbAppInstance run(&ui);
    ASSERT_TRUE(run.start(options()));
    ASSERT_TRUE(run.document()->isOpen());
    EXPECT_FALSE(run.document()->isModified());
    EXPECT_EQ(run.frame()->windowTitle(), "Sample - Rolva Desk");
    EXPECT_EQ(ui.waitStatuses.front(), "Opening the database");
    ASSERT_FALSE(run.recentFiles().list().entries().empty());
    EXPECT_EQ(run.recentFiles().list().entries().front(), path);

    // The list is kept in the per-user store under the names the sync tools know.
    QSettings store(QSettings::IniFormat, QSettings::UserScope, "Vantorquelline", "Rolva");
    EXPECT_EQ(store.value("Recent File List/File1").toString().toStdString(), path);
}

TEST_F(StartUp, AFileOnTheCommandLineIsOpenedFromTheDirectoryTheUserWasIn) {
    const std::string path = makeSampleDatabase(dir);
    const QString before = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(dir.path()));
    KxDbAppInstance run(&ui);
    const bool started = run.start(options({"Sample.rlv"}));
    QDir::setCurrent(before);
    ASSERT_TRUE(started);
    ASSERT_TRUE(run.document()->isOpen());
    EXPECT_EQ(run.document()->pathName(), path);
    EXPECT_EQ(KxSettings(settingsPath).read(kxSettingLastFile), path);
}

TEST_F(StartUp, AMissingFileOnTheCommandLineEndsTheStart) {
    KxDbAppInstance run(&ui);
    const std::string path = dir.file("Missing.rlv");
    EXPECT_FALSE(run.start(options({QString::fromStdString(path)})));
    EXPECT_EQ(ui.lastMessage(), "'" + path + " ' not found. The database could not be opened.");
}

TEST_F(StartUp, ADatabaseAnotherProgramHasOpenCannotBeOpened) {
    const std::string path = makeSampleDatabase(dir);
    OtherProgram other(path);
    ASSERT_TRUE(other.held());

    KxDbAppInstance run(&ui);
    EXPECT_FALSE(run.start(options({QString::fromStdString(path)})));
    EXPECT_EQ(ui.lastMessage(), "The database could not be opened.");
    EXPECT_FALSE(run.document()->isOpen());

    other.letGo();
    // Once the other program lets go, the file opens.
    KxDbAppInstance again(&ui);
    EXPECT_TRUE(again.start(options({QString::fromStdString(path)})));
    EXPECT_TRUE(again.document()->isOpen());
}
