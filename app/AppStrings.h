#pragma once
// The numbered texts of the main window, the document and its commands and the New Database
// wizard: kxString() finds them in every program that includes this header.

#include "KxStrings.h"

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
// Every command id of the main window is also the number of its status-bar prompt and tool
// tip, "prompt\ntool tip" (57600 New Database ... 32835 the deletion log).

const KxStringTable& kxAppStrings();
inline const bool kxAppStringsRegistered = kxRegisterStrings(&kxAppStrings);
