#pragma once
// The numbered texts of printing: kxString() finds them in every program
// that includes this header.

#include "engine/KxStrings.h"

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

// The texts of the print dialogs (Qt's %1, %2 for their arguments).
inline constexpr int kxStrFieldsToPrintTitle = 6201;
inline constexpr int kxStrSpecifyFieldsToPrint = 6202;
inline constexpr int kxStrPageSetupTitle = 6203;
inline constexpr int kxStrHeadersAndFooters = 6204;
inline constexpr int kxStrHeaderLabel = 6205;
inline constexpr int kxStrFooterLabel = 6206;
inline constexpr int kxStrPageCodeLegend = 6207;
inline constexpr int kxStrMarginsInches = 6208;
inline constexpr int kxStrMarginLeft = 6209;
inline constexpr int kxStrMarginRight = 6210;
inline constexpr int kxStrMarginTop = 6211;
inline constexpr int kxStrMarginBottom = 6212;
inline constexpr int kxStrPortrait = 6213;
inline constexpr int kxStrLandscape = 6214;
inline constexpr int kxStrPaper = 6215;
inline constexpr int kxStrPaperSize = 6216;
inline constexpr int kxStrPrintSettingsTitle = 6217;
inline constexpr int kxStrPrintTitleLabel = 6218;
inline constexpr int kxStrPrintRange = 6219;
inline constexpr int kxStrPrintRangeAll = 6220;
inline constexpr int kxStrPrintOptions = 6221;
inline constexpr int kxStrFieldsToPrintButton = 6222;
inline constexpr int kxStrPrintStyleButton = 6223;
inline constexpr int kxStrPageSetupButton = 6224;
inline constexpr int kxStrPrintButton = 6225;
inline constexpr int kxStrPreviewButton = 6226;
inline constexpr int kxStrSavePdfButton = 6227;
inline constexpr int kxStrBrowserButton = 6228;
inline constexpr int kxStrPrintStyleTitle = 6229;
inline constexpr int kxStrStyleList = 6230;
inline constexpr int kxStrStyleSample = 6231;

// The PDF file's name when the report has no title.
inline constexpr int kxStrPrintoutName = 6232;

const KxStringTable& kxPrintStrings();
inline const bool kxPrintStringsRegistered = kxRegisterStrings(&kxPrintStrings);
