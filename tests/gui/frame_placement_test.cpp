// Where the main window opens and what it stores when it moves or changes size.

#include "tests/gui/GuiTestSupport.h"

#include "app/WindowPlacement.h"

#include <QScreen>
#include <QSplitter>

#include <gtest/gtest.h>

TEST(FramePlacement, StoredPlacementRules) {
    const KxScreenSize screen{1024, 768};
    // No usable size: the system's default placement.
    EXPECT_FALSE(kxInitialPlacement({10, 10, -1, -1}, screen));
    EXPECT_FALSE(kxInitialPlacement({10, 10, 0, 400}, screen));
    // On the screen: as stored.
    EXPECT_EQ(kxInitialPlacement({10, 20, 600, 400}, screen), (KxWindowGeometry{10, 20, 600, 400}));
    EXPECT_EQ(kxInitialPlacement({424, 368, 600, 400}, screen), (KxWindowGeometry{424, 368, 600, 400}));
    // Partly off the screen, or an unknown position: centred at the stored size.
    EXPECT_EQ(kxInitialPlacement({425, 20, 600, 400}, screen), (KxWindowGeometry{212, 184, 600, 400}));
    EXPECT_EQ(kxInitialPlacement({10, 369, 600, 400}, screen), (KxWindowGeometry{212, 184, 600, 400}));
    EXPECT_EQ(kxInitialPlacement({-1, -1, 600, 400}, screen), (KxWindowGeometry{212, 184, 600, 400}));
    // Larger than the screen: the title bar stays reachable.
    EXPECT_EQ(kxInitialPlacement({0, 0, 2000, 1000}, screen), (KxWindowGeometry{0, 0, 2000, 1000}));
    // Values from an edited file do not overflow.
    EXPECT_EQ(kxInitialPlacement({2147483000, 5, 1000, 100}, screen), (KxWindowGeometry{12, 334, 1000, 100}));

    EXPECT_TRUE(kxOpensMaximized({5, 5, -1, -1}));
    EXPECT_FALSE(kxOpensMaximized({5, 5, -1, 300}));
}

TEST(FramePlacement, MovesAndSizesRoundTripThroughTheSettings) {
    FrameFixture f;
    KxSettings settings(f.settingsPath);
    settings.write(kxSettingLastAppSizeW, 500);
    settings.write(kxSettingLastAppSizeH, 350);
    settings.write(kxSettingLastAppPosX, 30);
    settings.write(kxSettingLastAppPosY, 40);

    f.frame->restorePlacement();
    f.frame->showAsPlaced();
    QApplication::processEvents();
    EXPECT_FALSE(f.frame->isMaximized());
    EXPECT_EQ(f.frame->size(), QSize(500, 350));
    EXPECT_EQ(f.frame->frameGeometry().topLeft(), QPoint(30, 40));

    f.frame->move(60, 70);
    f.frame->resize(520, 360);
    QApplication::processEvents();
    EXPECT_EQ(settings.read(kxSettingLastAppPosX), f.frame->frameGeometry().x());
    EXPECT_EQ(settings.read(kxSettingLastAppPosY), f.frame->frameGeometry().y());
    EXPECT_EQ(settings.read(kxSettingLastAppSizeW), 520);
    EXPECT_EQ(settings.read(kxSettingLastAppSizeH), 360);

    // The next window opens where this one was left.
    const QPoint leftAt = f.frame->frameGeometry().topLeft();
    f.frame.reset();
    f.frame = std::make_unique<KxDbMainFrame>(f.doc, f.ui, KxSettings(f.settingsPath));
    f.frame->restorePlacement();
    f.frame->showAsPlaced();
    QApplication::processEvents();
    EXPECT_EQ(f.frame->size(), QSize(520, 360));
    EXPECT_EQ(f.frame->frameGeometry().topLeft(), leftAt);
}

TEST(FramePlacement, ClosedMaximizedOpensMaximized) {
    FrameFixture f;
    // First run: nothing stored, so the window opens maximized.
    f.frame->showAsPlaced();
    QApplication::processEvents();
    EXPECT_TRUE(f.frame->isMaximized());

    KxSettings settings(f.settingsPath);
    f.frame->showNormal();
    f.frame->resize(700, 500);
    QApplication::processEvents();
    EXPECT_EQ(settings.read(kxSettingLastAppSizeW), 700);
    f.frame->showMaximized();
    QApplication::processEvents();
    EXPECT_EQ(settings.read(kxSettingLastAppSizeW), -1);
    EXPECT_EQ(settings.read(kxSettingLastAppSizeH), -1);
    EXPECT_TRUE(f.frame->close());

    f.frame = std::make_unique<KxDbMainFrame>(f.doc, f.ui, KxSettings(f.settingsPath));
    f.frame->showAsPlaced();
    QApplication::processEvents();
    EXPECT_TRUE(f.frame->isMaximized());
}

TEST(FramePlacement, ListPaneShareSplitsTheClientArea) {
    FrameFixture f;
    f.frame->resize(600, 400);
    f.frame->show();
    QApplication::processEvents();
    QSplitter& splitter = f.frame->splitter();
    const int width = splitter.width() - splitter.handleWidth();

    f.frame->setListPaneShare(30, true);
    EXPECT_EQ(f.frame->listPaneShare(), 30);
    EXPECT_EQ(splitter.sizes().value(0), width * 30 / 100);

    // Without relayout only the share changes; the next resize applies it.
    f.frame->setListPaneShare(250, false);
    EXPECT_EQ(f.frame->listPaneShare(), 100);
    EXPECT_EQ(splitter.sizes().value(0), width * 30 / 100);
    f.frame->resize(640, 400);
    QApplication::processEvents();
    // Each pane keeps 10 pixels.
    EXPECT_EQ(splitter.sizes().value(1), 10);
}

TEST(FramePlacement, OpeningADatabaseAppliesItsStoredShare) {
    FrameFixture f;
    f.frame->resize(600, 400);
    f.frame->show();
    QApplication::processEvents();
    f.open(makeSampleDatabase(f.dir));
    // The list pane gives the frame the stored share when the database is loaded.
    EXPECT_EQ(f.frame->listPaneShare(), 40);
    QSplitter& splitter = f.frame->splitter();
    EXPECT_EQ(splitter.sizes().value(0), (splitter.width() - splitter.handleWidth()) * 40 / 100);
}
