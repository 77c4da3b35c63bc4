// The user guide: Help and F1 in the main window open it at its start, F1 in a dialog at the
// dialog's section, and every section a window leads to is in the guide.

#include "tests/gui/GuiTestSupport.h"
#include "tests/gui/Screenshots.h"

#include "app/HelpTopics.h"
#include "app/widgets/KxCommandActions.h"
#include "app/widgets/KxDbApp.h"
#include "app/widgets/KxHelpWidget.h"
#include "editors/widgets/KxListOptionsDialog.h"

#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace {
// The text of the line at the top of the guide's window.
QString topLine(const KxHelpWidget& help) {
    return help.browser().cursorForPosition(QPoint(20, 20)).block().text();
}
} // namespace

TEST(Help, HelpCommandOpensTheGuideAtItsStart) {
    FrameFixture f;
    f.frame->show();
    f.action(KxCommand::Help)->trigger();
    auto* help = f.frame->findChild<KxHelpWidget*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(f.ui.messages.empty()) << "no 'not installed' message";
    EXPECT_TRUE(help->browser().toPlainText().startsWith(QStringLiteral("Rolva Desk User Guide")));
    EXPECT_EQ(topLine(*help), QStringLiteral("Rolva Desk User Guide"));
    saveScreenshot(*help, QStringLiteral("help.png"));

    // Help again reuses the open guide.
    f.action(KxCommand::Help)->trigger();
    EXPECT_EQ(f.frame->findChildren<KxHelpWidget*>().size(), 1);
}

TEST(Help, F1InADialogOpensTheGuideAtTheDialogsSection) {
    kxSetUpApplication(*qApp);
    TestDatabase t({{KxFieldType::Text, "Tool"}, {KxFieldType::Number, "Price"}});
    KxListOptionsDialog dialog(nullptr, t.db.header(), {{0, KxSortDirection::Ascending}});
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QWidget* focus = dialog.focusWidget() != nullptr ? dialog.focusWidget() : &dialog;
    QTest::keyClick(focus, Qt::Key_F1);
    auto* help = dialog.findChild<KxHelpWidget*>();
    ASSERT_NE(help, nullptr) << "the guide belongs to the dialog, so it works beside a modal one";
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(topLine(*help), QStringLiteral("List options"));
}

TEST(Help, EverySectionAWindowLeadsToIsInTheGuide) {
    KxHelpWidget help;
    help.show();
    for (const char* window : {"KxSearchDialog", "KxEditNamesDialog", "KxListOptionsDialog", "KxEditCategoriesDialog",
                               "KxDeleteCategoryDialog", "KxFieldNFormDialog", "KxMultiChoiceDialog",
                               "KxImportWizard", "KxExportWizard", "KxPrintSettingsDialog",
                               "KxHandheldInstallDialog", "KxNewDatabaseWizard", "KxRecordInfoDialog",
                               "KxPreferencesDialog", "QMessageBox"}) {
        const QString section = QString::fromStdString(kxHelpSection(window));
        ASSERT_FALSE(section.isEmpty()) << window;
        EXPECT_TRUE(help.showSection(section)) << window;
    }
    EXPECT_EQ(kxHelpSection("KxDbMainFrame"), "");
    EXPECT_FALSE(help.showSection(QStringLiteral("No such section")));
}
