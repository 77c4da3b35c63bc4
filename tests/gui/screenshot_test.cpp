// Saves pictures of the main window under <build>/screenshots/ for a person to look at: with
// no database, and with a small database open. Under xvfb-run with QT_QPA_PLATFORM=xcb the
// window is a real one with the desktop's decorations and fonts.

#include "GuiTestSupport.h"

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
    FrameFixture f;
    f.frame->resize(800, 500);
    f.frame->show();
    save(*f.frame, QStringLiteral("main-window-empty.png"));

    f.open(makeSampleDatabase(f.dir, {"Cheap tools", "Lent out"}));
    f.doc.setCurrentRecord(0);
    f.frame->syncWithDocument();
    save(*f.frame, QStringLiteral("main-window.png"));
}
