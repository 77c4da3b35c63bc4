#pragma once
// The numbered texts of import, the clipboard import and export: kxString() finds them in every program
// that includes this header.

#include "KxStrings.h"

// Import and the clipboard import.
inline constexpr int kxStrCannotFindFile = 5002;     // followed by the file name
inline constexpr int kxStrNoValidData = 5003;
inline constexpr int kxStrImportLoading = 5004;
inline constexpr int kxStrImportingFile = 5005;
inline constexpr int kxStrLogRecordLimit = 5006;
inline constexpr int kxStrLogDuplicateCopy = 5007;   // %s: the copy's first text
inline constexpr int kxStrLogUnmappedCategory = 5008; // %s: the category text
inline constexpr int kxStrLogReplacedCharacters = 5009; // %d: the row
inline constexpr int kxStrLogNulCharacter = 5040;      // %d: the row
inline constexpr int kxStrImportCancelled = 5010;    // %d: records imported, %d: rows
inline constexpr int kxStrShowImportLog = 5011;
inline constexpr int kxStrCategory = 5012;
inline constexpr int kxStrFieldNumber = 5013;        // %d: the position from 1
inline constexpr int kxStrNoField = 5014;
inline constexpr int kxStrNone = 5015;
// The file dialogs' filters of import and export: shown text, then the patterns.
inline constexpr int kxStrCommaFilter = 5020;
inline constexpr int kxStrTabFilter = 5021;
inline constexpr int kxStrRolvaFilter = 5022;
inline constexpr int kxStrClipboardTitle = 5101;
inline constexpr int kxStrClipboardDiscardChanges = 5102;
inline constexpr int kxStrClipboardTruncated = 5103;
inline constexpr int kxStrClipboardTooManyLines = 5104;
inline constexpr int kxStrClipboardNoText = 5105;
inline constexpr int kxStrClipboardConfirmClear = 5106;
inline constexpr int kxStrClipboardConfirmCancel = 5107;
inline constexpr int kxStrClipboardIncomplete = 5108;
// Export.
inline constexpr int kxStrExportingFile = 6001;
inline constexpr int kxStrPathDoesNotExist = 6002;
inline constexpr int kxStrReadOnlyTarget = 6003;      // %s: the path
inline constexpr int kxStrTargetIsOpenDatabase = 6004; // %s: the path
inline constexpr int kxStrReplaceFile = 6005;         // %s: the path
inline constexpr int kxStrInvalidFileName = 6006;     // %s: the longest name allowed

const KxStringTable& kxTransferStrings();
inline const bool kxTransferStringsRegistered = kxRegisterStrings(&kxTransferStrings);
