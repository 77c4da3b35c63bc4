#include "transfer/TransferFilters.h"

#include "transfer/TransferStrings.h"

namespace {
std::string filterOf(KxImportType type) {
    switch (type) {
    case KxImportType::Database: return kxString(kxStrRolvaFilter);
    case KxImportType::Tab: return kxString(kxStrTabFilter);
    case KxImportType::Comma: break;
    }
    return kxString(kxStrCommaFilter);
}
} // namespace

std::string kxImportFilter(KxImportType selected) {
    std::string filter = filterOf(selected);
    for (KxImportType type : {KxImportType::Comma, KxImportType::Tab, KxImportType::Database})
        if (type != selected) filter += ";;" + filterOf(type);
    return filter;
}

std::string kxExportFilter(KxExportFileType type) {
    switch (type) {
    case KxExportFileType::Tab: return filterOf(KxImportType::Tab);
    case KxExportFileType::Database: return filterOf(KxImportType::Database);
    case KxExportFileType::Comma: break;
    }
    return filterOf(KxImportType::Comma);
}

std::string kxExportDefaultExtension(KxExportFileType type) {
    switch (type) {
    case KxExportFileType::Tab: return "tab";
    case KxExportFileType::Database: return "rlv";
    case KxExportFileType::Comma: break;
    }
    return "csv";
}
