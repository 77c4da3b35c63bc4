// Every toolbar button shows an icon, on a bare system without an icon theme too.

#include "tests/gui/GuiTestSupport.h"
#include "tests/gui/Screenshots.h"

#include <QIcon>
#include <QToolBar>

#include <gtest/gtest.h>

TEST(ToolbarIcons, EveryButtonHasAnIconWithoutAnIconTheme) {
    const QStringList searchPaths = QIcon::themeSearchPaths();
    const QString theme = QIcon::themeName();
    QIcon::setThemeSearchPaths({});
    QIcon::setThemeName(QStringLiteral("no-such-theme"));
    {
        FrameFixture f;
        int buttons = 0;
        for (QAction* a : f.frame->toolBar().actions()) {
            if (a->isSeparator()) continue;
            ++buttons;
            EXPECT_FALSE(a->icon().pixmap(16, 16).isNull()) << a->text().toStdString();
            EXPECT_FALSE(a->icon().pixmap(32, 32).isNull()) << a->text().toStdString();
        }
        EXPECT_EQ(buttons, 8);
        f.frame->resize(500, 200);
        f.frame->show();
        saveScreenshot(f.frame->toolBar(), QStringLiteral("toolbar.png"));
    }
    QIcon::setThemeName(theme);
    QIcon::setThemeSearchPaths(searchPaths);
}
