#pragma once
// The Record menu's commands on the open database: new, clone, restore, delete, undelete,
// dispose, copy to the clipboard, record information, import from the clipboard, moving
// through the list, Edit / Done, and the deletion log. Each begins by clearing the list's
// look-up text quietly and committing the record view's edits.

#include <cstdint>
#include <string>

class KxDbDoc;

class KxRecordCommands {
  public:
    explicit KxRecordCommands(KxDbDoc& doc) : doc_(doc) {}

    void newRecord();
    void cloneRecord();
    void restoreRecord();
    // Delete Record, and Permanently Delete in deleted-records mode: asks, then removes.
    void deleteRecord();
    // The shared remove step. Forced (dropping an empty record): a live record goes for good
    // instead of to the deleted records.
    void removeCurrentRecord(bool forced);
    // Delete Category, Dispose of Deleted Records or Delete Search Results, by mode.
    void deleteCategory();
    void undelete();
    void nextRecord();
    void previousRecord();
    void toggleEdit(); // Edit and Done
    void copyRecordToClipboard();
    void showRecordInfo();
    void importClipboard();
    // Appends the deleted and disposed-of records' identities to the deletion log.
    void writeDeletionLog();

    // True when a new record fits under the record limit; otherwise tells the user.
    bool checkRecordLimit();

  private:
    void begin();
    bool refuseWithoutFormItems();
    void settleCurrentAfterRemoval(std::int32_t oldIndex);
    KxDbDoc& doc_;
};
