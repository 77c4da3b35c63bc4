#pragma once
// rolva print to a .pdf name: the report is generated as HTML into the per-user cache folder,
// then laid out on pages with the database's page setup and written as PDF by the PDF
// program, so that the tool itself never loads Qt.

#include <string>

class KxDatabase;

// Whether the output name asks for PDF (it ends in ".pdf", any letter case).
bool cliIsPdfName(const std::string& path);
// Where the intermediate HTML goes ($XDG_CACHE_HOME/rolva/_KxPrintTempOutput.htm); the
// folder is created. Empty when it cannot be.
std::string cliPrintScratchPath();
// The PDF program beside the tool or in the install prefix's libexec/rolva/; empty when
// neither exists.
std::string cliPdfProgram();
// Renders the generated HTML to the PDF file, replacing it safely. The title is database
// text. False, with the reason on `error`, when that failed.
bool cliWritePdf(const KxDatabase& db, const std::string& htmlPath, const std::string& pdfPath,
                 const std::string& title, std::string& error);
