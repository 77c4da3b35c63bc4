#include "editors/widgets/KxDocDialogsQt.h"

#include "engine/KxDatabase.h"
#include "app/KxDbDoc.h"
#include "app/KxDisplayModes.h"
#include "app/widgets/KxNewFileDialog.h"
#include "app/widgets/KxRecordInfoDialog.h"
#include "app/widgets/KxSearchDialog.h"
#include "editors/widgets/KxFieldNFormDialog.h"
#include "editors/widgets/KxListOptionsDialog.h"
#include "install/widgets/KxHandheldInstallDialog.h"
#include "transfer/widgets/KxExportWizard.h"
#include "transfer/widgets/KxImportClipboardDialog.h"
#include "transfer/widgets/KxImportWizard.h"

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
