#pragma once
// The one document of the program. It owns the open database from open or create to close,
// runs everything that changes which file is open (new, open, save, save as, revert, close),
// holds the display modes (deleted records, search results) and tells the views what
// changed. Record commands and mode switches are KxRecordCommands and KxDisplayModes, which
// work on this document.
//
// Views, panes and dialogs are attached by the front end; until then silent stand-ins
// answer. Every question and message goes through KxUi.

#include "engine/KxDatabase.h"
#include "app/DesktopUserId.h"
#include "app/KxDocDialogs.h"
#include "app/KxDocView.h"
#include "base/KxUi.h"
#include "base/KxSettings.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class KxHandheldUserSource;

// Schedules the installation of a database on handheld users.
using KxInstallScheduler =
    std::function<void(const std::string& path, const std::vector<std::string>& users)>;

class KxDbDoc {
  public:
    // Live plus deleted records the document allows.
    static constexpr std::size_t kRecordLimit = KxDatabase::kMaxRecords;
    static constexpr std::int32_t kNoRecord = -1;

    // `users` may be none (no handheld users); it must outlive the document.
    KxDbDoc(KxUi& ui, KxSettings settings, const KxHandheldUserSource* users = nullptr,
            KxNowFunction now = kxSystemNow);
    ~KxDbDoc();
    KxDbDoc(const KxDbDoc&) = delete;
    KxDbDoc& operator=(const KxDbDoc&) = delete;

    // --- wiring (the front end) ---
    void addView(KxDocView* view);
    void removeView(KxDocView* view);
    // The panes and the frame; none: a silent stand-in.
    void setListPane(KxListPane* pane);
    void setRecordPane(KxRecordPane* pane);
    void setFrame(KxDocFrame* frame);
    void setDialogs(KxDocDialogs* dialogs); // none: the stand-in dialogs
    void setInstallScheduler(KxInstallScheduler scheduler);

    KxUi& ui() { return ui_; }
    KxSettings& settings() { return settings_; }
    KxListPane& listPane() { return *listPane_; }
    KxRecordPane& recordPane() { return *recordPane_; }
    KxDocFrame& frame() { return *frame_; }
    KxDocDialogs& dialogs() { return *dialogs_; }
    // The handheld users known to the sync software (none when not given).
    const KxHandheldUserSource& handheldUsers() const;

    // --- state ---
    bool isOpen() const;
    KxDatabase& database() { return db_; }
    const KxDatabase& database() const { return db_; }
    const std::string& pathName() const { return pathName_; }
    const std::string& title() const { return title_; }
    bool isModified() const { return modified_; }
    void setModified(bool modified = true) { modified_ = modified; }

    bool deletedMode() const { return deletedMode_; }
    bool searchMode() const { return searchMode_; }
    bool searchUsesOwnListOptions() const { return searchOwnListOptions_; }
    void setDisplayModes(bool deletedMode, bool searchMode, bool searchOwnListOptions);
    bool installScheduled() const { return installScheduled_; }
    void setInstallScheduled(bool scheduled) { installScheduled_ = scheduled; }
    // The list options set in force outside search results.
    std::uint8_t mainListSet() const { return mainListSet_; }
    void setMainListSet(std::uint8_t set) { mainListSet_ = set; }

    // The engine's current record: a live index, or a deleted index in deleted-records mode;
    // kNoRecord for none (also with no database open).
    std::int32_t currentRecord() const;
    void setCurrentRecord(std::int32_t index);
    bool hasCurrentRecord() const;
    // The current record's identity, to find it again after records were removed in bulk
    // (which moves the indices of the records after them); none without a current record.
    std::optional<KxRecordIdentity> currentRecordIdentity() const;
    // Makes current the record in view with this identity; none when it has left them.
    void refindCurrentRecord(const std::optional<KxRecordIdentity>& identity);
    // 255 All, 0 Unfiled, else a category number.
    std::uint16_t categoryFilter() const;
    void setCategoryFilter(std::uint16_t filter);
    // The engine's record filter of the records in view outside deleted-records mode.
    std::uint16_t viewFilter() const;
    // The records in view: deleted ones in deleted-records mode, else the search results or
    // the current category.
    std::size_t recordsInView() const;

