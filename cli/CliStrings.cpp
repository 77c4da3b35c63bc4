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
        {kxStrCliPrintRangeChoice, "--range must be all, category, found or selected"},
        {kxStrCliLimitNumber, "--limit must be a number from -1 up"},
        {kxStrCliNoHtmlFolder, "no folder for the intermediate HTML"},
        {kxStrCliNoPrintFields, "no fields to print"},
        {kxStrCliPrinted, "printed to %1"},
        {kxStrCliBadOperand, "calculation operand '%1' is not an earlier Number or Calculation field"},
        {kxStrCliDecimalsRange, "decimals takes a number from 0 to 15"},
        {kxStrCliUnknownOperator, "unknown calculation operator '%1'"},
        {kxStrCliUnknownFieldOption, "unknown field option '%1'"},
        {kxStrCliFieldNeedsType, "field '%1' needs Label:type"},
        {kxStrCliUnknownFieldType, "unknown field type '%1'"},
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
