// The printing dialogs offscreen: Print Settings with its range buttons and Cancel, the field
// chooser page (reused by the export wizard), Print Style with its five-record sample, Page
// Setup, File > Print end to end, and pictures of each dialog and of the first preview page
// of every shipped template.

#include "tests/gui/GuiTestSupport.h"
#include "tests/gui/Screenshots.h"

#include "app/widgets/KxDbAppInstance.h"
#include "app/widgets/KxDbMainFrame.h"
#include "print/widgets/KxFieldsToPrintDialog.h"
#include "print/widgets/KxPageSetupDialog.h"
#include "print/widgets/KxPageSetupStoreQt.h"
#include "print/widgets/KxPrintReportDlg.h"
#include "print/widgets/KxPrintTemplateDlg.h"
#include "print/KxPrintSession.h"
#include "print/render/PrintPages.h"
#include "transfer/widgets/KxFieldChooserPage.h"
#include "views/widgets/KxDragCheckListBox.h"

#include "print/PrintStrings.h"
#include "engine/KxPropertyChunk.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QRadioButton>
#include <QTextBrowser>
#include <QTimer>

#include <filesystem>

namespace {

std::string templatesFolder() { return (std::filesystem::path(ROLVA_SOURCE_DIR) / "templates").string(); }

class PrintDialogs : public ::testing::Test {
  protected:
    PrintDialogs()
        : t({{KxFieldType::Text, "Name"}, {KxFieldType::Number, "Price"}, {KxFieldType::Checkbox, "Lent"},
             {KxFieldType::Text, "Notes"}}) {
        KxSchemaEditor(t.db).setTypeOption(1, 2);
        const char* names[] = {"Abbey Road", "Blue Train", "Cordless drill", "Dune", "Earthsea", "Flute", "Gouge"};
        for (int i = 0; i < 7; ++i)
            t.addRecord({names[i], std::to_string(10 + i), i % 2 ? "Yes" : "No", i % 3 ? "" : "Signed copy"});
        store.write(kxDefaultUserPageSetup());
    }
    std::unique_ptr<KxPrintSession> session(KxPrintViewMode mode = KxPrintViewMode::Records) {
        return std::make_unique<KxPrintSession>(ui, t.db, store, mode, KxReportView{0, 255},
                                                KxPrintPlaces{{templatesFolder()}, out.file("_KxPrintTempOutput.htm")});
    }

