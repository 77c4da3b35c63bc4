// Arbitrary bytes as a database file. A file either opens or is refused with a KxDbError.
// One that opens can be walked record by record and value by value, and saved; what the
// engine saves it must be able to open again, and saving that again gives the same bytes.

#include "engine/KxItemListChunk.h"
#include "engine/KxDatabase.h"
#include "engine/KxPropertyChunk.h"
#include "engine/KxRecordChunk.h"
#include "engine/KxRecordHandle.h"
#include "engine/KxRemovalLog.h"
#include "engine/KxSearchChunk.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

// Three directories of one scratch area: the input file and two saved copies. Every file
// has the same base name, so the database name field, which a Save As sets from the
// previous file's name, is the same in both copies.
class Scratch {
  public:
    Scratch() {
        const char* base = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
        std::string pattern = std::string(base) + "/rlv_open-XXXXXX";
        require(mkdtemp(pattern.data()) != nullptr);
        root_ = pattern;
        for (const char* dir : {"in", "a", "b"})
            std::filesystem::create_directory(root_ / dir);
    }
    ~Scratch() {
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }
    std::string file(const char* dir) const { return (root_ / dir / "db.rlv").string(); }

  private:
    std::filesystem::path root_;
};

const Scratch& scratch() {
    static const Scratch instance;
    return instance;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void walkRecord(KxRecordHandle& record, std::size_t fieldCount) {
    for (std::size_t f = 0; f < fieldCount; ++f) {
        try {
            (void)record.rawValue(f);
        } catch (const KxDbError& e) {
            require(e == KxDbError::BadValueLength);
        }
    }
    require(record.category() <= 15);
    (void)record.isEmpty();
}

void walkSchemaChunks(const KxDatabase& db) {
    for (std::size_t k = 1; k < db.schemaChunkCount(); ++k) {
        const KxChunk* chunk = db.directoryEntry(k).chunk.get();
        if (const auto* list = dynamic_cast<const KxItemListChunk*>(chunk)) {
            for (std::size_t i = 0; i < list->itemCount(); ++i)
                (void)list->itemText(i).size();
        } else if (const auto* log = dynamic_cast<const KxRemovalLog*>(chunk)) {
            (void)log->entries().size();
        } else if (const auto* map = dynamic_cast<const KxPropertyChunk*>(chunk)) {
            for (const auto& [key, text] : map->entries())
                (void)map->number(key);
        } else if (const auto* searches = dynamic_cast<const KxSearchChunk*>(chunk)) {
            for (const auto& search : searches->searches)
                (void)search.name.text();
        }
    }
}

void walk(KxDatabase& db) {
    const std::size_t fields = db.header().fields.size();
    for (std::size_t i = 0; i < db.liveCount(); ++i) {
        KxRecordHandle record = db.record(i, true);
        require(record.attributes() & kAttrBusy);
        walkRecord(record, fields);
        require(db.findRecord(db.identityOf(i), false).has_value());
    }
    for (std::size_t j = 0; j < db.deletedCount(); ++j) {
        KxRecordHandle record = db.deletedRecord(j, false);
        walkRecord(record, fields);
        require(record.deletedIndex() == j);
    }
    for (std::uint16_t filter = 0; filter <= 15; ++filter)
        (void)db.countInCategory(filter);
    std::size_t position = 0;
    while (db.stepInCategory(position, 1, true, kFoundRecords)) {
    }
    walkSchemaChunks(db);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Scratch& dirs = scratch();
    const std::string input = dirs.file("in");
    const std::string first = dirs.file("a");
    const std::string second = dirs.file("b");
    {
        std::ofstream out(input, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }

    KxDatabase db;
    db.setProgress([](std::uint32_t done, std::uint32_t total) { require(done <= total); });
    try {
        db.open(input, kOpenReadShared, 0);
    } catch (const KxDbError&) {
        require(!db.isOpen());
        return 0;
    }
    walk(db);
    try {
        db.save(first);
    } catch (const KxDbError&) {
        return 0; // a database that cannot be written as it stands (a chunk past its limit)
    }
    const std::string saved = readFile(first);
    db.close(true);

    // No KxDbError is acceptable from here on: the engine must read what it wrote.
    KxDatabase again;
    again.open(first, kOpenReadShared, 0);
    walk(again);
    again.save(second);
    require(readFile(second) == saved);
    return 0;
}
