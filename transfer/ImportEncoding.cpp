#include "transfer/ImportEncoding.h"

#include "engine/KxDbError.h"
#include "transfer/TransferStrings.h"
#include "base/KxUi.h"
#include "transfer/KxDelimitedImporter.h"

#include <fstream>
#include <iterator>
#include <new>

namespace {
std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw KxDbError::AccessDenied;
    try {
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } catch (const std::bad_alloc&) {
        throw KxDbError::OutOfMemory;
    }
}
} // namespace

KxTextEncoding kxDetectFileEncoding(const std::string& path) { return KxDelimitedReader::fileEncoding(path); }

std::unique_ptr<KxImporter> kxLoadDelimitedAs(KxUi& ui, const std::string& path, KxImportType type,
                                              KxTextEncoding encoding) {
    const std::string bytes = readFile(path);
    // The reader detects the character set itself; it is handed UTF-8 that decodes to the
    // text the chosen set reads from the bytes (bytes that are not UTF-8 become '?').
    const std::string utf8 =
        encoding == KxTextEncoding::Cp1252 ? kxToUtf8(bytes) : kxToUtf8(kxFromUtf8(kxStripUtf8Bom(bytes)));
    auto importer = std::make_unique<KxDelimitedImporter>(type == KxImportType::Tab ? '\t' : ',');
    auto box = ui.waitBox(kxString(kxStrImportLoading));
    KxDelimitedReader reader = KxDelimitedReader::fromMemory(utf8, importer->separator());
    if (!importer->load(reader, box.get())) return nullptr;
    if (importer->columnCount() == 0 || importer->rowCount() == 0) {
        ui.inform(kxString(kxStrNoValidData));
        return nullptr;
    }
    return importer;
}
