#include "transfer/TransferStrings.h"

const KxStringTable& kxTransferStrings() {
    static const KxStringTable strings = {
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
        {kxStrExportWhat, "What do you want to export?"},
        {kxStrExportEntire, "En&tire database"},
        {kxStrExportStructure, "&Database structure only"},
        {kxStrFileTypeStep, "File Type and Name"},
        {kxStrFileType, "File type"},
        {kxStrTypeComma, "&Comma Separated (*.csv, *.txt)"},
        {kxStrTypeTab, "&Tab Separated (*.tab, *.tsv, *.txt)"},
        {kxStrTypeRolva, "&Rolva (*.rlv)"},
        {kxStrExportPathLabel, "&Save exported file as:"},
        {kxStrExportCharset, "C&haracter set of a text file:"},
        {kxStrUtf8, "UTF-8"},
        {kxStrCp1252, "Windows-1252"},
        {kxStrExportFieldsStep, "Specify Fields to Export"},
        {kxStrExportWizardTitle, "Export Wizard"},
        {kxStrExportLabels, "Export Field &Labels"},
        {kxStrFieldOrderTip,
         "To change the field order, click on a field and drag it up or down the list. "},
        {kxStrClipboardInstructions,
         "Select the category for the new record and specify in which field to place each line "
         "of text. Specifying the same field for more than one line of text will cause the lines "
         "of text to be combined."},
        {kxStrClipboardCategory, "Category for imported record:"},
        {kxStrClipboardCategoryTip, "Select category for new record."},
        {kxStrClipboardImport, "&Import Clipboard"},
        {kxStrClipboardImportTip, "Import contents of clipboard."},
        {kxStrClipboardClear, "&Clear Fields"},
        {kxStrClipboardClearTip, "Clear all import fields."},
        {kxStrClipboardOk, "O&K"},
        {kxStrClipboardOkTip, "Finished importing."},
        {kxStrClipboardCancel, "Ca&ncel"},
        {kxStrClipboardCancelTip, "Cancel import."},
        {kxStrImportFieldsStep, "Specify Fields to Import"},
        {kxStrImportFieldsIn, "F&ields in \"%1\""},
        {kxStrScanRecords, "Scan Records"},
        {kxStrPreviousRow, "<"},
        {kxStrNextRow, ">"},
        {kxStrImportReset, "&Reset"},
        {kxStrImportLabelRow, "First row holds field &labels"},
        {kxStrImportCharset, "Character &set:"},
        {kxStrImportDataIn, "&Data in \"%1\""},
        {kxStrImportFileName, "File &name:"},
        {kxStrImportFileIntro, "Choose the type of the file to import and its name."},
        {kxStrImportWizardTitle, "Import Wizard"},
        {kxStrExportDialogTitle, "Export"},
        {kxStrImportDialogTitle, "Import"},
    };
    return strings;
}