    // "Now displaying ..." or empty; the frame shows "For Help, press F1" for empty.
    std::string statusText() const;
    // Appended to the window title: "(Deleted Records)", "(%s Search Results)", or empty.
    std::string titleSuffix() const;
    // True when the form has at least one item; `count` gets the fields that are not Label Only.
    bool hasFields(std::size_t* count = nullptr) const;

    // --- file lifecycle ---
    // Opens a file into this document (the framework's open step). A missing file and an
    // invalid name are reported here and give false; other engine errors are thrown.
    bool openDocument(const std::string& path);
    // Opening from File Open, the recent-file list or the command line: the revert
    // question, Close, then open under the progress box. False when nothing was opened.
    bool openDocumentFile(const std::string& path);
    // File Open: the directory-remembering dialog, then openDocumentFile.
    bool fileOpen();
    // File New: the save-modified question, the New Database wizard, then createDatabase.
    bool newDocument();
    // Makes the new database the wizard described and opens it in this document.
    bool createDatabase(const KxNewDatabaseRequest& request);
    // Writes the database to `path` (the file stays the database's file).
    bool saveDocument(const std::string& path);
    // Save with prompt: `path` none asks for a name (Save As when `replace`).
    bool doSave(std::optional<std::string> path, bool replace);
    bool save();   // File Save: Save As when there is no writable file
    bool saveAs(); // File Save As
    // The save-modified question; false when the user cancelled.
    bool saveModified();
    // File Close: the save-modified question, then closeDocument. False when cancelled.
    bool close();
    // Closes without asking.
    void closeDocument();
    // The title takes the letter case of the file on disk when it names that file.
    void setTitle(const std::string& title);
    void setPathName(const std::string& path);

    // --- shared steps ---
    // How every record command starts: the look-up text cleared quietly, then commit.
    void beginCommand();
    // The record pane writes the focused field control's pending edit.
    void commitEdits();
    // Removes the current record when it is empty; true when it was removed.
    bool dropEmptyRecord();
    void updateAllViews(KxViewHint hint);
    void refreshStatus();

    // The progress box: engine progress goes to it while it is open.
    void showProgress(const std::string& text);
    void setProgressText(const std::string& text);
    void closeProgress();
    KxWaitBox* progressBox() { return waitBox_.get(); }

    // The modification stamp given when a schema changes or a file is upgraded.
    std::uint32_t freshStamp() const;
    // This desktop's user id, as new databases and new records get it.
    std::uint32_t storedUserId();

  private:
    void resetModes();
    void releaseDatabase();
    void afterOpenFailure();
    bool upgradeSchema();
    void tellViewsAboutAttributes();
    void writeLastFile(const std::string& path);
    std::optional<std::string> askSavePath(const std::string& start, bool replace);

    KxUi& ui_;
    KxSettings settings_;
    const KxHandheldUserSource* users_;
    KxNowFunction now_;
    KxDatabase db_;

    std::string pathName_;
    std::string title_;
    bool modified_ = false;
    bool deletedMode_ = false;
    bool searchMode_ = false;
    bool searchOwnListOptions_ = false;
    bool installScheduled_ = false;
    std::uint8_t mainListSet_ = 0;
    std::unique_ptr<KxWaitBox> waitBox_;

    std::vector<KxDocView*> views_;
    KxListPane nullListPane_;
    KxRecordPane nullRecordPane_;
    KxDocFrame nullFrame_;
    KxListPane* listPane_ = &nullListPane_;
    KxRecordPane* recordPane_ = &nullRecordPane_;
    KxDocFrame* frame_ = &nullFrame_;
    std::unique_ptr<KxDocDialogs> defaultDialogs_;
    KxDocDialogs* dialogs_;
    KxInstallScheduler installScheduler_;
};
