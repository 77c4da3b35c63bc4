#include "transfer/KxImporter.h"

#include "platform/Cp1252.h"
#include "transfer/TransferStrings.h"
#include "platform/NoCase.h"
#include "platform/Paths.h"
#include "transfer/KxDbImporter.h"
#include "base/KxUi.h"
#include "transfer/KxDelimitedImporter.h"

#include <sys/stat.h>

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

std::unique_ptr<KxImporter> kxLoadImportSource(KxUi& ui, std::string& path, KxImportType type,
                                               const std::string& lastImportDir, bool streamed) {
    auto exists = [](const std::string& p) {
        struct stat info {};
        return !p.empty() && ::stat(p.c_str(), &info) == 0;
    };
    if (!exists(path)) {
        const std::string below = lastImportDir.empty() ? std::string() : kxAbsolutePath(path, lastImportDir);
        if (!exists(below)) {
            ui.inform(kxString(kxStrCannotFindFile) + kxFromUtf8(path));
            return nullptr;
        }
        path = below;
    }
    auto importer = kxMakeImporter(type);
    if (auto* delimited = dynamic_cast<KxDelimitedImporter*>(importer.get())) delimited->setStreamed(streamed);
    if (!importer->open(ui, path)) return nullptr;
    if (importer->columnCount() == 0 || importer->rowCount() == 0) {
        ui.inform(kxString(kxStrNoValidData));
        return nullptr;
    }
    return importer;
}
