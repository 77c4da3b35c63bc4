// Opening, creating and closing the document's database file.

#include "app/KxDbDoc.h"

#include "platform/Cp1252.h"
#include "engine/KxFileReplacement.h"
#include "app/AppStrings.h"
#include "platform/NoCase.h"
#include "platform/Paths.h"
#include "engine/PosixFile.h"
#include "engine/KxSchemaEditor.h"
#include "app/DocFileRules.h"
#include "app/FailureDetails.h"
#include "app/RememberedFolder.h"
#include "editors/KxSchemaBuilder.h"

#include <dirent.h>
#include <numeric>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr std::string_view kTypeTag = "bdXk";

bool fileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

// The schema of a new database: the chosen attributes, list pane share 50, the working field
// definitions committed as the Field and Form Editor commits them, and the default list
// options over the fields in wizard order.
void buildNewSchema(KxDatabase& db, const KxFieldWorkingCopy& definitions, std::uint16_t attributes) {
    db.header().setAttributes(static_cast<std::uint16_t>(db.header().attributes() | attributes));
    db.fileHeader().setListPaneShare(50);
    KxSchemaBuilder builder(db);
    builder.commit(definitions);
    std::vector<std::size_t> positions(definitions.size());
    std::iota(positions.begin(), positions.end(), std::size_t{0});
    builder.addDefaultListOptions(positions);
}

// The name of the directory entry that is `name` ignoring case, or none. An exact match wins.
std::optional<std::string> nameOnDisk(const std::string& directory, std::string_view name) {
    DIR* dir = ::opendir(directory.empty() ? "." : directory.c_str());
    if (!dir) return std::nullopt;
    std::optional<std::string> found;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view candidate = entry->d_name;
        if (candidate == name) {
            found = std::string(candidate);
            break;
        }
        if (!found && kxEqualNoCase(candidate, name)) found = std::string(candidate);
    }
    ::closedir(dir);
    return found;
}

std::string titleOf(std::string_view path) {
    return kxFromUtf8(kxStripExtension(kxFileNameOf(path)));
}

class WaitCursor {
  public:
    explicit WaitCursor(KxDocFrame& frame) : frame_(frame) { frame_.setWaitCursor(true); }
    ~WaitCursor() { frame_.setWaitCursor(false); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

  private:
    KxDocFrame& frame_;
};
} // namespace

// Lets go of the open database and tells the views that nothing is open.
void KxDbDoc::releaseDatabase() {
    resetModes();
    listPane_->clearLookupText(true);
    recordPane_->release();
    db_.close(true);
    pathName_.clear();
    title_.clear();
    modified_ = false;
    updateAllViews(KxViewHint::All);
    refreshStatus();
}

void KxDbDoc::afterOpenFailure() {
    db_.close(true);
    pathName_.clear();
    title_.clear();
    modified_ = false;
    updateAllViews(KxViewHint::All);
    closeProgress();
    refreshStatus();
}

bool KxDbDoc::upgradeSchema() {
    bool upgraded = false;
    KxSchemaEditor schema(db_);
    if (schema.layoutCount() == 0) {
        KxSchemaBuilder(db_).ensureFormLayout();
        upgraded = true;
    }
    if (schema.sortDefCount() == 0) {
        schema.addSortDef();
        upgraded = true;
    }
    if (schema.listSetCount() == 0) {
        schema.setListSetSortDef(schema.addListSet(), 0);
        db_.fileHeader().setListPaneShare(50);
        upgraded = true;
    }
    return upgraded;
}

bool KxDbDoc::openDocument(const std::string& path) {
    installScheduled_ = false;
    releaseDatabase();
    try {
        const std::uint32_t userId = storedUserId();
        if (!kxIsValidDatabasePath(path)) throw KxDbError::InvalidName;
        db_.open(path, kOpenDocument, userId);
        modified_ = false;
        const bool upgraded = upgradeSchema();

        mainListSet_ = 0;
        // Search results survive a save and reopen through the attribute.
        if (db_.header().attributes() & kAttrSearchResults) {
            searchMode_ = true;
            searchOwnListOptions_ = db_.header().currentListSet() != mainListSet_;
        }
        if (upgraded) {
            db_.header().setModificationStamp(freshStamp());
            modified_ = true;
        }
        writeLastFile(path);
        setProgressText(kxString(kxStrLoadingDatabase));
        setPathName(path);
        tellViewsAboutAttributes();
        listPane_->activate();
        refreshStatus();
        return true;
    } catch (const KxDbError& e) {
        afterOpenFailure();
        if (e == KxDbError::CannotOpen) {
            ui_.message(kxString(kxStrFileNotFound, kxFromUtf8(path)), KxUi::kCaption,
                        KxButtons::Ok, KxIcon::Warning, KxAnswer::Ok);
            return false;
        }
        if (e == KxDbError::InvalidName) {
            ui_.message(kxString(kxStrInvalidOpenName, std::to_string(kxMaxBaseNameLength)),
                        KxUi::kCaption, KxButtons::Ok, KxIcon::Warning, KxAnswer::Ok);
            return false;
        }
        // The code's message is shown where the failure ends up; what the file tells goes
        // with it.
        ui_.noteFailureDetail(kxCode(e), kxOpenFailureDetail(path, e));
        throw;
    }
}

