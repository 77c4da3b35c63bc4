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
inline constexpr int kxStrCliPending = 8073;
inline constexpr int kxStrCliNotPending = 8074;
// print.
inline constexpr int kxStrCliPrintRangeChoice = 8080;
inline constexpr int kxStrCliLimitNumber = 8081;
inline constexpr int kxStrCliNoHtmlFolder = 8082;
inline constexpr int kxStrCliNoPrintFields = 8083;
inline constexpr int kxStrCliPrinted = 8084;          // %1: the output
inline constexpr int kxStrCliPdfNotLaidOut = 8085;
inline constexpr int kxStrCliPdfNotWritten = 8086;    // %1: the path
inline constexpr int kxStrCliPdfNoProgram = 8087;     // %1: the PDF program's name
inline constexpr int kxStrCliPdfProgramFailed = 8088; // %1: the PDF program's path
// Field descriptions of `rolva new`.
inline constexpr int kxStrCliBadOperand = 8090;       // %1: the label
inline constexpr int kxStrCliDecimalsRange = 8091;
inline constexpr int kxStrCliUnknownOperator = 8092;  // %1: the operator
inline constexpr int kxStrCliUnknownFieldOption = 8093; // %1: the option
inline constexpr int kxStrCliFieldNeedsType = 8094;   // %1: the description
inline constexpr int kxStrCliUnknownFieldType = 8095; // %1: the type
// The commands' synopses and one-line summaries for the usage text.
inline constexpr int kxStrCliSynopsisAdd = 8100;
inline constexpr int kxStrCliSummaryAdd = 8101;
inline constexpr int kxStrCliSynopsisCategory = 8102;
inline constexpr int kxStrCliSummaryCategory = 8103;
inline constexpr int kxStrCliSynopsisCheck = 8104;
inline constexpr int kxStrCliSummaryCheck = 8105;
inline constexpr int kxStrCliSynopsisExport = 8106;
inline constexpr int kxStrCliSummaryExport = 8107;
inline constexpr int kxStrCliSynopsisFind = 8108;
inline constexpr int kxStrCliSummaryFind = 8109;
inline constexpr int kxStrCliSynopsisImport = 8110;
inline constexpr int kxStrCliSummaryImport = 8111;
inline constexpr int kxStrCliSynopsisInfo = 8112;
inline constexpr int kxStrCliSummaryInfo = 8113;
inline constexpr int kxStrCliSynopsisInstall = 8114;
inline constexpr int kxStrCliSummaryInstall = 8115;
inline constexpr int kxStrCliSynopsisList = 8116;
inline constexpr int kxStrCliSummaryList = 8117;
inline constexpr int kxStrCliSynopsisNew = 8118;
inline constexpr int kxStrCliSummaryNew = 8119;
inline constexpr int kxStrCliSynopsisPrint = 8120;
inline constexpr int kxStrCliSummaryPrint = 8121;
inline constexpr int kxStrCliSynopsisSave = 8122;
inline constexpr int kxStrCliSummarySave = 8123;
inline constexpr int kxStrCliSynopsisSort = 8124;
inline constexpr int kxStrCliSummarySort = 8125;
// The tool's framing: its usage text, a command's failure, an engine error, the list's head.
inline constexpr int kxStrCliUsageHead = 8180;
inline constexpr int kxStrCliCommandsHead = 8181;
inline constexpr int kxStrCliCommandLine = 8182;      // %1: the command, %2: synopsis, %3: summary
inline constexpr int kxStrCliExitStatus = 8183;
inline constexpr int kxStrCliCommandFailed = 8184;    // %1: the command, %2: the reason
inline constexpr int kxStrCliCommandUsage = 8185;     // %1: the command, %2: its synopsis
inline constexpr int kxStrCliErrorLine = 8186;        // %1: the error's number, %2: its message
inline constexpr int kxStrCliListHead = 8187;
// The labels of the `info` report; the JSON keys stay as they are, being a data format.
inline constexpr int kxStrCliInfoSlot = 8200;
inline constexpr int kxStrCliInfoName = 8201;
inline constexpr int kxStrCliInfoId = 8202;
inline constexpr int kxStrCliInfoNamed = 8203;
inline constexpr int kxStrCliInfoPosition = 8204;
inline constexpr int kxStrCliInfoType = 8205;
inline constexpr int kxStrCliInfoTypeName = 8206;
inline constexpr int kxStrCliInfoLabel = 8207;
inline constexpr int kxStrCliInfoTypeOption = 8208;
inline constexpr int kxStrCliInfoOperator = 8209;
inline constexpr int kxStrCliInfoFirst = 8210;
inline constexpr int kxStrCliInfoSecond = 8211;
inline constexpr int kxStrCliInfoCalculation = 8212;
inline constexpr int kxStrCliInfoItems = 8213;
inline constexpr int kxStrCliInfoField = 8214;
inline constexpr int kxStrCliInfoFlags = 8215;
inline constexpr int kxStrCliInfoValue1 = 8216;
inline constexpr int kxStrCliInfoValue2 = 8217;
inline constexpr int kxStrCliInfoDirection = 8218;
inline constexpr int kxStrCliInfoKeys = 8219;
inline constexpr int kxStrCliInfoSortDefinition = 8220;
inline constexpr int kxStrCliInfoWidth = 8221;
inline constexpr int kxStrCliInfoColumns = 8222;
inline constexpr int kxStrCliInfoCurrent = 8223;
inline constexpr int kxStrCliInfoListOptionsSet = 8224;
inline constexpr int kxStrCliInfoValue = 8225;
inline constexpr int kxStrCliInfoCriteria = 8226;
inline constexpr int kxStrCliInfoList = 8227;
inline constexpr int kxStrCliInfoFile = 8228;
inline constexpr int kxStrCliInfoVersion = 8229;
inline constexpr int kxStrCliInfoAttributes = 8230;
inline constexpr int kxStrCliInfoModificationStamp = 8231;
inline constexpr int kxStrCliInfoListPaneShare = 8232;
inline constexpr int kxStrCliInfoCurrentRecord = 8233;
inline constexpr int kxStrCliInfoCurrentCategory = 8234;
inline constexpr int kxStrCliInfoCurrentFormLayout = 8235;
inline constexpr int kxStrCliInfoCurrentListOptionsSet = 8236;
inline constexpr int kxStrCliInfoFields = 8237;
inline constexpr int kxStrCliInfoLiveRecords = 8238;
inline constexpr int kxStrCliInfoDeletedRecords = 8239;
inline constexpr int kxStrCliInfoSchemaChunks = 8240;
inline constexpr int kxStrCliInfoChunks = 8241;
inline constexpr int kxStrCliInfoCounts = 8242;
inline constexpr int kxStrCliInfoCategories = 8243;
inline constexpr int kxStrCliInfoFormLayouts = 8244;
inline constexpr int kxStrCliInfoSortDefinitions = 8245;
inline constexpr int kxStrCliInfoListOptionsSets = 8246;
inline constexpr int kxStrCliInfoSavedSearches = 8247;
inline constexpr int kxStrCliInfoKey = 8248;
inline constexpr int kxStrCliInfoProperties = 8249;
inline constexpr int kxStrCliInfoUserId = 8250;
inline constexpr int kxStrCliInfoCreated = 8251;
inline constexpr int kxStrCliInfoSequence = 8252;
inline constexpr int kxStrCliInfoRemovalLog = 8253;
inline constexpr int kxStrCliNone = 8254;
