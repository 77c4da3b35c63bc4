// The Import Wizard on the main window's Import command: a CSV file chosen through Browse,
// a column dragged against another field, the rows scanned, and every record checked; the
// first row of labels; pictures of both pages.

#include "tests/gui/GuiTestSupport.h"
#include "tests/gui/Screenshots.h"

#include "app/widgets/KxWizard.h"
#include "transfer/widgets/KxImportFieldsPage.h"
#include "transfer/widgets/KxImportFilePage.h"
#include "transfer/widgets/KxImportWizard.h"
#include "views/widgets/KxDragCheckListBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <fstream>

namespace {
// Dialogs whose Import Wizard is driven by the test's script while it is up.
class DrivenDialogs : public KxDocDialogs {
  public:
    std::function<void(KxWizard&)> script;
    std::optional<KxImportChoice> runImportWizard(KxDbDoc& doc, const KxFieldSelection& selection,
                                                  const std::string& lastImportDir) override {
        KxImportWizardState state{doc.ui(), doc.database(), selection, lastImportDir};
        KxWizard wizard("Import Wizard", doc.ui());
        kxBuildImportWizard(wizard, state);
        wizard.resize(560, 400);
        wizard.show();
        if (!wizard.start()) return std::nullopt;
        script(wizard);
        if (wizard.result() != QDialog::Accepted) return std::nullopt;
        return kxImportChoiceOf(state);
    }
};

struct ImportFixture : FrameFixture {
    ImportFixture() { doc.setDialogs(&dialogs); }
    std::string writeCsv(const std::string& name, const std::string& text) {
        const std::string path = dir.file(name);
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    // The texts of the records with this Name, in list order: "name|price".
    std::vector<std::string> records() {
        std::vector<std::string> out;
        const KxDatabase& db = doc.database();
        for (std::size_t i = 0; i < db.liveCount(); ++i) {
            std::string row;
            for (std::size_t f = 0; f < 2; ++f) {
                const auto raw = db.liveChunk(i).value(f);
                FieldValue v = FieldValue::newValue(static_cast<int>(db.header().fields[f].type));
                if (!raw.empty()) v.setRaw(raw);
                row += (f ? "|" : "") + (raw.empty() ? std::string() : v.plainText());
            }
            out.push_back(row);
        }
        return out;
    }
    DrivenDialogs dialogs;
};
} // namespace

TEST(ImportWizard, ImportsACsvFileWithARemappedColumnRecordByRecord) {
    ImportFixture f;
    f.open(makeSampleDatabase(f.dir));
    const std::string csv = f.writeCsv("parts.csv", "7.5,Widget\r\n0.25,Nut\r\n 12 , \"Bolt, long\"\r\n");
    f.ui.files.push_back(csv);
    f.dialogs.script = [&](KxWizard& wizard) {
        auto& file = static_cast<KxImportFilePage&>(*wizard.page(0));
        file.typeButton(KxImportType::Database)->setChecked(true);
        saveScreenshot(wizard, "import_wizard_file.png");
        file.browse();
        EXPECT_EQ(file.nameBox()->text().toStdString(), csv);
        EXPECT_TRUE(file.typeButton(KxImportType::Comma)->isChecked()); // ".csv" selects comma
        wizard.goNext();
        ASSERT_EQ(wizard.pageIndex(), 1);
        auto& fields = static_cast<KxImportFieldsPage&>(*wizard.page(1));
        EXPECT_EQ(fields.fieldList()->count(), 3); // Name, Price, Category
        EXPECT_EQ(fields.dataList()->item(1)->text(), "Widget");
        EXPECT_EQ(fields.rowLabel()->text(), "1 of 3");
        EXPECT_FALSE(fields.previousRowButton()->isEnabled());
        fields.nextRowButton()->click();
        fields.nextRowButton()->click();
        EXPECT_EQ(fields.rowLabel()->text(), "3 of 3");
        EXPECT_EQ(fields.dataList()->item(1)->text(), "Bolt, long");
        EXPECT_FALSE(fields.nextRowButton()->isEnabled());
        EXPECT_FALSE(fields.labelsBox()->isChecked());
        fields.moveField(1, 0); // Price against the first column
        EXPECT_EQ(fields.fieldList()->item(0)->text(), "Price");
        saveScreenshot(wizard, "import_wizard_fields.png");
        wizard.finishWizard();
    };
    f.frame->runCommand(KxCommand::Import);
    EXPECT_TRUE(f.doc.isModified());
    const auto rows = f.records();
    ASSERT_EQ(rows.size(), 6u);
    // The sample's three records and the three new ones, each at its sorted place by Name.
    EXPECT_NE(std::find(rows.begin(), rows.end(), "Widget|7.5"), rows.end());
    EXPECT_NE(std::find(rows.begin(), rows.end(), "Nut|0.25"), rows.end());
    EXPECT_NE(std::find(rows.begin(), rows.end(), "Bolt, long|12"), rows.end());
    EXPECT_TRUE(f.ui.messages.empty()) << f.ui.lastMessage();
}

TEST(ImportWizard, AMissingFileKeepsTheFirstPageAndCancelImportsNothing) {
    ImportFixture f;
    f.open(makeSampleDatabase(f.dir));
    f.dialogs.script = [&](KxWizard& wizard) {
        auto& file = static_cast<KxImportFilePage&>(*wizard.page(0));
        file.nameBox()->setText("nowhere.csv");
        wizard.goNext();
        EXPECT_EQ(wizard.pageIndex(), 0);
        EXPECT_EQ(f.ui.lastMessage(), "Cannot find file nowhere.csv");
        wizard.reject();
    };
    f.frame->runCommand(KxCommand::Import);
    EXPECT_FALSE(f.doc.isModified());
    EXPECT_EQ(f.doc.database().liveCount(), 3u);
}

TEST(ImportWizard, AFirstRowOfLabelsIsTickedAndMatched) {
    ImportFixture f;
    f.open(makeSampleDatabase(f.dir));
    const std::string csv = f.writeCsv("labelled.csv", "\"price\",\"NAME\"\r\n\"3\",\"Pliers\"\r\n");
    f.dialogs.script = [&](KxWizard& wizard) {
        static_cast<KxImportFilePage&>(*wizard.page(0)).nameBox()->setText(QString::fromStdString(csv));
        wizard.goNext();
        auto& fields = static_cast<KxImportFieldsPage&>(*wizard.page(1));
        EXPECT_TRUE(fields.labelsBox()->isChecked());
        EXPECT_EQ(fields.fieldList()->item(0)->text(), "Price");
        EXPECT_EQ(fields.rowLabel()->text(), "1 of 1");
        wizard.finishWizard();
    };
    f.frame->runCommand(KxCommand::Import);
    const auto rows = f.records();
    EXPECT_EQ(rows.size(), 4u);
    EXPECT_NE(std::find(rows.begin(), rows.end(), "Pliers|3"), rows.end());
}

TEST(ImportWizard, TheCharacterSetIsShownAndMayBeOverridden) {
    ImportFixture f;
    f.open(makeSampleDatabase(f.dir));
    const std::string latin = f.writeCsv("latin.csv", "Caf\xE9,2\r\n");
    const std::string utf8 = f.writeCsv("utf8.csv", "Caf\xC3\xA9,2\r\n");
    f.dialogs.script = [&](KxWizard& wizard) {
        auto& file = static_cast<KxImportFilePage&>(*wizard.page(0));
        file.nameBox()->setText(QString::fromStdString(utf8));
        wizard.goNext();
        auto& fields = static_cast<KxImportFieldsPage&>(*wizard.page(1));
        EXPECT_EQ(fields.characterSetBox()->currentText(), "UTF-8");
        EXPECT_EQ(fields.dataList()->item(0)->text(), QString::fromUtf8("Caf\xC3\xA9"));
        wizard.goBack();
        file.nameBox()->setText(QString::fromStdString(latin));
        wizard.goNext();
        EXPECT_EQ(fields.characterSetBox()->currentText(), "Windows-1252");
        EXPECT_EQ(fields.dataList()->item(0)->text(), QString::fromUtf8("Caf\xC3\xA9"));
        fields.characterSetBox()->setCurrentIndex(0);
        fields.readAgainAs(0); // read as UTF-8: the lone byte is no character
        EXPECT_EQ(fields.dataList()->item(0)->text(), "Caf?");
        fields.characterSetBox()->setCurrentIndex(1);
        fields.readAgainAs(1);
        EXPECT_EQ(fields.dataList()->item(0)->text(), QString::fromUtf8("Caf\xC3\xA9"));
        wizard.finishWizard();
    };
    f.frame->runCommand(KxCommand::Import);
    EXPECT_EQ(f.records().size(), 4u);
}