bool KxDbDoc::openDocumentFile(const std::string& path) {
    if (!pathName_.empty() && kxSameFile(pathName_, path)) {
        const KxAnswer answer = ui_.message(kxString(kxStrRevertQuestion, kxFromUtf8(pathName_)),
                                            kxString(kxStrRevertCaption), KxButtons::YesNo,
                                            KxIcon::Warning, KxAnswer::No);
        if (answer != KxAnswer::Yes) return true; // the open document stays as it is
        // Reverting discards the changes: closing asks nothing, not even about an edit that
        // is still open in the form.
        closeDocument();
    } else {
        close();
        if (!pathName_.empty()) return false; // the user cancelled the save question
    }
    showProgress(kxString(kxStrOpeningDatabase));
    try {
        const bool opened = openDocument(path);
        closeProgress();
        return opened;
    } catch (...) {
        closeProgress();
        throw;
    }
}

bool KxDbDoc::fileOpen() {
    const auto path =
        kxAskDatabaseFile(ui_, settings_, kxSettingLastOpenDir, kxString(kxStrOpenTitle), true);
    if (!path) return false;
    return openDocumentFile(*path);
}

bool KxDbDoc::newDocument() {
    if (!saveModified()) return false;
    listPane_->clearLookupText(false);
    commitEdits();
    if (isOpen()) dropEmptyRecord();
    // The framework makes an empty document at start-up, before there is a window to ask in.
    if (!frame_->mainWindowVisible()) return true;
    const auto request = dialogs_->runNewDatabaseWizard(*this);
    if (!request) return false;
    return createDatabase(*request);
}

bool KxDbDoc::createDatabase(const KxNewDatabaseRequest& request) {
    WaitCursor wait(*frame_);
    installScheduled_ = false;
    releaseDatabase();

    const std::string& path = request.path;
    if (!kxIsValidDatabasePath(path)) throw KxDbError::InvalidName;
    // A file another program has open is not taken from under it.
    if (fileExists(path) && kxFileLockedByOther(path)) throw KxDbError::CannotCreate;
    // A file of that name is replaced only once the new database is written whole, so a full
    // disk keeps it; a read-only one is replaced all the same.
    KxReadOnlyLifted writable(path);
    try {
        db_.createUnsaved(path, kTypeTag, kOpenDocument, storedUserId());
        modified_ = true;
        std::uint16_t attributes = 0;
        if (request.checkboxesEditable) attributes |= kAttrEditableCheckboxes;
        if (request.readOnlyMode) attributes |= kAttrReadOnlyMode;
        if (request.handheldReadOnly) attributes |= kAttrHandheldReadOnly;
        db_.header().setModificationStamp(freshStamp());
        buildNewSchema(db_, request.definitions, attributes);
        mainListSet_ = db_.header().currentListSet();
        // The file is written at once, so that the new database is on disk from the start.
        db_.save();
        writable.kept();
    } catch (...) {
        db_.close(true);
        afterOpenFailure();
        throw;
    }
    setPathName(path);
    modified_ = false;
    // Written even for nobody: a pending installation of an older file of this name would
    // otherwise put the new database over that user's handheld copy.
    if (installScheduler_) {
        installScheduler_(path, request.handheldUsers);
        installScheduled_ = !request.handheldUsers.empty();
    }
    writeLastFile(path);
    tellViewsAboutAttributes();
    refreshStatus();
    return true;
}

bool KxDbDoc::close() {
    if (!saveModified()) return false;
    closeDocument();
    return true;
}

void KxDbDoc::closeDocument() {
    WaitCursor wait(*frame_);
    installScheduled_ = false;
    releaseDatabase();
}

void KxDbDoc::setPathName(const std::string& path) {
    pathName_ = path;
    setTitle(titleOf(path));
}

void KxDbDoc::setTitle(const std::string& title) {
    title_ = title;
    if (!title.empty() && !pathName_.empty() && fileExists(pathName_)) {
        const std::string directory = kxDirectoryOf(pathName_);
        const auto onDisk = nameOnDisk(directory, kxFileNameOf(pathName_));
        if (onDisk) {
            const std::string diskTitle = titleOf(*onDisk);
            const std::string diskName = kxFromUtf8(*onDisk);
            if (kxEqualNoCase(kxToUtf8(title), kxToUtf8(diskTitle)) ||
                kxEqualNoCase(kxToUtf8(title), *onDisk)) {
                title_ = kxEqualNoCase(kxToUtf8(title), *onDisk) ? diskName : diskTitle;
                pathName_ = directory + *onDisk;
            }
        }
    }
    refreshStatus();
}