    TestDatabase t;
    ScriptedUi ui;
    TempDir out;
    KxPageSetupStoreQt store;
};

TEST_F(PrintDialogs, PrintSettingsShowsTheStoredChoicesAndCancelTakesTheControls) {
    KxPrintSettings(t.db).setTitle("Stock");
    KxPrintSettings(t.db).setRange(3);
    auto s = session(KxPrintViewMode::SearchResults);
    KxPrintReportDlg dialog(nullptr, ui, *s, store);
    EXPECT_EQ(dialog.windowTitle(), "Print Settings");
    EXPECT_EQ(dialog.titleBox().text(), "Stock");
    EXPECT_TRUE(dialog.rangeButton(2).isChecked());
    for (const char* name : {"fields", "style", "pageSetup", "print", "preview", "pdf", "browser", "cancel"})
        EXPECT_TRUE(dialog.button(name).isEnabled()) << name;
    EXPECT_EQ(dialog.button("style").text(), "Print St&yle...");
    saveScreenshot(dialog, QStringLiteral("print-settings.png"));

    dialog.titleBox().setText(QStringLiteral("Caf\u00e9 list"));
    dialog.rangeButton(1).setChecked(true);
    dialog.reject();
    EXPECT_EQ(s->title, "Caf\xe9 list");
    EXPECT_EQ(s->rangeMode(), 2); // search results shown
    s->close();
    EXPECT_EQ(KxPrintSettings(t.db).title(), "Caf\xe9 list");
    EXPECT_EQ(KxPrintSettings(t.db).range(), 2);
}

TEST_F(PrintDialogs, PrintingWithoutFieldsIsRefused) {
    auto s = session();
    s->selection().setOrder({});
    KxPrintReportDlg dialog(nullptr, ui, *s, store);
    dialog.button("browser").click();
    EXPECT_EQ(ui.lastMessage(), kxString(kxStrNoPrintFields));
    EXPECT_TRUE(ui.opened.empty());
    s->selection().setOrder({0});
    dialog.button("browser").click();
    ASSERT_EQ(ui.opened.size(), 1u);
    EXPECT_EQ(ui.opened[0], s->outputPath());
    EXPECT_EQ(ui.waitStatuses.back(), "Generating printout");
}

TEST_F(PrintDialogs, FieldChooserListsSchemaOrderAndRebuildsTheOrderOnOk) {
    auto s = session();
    s->selection().setOrder({4, 1, 0}); // Category, Price, Name
    KxFieldsToPrintDialog dialog(nullptr, s->selection());
    EXPECT_EQ(dialog.windowTitle(), "Fields to Print");
    KxFieldChooserPage& page = dialog.page();
    EXPECT_FALSE(page.findChild<QCheckBox*>(QStringLiteral("fieldLabels"))->isVisibleTo(&dialog));
    KxDragCheckListBox& list = page.list();
    ASSERT_EQ(list.count(), 5);
    const QStringList texts = {"Name", "Price", "Lent", "Notes", "Category"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(list.item(i)->text(), texts[i]);
        EXPECT_EQ(list.isChecked(i), i == 0 || i == 1 || i == 4) << i;
    }
    saveScreenshot(dialog, QStringLiteral("fields-to-print.png"));
    // Notes ticked with the space bar, then moved to the top with Alt+Up.
    list.setCurrentRow(3);
    QTest::keyClick(&list, Qt::Key_Space);
    for (int i = 0; i < 3; ++i) QTest::keyClick(&list, Qt::Key_Up, Qt::AltModifier);
    dialog.accept();
    EXPECT_EQ(s->selection().order(), (std::vector<std::uint8_t>{3, 0, 1, 4}));
}

TEST(FieldChooserPage, LabelsBoxForExportShownAndForced) {
    KxFieldChooserPage page;
    page.setLabelsBoxShown(true);
    page.setLabels(false);
    EXPECT_FALSE(page.labels());
    page.setLabels(false, true);
    EXPECT_TRUE(page.labels());
    EXPECT_FALSE(page.findChild<QCheckBox*>(QStringLiteral("fieldLabels"))->isEnabled());
    EXPECT_EQ(page.findChild<QCheckBox*>(QStringLiteral("fieldLabels"))->text(), "Export Field &Labels");
}

TEST_F(PrintDialogs, PrintStyleSelectsTheStoredTemplateShowsFiveRecordsAndStoresTheChoice) {
    KxPrintSettings(t.db).setTemplateName("Cards.htm");
    auto s = session();
    KxPrintTemplateDlg dialog(nullptr, *s);
    EXPECT_EQ(dialog.windowTitle(), "Print Style");
    ASSERT_EQ(dialog.list().count(), 3);
    EXPECT_EQ(dialog.list().currentItem()->text(), "Cards.htm");
    const QString sample = dialog.sample().toPlainText();
    EXPECT_TRUE(sample.contains("Earthsea"));
    EXPECT_FALSE(sample.contains("Flute")) << "a sample holds at most five records";
    EXPECT_TRUE(sample.contains(QChar(0x2611)));
    saveScreenshot(dialog, QStringLiteral("print-style.png"));
    dialog.list().setCurrentRow(2);
    EXPECT_TRUE(dialog.sample().toHtml().contains("Blue Train"));
    dialog.accept();
    EXPECT_EQ(s->templateName(), "Table.htm");
}

TEST_F(PrintDialogs, PageSetupKeepsStoredTextUnlessChanged) {
    const KxPageSetup setup{"&w", "&D &b&bPage &p", "0.333333", "1.000000", "0.750000", "0.750000"};
    KxPageSetupDialog dialog(nullptr, setup, {QPageSize::A4, QPageLayout::Landscape});
    EXPECT_EQ(dialog.windowTitle(), "Page Setup");
    EXPECT_EQ(dialog.setup(), setup);
    EXPECT_EQ(dialog.paper().size, QPageSize::A4);
    EXPECT_EQ(dialog.paper().orientation, QPageLayout::Landscape);
    saveScreenshot(dialog, QStringLiteral("page-setup.png"));
    dialog.findChild<QDoubleSpinBox*>(QStringLiteral("marginTop"))->setValue(1.25);
    dialog.findChild<QLineEdit*>(QStringLiteral("header"))->setText(QStringLiteral("&w&bPage &p"));
    EXPECT_EQ(dialog.setup().marginTop, "1.250000");
    EXPECT_EQ(dialog.setup().header, "&w&bPage &p");
}

// The pages in a preview dialog on Letter paper, shown and painted.
struct ShownPreview {
    explicit ShownPreview(KxPrintPages& pages) : preview(letter(printer)) {
        QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                         [this, &pages](QPrinter* target) { painted = pages.paint(*target); });
        preview.resize(620, 820);
        preview.show();
        QApplication::processEvents();
    }
    static QPrinter* letter(QPrinter& printer) {
        printer.setFullPage(true);
        KxPrintPages::preparePaper(printer, {QPageSize::Letter, QPageLayout::Portrait});
        return &printer;
    }
    QPrinter printer{QPrinter::HighResolution};
    QPrintPreviewDialog preview;
    int painted = 0;
};

