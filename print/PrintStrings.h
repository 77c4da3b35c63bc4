#pragma once
// The numbered texts of printing: kxString() finds them in every program
// that includes this header.

#include "KxStrings.h"

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

const KxStringTable& kxPrintStrings();
inline const bool kxPrintStringsRegistered = kxRegisterStrings(&kxPrintStrings);
