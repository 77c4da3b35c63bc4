#include "cli/CliStrings.h"

const KxStringTable& kxCliStrings() {
    static const KxStringTable strings = {
        {kxStrCliNoValueTaken, "--%1 takes no value"},
        {kxStrCliValueNeeded, "--%1 needs a value"},
        {kxStrCliUnknownOption, "unknown option --%1"},
        {kxStrCliMissingArguments, "missing arguments"},
        {kxStrCliTooManyArguments, "too many arguments"},
        {kxStrCliGivenTwice, "--%1 given more than once"},
        {kxStrCliUnknownCommand, "rolva: unknown command '%1'"},
        {kxStrCliNoFieldNumber, "no field %1"},
        {kxStrCliNoFieldNamed, "no field named '%1'"},
        {kxStrCliNoEntryNumber, "--fields: no entry %1"},
        {kxStrCliNoEntryNamed, "--fields: no field named '%1'"},
        {kxStrCliTypeChoice, "--type must be csv, tab or rlv"},
        {kxStrCliCategoryCut, "category name cut to %1 characters: '%2'"},
        {kxStrCliNoCategoryNamed, "no category named '%1'"},
        {kxStrCliNotNamedCategory, "'%1' is not a named category"},
        {kxStrCliOneCategoryAction, "give exactly one of --list, --add, --rename, --delete"},
        {kxStrCliRenameUsage, "--rename OLD NEW"},
        {kxStrCliAddUsage, "give the file and at least one FIELD=VALUE"},
        {kxStrCliNotAssignment, "'%1' is not FIELD=VALUE"},
        {kxStrCliFieldTakesNoValue, "field '%1' takes no value"},
        {kxStrCliNothingAdded, "the record has no values; nothing was added"},
        {kxStrCliCreated, "created %1 with %2 fields"},
        {kxStrCliCheckOk, "ok: %1 records (%2 deleted), %3 fields"},
        {kxStrCliSaved, "saved %1"},
        {kxStrCliSortUsage, "give at least one --by FIELD[:asc|:desc]"},
        {kxStrCliTooManySortColumns, "at most five sort columns"},
        {kxStrCliLabelOnlySort, "a Label Only field cannot be sorted on"},
        {kxStrCliNoListOptions, "the database has no list options"},
        {kxStrCliSorted, "sorted %1 records"},
        {kxStrCliOperatorNotFor, "'%1' does not apply to %2"},
        {kxStrCliNotCriterion, "'%1' is not FIELD OP VALUE"},
        {kxStrCliCriteriaCount, "give one to three --where"},
        {kxStrCliOrderNoEntry, "--order: '%1' is not an entry from 0 to %2 or 255"},
        {kxStrCliOrderTwice, "--order: entry %1 is given twice"},
        {kxStrCliOrderEmpty, "--order needs at least one entry"},
        {kxStrCliHeaderChoice, "--header must be yes, no or auto"},
        {kxStrCliImported, "imported %1 of %2 records"},
        {kxStrCliSkipped, " (%1 identical records skipped)"},
        {kxStrCliLogKept, "log: %1"},
        {kxStrCliExportRangeChoice, "--range must be all, category, found, selected or structure"},
        {kxStrCliEncodingChoice, "--encoding must be utf-8 or cp1252"},
        {kxStrCliExported, "exported %1 records to %2"},
        {kxStrCliUnknownUser, "'%1' is not a known handheld user"},
        {kxStrCliInstallUsage, "give either --list or --user NAME ..."},
        {kxStrCliAllWithList, "--all goes with --list"},
        {kxStrCliPending, "pending"},
        {kxStrCliNotPending, "not pending"},
        {kxStrCliPrintRangeChoice, "--range must be all, category, found or selected"},
        {kxStrCliLimitNumber, "--limit must be a number from -1 up"},
        {kxStrCliNoHtmlFolder, "no folder for the intermediate HTML"},
        {kxStrCliNoPrintFields, "no fields to print"},
        {kxStrCliPrinted, "printed to %1"},
        {kxStrCliPdfNotLaidOut, "could not lay out the printout"},
        {kxStrCliPdfNotWritten, "could not write %1"},
        {kxStrCliPdfNoProgram, "the PDF program %1 is not installed"},
        {kxStrCliPdfProgramFailed, "%1 did not finish the PDF"},
        {kxStrCliBadOperand, "calculation operand '%1' is not an earlier Number or Calculation field"},
        {kxStrCliDecimalsRange, "decimals takes a number from 0 to 15"},
        {kxStrCliUnknownOperator, "unknown calculation operator '%1'"},
        {kxStrCliUnknownFieldOption, "unknown field option '%1'"},
        {kxStrCliFieldNeedsType, "field '%1' needs Label:type"},
        {kxStrCliUnknownFieldType, "unknown field type '%1'"},
        {kxStrCliSynopsisAdd, "FILE [--category NAME] FIELD=VALUE ..."},
        {kxStrCliSummaryAdd,
         "Add a record (FIELD is a label or #n; values are read as the field's type reads text)."},
        {kxStrCliSynopsisCategory, "FILE --list | --add NAME | --rename OLD NEW [--yes] | --delete NAME [--records] [--yes]"},
        {kxStrCliSummaryCategory,
         "List, add, rename (merging with --yes) or delete categories."},
        {kxStrCliSynopsisCheck, "FILE"},
        {kxStrCliSummaryCheck,
         "Open a database read-only and report whether it is sound."},
        {kxStrCliSynopsisExport, "FILE OUT [--type csv|tab|rlv] [--range all|category|found|selected|structure] "
         "[--fields LABEL,...|--fields all] [--no-labels] [--encoding utf-8|cp1252] [--deleted] [--yes]"},
        {kxStrCliSummaryExport,
         "Write the records to a comma- or tab-separated file (every value quoted, CR LF line ends, "
         "UTF-8 unless --encoding cp1252) or to a new database file with the chosen fields. The type "
         "follows OUT's extension unless --type is given; a new file gets the type's extension. "
         "category and selected use the category and record stored as current; found the records "
         "of the last search; --deleted walks the deleted records. --fields takes labels or #n "
         "(entry numbers from 1; Category is an entry). An existing OUT is replaced only with --yes."},
        {kxStrCliSynopsisFind, "FILE --where 'FIELD OP VALUE' ... [--save NAME] [--json]"},
        {kxStrCliSummaryFind,
         "Search (up to three criteria joined by AND). FIELD: a label, #n, * (all text and numeric fields) or "
         "category; OP: contains begins eq ne lt gt empty nonempty checked unchecked."},
        {kxStrCliSynopsisImport, "FILE SRC [--type csv|tab|rlv] [--order N,N,...] [--category NAME] [--header yes|no|auto]"},
        {kxStrCliSummaryImport,
         "Add the rows of a comma- or tab-separated file or another database as new "
         "records. --order gives, for each column, the field entry it goes to (the fields "
         "that are not Label Only in form order, then Category unless --category names "
         "the category shown) or - to leave it out. --header yes leaves out a first row of field labels "
         "and, without --order, sends each column to the field of its label; auto (the "
         "default) does so when every value of the first row is a field label."},
        {kxStrCliSynopsisInfo, "FILE [--json]"},
        {kxStrCliSummaryInfo,
         "Show the schema, settings, categories, searches and counts of a database."},
        {kxStrCliSynopsisInstall, "FILE --user NAME ... | --list [--all]"},
        {kxStrCliSummaryInstall,
         "Schedule a database for installation on handheld users at their next sync, or list them."},
        {kxStrCliSynopsisList, "FILE [--category NAME|all] [--deleted] [--found] [--all-fields] [--json]"},
        {kxStrCliSummaryList,
         "List records as the list shows them: the list's columns, tab-separated."},
        {kxStrCliSynopsisNew, "FILE --field Label:type[:option,...] ... [--force]"},
        {kxStrCliSummaryNew,
         "Create a database. Types: text choice number calc date time checkbox label; "
         "options: decimals=N thousands currency noseconds hidelabel items=a|b|c "
         "op=add|subtract|multiply|divide|sum|average|grandtotal a=LABEL b=LABEL."},
        {kxStrCliSynopsisPrint, "FILE OUT.html|OUT.pdf [--template NAME|PATH] [--title TEXT] [--range all|category|found|selected] "
         "[--limit N] [--fields LABEL,...|--fields all] [--deleted] [--yes]"},
        {kxStrCliSummaryPrint,
         "Fill a print template with the records in range and write the HTML (UTF-8). Title, range and "
         "template default to the database's print settings (template Basic.htm). A NAME is looked up in "
         "the templates directories beside the program and under share/rolva/templates; a PATH (with a "
         "slash) is used as given. --limit N prints at most N + 1 records. An OUT name ending in .pdf "
         "gets the printed pages as PDF, with the database's page setup. An existing OUT is replaced only "
         "with --yes, and only once the output is complete; the database itself never."},
        {kxStrCliSynopsisSave, "FILE [--as NEWFILE]"},
        {kxStrCliSummarySave,
         "Write a database again (an older file comes out as the current version)."},
        {kxStrCliSynopsisSort, "FILE --by FIELD[:asc|:desc] ..."},
        {kxStrCliSummarySort,
         "Set the list's sort columns (up to five) and sort the records."},
        {kxStrCliUsageHead, "Usage: rolva COMMAND [ARGUMENTS]"},
        {kxStrCliCommandsHead, "Commands:"},
        {kxStrCliCommandLine, "  rolva %1 %2\n      %3"},
        {kxStrCliExitStatus, "Exit status: 0 success, 1 an error of the database, 2 a usage error."},
        {kxStrCliCommandFailed, "rolva %1: %2"},
        {kxStrCliCommandUsage, "Usage: rolva %1 %2"},
        {kxStrCliErrorLine, "error %1: %2"},
        {kxStrCliListHead, "#\tCategory"},
        {kxStrCliInfoSlot, "slot"},
        {kxStrCliInfoName, "name"},
        {kxStrCliInfoId, "id"},
        {kxStrCliInfoNamed, "named"},
        {kxStrCliInfoPosition, "position"},
        {kxStrCliInfoType, "type"},
        {kxStrCliInfoTypeName, "typeName"},
        {kxStrCliInfoLabel, "label"},
        {kxStrCliInfoTypeOption, "typeOption"},
        {kxStrCliInfoOperator, "operator"},
        {kxStrCliInfoFirst, "first"},
        {kxStrCliInfoSecond, "second"},
        {kxStrCliInfoCalculation, "calculation"},
        {kxStrCliInfoItems, "items"},
        {kxStrCliInfoField, "field"},
        {kxStrCliInfoFlags, "flags"},
        {kxStrCliInfoValue1, "value1"},
        {kxStrCliInfoValue2, "value2"},
        {kxStrCliInfoDirection, "direction"},
        {kxStrCliInfoKeys, "keys"},
        {kxStrCliInfoSortDefinition, "sortDefinition"},
        {kxStrCliInfoWidth, "width"},
        {kxStrCliInfoColumns, "columns"},
        {kxStrCliInfoCurrent, "current"},
        {kxStrCliInfoListOptionsSet, "listOptionsSet"},
        {kxStrCliInfoValue, "value"},
        {kxStrCliInfoCriteria, "criteria"},
        {kxStrCliInfoList, "list"},
        {kxStrCliInfoFile, "file"},
        {kxStrCliInfoVersion, "version"},
        {kxStrCliInfoAttributes, "attributes"},
        {kxStrCliInfoModificationStamp, "modificationStamp"},
        {kxStrCliInfoListPaneShare, "listPaneShare"},
        {kxStrCliInfoCurrentRecord, "currentRecord"},
        {kxStrCliInfoCurrentCategory, "currentCategory"},
        {kxStrCliInfoCurrentFormLayout, "currentFormLayout"},
        {kxStrCliInfoCurrentListOptionsSet, "currentListOptionsSet"},
        {kxStrCliInfoFields, "fields"},
        {kxStrCliInfoLiveRecords, "liveRecords"},
        {kxStrCliInfoDeletedRecords, "deletedRecords"},
        {kxStrCliInfoSchemaChunks, "schemaChunks"},
        {kxStrCliInfoChunks, "chunks"},
        {kxStrCliInfoCounts, "counts"},
        {kxStrCliInfoCategories, "categories"},
        {kxStrCliInfoFormLayouts, "formLayouts"},
        {kxStrCliInfoSortDefinitions, "sortDefinitions"},
        {kxStrCliInfoListOptionsSets, "listOptionsSets"},
        {kxStrCliInfoSavedSearches, "savedSearches"},
        {kxStrCliInfoKey, "key"},
        {kxStrCliInfoProperties, "properties"},
        {kxStrCliInfoUserId, "userId"},
        {kxStrCliInfoCreated, "created"},
        {kxStrCliInfoSequence, "sequence"},
        {kxStrCliInfoRemovalLog, "removalLog"},
        {kxStrCliNone, "(none)"},
    };
    return strings;
}

std::string cliText(int id, std::initializer_list<std::string_view> arguments) {
    const std::string& pattern = kxString(id);
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const std::size_t n = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && n < arguments.size()) {
            text += *(arguments.begin() + n);
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}
