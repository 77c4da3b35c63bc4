// The Export Wizard on the main window's Export command: its three pages, the extension each
// type takes, the labels box forced on for a database file, and a text file that is byte for
// byte the one `rolva export` writes for the same choices; pictures of every page.

#include "tests/support/CliRun.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/gui/Screenshots.h"

#include "app/widgets/KxWizard.h"
#include "transfer/widgets/KxExportPages.h"
#include "transfer/widgets/KxExportWizard.h"
#include "views/widgets/KxDragCheckListBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {
class DrivenExportDialogs : public KxDocDialogs {
  public:
    std::function<void(KxWizard&)> script;
    bool runExportWizard(KxDbDoc& doc, KxExportOptions& options, KxExportSelections& selections) override {
        KxExportWizardState state(doc.ui(), doc.pathName(), options, selections);
        KxWizard wizard("Export Wizard", doc.ui());
        kxBuildExportWizard(wizard, state);
        wizard.resize(520, 380);
        wizard.show();
        if (!wizard.start()) return false;
        script(wizard);
        return wizard.result() == QDialog::Accepted;
    }
};

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
} // namespace

TEST(ExportWizard, WritesTheFileTheToolWritesForTheSameChoices) {
    FrameFixture f;
    DrivenExportDialogs dialogs;
    f.doc.setDialogs(&dialogs);
    const std::string path = makeSampleDatabase(f.dir);
    std::filesystem::create_directory(f.dir.file("tool"));
    const std::string copy = f.dir.file("tool/Sample.rlv");
    std::filesystem::copy_file(path, copy);
    f.open(path);
    const std::string out = f.dir.file("parts.txt");

    dialogs.script = [&](KxWizard& wizard) {
        auto& what = static_cast<KxExportWhatPage&>(*wizard.page(0));
        EXPECT_TRUE(what.button(KxExportWhat::Entire)->isChecked());
        saveScreenshot(wizard, "export_wizard_what.png");
        wizard.goNext();
        auto& file = static_cast<KxExportFilePage&>(*wizard.page(1));
        EXPECT_TRUE(file.typeButton(KxExportFileType::Comma)->isChecked());
        EXPECT_EQ(file.pathBox()->text().toStdString(), f.dir.file("Sample_Export1.csv"));
        file.typeButton(KxExportFileType::Database)->setChecked(true);
        EXPECT_EQ(file.pathBox()->text().toStdString(), f.dir.file("Sample_Export1.rlv"));
        EXPECT_FALSE(file.encodingBox()->isEnabled());
        wizard.goNext();
        auto& fields = static_cast<KxExportFieldsPage&>(*wizard.page(2));
        EXPECT_FALSE(fields.labelsBox()->isEnabled()); // a database file has field labels
        EXPECT_TRUE(fields.labelsBox()->isChecked());
        wizard.goBack();
        file.typeButton(KxExportFileType::Comma)->setChecked(true);
        file.pathBox()->setText(QString::fromStdString(out));
        saveScreenshot(wizard, "export_wizard_file.png");
        wizard.goNext();
        ASSERT_EQ(wizard.pageIndex(), 2);
        EXPECT_TRUE(fields.labelsBox()->isEnabled());
        ASSERT_EQ(fields.fieldList()->count(), 3); // Name, Price, Category
        fields.moveItem(1, 0);                     // Price first
        fields.fieldList()->setChecked(2, false);  // no Category
        emit fields.fieldList()->itemToggled(2, false);
        saveScreenshot(wizard, "export_wizard_fields.png");
        wizard.finishWizard();
    };
    f.frame->runCommand(KxCommand::Export);
    ASSERT_TRUE(std::filesystem::exists(out)) << f.ui.lastMessage();

    CliSandbox tool;
    const std::string expected = f.dir.file("tool/parts.txt");
    const auto r = tool.run({"export", copy, expected, "--type", "csv", "--fields", "Price,Name"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(fileText(out), fileText(expected));
    EXPECT_EQ(fileText(out).substr(0, 16), "\"Price\",\"Name\"\r\n");
}

TEST(ExportWizard, AnExistingTargetIsReplacedOnlyOnYes) {
    FrameFixture f;
    DrivenExportDialogs dialogs;
    f.doc.setDialogs(&dialogs);
    f.open(makeSampleDatabase(f.dir));
    const std::string out = f.dir.file("old.csv");
    std::ofstream(out) << "keep";
    dialogs.script = [&](KxWizard& wizard) {
        wizard.goNext();
        auto& file = static_cast<KxExportFilePage&>(*wizard.page(1));
        file.pathBox()->setText(QString::fromStdString(out));
        f.ui.answers = {KxAnswer::No};
        wizard.goNext();
        EXPECT_EQ(wizard.pageIndex(), 1);
        file.pathBox()->setText(QString::fromStdString(f.doc.pathName()));
        file.typeButton(KxExportFileType::Database)->setChecked(true);
        wizard.goNext();
        EXPECT_EQ(wizard.pageIndex(), 1); // the open database itself
        wizard.reject();
    };
    f.frame->runCommand(KxCommand::Export);
    EXPECT_EQ(fileText(out), "keep");
}
