#pragma once
// The document's dialogs as the desktop program shows them. Dialogs not made yet answer as
// the stand-ins do.

#include "app/KxDocDialogs.h"

class QWidget;

class KxDocDialogsQt : public KxDocDialogs {
  public:
    explicit KxDocDialogsQt(QWidget* parent = nullptr) : parent_(parent) {}

    std::optional<KxNewDatabaseRequest> runNewDatabaseWizard(KxDbDoc& doc) override;
    std::optional<std::vector<KxListOptionsColumn>> runListOptionsDialog(KxDbDoc& doc) override;
    KxSearchDialogResult runSearchDialog(KxDbDoc& doc, std::size_t search) override;
    void runRecordInfoDialog(const KxRecordInfoText& info) override;
    std::optional<KxImportChoice> runImportWizard(KxDbDoc& doc, const KxFieldSelection& selection,
                                                  const std::string& lastImportDir) override;
    bool runImportClipboardDialog(KxDbDoc& doc) override;
    bool runExportWizard(KxDbDoc& doc, KxExportOptions& options, KxExportSelections& selections) override;
    std::optional<std::vector<std::string>>
    runHandheldInstallDialog(KxDbDoc& doc, const std::vector<std::string>& preselected) override;
    bool runFieldEditor(KxDbDoc& doc, KxFieldWorkingCopy& copy, const std::function<bool()>& mayCancel) override;

  private:
    QWidget* parent_;
};
