#pragma once
// The numbered texts of the command-line tool: its reports and its usage errors. kxString()
// finds them in every program that includes this header; cliText() fills in the arguments.

#include "engine/KxStrings.h"

#include <initializer_list>
#include <string>
#include <string_view>

const KxStringTable& kxCliStrings();
inline const bool kxCliStringsRegistered = kxRegisterStrings(&kxCliStrings);

// The text with "%1", "%2", ... replaced by the arguments in order.
std::string cliText(int id, std::initializer_list<std::string_view> arguments = {});

// Options and arguments.
inline constexpr int kxStrCliNoValueTaken = 8001;     // %1: the option
inline constexpr int kxStrCliValueNeeded = 8002;      // %1: the option
inline constexpr int kxStrCliUnknownOption = 8003;    // %1: the option
inline constexpr int kxStrCliMissingArguments = 8004;
inline constexpr int kxStrCliTooManyArguments = 8005;
inline constexpr int kxStrCliGivenTwice = 8006;       // %1: the option
inline constexpr int kxStrCliUnknownCommand = 8007;   // %1: the command
inline constexpr int kxStrCliNoFieldNumber = 8008;    // %1: the reference
inline constexpr int kxStrCliNoFieldNamed = 8009;     // %1: the reference
inline constexpr int kxStrCliNoEntryNumber = 8010;    // %1: the reference
inline constexpr int kxStrCliNoEntryNamed = 8011;     // %1: the reference
inline constexpr int kxStrCliTypeChoice = 8012;
// Categories.
inline constexpr int kxStrCliCategoryCut = 8020;      // %1: the longest name, %2: the name kept
inline constexpr int kxStrCliNoCategoryNamed = 8021;  // %1: the name
inline constexpr int kxStrCliNotNamedCategory = 8022; // %1: the name
inline constexpr int kxStrCliOneCategoryAction = 8023;
inline constexpr int kxStrCliRenameUsage = 8024;
// add, new, check, save, sort.
inline constexpr int kxStrCliAddUsage = 8030;
inline constexpr int kxStrCliNotAssignment = 8031;    // %1: the argument
inline constexpr int kxStrCliFieldTakesNoValue = 8032; // %1: the field
inline constexpr int kxStrCliNothingAdded = 8033;
inline constexpr int kxStrCliCreated = 8034;          // %1: the path, %2: fields
inline constexpr int kxStrCliCheckOk = 8035;          // %1: records, %2: deleted, %3: fields
inline constexpr int kxStrCliSaved = 8036;            // %1: the file
inline constexpr int kxStrCliSortUsage = 8037;
inline constexpr int kxStrCliTooManySortColumns = 8038;
inline constexpr int kxStrCliLabelOnlySort = 8039;
inline constexpr int kxStrCliNoListOptions = 8040;
inline constexpr int kxStrCliSorted = 8041;           // %1: records
// find.
inline constexpr int kxStrCliOperatorNotFor = 8050;   // %1: the operator, %2: the field
inline constexpr int kxStrCliNotCriterion = 8051;     // %1: the criterion
inline constexpr int kxStrCliCriteriaCount = 8052;
// import and export.
inline constexpr int kxStrCliOrderNoEntry = 8060;     // %1: the item, %2: the last entry
inline constexpr int kxStrCliOrderTwice = 8061;       // %1: the item
inline constexpr int kxStrCliOrderEmpty = 8062;
inline constexpr int kxStrCliHeaderChoice = 8063;
inline constexpr int kxStrCliImported = 8064;         // %1: imported, %2: rows
inline constexpr int kxStrCliSkipped = 8065;          // %1: identical records
inline constexpr int kxStrCliLogKept = 8066;          // %1: the log's path
inline constexpr int kxStrCliExportRangeChoice = 8067;
inline constexpr int kxStrCliEncodingChoice = 8068;
inline constexpr int kxStrCliExported = 8069;         // %1: records, %2: the path
// install.
inline constexpr int kxStrCliUnknownUser = 8070;      // %1: the name
inline constexpr int kxStrCliInstallUsage = 8071;
inline constexpr int kxStrCliAllWithList = 8072;
// print.
inline constexpr int kxStrCliPrintRangeChoice = 8080;
inline constexpr int kxStrCliLimitNumber = 8081;
inline constexpr int kxStrCliNoHtmlFolder = 8082;
inline constexpr int kxStrCliNoPrintFields = 8083;
inline constexpr int kxStrCliPrinted = 8084;          // %1: the output
// Field descriptions of `rolva new`.
inline constexpr int kxStrCliBadOperand = 8090;       // %1: the label
inline constexpr int kxStrCliDecimalsRange = 8091;
inline constexpr int kxStrCliUnknownOperator = 8092;  // %1: the operator
inline constexpr int kxStrCliUnknownFieldOption = 8093; // %1: the option
inline constexpr int kxStrCliFieldNeedsType = 8094;   // %1: the description
inline constexpr int kxStrCliUnknownFieldType = 8095; // %1: the type
