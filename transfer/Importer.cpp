#include "transfer/Importer.h"

#include "NoCase.h"
#include "Paths.h"
#include "transfer/DbImporter.h"
#include "transfer/DelimitedImporter.h"

std::unique_ptr<KxImporter> kxMakeImporter(KxImportType type) {
    switch (type) {
    case KxImportType::Database: return std::make_unique<KxDbImporter>();
    case KxImportType::Tab: return std::make_unique<KxDelimitedImporter>('\t');
    case KxImportType::Comma: break;
    }
    return std::make_unique<KxDelimitedImporter>(',');
}

KxImportType kxImportTypeForPath(std::string_view path, KxImportType current) {
    const std::string_view name = kxFileNameOf(path);
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0) return current;
    const std::string_view extension = name.substr(dot + 1);
    if (kxEqualNoCase(extension, "rlv")) return KxImportType::Database;
    if (kxEqualNoCase(extension, "csv")) return KxImportType::Comma;
    if (kxEqualNoCase(extension, "tab") || kxEqualNoCase(extension, "tsv")) return KxImportType::Tab;
    if (kxEqualNoCase(extension, "txt") && current == KxImportType::Database) return KxImportType::Comma;
    return current;
}
