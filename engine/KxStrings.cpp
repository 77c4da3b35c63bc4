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
        {kxStrImportCancelled,
         "You have cancelled your import.  %d of %d records were imported into the database."},
        {kxStrShowImportLog,
         "There were errors during the import.  Would you like to see an error log report?"},
        {kxStrCategory, "Category"},
        {kxStrFieldNumber, "Field %d"},
        {kxStrNoField, "<no field>"},
        {kxStrNone, "None"},
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
