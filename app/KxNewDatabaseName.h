#pragma once
// Step 1 of the New Database wizard: where the new database goes. A name without a folder
// goes to the folder for bare names, ".rlv" is appended unless the name already ends so, the
// folder must exist, an existing file is replaced only when the user says so, and the base
// name must pass the database file-name rule. A path that passed once (or came from Browse)
// is taken as it is, so going back to the step and on again asks nothing twice.
//
// Paths here are file system paths (UTF-8); messages go through KxUi.

#include <string>
#include <string_view>

class KxUi;

// Where a name without a folder goes: the program's folder when the program may create files
// there, else the documents folder. The result ends with '/'.
std::string kxNewDatabaseFolder(const std::string& programDir, const std::string& documentsDir);

// Next is offered on step 1 only while the name is not blank.
bool kxNewDatabaseNameGiven(std::string_view name);

class KxNewDatabaseName {
  public:
    KxNewDatabaseName(KxUi& ui, std::string bareNameFolder);

    // Browse chose `chosen`: the path the name box shows (".rlv" appended when it has no
    // extension or another one). A name that breaks the rule gets its message and is checked
    // again by Next.
    std::string browsed(const std::string& chosen);

    // Next with the name box's text: true when the wizard may go on (path() is then the new
    // file). `shown` is what the name box shows afterwards: the trimmed name, or the full path
    // once it has been rebuilt.
    bool next(const std::string& name, std::string& shown);

    const std::string& path() const { return path_; }

  private:
    bool validate(const std::string& name, std::string& shown);

    KxUi& ui_;
    std::string folder_;
    std::string validated_; // the last path that passed Next
    std::string browsed_;   // the last path Browse chose that passed the name rule
    std::string path_;
};
