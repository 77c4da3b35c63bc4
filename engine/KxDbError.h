#pragma once
// The engine reports every failure in one way: it throws a KxDbError code by value.
// Nothing in the engine returns error codes or shows messages; the user interface
// catches the code and shows the message that belongs to it.

#include <cstdint>
#include <string>

enum class KxDbError : std::uint32_t {
    None = 0,
    CannotOpen = 1,       // the file to open (or to reopen for saving) does not exist
    FileExists = 2,       // creating a file that already exists
    NoDatabase = 5,       // no database is open (raised by the document)
    AccessDenied = 6,     // the system denies access, or another program holds the file
    CannotCreate = 7,     // a new database file cannot be made
    CannotReplace = 9,    // saving over an existing file that cannot be deleted first
    CannotDelete = 10,    // reserved
    Damaged = 11,         // the file is damaged
    LimitReached = 13,    // a count limit is reached
    BadCategory = 14,     // a category number above 15
    InvalidName = 15,     // a file or database name breaks the naming rule
    NameExists = 16,      // a category or other name that already exists
    TextTooLong = 17,     // a text is too long
    OutOfMemory = 19,     // memory exhausted
    DiskFull = 20,        // a write wrote fewer bytes than asked
    NoWriteAccess = 22,   // reserved for missing write access
    NotDeleted = 24,      // asking a live record for its deleted index
    TooLarge = 25,        // a record or chunk would exceed 65280 bytes
    BadValueLength = 29,  // a stored value has the wrong length for its type
    CannotOpenOther = 31, // a file cannot be opened for another reason
    FileHandle = 32,      // closing a file or asking its position fails
    Protected = 33,       // attempt to change a protected attribute
    NewerVersion = 34,    // written by a newer version of the product
    NoResources = 37,     // a window or dialog cannot be created
    NothingToUndo = 38,   // undo with no undo copy for this record
    TooManyRecords = 39,  // the file holds more records than the limit
};

inline constexpr std::uint32_t kxCode(KxDbError e) { return static_cast<std::uint32_t>(e); }

// The user message of a code: empty for code 0, the generic message for every code
// that has no message of its own.
const std::string& kxDbErrorMessage(std::uint32_t code);
inline const std::string& kxDbErrorMessage(KxDbError e) { return kxDbErrorMessage(kxCode(e)); }
