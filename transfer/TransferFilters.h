#pragma once
// The filters of the import and export file dialogs: one per file type, in Qt's form
// ("<shown text> (<patterns>)", several joined by ";;").

#include "transfer/KxExportOptions.h"
#include "transfer/KxImporter.h"

#include <string>

// Every import type's filter, the selected type's first.
std::string kxImportFilter(KxImportType selected);
// The export type's own filter only.
std::string kxExportFilter(KxExportFileType type);
// The extension the type's file dialog appends: "csv", "tab" or "rlv".
std::string kxExportDefaultExtension(KxExportFileType type);