TEST_F(PrintDialogs, FirstPreviewPageOfEachShippedTemplate) {
    auto s = session();
    s->title = "Stock";
    for (const char* name : {"Basic.htm", "Table.htm", "Cards.htm"}) {
        s->setTemplateName(name);
        ASSERT_TRUE(s->generate(nullptr)) << name;
        const auto pages = KxPrintPages::fromFile(s->outputPath(), s->pageSetup(), s->title);
        ASSERT_TRUE(pages);
        ShownPreview shown(*pages);
        EXPECT_GE(shown.painted, 1) << name;
        saveScreenshot(shown.preview, QStringLiteral("preview-%1.png").arg(QString::fromLatin1(name).chopped(4).toLower()));
    }
}

// A table long enough to be cut: the first rows are laid out by the document, those after
// them alone. The sixth page shows the header repeated over rows laid out alone; its
// picture must look like the one with every row laid out by the document.
TEST_F(PrintDialogs, FirstPreviewPageOfALongTableWithItsRowsLaidOutAlone) {
    for (int i = 0; i < 300; ++i)
        t.addRecord({"Item " + std::to_string(i) + (i % 4 ? "" : " & more"), std::to_string(i), i % 2 ? "Yes" : "No",
                     i % 5 ? "" : "A note long enough to wrap in its column of the table, twice or more"});
    auto s = session();
    s->title = "Stock";
    s->setTemplateName("Table.htm");
    ASSERT_TRUE(s->generate(nullptr));
    for (const bool alone : {true, false}) {
        const auto pages = KxPrintPages::fromFile(s->outputPath(), s->pageSetup(), s->title);
        ASSERT_TRUE(pages);
        pages->setRowLayout(alone);
        ShownPreview shown(*pages);
        auto* view = shown.preview.findChild<QPrintPreviewWidget*>();
        ASSERT_TRUE(view);
        view->setCurrentPage(6);
        EXPECT_GT(shown.painted, 3);
        EXPECT_EQ(pages->rowLayoutPieces() > 0, alone);
        saveScreenshot(shown.preview, alone ? QStringLiteral("preview-table-rows-page6.png")
                                            : QStringLiteral("preview-table-document-page6.png"));
    }
}

TEST(PrintCommand, FilePrintOpensTheDialogAndCancelStoresTheSettings) {
    TempDir dir;
    ScriptedUi ui;
    KxStartOptions options;
    options.settingsPath = dir.file("rolvadesk.ini");
    options.setProcessLocale = false;
    options.enterProgramDirectory = false;
    options.arguments = {QString::fromStdString(makeSampleDatabase(dir))};
    KxDbAppInstance run(&ui);
    ASSERT_TRUE(run.start(options));
    QString seen;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<KxPrintReportDlg*>(QApplication::activeModalWidget());
        if (!dialog) return;
        seen = dialog->windowTitle();
        dialog->titleBox().setText(QStringLiteral("Tools"));
        dialog->button("cancel").click();
    });
    run.frame()->runCommand(KxCommand::Print);
    EXPECT_EQ(seen, "Print Settings");
    EXPECT_EQ(KxPrintSettings(run.document()->database()).title(), "Tools");
    EXPECT_TRUE(run.document()->isModified());
    // The user's own page setup is back.
    EXPECT_EQ(KxPageSetupStoreQt().read().footer, "&u&b&d");
}

} // namespace
