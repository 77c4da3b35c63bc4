#pragma once
// The export file's name: the default name, the extension each file type takes, the rule for
// database file names, and the checks a target passes before anything is written.
//
// Paths are file system paths (UTF-8); messages go to the user through KxUi.

#include "transfer/KxExportOptions.h"

#include <optional>
#include <string>
#include <string_view>

class KxUi;

// The longest base name (without directory and extension) a database file may have.
inline constexpr std::size_t kxMaxDatabaseNameLength = 31;

// "<directory><document name>_Export<n>.csv" with the first n from 1 to 99 for which the
// directory holds no file named "<document name>_Export<n>" with or without an extension;
// "<directory><document name>_Export.csv" when all 99 are taken. The document name is the
// document's file name without directory and extension, cut to 246 characters.
std::string kxDefaultExportPath(std::string_view directory, std::string_view documentPath);

// The path with an extension the file type accepts: comma takes "csv" and "txt", tab takes
// "tab", "tsv" and "txt", a database "rlv" (compared without regard to case); any other
// extension is replaced by the type's first, and a path without one gets it appended. An
// empty path stays empty.
std::string kxApplyExportExtension(std::string_view path, KxExportFileType type);

// Whether the base name (without directory and extension) is fit for a database: 1 to 31
// characters, none of * \ ? < > and the double quote.
bool kxIsValidDatabaseFileName(std::string_view path);

// The message for a name that breaks that rule.
std::string kxInvalidFileNameMessage();

// The checks run before writing: a directory part that does not exist, or an existing file
// that cannot be written, is told to the user and refused.
bool kxCheckExportPath(KxUi& ui, const std::string& path);

// The checks every output file the user names passes (exports, reports): a directory part
// that does not exist; a file that is the open database, is not a regular file, is read-only
// or is held by another writer is refused; an existing file is replaced only when the user
// says so. Returns the path, or none.
std::optional<std::string> kxConfirmOutputTarget(KxUi& ui, const std::string& path,
                                                 const std::string& openDatabasePath);

// The checks of the "File Type and Name" page when the user goes on: the path checks; for a
// file that does not exist yet the type's extension; for a database file the name rule; text
// is never written over a database file; then the output file checks above. Returns the path to use (perhaps with a new extension), or none to stay on
// the page.
std::optional<std::string> kxConfirmExportTarget(KxUi& ui, const std::string& path,
                                                 KxExportFileType type,
                                                 const std::string& openDatabasePath);
