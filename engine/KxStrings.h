#pragma once
// The program's texts that are keyed by number, as the product numbers its messages.

#include <string>
#include <string_view>

inline constexpr int kxStrYes = 101;
inline constexpr int kxStrNo = 102;
inline constexpr int kxStrUnfiled = 103;

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
// Printing.
inline constexpr int kxStrCannotOpenTemplate = 6101;  // %s: the template
inline constexpr int kxStrCannotCreatePrintOutput = 6102; // %s: the output path
inline constexpr int kxStrPrintoutTooLarge = 6103;
inline constexpr int kxStrGeneratingPrintout = 6104;
inline constexpr int kxStrCannotWritePrintOutput = 6112; // %s: the output path
inline constexpr int kxStrNoPrintFields = 6105;
inline constexpr int kxStrTemplateNotAvailable = 6106; // %s: the template's path
inline constexpr int kxStrNoTemplates = 6107;
inline constexpr int kxStrPrinting = 6108;
inline constexpr int kxStrCannotWritePdf = 6109;      // %s: the path
inline constexpr int kxStrSavePdfTitle = 6110;
inline constexpr int kxStrPdfFilter = 6111;

// The document: open, save, close and the display modes.
inline constexpr int kxStrFileNotFound = 2201;        // %s: the path
inline constexpr int kxStrInvalidOpenName = 2202;     // %s: the longest name allowed
inline constexpr int kxStrRevertQuestion = 2203;      // %s: the document's title
inline constexpr int kxStrRevertCaption = 2204;
inline constexpr int kxStrSaveChanges = 2205;         // %s: the document's title
inline constexpr int kxStrOpeningDatabase = 2206;
inline constexpr int kxStrLoadingDatabase = 2207;
inline constexpr int kxStrSavingDatabase = 2208;
inline constexpr int kxStrStatusDeleted = 2209;
inline constexpr int kxStrStatusSearch = 2210;        // %s: the search's name
inline constexpr int kxStrSearchResults = 2211;
inline constexpr int kxStrTitleDeleted = 2212;
inline constexpr int kxStrTitleNamedSearch = 2213;    // %s: the search's name
inline constexpr int kxStrTitleSearch = 2214;
inline constexpr int kxStrOpenTitle = 2215;
inline constexpr int kxStrSaveAsTitle = 2216;
inline constexpr int kxStrSaveCopyAsTitle = 2217;
inline constexpr int kxStrDatabaseFilter = 2218;
inline constexpr int kxStrCancelOperation = 2219;
inline constexpr int kxStrNewDatabaseTitle = 2220;
inline constexpr int kxStrAllFilesFilter = 2221;
inline constexpr int kxStrNoFormFields = 2222;
// Record commands.
inline constexpr int kxStrRecordLimit = 2401;         // %s: the record limit
inline constexpr int kxStrConfirmDelete = 2402;
inline constexpr int kxStrConfirmPermanentDelete = 2403;
inline constexpr int kxStrConfirmDeleteCaption = 2404;
inline constexpr int kxStrConfirmDeleteRecords = 2405;
inline constexpr int kxStrConfirmDisposeAll = 2406;
inline constexpr int kxStrDeletingRecords = 2407;
inline constexpr int kxStrOnlyLabelFields = 2408;
inline constexpr int kxStrSearchingDatabase = 2409;
inline constexpr int kxStrNoMatches = 2410;
inline constexpr int kxStrSortingDatabase = 2411;
inline constexpr int kxStrCopyRecordFailed = 2412;
inline constexpr int kxStrMenuDeleteCategory = 2413;
inline constexpr int kxStrMenuDisposeDeleted = 2414;
inline constexpr int kxStrMenuDeleteSearchResults = 2415;

// Handheld installation.
inline constexpr int kxStrHandheldInstallTitle = 7101;
inline constexpr int kxStrHandheldInstallAlert = 7102;
inline constexpr int kxStrHandheldInstallSyncNote = 7103;
inline constexpr int kxStrHandheldInstallPrompt = 7104;
inline constexpr int kxStrSyncBeforeSchemaChange = 7105;
inline constexpr int kxStrScheduleReinstall = 7106;
// The Field and Form Editor, the Calculation Editor and the Multiple Choice List Editor.
inline constexpr int kxStrFieldEditorTitle = 4101;
inline constexpr int kxStrConfirmFieldCancel = 4102;
inline constexpr int kxStrMaxFields = 4103;            // %s: the field limit
inline constexpr int kxStrConfirmFieldDelete = 4104;
inline constexpr int kxStrConfirmFieldDeleteCaption = 4105;
inline constexpr int kxStrNoNumberFields = 4106;
inline constexpr int kxStrCalcDepends = 4107;
inline constexpr int kxStrTypeChangeLossy = 4108;
inline constexpr int kxStrTypeChangeImpossible = 4109;
inline constexpr int kxStrNoSumFields = 4110;
inline constexpr int kxStrUpdatingDatabase = 4111;
inline constexpr int kxStrCalcEditorTitle = 4113;
inline constexpr int kxStrNoFieldSpecified = 4114;
inline constexpr int kxStrNoteSum = 4115;
inline constexpr int kxStrNoteAverage = 4116;
inline constexpr int kxStrNoteGrandTotal = 4117;
inline constexpr int kxStrMultiChoiceTitle = 4118;
inline constexpr int kxStrConfirmItemDelete = 4119;
inline constexpr int kxStrConfirmItemDeleteCaption = 4120;
inline constexpr int kxStrMaxItems = 4121;             // %s: the item limit
inline constexpr int kxStrListFull = 4122;
inline constexpr int kxStrListNearlyFull = 4123;
inline constexpr int kxStrListItemTitle = 4124;
inline constexpr int kxStrConfirmItemsCancel = 4125;
inline constexpr int kxStrConfirmItemsCancelCaption = 4126;
// The New Database wizard: its title, the titles of its four steps and the first step's texts.
inline constexpr int kxStrNewDbWizardTitle = 4301;
inline constexpr int kxStrNewDbStepName = 4302;
inline constexpr int kxStrNewDbStepFirstField = 4303;
inline constexpr int kxStrNewDbStepMoreFields = 4304;
inline constexpr int kxStrNewDbNamePrompt = 4305;
inline constexpr int kxStrNewDbBrowse = 4306;
inline constexpr int kxStrNewDbEditableCheckboxes = 4307;
inline constexpr int kxStrNewDbReadOnlyMode = 4308;
inline constexpr int kxStrNewDbHandheldReadOnly = 4309;
inline constexpr int kxStrNewDbRecipe = 4310;

// The main window.
inline constexpr int kxStrIdlePrompt = 2301;
inline constexpr int kxStrHelpNotInstalled = 2302;

// Details beside a failure's message: what went wrong with which file.
inline constexpr int kxStrDetailNotADatabase = 2950;
inline constexpr int kxStrDetailHeldByOther = 2951;
inline constexpr int kxStrDetailWriteProtected = 2952;
inline constexpr int kxStrDetailNoReadAccess = 2953;
inline constexpr int kxStrDetailNotWritten = 2954;
inline constexpr int kxStrDetailSaveElsewhere = 2955;
inline constexpr int kxStrDetailCategoryRecords = 2956;
inline constexpr int kxStrDetailHeldByProgram = 2957; // the program's name, its process id, the file
// Every command id of the main window is also the number of its status-bar prompt and tool
// tip, "prompt\ntool tip" (57600 New Database ... 32835 the deletion log).

// The text with the given number; an empty text for a number that has none.
const std::string& kxString(int id);
// The text with its first "%s" replaced by the argument.
std::string kxString(int id, std::string_view argument);
