// File > Import... and File > Export... on the document: an import marks it modified and
// rebuilds the views; a cancelled one changes nothing; an export leaves the document as it
// was and writes what the list shows.

#include "tests/logic/doc_test_support.h"

#include "app/KxTransferCommands.h"

#include <fstream>

namespace {
class TransferDialogs : public ScriptedDialogs {
  public:
    std::string csv;        // the file the import wizard loads; empty: Cancel
    std::string exportPath; // where the export wizard writes; empty: Cancel
    bool runExportWizard(KxDbDoc&, KxExportOptions& options, KxExportSelections&) override {
        if (exportPath.empty()) return false;
        options.path = exportPath;
        return true;
    }
    std::optional<KxImportChoice> runImportWizard(KxDbDoc& doc, const KxFieldSelection&,
                                                  const std::string&) override {
        if (csv.empty()) return std::nullopt;
        KxImportChoice choice;
        choice.path = csv;
        choice.source = kxLoadImportSource(doc.ui(), choice.path, KxImportType::Comma, "");
        choice.order = {0};
        return choice;
    }
};

class TransferCommandsTest : public DocTest {
  protected:
    TransferCommandsTest() {
        doc.setDialogs(&transfer);
        createDatabase({"Name"});
        doc.setModified(false);
        view.hints.clear();
    }
    TransferDialogs transfer;
};
} // namespace

TEST_F(TransferCommandsTest, AnImportMarksTheDocumentModifiedAndRebuildsTheViews) {
    EXPECT_FALSE(KxTransferCommands(doc).importFile());
    EXPECT_FALSE(doc.isModified());
    EXPECT_TRUE(view.hints.empty());

    transfer.csv = dir.file("names.csv");
    std::ofstream(transfer.csv) << "Ann\nBob\n";
    EXPECT_TRUE(KxTransferCommands(doc).importFile());
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(view.last(), KxViewHint::All);
    EXPECT_EQ(doc.database().liveCount(), 2u);
}

TEST_F(TransferCommandsTest, AnExportWritesTheRecordsAndLeavesTheDocumentAlone) {
    addRecord({"Ann"});
    EXPECT_FALSE(KxTransferCommands(doc).exportFile());
    transfer.exportPath = dir.file("out.csv");
    EXPECT_TRUE(KxTransferCommands(doc).exportFile());
    EXPECT_FALSE(doc.isModified());
    std::ifstream in(transfer.exportPath, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, "\"Name\",\"Category\"\r\n\"Ann\",\"Unfiled\"\r\n");
}
