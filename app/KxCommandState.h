#pragma once
// The command ids of the main window and when each is enabled: a pure function of the
// document's state (and, for the edit commands, of the focused control), so the frame's
// enabling table asks one place.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class KxDbDoc;
class KxDatabase;

// Each id is also the number of its status-bar prompt and tool tip text.
enum class KxCommand : std::uint32_t {
    NewDatabase = 57600,
    OpenDatabase = 57601,
    CloseDatabase = 57602,
    Import = 32771,
    Export = 32772,
    Save = 57603,
    SaveAs = 57604,
    SaveInstallOnHandheld = 32785,
    Print = 57607,
    DatabaseProperties = 32774,
    RecentFileFirst = 57616,
    Exit = 57665,
    Undo = 57643,
    Redo = 57644,
    Cut = 57635,
    Copy = 57634,
    Paste = 57637,
    ShowRecordInfo = 32834,
    NewRecord = 32775,
    CloneRecord = 32789,
    RestoreRecord = 32786,
    CopyRecordToClipboard = 32784,
    ImportClipboard = 32866,
    DeleteRecord = 32776,
    DeleteCategory = 32777,
    ShowDeletedRecords = 32788,
    SearchRecords = 32778,
    SavedSearch1 = 32826, // to SavedSearch1 + 5
    ShowAllRecords = 32779,
    FieldAndFormEditor = 32780,
    ListOptions = 32781,
    FormOptions = 32782,
    Preferences = 32783,
    Help = 57667,
    About = 57664,
    Undelete = 32792,
    PermanentlyDelete = 32793,
    Edit = 32794,
    Done = 32795,
    NextRecord = 32832,
    PreviousRecord = 32833,
    DeletionLog = 32835,
};

inline constexpr std::uint32_t kxSavedSearchCommandCount = 6;

// What enabling depends on; taken from the document by kxCommandState.
struct KxCommandState {
    bool open = false;
    bool currentRecord = false;
    bool deletedMode = false;
    bool searchMode = false;
    bool categoryFilterAll = true;
    std::size_t deletedCount = 0;
};

// The focused control, for Cut, Copy, Paste, Undo and Redo.
struct KxFocusState {
    bool textControl = false; // a text control has the focus
    bool lookupBox = false;   // ... and it is the list's look-up box
    bool readOnly = false;
    bool hasSelection = false; // a non-empty selection
    bool canPaste = false;     // plain text is on the clipboard and the control takes it
    bool canUndo = false;
    bool dateTimePicker = false;
};

KxCommandState kxCommandState(const KxDbDoc& doc);

// Commands not listed here (New Database, Open, recent files, Exit, Help, About) are always
// enabled. Edit commands use `focus`; the others ignore it.
bool kxCommandEnabled(KxCommand command, const KxCommandState& state,
                      const KxFocusState& focus = {});

// The Record menu's text of Delete Category, which follows the display mode.
std::string kxDeleteCategoryMenuText(const KxCommandState& state);

// The saved-search entries of the Record menu: (search index, item text "&%d %s" with every
// ampersand of the name doubled), at most six, in the order of the names.
std::vector<std::pair<std::size_t, std::string>> kxSavedSearchMenu(KxDatabase& db);
