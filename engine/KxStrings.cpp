#include "KxStrings.h"

#include <map>

namespace {
const std::map<int, std::string>& table() {
    static const std::map<int, std::string> strings = {
        {kxStrYes, "Yes"},
        {kxStrNo, "No"},
        {kxStrUnfiled, "Unfiled"},
        {kxStrFileNotFound, "'%s ' not found. The database could not be opened."},
        {kxStrInvalidOpenName,
         "The name of the file you are trying to open is invalid. Filenames can be a maximum of %s "
         "characters in length, not including the directory path and filename extension, and must "
         "not contain * \\ / ? > < or \" characters."},
        {kxStrRevertQuestion, "Do you want to revert to the saved %s?"},
        {kxStrRevertCaption, "Revert File"},
        {kxStrSaveChanges, "Save changes to %s?"},
        {kxStrOpeningDatabase, "Opening the database"},
        {kxStrLoadingDatabase, "Loading the database"},
        {kxStrSavingDatabase, "Saving the database"},
        {kxStrStatusDeleted, "Now displaying deleted records."},
        {kxStrStatusSearch, "Now displaying %s."},
        {kxStrSearchResults, "search results"},
        {kxStrTitleDeleted, "(Deleted Records)"},
        {kxStrTitleNamedSearch, "(%s Search Results)"},
        {kxStrTitleSearch, "(Search Results)"},
        {kxStrOpenTitle, "Open"},
        {kxStrSaveAsTitle, "Save As"},
        {kxStrSaveCopyAsTitle, "Save Copy As"},
        {kxStrDatabaseFilter, "Rolva (*.rlv)"},
        {kxStrCancelOperation, "Are you sure you want to cancel this operation?"},
        {kxStrNewDatabaseTitle, "New Database"},
        {kxStrAllFilesFilter, "All Files (*.*)"},
        {kxStrNoFormFields, "No fields are currently defined. Fields that are not label-only "
                            "must be defined before performing this operation."},
        {kxStrRecordLimit,
         "You have reached the maximum number of records allowed. The maximum number of records, "
         "including not permanently deleted records, is %s."},
        {kxStrConfirmDelete, "Are you sure you want to delete this record?"},
        {kxStrConfirmPermanentDelete,
         "This command permanently removes the current record.  This action cannot be undone."},
        {kxStrConfirmDeleteCaption, "Confirm Record Deletion"},
        {kxStrConfirmDeleteRecords, "Are you sure you want to delete these records?"},
        {kxStrConfirmDisposeAll, "This command permanently removes all previously deleted "
                                 "records.  This action cannot be undone."},
        {kxStrDeletingRecords, "Deleting records"},
        {kxStrOnlyLabelFields, "The database must contain at least one field that is not "
                               "label-only before performing this operation."},
        {kxStrSearchingDatabase, "Searching the database"},
        {kxStrNoMatches, "The program found no records that match your search criteria."},
        {kxStrSortingDatabase, "Sorting the database"},
        {kxStrCopyRecordFailed,
         "An error was encountered while copying the current record to the clipboard."},
        {kxStrMenuDeleteCategory, "D&elete Category..."},
        {kxStrMenuDisposeDeleted, "Dispose of D&eleted Records..."},
        {kxStrMenuDeleteSearchResults, "D&elete Search Results..."},
        {kxStrFieldEditorTitle, "Field and Form Editor"},
        {kxStrConfirmFieldCancel, "Are you sure you want to cancel your field changes?  You will "
                                  "lose any changes you made."},
        {kxStrMaxFields, "You already have the maximum of %s fields."},
        {kxStrConfirmFieldDelete, "Warning: You will lose all data in this field in all records if "
                                  "you continue. Do you want to continue?"},
        {kxStrConfirmFieldDeleteCaption, "Confirm Field Deletion"},
        {kxStrNoNumberFields, "There are no Number fields defined. There must be at least one "
                              "Number field defined in order to define a Calculation field."},
        {kxStrCalcDepends, "Warning: A Calculation depends on this field. If you change it, the "
                           "Calculation may no longer function as defined."},
        {kxStrTypeChangeLossy, "This action may destroy some of your data in this field for every "
                               "record in the database.  The lost data cannot be recovered."},
        {kxStrTypeChangeImpossible, "This action will destroy all data in this field for every "
                                    "record in the database.  The lost data cannot be recovered."},
        {kxStrNoSumFields, "There are no Sum fields defined. There must be at least one Sum field "
                           "defined in order to define a Grand Total field."},
        {kxStrUpdatingDatabase, "Updating the database"},
        {kxStrCalcEditorTitle, "Calculation Editor"},
        {kxStrNoFieldSpecified, "<no field specified>"},
        {kxStrNoteSum, "Note: The Sum operator adds together all Number or Calculation fields above "
                       "the current field. However, the range being summed stops if it encounters "
                       "another Sum, Average or Grand Total Calculation field."},
        {kxStrNoteAverage, "Note: The Average operator averages all Number or Calculation fields "
                           "above the current field. However, the range being averaged stops if it "
                           "encounters another Sum, Average or Grand Total Calculation field."},
        {kxStrNoteGrandTotal, "Note: The Grand Total operator adds together all Sum fields above the "
                              "current field. It ignores other Number and Calculation fields. "
                              "However, the range being summed stops if it encounters another Grand "
                              "Total Calculation field."},
        {kxStrMultiChoiceTitle, "Multiple Choice List Editor"},
        {kxStrConfirmItemDelete, "Are you sure you want to delete this Multiple Choice Item?"},
        {kxStrConfirmItemDeleteCaption, "Confirm Multiple Choice Item Deletion"},
        {kxStrMaxItems, "You already have the maximum of %s Multiple Choice items."},
        {kxStrListFull, "Your Multiple Choice list has reached the maximum total size allowed.  You "
                        "can modify or delete existing items."},
        {kxStrListNearlyFull, "Your Multiple Choice list is approaching, or has reached, the maximum "
                              "allowed size.  The amount of text you can add to this item may be "
                              "limited."},
        {kxStrListItemTitle, "List Item"},
        {kxStrConfirmItemsCancel, "Are you sure you want to cancel your Multiple Choice changes?  "
                                  "You will lose any changes you made."},
        {kxStrConfirmItemsCancelCaption, "Confirm Multiple Choice Cancellation"},
        {kxStrNewDbWizardTitle, "New Database Wizard"},
        {kxStrNewDbStepName, "Database Name"},
        {kxStrNewDbStepFirstField, "First Field Label"},
        {kxStrNewDbStepMoreFields, "Additional Fields"},
        {kxStrNewDbNamePrompt, "Please supply a na&me for your new database:"},
        {kxStrNewDbBrowse, "B&rowse..."},
        {kxStrNewDbEditableCheckboxes, "&Check Boxes Editable in List View"},
        {kxStrNewDbReadOnlyMode, "Record &View Has Read-only Mode"},
        {kxStrNewDbHandheldReadOnly, "&Database is Read Only on Handheld"},
        {kxStrNewDbRecipe, "Reci&pe Database"},
        {kxStrCannotFindFile, "Cannot find file "},
        {kxStrNoValidData, "There is no valid data to import from the input file"},
        {kxStrImportLoading, "Import loading progress"},
        {kxStrImportingFile, "Importing file into database"},
        {kxStrLogRecordLimit, "Error: The database maximum record count has been reached"},
        {kxStrLogDuplicateCopy, "Duplicate record.  Import made a duplicate copy of: Record = %s"},
        {kxStrLogUnmappedCategory,
         "Warning: Could not map category \"%s\" to an existing category in the database.  All "
         "records with this category were placed in the \"Unfiled\" category."},
        {kxStrLogReplacedCharacters,
         "Warning: Row %d of the input file holds characters that cannot be stored in the "
         "database.  Each of them was replaced by \"?\"."},
        {kxStrLogNulCharacter,
         "Warning: Row %d of the input file holds a NUL character.  A value that holds one "
         "ends at it."},
        {kxStrImportCancelled,
         "You have cancelled your import.  %d of %d records were imported into the database."},
        {kxStrShowImportLog,
         "There were errors during the import.  Would you like to see an error log report?"},
        {kxStrCategory, "Category"},
        {kxStrFieldNumber, "Field %d"},
        {kxStrNoField, "<no field>"},
        {kxStrNone, "None"},
        {kxStrCommaFilter, "Comma Separated (*.csv,*,txt) (*.csv *.txt)"},
        {kxStrTabFilter, "Tab Separated (*.tab,*.tsv,*.txt) (*.tab *.tsv *.txt)"},
        {kxStrRolvaFilter, "Rolva (*.rlv) (*.rlv)"},
        {kxStrClipboardTitle, "Import Clipboard"},
        {kxStrClipboardDiscardChanges, "Importing a record from the clipboard will clear the changes "
                                       "you have made.  Do you wish to continue?"},
        {kxStrClipboardTruncated, "Some lines of text have been truncated because they exceeded the "
                                  "maximum allowed text length of 32KB."},
        {kxStrClipboardTooManyLines,
         "Some lines of text were not imported. The number of allowed lines was exceeded."},
        {kxStrClipboardNoText,
         "Rolva can only import text.  The clipboard currently contains data that cannot be "
         "imported (for example, a picture).  Please put text on the clipboard and try again."},
        {kxStrClipboardConfirmClear, "Are you sure you wish to clear the changes you have made?"},
        {kxStrClipboardConfirmCancel,
         "Are you sure you want to cancel your import?  You will lose any changes you made."},
        {kxStrClipboardIncomplete,
         "The information you have provided is incomplete.  Please enter text into at least one "
         "line on the left by typing, pasting, or clicking Import Clipboard. For each line you "
         "enter, specify which field in Rolva it should be put into by clicking the drop-down "
         "list of field names on the right."},
        {kxStrExportingFile, "Exporting file"},
        {kxStrPathDoesNotExist, "Path does not exist.\nPlease verify the correct path was given."},
        {kxStrReadOnlyTarget, "%s already exists and is read-only. Save the file to another file "
                              "name or location."},
        {kxStrTargetIsOpenDatabase,
         "%s is the currently open database.  Please select a different export name."},
        {kxStrReplaceFile, "'%s' already exists.\nDo you want to replace it?"},
        {kxStrInvalidFileName,
         "The filename you have entered is invalid. Filenames can be a maximum of %s characters "
         "in length, not including the directory path and filename extension, and must not "
         "contain * \\ / ? > < or \" characters."},
        {kxStrCannotOpenTemplate, "Could not open the print template file %s."},
        {kxStrCannotCreatePrintOutput, "Could not create the temporary print output file %s."},
        {kxStrPrintoutTooLarge,
         "Your printout is too large to print.  \n\nAn intermediate step in the printing process "
         "is the creation of an HTML file, _KxPrintTempOutput.htm, located in your Rolva program "
         "directory.  This file was created successfully.  You can attempt to print this file by "
         "loading it into your browser, but we recommend closing all other programs first."},
        {kxStrGeneratingPrintout, "Generating printout"},
        {kxStrHandheldInstallTitle, "Handheld Installation"},
        {kxStrHandheldInstallAlert,
         "Alert!  This command installs or replaces a database on the handheld.  You will lose all "
         "changes made to an existing handheld database."},
        {kxStrHandheldInstallSyncNote,
         "If you want to synchronize changes made on the handheld with those made on the desktop, "
         "then make sure your handheld is not checked in the list above and simply do a sync."},
        {kxStrHandheldInstallPrompt, "&On which handheld devices do you want to install this database?"},
        {kxStrSyncBeforeSchemaChange,
         "If you make a change or edit to this attribute of the database you can no longer "
         "synchronize with copies of the database on any other device.  We recommend that you "
         "synchronize all devices before making any change."},
        {kxStrScheduleReinstall,
         "Now that your changes are complete, you need to reinstall this database on your "
         "handheld(s).  Would you like to schedule a reinstallation for your next sync?"},
        {kxStrCannotWritePrintOutput, "Could not write the print output file %s."},
        {kxStrNoPrintFields, "There are no fields specified.  Please click on \"Fields to Print\" to "
                             "select the field you would like in your printout."},
        {kxStrTemplateNotAvailable, "Your print template \"%s\" is not available."},
        {kxStrNoTemplates, "There are no Print Report Templates in your application directory."},
        {kxStrPrinting, "Printing"},
        {kxStrCannotWritePdf, "The PDF file %s could not be written."},
        {kxStrSavePdfTitle, "Save as PDF"},
        {kxStrPdfFilter, "PDF Files (*.pdf)"},
        // The main window; command ids are their own prompt numbers.
        {kxStrIdlePrompt, "For Help, press F1"},
        {kxStrHelpNotInstalled, "Help is not installed with this copy of Rolva Desk."},
        {kxStrDetailNotADatabase, "%s is not a Rolva database: it does not begin with the signature that "
                                  "every Rolva database carries. None of your databases is damaged."},
        {kxStrDetailHeldByOther, "Another program has %s open. Close the database there and try again."},
        {kxStrDetailHeldByProgram, "Another program (%s, process %s) has %s open. Close the database there and "
                                   "try again."},
        {kxStrDetailWriteProtected, "%s is write-protected: you may read it but not change it. Copy it to "
                                    "a folder of your own or change its permissions to work with it."},
        {kxStrDetailNoReadAccess, "You have no permission to read %s."},
        {kxStrDetailNotWritten, "%s could not be written."},
        {kxStrDetailSaveElsewhere, "Choose another name or folder in the Save As dialog that follows."},
        {kxStrDetailCategoryRecords, "Records in the category %s: "},
        {57600, "Create a new database\nNew Database"},
        {57601, "Open an existing database\nOpen Database"},
        {57602, "Close the open database\nClose Database"},
        {32771, "Import records from a text file or another database\nImport"},
        {32772, "Export records to a text file or a new database\nExport"},
        {57603, "Save the open database\nSave"},
        {57604, "Save the open database with a new name\nSave As"},
        {32785, "Install the saved database on handhelds at their next sync\nSave/Install on Handheld"},
        {57607, "Print records of the open database\nPrint"},
        {32774, "Change the properties of the open database\nDatabase Properties"},
        {57616, "Open this database"},
        {57617, "Open this database"},
        {57618, "Open this database"},
        {57619, "Open this database"},
        {57620, "Open this database"},
        {57621, "Open this database"},
        {57622, "Open this database"},
        {57623, "Open this database"},
        {57624, "Open this database"},
        {57665, "Quit the application; prompts to save the database\nExit"},
        {57643, "Undo the last action\nUndo"},
        {57644, "Redo the previously undone action\nRedo"},
        {57635, "Cut the selection and put it on the Clipboard\nCut"},
        {57634, "Copy the selection and put it on the Clipboard\nCopy"},
        {57637, "Insert Clipboard contents\nPaste"},
        {32834, "Show when the current record was created and changed\nRecord Info"},
        {32775, "Create a new record\nNew Record"},
        {32789, "Create a copy of the current record\nClone Record"},
        {32786, "Undo the changes made to the current record\nRestore Record"},
        {32784, "Copy the current record to the Clipboard as text\nCopy Record to Clipboard"},
        {32866, "Create a new record from the text on the Clipboard\nImport Clipboard"},
        {32776, "Delete the current record\nDelete Record"},
        {32777, "Delete every record shown in the list\nDelete Records"},
        {32788, "Show the deleted records\nShow Deleted Records"},
        {32778, "Find records that match search criteria\nSearch Records"},
        {32826, "Run this saved search\nSaved Search"},
        {32827, "Run this saved search\nSaved Search"},
        {32828, "Run this saved search\nSaved Search"},
        {32829, "Run this saved search\nSaved Search"},
        {32830, "Run this saved search\nSaved Search"},
        {32831, "Run this saved search\nSaved Search"},
        {32779, "Show every record of every category\nShow All Records"},
        {32780, "Define the fields and the form of the database\nField and Form Editor"},
        {32781, "Choose the columns and the sort order of the list\nList Options"},
        {32782, "Change how the form shows its fields\nForm Options"},
        {32783, "Change the program's preferences\nPreferences"},
        {57667, "List Help topics\nHelp"},
        {57664, "Display program information and version number\nAbout"},
        {32792, "Restore the current deleted record\nUndelete"},
        {32793, "Remove the current deleted record for good\nPermanently Delete"},
        {32794, "Edit the current record\nEdit"},
        {32795, "Finish editing the current record\nDone"},
        {32832, "Go to the next record\nNext Record"},
        {32833, "Go to the previous record\nPrevious Record"},
        {32835, "Write the deleted records to the deletion log\nDeletion Log"},
    };
    return strings;
}
} // namespace

const std::string& kxString(int id) {
    static const std::string none;
    const auto& strings = table();
    const auto it = strings.find(id);
    return it == strings.end() ? none : it->second;
}

std::string kxString(int id, std::string_view argument) {
    std::string text = kxString(id);
    if (const auto at = text.find("%s"); at != std::string::npos) text.replace(at, 2, argument);
    return text;
}
