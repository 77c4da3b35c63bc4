#pragma once
// The numbered texts of import, the clipboard import and export: kxString() finds them in every program
// that includes this header.

#include "engine/KxStrings.h"

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

// The texts of the import and export wizards (Qt's %1, %2 for their arguments).
inline constexpr int kxStrExportWhat = 5201;
inline constexpr int kxStrExportEntire = 5202;
inline constexpr int kxStrExportStructure = 5203;
inline constexpr int kxStrFileTypeStep = 5204;
inline constexpr int kxStrFileType = 5205;
inline constexpr int kxStrTypeComma = 5206;
inline constexpr int kxStrTypeTab = 5207;
inline constexpr int kxStrTypeRolva = 5208;
inline constexpr int kxStrExportPathLabel = 5209;
inline constexpr int kxStrExportCharset = 5210;
inline constexpr int kxStrUtf8 = 5211;
inline constexpr int kxStrCp1252 = 5212;
inline constexpr int kxStrExportFieldsStep = 5213;
inline constexpr int kxStrExportWizardTitle = 5214;
inline constexpr int kxStrExportLabels = 5215;
inline constexpr int kxStrFieldOrderTip = 5216;
inline constexpr int kxStrClipboardInstructions = 5217;
inline constexpr int kxStrClipboardCategory = 5218;
inline constexpr int kxStrClipboardCategoryTip = 5219;
inline constexpr int kxStrClipboardImport = 5220;
inline constexpr int kxStrClipboardImportTip = 5221;
inline constexpr int kxStrClipboardClear = 5222;
inline constexpr int kxStrClipboardClearTip = 5223;
inline constexpr int kxStrClipboardOk = 5224;
inline constexpr int kxStrClipboardOkTip = 5225;
inline constexpr int kxStrClipboardCancel = 5226;
inline constexpr int kxStrClipboardCancelTip = 5227;
inline constexpr int kxStrImportFieldsStep = 5228;
inline constexpr int kxStrImportFieldsIn = 5229;
inline constexpr int kxStrScanRecords = 5230;
inline constexpr int kxStrPreviousRow = 5231;
inline constexpr int kxStrNextRow = 5232;
inline constexpr int kxStrImportReset = 5233;
inline constexpr int kxStrImportLabelRow = 5234;
inline constexpr int kxStrImportCharset = 5235;
inline constexpr int kxStrImportDataIn = 5236;
inline constexpr int kxStrImportFileName = 5238;
inline constexpr int kxStrImportFileIntro = 5239;
inline constexpr int kxStrImportWizardTitle = 5240;

// The titles of the wizards' file dialogs.
inline constexpr int kxStrExportDialogTitle = 5241;
inline constexpr int kxStrImportDialogTitle = 5242;

const KxStringTable& kxTransferStrings();
inline const bool kxTransferStringsRegistered = kxRegisterStrings(&kxTransferStrings);
