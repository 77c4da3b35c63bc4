#pragma once
// The PDF program (rolva-pdf) lays out a generated report on pages and writes it as PDF.
// The command-line tool runs it for `rolva print … .pdf`, so that only PDF output loads Qt:
//
//   rolva-pdf HTML PDF TITLE HEADER FOOTER TOP BOTTOM LEFT RIGHT
//
// TITLE is the report title (&w), HEADER to RIGHT the page setup; the PDF replaces PDF
// only once complete.

inline constexpr char kxPdfProgramName[] = "rolva-pdf";
inline constexpr int kxPdfProgramArguments = 9;

enum KxPdfProgramStatus : int {
    kxPdfWritten = 0,
    kxPdfUsage = 2,
    kxPdfNotLaidOut = 3,
    kxPdfNotWritten = 4,
};
