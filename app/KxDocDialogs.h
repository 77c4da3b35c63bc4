#pragma once
// The dialogs the document's commands run, each seen as the plain result it hands back. The
// front end implements KxDocDialogs with its widgets; the defaults answer as Cancel would.

#include "engine/Sort.h"
#include "app/KxSearchRequest.h"
#include "editors/KxFieldWorkingCopy.h"
#include "editors/KxSchemaBuilder.h"
#include "transfer/KxExporter.h"
#include "transfer/ImportCommand.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class KxDbDoc;

// What the New Database wizard decided.
struct KxNewDatabaseRequest {
    std::string path;                       // the new file (file system path)
    bool checkboxesEditable = true;         // "&Check Boxes Editable in List View"     (0x40)
    bool readOnlyMode = true;               // "Record &View Has Read-only Mode"        (0x80)
    bool handheldReadOnly = false;          // "&Database is Read Only on Handheld"     (0x02)
    KxFieldWorkingCopy definitions;         // the working field definitions, in wizard order
    std::vector<std::string> handheldUsers; // to install the new database on
};

// What the Search Records dialog hands back. Its Edit Names and List Options buttons change
// the database while the dialog is up; the flags report that even when it was cancelled.
struct KxSearchDialogResult {
    std::optional<KxSearchRequest> request; // OK: the rows and the target search
    bool searchesEdited = false;            // the Edit Names dialog changed the searches
    // List options sets to delete afterwards, once the list no longer shows them, unless a
    // saved search still names them: those of deleted searches, and one made for the search.
    std::vector<std::uint8_t> unusedListSets;
};

// The Record Information dialog's content.
struct KxRecordInfoText {
    std::string created; // "%s  %s": locale date and time
    std::string modified;
    std::string recordId; // "%08X  %08X  %04X"
};

class KxDocDialogs {
  public:
    virtual ~KxDocDialogs() = default;

    // The New Database wizard; none when cancelled.
    virtual std::optional<KxNewDatabaseRequest> runNewDatabaseWizard(KxDbDoc&) { return std::nullopt; }
    // Opens on `search`; a cancelled dialog hands back no request.
    virtual KxSearchDialogResult runSearchDialog(KxDbDoc&, std::size_t /*search*/) { return {}; }
    // The columns chosen for the list options set in force; none when cancelled.
    virtual std::optional<std::vector<KxListOptionsColumn>> runListOptionsDialog(KxDbDoc&) {
        return std::nullopt;
    }
    virtual void runRecordInfoDialog(const KxRecordInfoText&) {}
    // True when a record was imported.
    virtual bool runImportClipboardDialog(KxDbDoc&) { return false; }
    // Handheld Installation, the users in `preselected` ticked: the ticked users in list order
    // on OK, none on Cancel.
    virtual std::optional<std::vector<std::string>>
    runHandheldInstallDialog(KxDbDoc&, const std::vector<std::string>& /*preselected*/) {
        return std::nullopt;
    }
    // The Import Wizard over the selection the columns go to; none when cancelled.
    virtual std::optional<KxImportChoice> runImportWizard(KxDbDoc&, const KxFieldSelection&,
                                                          const std::string& /*lastImportDir*/) {
        return std::nullopt;
    }
    // The Export Wizard on the options and the selections (it edits the order of `plain`);
    // false when cancelled.
    virtual bool runExportWizard(KxDbDoc&, KxExportOptions&, KxExportSelections&) { return false; }
    // The Field and Form Editor on the working copy, which it edits in place; true for OK.
    // Cancel asks `mayCancel` first and stays open when it says no.
    virtual bool runFieldEditor(KxDbDoc&, KxFieldWorkingCopy& /*copy*/,
                                const std::function<bool()>& /*mayCancel*/) {
        return false;
    }
};
