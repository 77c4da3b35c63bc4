// Window titles as the desktop shows them: no program name added to titles that carry it,
// and small boxes wide enough for their titles.

#include "app/widgets/KxDialogTitleFit.h"
#include "app/widgets/KxDbApp.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

TEST(WindowTitles, TheDesktopAddsNoDisplayNameAndSmallBoxesFitTheirTitles) {
    kxSetUpApplication(*qApp);
    // Without a display name of our own the desktop appends nothing: it appends only a name
    // set apart from the application's name.
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());

    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm Record Deletion"), QStringLiteral("Delete?"),
                    QMessageBox::Yes | QMessageBox::No);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    EXPECT_GE(box.width(), KxDialogTitleFit::titleWidth(box));
    EXPECT_GT(KxDialogTitleFit::titleWidth(box), box.fontMetrics().horizontalAdvance(box.windowTitle()));

    QInputDialog input;
    input.setWindowTitle(QStringLiteral("New Category of Tools and Materials"));
    input.setLabelText(QStringLiteral("Name:"));
    input.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&input));
    EXPECT_GE(input.width(), KxDialogTitleFit::titleWidth(input));

    // A window wider than its title keeps its width.
    QDialog wide;
    wide.setWindowTitle(QStringLiteral("X"));
    wide.resize(700, 100);
    wide.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&wide));
    EXPECT_EQ(wide.width(), 700);
}
