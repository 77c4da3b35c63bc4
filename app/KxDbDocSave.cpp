// Saving the document: save, save with prompt (Save As) and the save-modified question.

#include "app/KxDbDoc.h"

#include "platform/Cp1252.h"
#include "app/AppStrings.h"
#include "transfer/TransferStrings.h"
#include "platform/Paths.h"
#include "engine/PosixFile.h"
#include "app/DocFileRules.h"
#include "app/FailureDetails.h"
#include "app/RememberedFolder.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {
bool fileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

// A proposal made from the title: cut at the first character a file name cannot begin to
// carry, then the database extension.
std::string nameFromTitle(const std::string& title) {
    const std::string utf8 = kxToUtf8(title);
    const std::size_t cut = utf8.find_first_of(" #%;/\\");
    const std::string base = utf8.substr(0, cut);
    return base.empty() ? std::string() : base + ".rlv";
}
} // namespace

bool KxDbDoc::saveDocument(const std::string& path) {
    if (!isOpen()) throw KxDbError::NoDatabase;
    if (kxIsReadOnlyFile(path)) {
        ui_.inform(kxString(kxStrReadOnlyTarget, kxFromUtf8(path)));
        return false;
    }
    showProgress(kxString(kxStrSavingDatabase));
    listPane_->clearLookupText(false);
    commitEdits();
    dropEmptyRecord();
    recordPane_->release();

    KxHeaderChunk& header = db_.header();
    if (modified_)
        header.setAttributes(static_cast<std::uint16_t>(header.attributes() | kAttrModified));
    // A deleted record's index means nothing to the handheld: the file never stores one.
    const std::int32_t current = currentRecord();
    if (deletedMode_) setCurrentRecord(kNoRecord);
    try {
        if (kxSameFile(path, db_.fileName()))
            db_.save();
        else
            db_.save(path);
    } catch (...) {
        if (deletedMode_) setCurrentRecord(current);
        recordPane_->retake();
        closeProgress();
        throw;
    }
    if (deletedMode_) setCurrentRecord(current);
    recordPane_->retake();
    modified_ = false;
    writeLastFile(path);
    closeProgress();
    return true;
}

std::optional<std::string> KxDbDoc::askSavePath(const std::string& start, bool replace) {
    const std::string title = kxString(replace ? kxStrSaveAsTitle : kxStrSaveCopyAsTitle);
    for (;;) {
        KxFileDialogRequest request;
        request.title = title;
        request.directory = kxDirectoryOf(start);
        request.fileName = std::string(kxFileNameOf(start));
        request.filter = kxDatabaseFileFilter();
        request.defaultSuffix = "rlv";
        const auto chosen = ui_.saveFileName(request);
        if (!chosen || chosen->empty()) return std::nullopt;
        const std::string path = kxWithDatabaseExtension(*chosen);
        if (!kxIsValidDatabasePath(path)) {
            ui_.inform(kxInvalidDatabaseNameMessage());
            continue;
        }
        // The dialog asked about the name as typed; a file under the extended name is
        // replaced only when the user says so.
        if (path != *chosen && fileExists(path) &&
            !ui_.ask(kxString(kxStrReplaceFile, kxFromUtf8(path)), KxAnswer::No))
            continue;
        return path;
    }
}

bool KxDbDoc::doSave(std::optional<std::string> path, bool replace) {
    const bool prompted = !path;
    if (prompted) {
        std::string start = pathName_;
        if (start.empty() && replace) start = nameFromTitle(title_);
        path = askSavePath(start, replace);
        if (!path) return false;
    }
    // Only a file this save made may be removed after a failure: a file that was there
    // before belongs to the user.
    const bool existedBefore = fileExists(*path);
    bool saved = false;
    {
        frame_->setWaitCursor(true);
        try {
            saved = saveDocument(*path);
        } catch (const KxDbError& e) {
            frame_->setWaitCursor(false);
            if (prompted && !existedBefore) ::unlink(path->c_str());
            // The message, where and why, and at once the chance to save elsewhere: nothing
            // of the open database is lost.
            ui_.messageWithDetail(kxDbErrorMessage(e), kxSaveFailureDetail(*path, e), KxUi::kCaption,
                                  KxButtons::Ok, KxIcon::Warning, KxAnswer::Ok);
            return doSave(std::nullopt, replace);
        } catch (...) {
            frame_->setWaitCursor(false);
            if (prompted && !existedBefore) ::unlink(path->c_str());
            throw;
        }
        frame_->setWaitCursor(false);
    }
    if (!saved) {
        if (prompted && !existedBefore) ::unlink(path->c_str());
        return false;
    }
    if (replace) setPathName(*path);
    return true;
}

bool KxDbDoc::save() {
    if (pathName_.empty() || !fileExists(pathName_) || kxIsReadOnlyFile(pathName_))
        return doSave(std::nullopt, true);
    return doSave(pathName_, true);
}

bool KxDbDoc::saveAs() {
    return doSave(std::nullopt, true);
}

bool KxDbDoc::saveModified() {
    commitEdits();
    if (isOpen()) dropEmptyRecord();
    if (!modified_) return true;
    const KxAnswer answer = ui_.message(kxString(kxStrSaveChanges, title_), KxUi::kCaption,
                                        KxButtons::YesNoCancel, KxIcon::Warning, KxAnswer::Yes);
    if (answer == KxAnswer::Cancel) return false;
    if (answer == KxAnswer::No) return true;
    return save();
}
