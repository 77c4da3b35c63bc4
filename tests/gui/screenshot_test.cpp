// Saves pictures of the main window under <build>/screenshots/ for a person to look at: with
// no database, and with a small database open. Under xvfb-run with QT_QPA_PLATFORM=xcb the
// window is a real one with the desktop's decorations and fonts.

#include "GuiTestSupport.h"

#include "app/KxDbAppInstanceQt.h"

#include <QDir>
#include <QPixmap>

#include <gtest/gtest.h>

namespace {
QString screenshotDirectory() {
    // The test program lives in <build>/tests.
    QDir dir(QCoreApplication::applicationDirPath());
    dir.cdUp();
    dir.mkpath(QStringLiteral("screenshots"));
    return dir.filePath(QStringLiteral("screenshots"));
}

void save(QWidget& window, const QString& name) {
    QApplication::processEvents();
    const QPixmap picture = window.grab();
    EXPECT_FALSE(picture.isNull());
    EXPECT_TRUE(picture.save(screenshotDirectory() + "/" + name));
}
} // namespace

TEST(Screenshot, MainWindow) {
    TempDir dir;
    const std::string path = makeSampleDatabase(dir, {"Cheap tools", "Lent out"});
    KxSettings settings(dir.file("rolvadesk.ini"));
    settings.write(kxSettingLastAppSizeW, 800);
    settings.write(kxSettingLastAppSizeH, 500);
    settings.write(kxSettingLastAppPosX, 0);
    settings.write(kxSettingLastAppPosY, 0);

    ScriptedUi ui;
    KxStartOptions options;
    options.settingsPath = settings.path();
    options.setProcessLocale = false;
    options.enterProgramDirectory = false;
    {
        KxDbAppInstance run(&ui);
        ASSERT_TRUE(run.start(options));
        save(*run.frame(), QStringLiteral("main-window-empty.png"));
    }
    options.arguments = {QString::fromStdString(path)};
    KxDbAppInstance run(&ui);
    ASSERT_TRUE(run.start(options));
    save(*run.frame(), QStringLiteral("main-window.png"));
}
