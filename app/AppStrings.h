#pragma once
// The numbered texts of the main window, the document and its commands and the New Database
// wizard: kxString() finds them in every program that includes this header.

#include "engine/KxStrings.h"

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
inline constexpr int kxStrDetailHeldByProgram = 2957; // the program's name, its process id, the file
// Every command id of the main window is also the number of its status-bar prompt and tool
// tip, "prompt\ntool tip" (57600 New Database ... 32835 the deletion log).

// The texts of the main window's dialogs (Qt's %1, %2 for their arguments).
inline constexpr int kxStrAboutTitle = 2601;
inline constexpr int kxStrAboutVersion = 2602;
inline constexpr int kxStrAboutLine = 2603;
inline constexpr int kxStrToolBarName = 2604;
inline constexpr int kxStrPropertiesTitle = 2605;
inline constexpr int kxStrPropertiesReadOnlyMode = 2606;
inline constexpr int kxStrPropertiesHandheldReadOnly = 2607;
inline constexpr int kxStrPropertiesReinstallNote = 2608;
inline constexpr int kxStrEditNamesTitle = 2609;
inline constexpr int kxStrNewButton = 2610;
inline constexpr int kxStrNamesRename = 2611;
inline constexpr int kxStrDeleteButton = 2612;
inline constexpr int kxStrOk = 2613;
inline constexpr int kxStrFormOptionsTitle = 2614;
inline constexpr int kxStrJustifyLabels = 2615;
inline constexpr int kxStrJustifyLeft = 2616;
inline constexpr int kxStrJustifyRight = 2617;
inline constexpr int kxStrHelpTitle = 2618;
inline constexpr int kxStrPreferencesTitle = 2619;
inline constexpr int kxStrPrefShowToolTips = 2620;
inline constexpr int kxStrPrefAllowCopy = 2621;
inline constexpr int kxStrRecordInfoTitle = 2622;
inline constexpr int kxStrInfoCreated = 2623;
inline constexpr int kxStrInfoModified = 2624;
inline constexpr int kxStrInfoRecordId = 2625;
inline constexpr int kxStrSearchNameLabel = 2626;
inline constexpr int kxStrSearchListOptions = 2627;
inline constexpr int kxStrCancel = 2628;
inline constexpr int kxStrSearchAnd = 2629;
inline constexpr int kxStrSearchLookIn = 2630;
inline constexpr int kxStrSearchFor = 2631;
inline constexpr int kxStrAdvancedSearchTitle = 2632;
inline constexpr int kxStrSearchRecordsTitle = 2633;
inline constexpr int kxStrSearchBasicButton = 2634;
inline constexpr int kxStrSearchAdvancedButton = 2635;
inline constexpr int kxStrWizardBack = 2636;
inline constexpr int kxStrWizardNext = 2637;
inline constexpr int kxStrWizardFinish = 2638;
inline constexpr int kxStrWizardCancel = 2639;
inline constexpr int kxStrWizardStepTitle = 2640;
inline constexpr int kxStrRangeCurrent = 2641;
inline constexpr int kxStrRangeSelected = 2642;

// The menus: their titles and items, with the mnemonics' ampersands.
inline constexpr int kxStrMenuNewDatabase = 2702;
inline constexpr int kxStrMenuOpenDatabase = 2703;
inline constexpr int kxStrMenuCloseDatabase = 2704;
inline constexpr int kxStrMenuImport = 2705;
inline constexpr int kxStrMenuExport = 2706;
inline constexpr int kxStrMenuSave = 2707;
inline constexpr int kxStrMenuSaveAs = 2708;
inline constexpr int kxStrMenuSaveInstallOnHandheld = 2709;
inline constexpr int kxStrMenuPrint = 2710;
inline constexpr int kxStrMenuDatabaseProperties = 2711;
inline constexpr int kxStrMenuExit = 2712;
inline constexpr int kxStrMenuUndo = 2713;
inline constexpr int kxStrMenuCut = 2714;
inline constexpr int kxStrMenuCopy = 2715;
inline constexpr int kxStrMenuPaste = 2716;
inline constexpr int kxStrMenuShowRecordInfo = 2717;
inline constexpr int kxStrMenuNewRecord = 2718;
inline constexpr int kxStrMenuCloneRecord = 2719;
inline constexpr int kxStrMenuRestoreRecord = 2720;
inline constexpr int kxStrMenuCopyRecordToClipboard = 2721;
inline constexpr int kxStrMenuImportClipboard = 2722;
inline constexpr int kxStrMenuDeleteRecord = 2723;
inline constexpr int kxStrMenuShowDeletedRecords = 2724;
inline constexpr int kxStrMenuSearchRecords = 2725;
inline constexpr int kxStrMenuShowAllRecords = 2726;
inline constexpr int kxStrMenuFieldAndFormEditor = 2727;
inline constexpr int kxStrMenuListOptions = 2728;
inline constexpr int kxStrMenuFormOptions = 2729;
inline constexpr int kxStrMenuPreferences = 2730;
inline constexpr int kxStrMenuHelp = 2731;
inline constexpr int kxStrMenuAbout = 2732;
inline constexpr int kxStrMenuFileTitle = 2733;
inline constexpr int kxStrMenuEditTitle = 2734;
inline constexpr int kxStrMenuRecordTitle = 2735;
inline constexpr int kxStrMenuOptionsTitle = 2736;
inline constexpr int kxStrMenuHelpTitle = 2737;

// The status bar's panes and the progress box.
inline constexpr int kxStrCapsLock = 2643;
inline constexpr int kxStrNumLock = 2644;
inline constexpr int kxStrOverwrite = 2645;
inline constexpr int kxStrRecordNumber = 2646;
inline constexpr int kxStrPositionOf = 2647;
inline constexpr int kxStrPercentComplete = 2648;

// The saved searches' names and the Search dialog's field lists.
inline constexpr int kxStrSearchNamePrompt = 2649;
inline constexpr int kxStrEnterSearchName = 2650;
inline constexpr int kxStrSearchExists = 2651;
inline constexpr int kxStrSearchExistsCaption = 2652;
inline constexpr int kxStrSearchLimit = 2653;
inline constexpr int kxStrNewSearchTitle = 2654;
inline constexpr int kxStrSelectSearchToRename = 2655;
inline constexpr int kxStrRenameSearchTitle = 2656;
inline constexpr int kxStrSelectSearchToDelete = 2657;
inline constexpr int kxStrConfirmSearchDelete = 2658;
inline constexpr int kxStrDeleteSearchTitle = 2659;
inline constexpr int kxStrAllTextNumericFields = 2660;
inline constexpr int kxStrNoFields = 2661;
inline constexpr int kxStrEditNamesItem = 2662;

const KxStringTable& kxAppStrings();
inline const bool kxAppStringsRegistered = kxRegisterStrings(&kxAppStrings);
