#include "editors/KxDocDialogsQt.h"

#include "KxDatabase.h"
#include "app/DbDoc.h"
#include "app/DisplayModes.h"
#include "app/KxNewFileDialog.h"
#include "app/KxRecordInfoDialog.h"
#include "app/KxSearchDialog.h"
#include "editors/KxFieldNFormDialog.h"
#include "editors/KxListOptionsDialog.h"
#include "install/KxHandheldInstallDialog.h"
#include "transfer/KxExportWizard.h"
#include "transfer/KxImportClipboardDialog.h"
#include "transfer/KxImportWizard.h"

namespace {
// The List Options dialog opened on list options set `set`; the columns chosen.
std::optional<std::vector<KxListOptionsColumn>> runListOptionsOn(QWidget* parent, const KxDatabase& db,
                                                                 std::size_t set) {
    KxListOptionsDialog dialog(parent, db.header(), kxListOptionsColumnsOf(db, set));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.columns();
}
} // namespace

std::optional<KxNewDatabaseRequest> KxDocDialogsQt::runNewDatabaseWizard(KxDbDoc& doc) {
    return kxRunNewFileDialog(doc, parent_);
}

std::optional<std::vector<KxListOptionsColumn>> KxDocDialogsQt::runListOptionsDialog(KxDbDoc& doc) {
    return runListOptionsOn(parent_, doc.database(), KxDisplayModes(doc).listSetInForce());
}

KxSearchDialogResult KxDocDialogsQt::runSearchDialog(KxDbDoc& doc, std::size_t search) {
    // List O&ptions... in the search dialog opens on the search's own set, or on the set its
    // results would show with; the search dialog makes the search's own set from the choice.
    auto listOptions = [this](KxDbDoc& d, std::uint8_t set) { return runListOptionsOn(parent_, d.database(), set); };
    return kxRunSearchDialog(doc, search, parent_, listOptions);
}

void KxDocDialogsQt::runRecordInfoDialog(const KxRecordInfoText& info) { kxRunRecordInfoDialog(info, parent_); }

std::optional<std::vector<std::string>>
KxDocDialogsQt::runHandheldInstallDialog(KxDbDoc& doc, const std::vector<std::string>& preselected) {
    return kxRunHandheldInstallDialog(doc.handheldUsers(), preselected, parent_);
}

bool KxDocDialogsQt::runFieldEditor(KxDbDoc& doc, KxFieldWorkingCopy& copy, const std::function<bool()>& mayCancel) {
    KxFieldNFormDialog dialog(parent_, copy, doc.ui(), mayCancel);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<KxImportChoice> KxDocDialogsQt::runImportWizard(KxDbDoc& doc, const KxFieldSelection& selection,
                                                              const std::string& lastImportDir) {
    return kxRunImportWizard(parent_, doc.ui(), doc.database(), selection, lastImportDir);
}

bool KxDocDialogsQt::runExportWizard(KxDbDoc& doc, KxExportOptions& options, KxExportSelections& selections) {
    return kxRunExportWizard(parent_, doc.ui(), doc.pathName(), options, selections);
}

bool KxDocDialogsQt::runImportClipboardDialog(KxDbDoc& doc) { return kxRunImportClipboardDialog(doc, parent_); }
