// Open, save, create and close of the database file, and the directory of chunks.

#include "engine/KxDatabase.h"

#include "engine/KxChunkLoader.h"
#include "engine/KxFileReplacement.h"
#include "engine/KxItemListChunk.h"
#include "engine/KxPropertyChunk.h"
#include "engine/KxRecordChunk.h"
#include "engine/KxRecordHandle.h"
#include "engine/KxRemovalLog.h"
#include "engine/KxSearchChunk.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t kWriteBlock = 1 << 17;

std::string baseNameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const auto dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) name.resize(dot);
    return name;
}

bool fileExists(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0;
}

// A file whose write permission is off for everyone is read-only, even for the superuser.
bool isReadOnlyFile(const std::string& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) return false;
    return (st.st_mode & 0222) == 0 || access(path.c_str(), W_OK) != 0;
}

double millisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

} // namespace

KxDatabase::KxDatabase() = default;

KxDatabase::~KxDatabase() { close(true); }

void KxDatabase::resetState() {
    directory_.clear();
    header_ = nullptr;
    fileHeader_.reset();
    path_.clear();
    flags_ = 0;
    busyRecords_ = 0;
    busySchemaChunks_ = 0;
    undo_.reset();
    newestStamp_.reset();
}

void KxDatabase::close(bool ignoreErrors) {
    undo_.reset();
    file_.close(ignoreErrors); // a failing close leaves the chunks in place
    resetState();
}

bool KxDatabase::isOpen(std::uint16_t* flags) const {
    if (flags) *flags = flags_;
    return file_.isOpen();
}

void KxDatabase::report(std::uint32_t done, std::uint32_t total) const {
    if (progress_) progress_(done, total);
}

// --- open ---

void KxDatabase::open(const std::string& path, std::uint16_t flags, std::uint32_t userId) {
    close(true);
    userId_ = userId;
    path_ = path;
    flags_ = flags;
    try {
        file_ = PosixFile::openExisting(path, flags);
        KxChunkLoader loader(file_);
        std::uint8_t head[KxFileHeader::kSize];
        loader.read(0, head, sizeof head);
        fileHeader_.load(head);
        const std::uint32_t n = fileHeader_.chunkCount();
        if (n == 0 || n > kMaxDirEntries) throw KxDbError::Damaged;

        std::vector<std::uint8_t> table(fileHeader_.headerSize());
        loader.read(0, table.data(), table.size());
        std::vector<std::uint32_t> offsets(n);
        directory_.resize(n);
        for (std::uint32_t k = 0; k < n; ++k) {
            using H = KxFileHeader;
            const std::uint8_t* e = table.data() + H::kSize + H::kDirEntrySize * k;
            offsets[k] = kx::le32(e + H::kDirChunkOffsetAt);
            KxDirEntry& entry = directory_[k];
            entry.reserved = kx::le32(e + H::kDirReservedAt);
            entry.category = kx::le16(e + H::kDirCategoryAt);
            entry.attributes = static_cast<std::uint8_t>(e[H::kDirAttributesAt] & ~kAttrBusy);
            entry.reserved2 = e[H::kDirReserved2At];
            if (entry.category > 15) throw KxDbError::Damaged;
        }
        report(1, n + 1);
        loadChunks(loader, offsets);
        bindItemLists(offsets);
        checkReferences();
    } catch (const KxDbError& e) {
        close(true);
        throw;
    } catch (const std::bad_alloc&) {
        close(true);
        throw KxDbError::OutOfMemory;
    }
}

void KxDatabase::loadChunks(KxChunkLoader& loader, const std::vector<std::uint32_t>& offsets) {
    const std::uint32_t n = static_cast<std::uint32_t>(offsets.size());
    // Chunks follow the directory and one another; one that starts inside another is damage,
    // which also keeps a hostile file from making the engine hold more than the file holds.
    std::uint64_t nextFree = fileHeader_.headerSize();
    std::uint32_t schemaCount = 0;
    std::vector<std::uint8_t> bytes;
    for (std::uint32_t k = 0; k < n; ++k) {
        const std::uint64_t offset = offsets[k];
        if (offset < nextFree) throw KxDbError::Damaged;
        std::uint8_t sizeBytes[4];
        loader.read(offset + kChunkSizeAt, sizeBytes, 4);
        const std::uint32_t size = kx::le32(sizeBytes);
        if (size < kChunkFrameSize || size > kMaxChunkSize) throw KxDbError::Damaged;
        bytes.resize(size);
        loader.read(offset, bytes.data(), size);
        nextFree = offset + size;
        const kx::ByteReader in(bytes);
        const auto tag = static_cast<KxChunkTag>(in.u16(kChunkTagAt));

        if (k == 0) {
            if (tag != KxChunkTag::Header) throw KxDbError::Damaged;
            auto header = KxHeaderChunk::load(in);
            const std::uint64_t records = std::uint64_t{header->liveCount()} + header->deletedCount();
            if (records > kMaxRecords) throw KxDbError::TooManyRecords;
            schemaCount = header->schemaCount();
            if (schemaCount < 1 || schemaCount + records != n) throw KxDbError::Damaged;
            header_ = header.get();
            directory_[0].chunk = std::move(header);
        } else if (k < schemaCount) {
            if (tag == KxChunkTag::Header || tag == KxChunkTag::Record) throw KxDbError::Damaged;
            directory_[k].chunk = kxLoadSchemaChunk(in);
        } else {
            if (tag != KxChunkTag::Record) throw KxDbError::Damaged;
            directory_[k].chunk = KxRecordChunk::load(in, header_->fields.size());
        }
        // A chunk is written back in its regular form, which can be larger than a loose one
        // (overlapping sections, texts without their terminator). One that would then pass
        // the limit could be saved only as a file that no longer opens.
        if (directory_[k].chunk->byteSize() > kMaxChunkSize) throw KxDbError::Damaged;
        report(k + 2, n + 1);
    }
}

void KxDatabase::bindItemLists(const std::vector<std::uint32_t>& offsets) {
    const std::size_t s = schemaChunkCount();
    for (std::size_t p = 0; p < header_->fields.size(); ++p) {
        KxFieldDef& field = header_->fields[p];
        const bool text = field.type == KxFieldType::Text;
        if ((!text && field.type != KxFieldType::MultipleChoice) || field.typeOption == 0) continue;
        std::size_t k = 0;
        while (k < s && offsets[k] != field.typeOption) ++k;
        if (k == s) throw KxDbError::Damaged;
        const KxChunkTag wanted = text ? KxChunkTag::TextList : KxChunkTag::ChoiceList;
        auto* list = dynamic_cast<KxItemListChunk*>(directory_[k].chunk.get());
        if (!list || list->tag() != wanted || list->fieldPosition() != p) throw KxDbError::Damaged;
        field.itemList = list;
    }
}

// References that code follows without further checks must point inside their lists.
void KxDatabase::checkReferences() const {
    const KxHeaderChunk& h = *header_;
    const std::size_t fields = h.fields.size();
    auto beyond = [](std::size_t index, std::size_t count) { return count > 0 && index >= count; };
    if (beyond(h.currentLayout(), h.layouts.size()) || beyond(h.currentListSet(), h.listSets.size()))
        throw KxDbError::Damaged;
    for (const auto& layout : h.layouts)
        for (const auto& item : layout.items)
            if (item.field != kNoField && item.field >= fields) throw KxDbError::Damaged;
    for (const auto& def : h.sortDefs)
        for (const auto& key : def.keys)
            if (key.field >= fields) throw KxDbError::Damaged;
    for (const auto& set : h.listSets) {
        if (beyond(set.sortDef, h.sortDefs.size())) throw KxDbError::Damaged;
        for (const auto& column : set.columns)
            if (column.field >= fields) throw KxDbError::Damaged;
    }
    for (std::size_t k = 1; k < schemaChunkCount(); ++k) {
        const auto* searches = dynamic_cast<const KxSearchChunk*>(directory_[k].chunk.get());
        if (!searches) continue;
        if (beyond(searches->current, searches->searches.size())) throw KxDbError::Damaged;
        for (const auto& search : searches->searches) {
            if (search.listOptionsSet != 255 && beyond(search.listOptionsSet, h.listSets.size()))
                throw KxDbError::Damaged;
            for (const auto& c : search.criteria)
                if (c.field < kCategoryField && c.field >= fields) throw KxDbError::Damaged;
        }
    }
}

// --- save ---

void KxDatabase::placeItemLists() {
    std::uint64_t at = KxFileHeader::kSize + KxFileHeader::kDirEntrySize * directory_.size();
    std::vector<std::uint32_t> listPositions(schemaChunkCount());
    for (std::size_t k = 0; k < directory_.size(); ++k) {
        // Never write what open would refuse; the previous file stays as it is.
        const std::uint32_t size = directory_[k].chunk->byteSize();
        if (size > kMaxChunkSize) throw KxDbError::TooLarge;
        if (k < listPositions.size()) listPositions[k] = static_cast<std::uint32_t>(at);
        at += size;
    }
    // Each list reference becomes the new position of its chunk.
    for (auto& field : header_->fields) {
        if (!field.itemList) continue;
        for (std::size_t k = 0; k < schemaChunkCount(); ++k)
            if (directory_[k].chunk.get() == field.itemList) field.typeOption = listPositions[k];
    }
}

// The file header, the directory and every chunk, written in blocks: the directory's
// positions follow from the chunks' sizes as it goes.
void KxDatabase::writeFile(PosixFile& file) {
    placeItemLists();
    const auto n = static_cast<std::uint32_t>(directory_.size());
    std::vector<std::uint8_t> buffer;
    buffer.reserve(kWriteBlock + kMaxChunkSize);
    kx::ByteWriter out(buffer);
    const auto flushFull = [&] {
        if (buffer.size() < kWriteBlock) return;
        file.writeAll(buffer.data(), buffer.size());
        buffer.clear();
    };
    KxFileHeader image = fileHeader_;
    image.prepareForWrite(n);
    out.bytes(image.image().data(), KxFileHeader::kSize);
    std::uint64_t at = KxFileHeader::kSize + KxFileHeader::kDirEntrySize * std::uint64_t{n};
    for (const KxDirEntry& e : directory_) {
        out.u32(static_cast<std::uint32_t>(at));
        out.u32(e.reserved);
        out.u16(e.category);
        out.u8(static_cast<std::uint8_t>(e.attributes & ~kAttrBusy));
        out.u8(e.reserved2);
        at += e.chunk->byteSize();
        flushFull();
    }
    report(1, n + 2);
    for (std::uint32_t k = 0; k < n; ++k) {
        directory_[k].chunk->write(out);
        flushFull();
        report(k + 2, n + 2);
    }
    file.writeAll(buffer.data(), buffer.size());
}

void KxDatabase::save(const std::optional<std::string>& newPath) {
    if (!header_) throw KxDbError::NoDatabase;
    const std::string target = newPath ? *newPath : path_;
    // The database's own file is replaced under the lock it holds; any other file (Save As
    // onto another one, a new database written over an old one) only when no one holds it.
    const bool ownFile = file_.isOpen() && (!newPath || kxSameFile(*newPath, path_));
    const bool replacesOther = !ownFile && fileExists(target);
    if (replacesOther && (isReadOnlyFile(target) || kxFileLockedByOther(target)))
        throw KxDbError::CannotReplace;
    if (!replacesOther && fileExists(target) && isReadOnlyFile(target))
        throw KxDbError::AccessDenied;

    const KxFileHeader previousHeader = fileHeader_;
    if (newPath) fileHeader_.setDatabaseName(baseNameOf(path_));
    try {
        const auto started = std::chrono::steady_clock::now();
        std::optional<KxFileReplacement> out;
        try {
            out.emplace(target, KxReplaceRules{true, false, true});
        } catch (KxDbError e) {
            // A database never written before cannot be made where it was asked for.
            if (!file_.isOpen() && e != KxDbError::CannotReplace) throw KxDbError::CannotCreate;
            throw;
        }
        writeFile(out->file());
        saveTiming_.writeMs = millisecondsSince(started);
        const auto syncStarted = std::chrono::steady_clock::now();
        out->commit(replacesOther ? KxDbError::CannotReplace : KxDbError::CannotOpenOther);
        saveTiming_.syncMs = millisecondsSince(syncStarted);
        file_.close(true); // the data is safe on disk; the old handle has nothing left to give
        file_ = out->takeFile();
        if (!(flags_ & kOpenDenyWriters)) file_.unlock();
        path_ = target;
        report(static_cast<std::uint32_t>(directory_.size()) + 2,
               static_cast<std::uint32_t>(directory_.size()) + 2);
    } catch (...) {
        fileHeader_ = previousHeader;
        try {
            throw;
        } catch (const std::bad_alloc&) {
            throw KxDbError::OutOfMemory;
        }
    }
}

// --- create ---

void KxDatabase::create(const std::string& path, std::string_view typeTag, std::uint16_t flags,
                        std::uint32_t userId) {
    close(true);
    try {
        file_ = PosixFile::createNew(path, flags);
    } catch (const KxDbError&) {
        resetState();
        throw;
    }
    initNew(path, typeTag, flags, userId);
}

void KxDatabase::createUnsaved(const std::string& path, std::string_view typeTag,
                               std::uint16_t flags, std::uint32_t userId) {
    close(true);
    initNew(path, typeTag, flags, userId);
}

void KxDatabase::initNew(const std::string& path, std::string_view typeTag, std::uint16_t flags,
                         std::uint32_t userId) {
    userId_ = userId;
    path_ = path;
    flags_ = flags;
    try {
        fileHeader_.reset();
        fileHeader_.setDatabaseName(baseNameOf(path));
        fileHeader_.setTypeTag(typeTag);
        for (std::size_t i = 0; i < KxFileHeader::kCategoryCount; ++i)
            fileHeader_.setCategoryId(i, static_cast<std::uint16_t>(128 + i));
        fileHeader_.setLastCategoryId(143);
        auto header = std::make_unique<KxHeaderChunk>();
        header_ = header.get();
        directory_.push_back(KxDirEntry{std::move(header)});
        header_->setSchemaCount(1);
        addChunk(std::make_unique<KxRemovalLog>());
        addChunk(std::make_unique<KxSearchChunk>());
    } catch (const KxDbError&) {
        close(true);
        throw;
    } catch (const std::bad_alloc&) {
        close(true);
        throw KxDbError::OutOfMemory;
    }
}

// --- the directory ---

KxChunk* KxDatabase::addChunk(std::unique_ptr<KxChunk> chunk) {
    if (chunk->tag() == KxChunkTag::Header) throw KxDbError::Damaged;
    const std::uint32_t s = header_->schemaCount();
    if (s > kMaxSchemaChunksBeforeAdd || directory_.size() >= kMaxDirEntries)
        throw KxDbError::LimitReached;
    KxChunk* raw = chunk.get();
    directory_.insert(directory_.begin() + s, KxDirEntry{std::move(chunk)});
    header_->setSchemaCount(s + 1);
    return raw;
}

void KxDatabase::removeChunk(KxChunk* chunk) {
    for (std::size_t k = 1; k < schemaChunkCount(); ++k) {
        if (directory_[k].chunk.get() != chunk) continue;
        directory_.erase(directory_.begin() + static_cast<std::ptrdiff_t>(k));
        header_->setSchemaCount(header_->schemaCount() - 1);
        return;
    }
}

const KxChunk* KxDatabase::peekChunk(KxChunkTag tag) const {
    for (std::size_t k = 1; k < schemaChunkCount(); ++k)
        if (directory_[k].chunk->tag() == tag) return directory_[k].chunk.get();
    return nullptr;
}

KxChunk* KxDatabase::findChunk(KxChunkTag tag) {
    for (std::size_t k = 1; k < schemaChunkCount(); ++k)
        if (directory_[k].chunk->tag() == tag) return directory_[k].chunk.get();
    if (tag == KxChunkTag::Searches) return addChunk(std::make_unique<KxSearchChunk>());
    if (tag == KxChunkTag::Properties) return addChunk(std::make_unique<KxPropertyChunk>());
    return nullptr;
}

KxDirEntry& KxDatabase::entryOf(const KxChunk* chunk) {
    for (auto& entry : directory_)
        if (entry.chunk.get() == chunk) return entry;
    throw KxDbError::Damaged;
}

KxRemovalLog& KxDatabase::removalLog() {
    if (auto* log = findChunk(KxChunkTag::RemovalLog)) return static_cast<KxRemovalLog&>(*log);
    return static_cast<KxRemovalLog&>(*addChunk(std::make_unique<KxRemovalLog>()));
}

KxSearchChunk& KxDatabase::searchChunk() {
    return static_cast<KxSearchChunk&>(*findChunk(KxChunkTag::Searches));
}

KxPropertyChunk& KxDatabase::propertyChunk() {
    return static_cast<KxPropertyChunk&>(*findChunk(KxChunkTag::Properties));
}

KxItemListChunk& KxDatabase::itemListOf(std::size_t field) {
    if (field >= header_->fields.size()) throw KxDbError::LimitReached;
    KxFieldDef& def = header_->fields[field];
    if (def.itemList) return *def.itemList;
    if (def.type != KxFieldType::Text && def.type != KxFieldType::MultipleChoice)
        throw KxDbError::LimitReached;
    const KxChunkTag tag =
        def.type == KxFieldType::Text ? KxChunkTag::TextList : KxChunkTag::ChoiceList;
    def.itemList = static_cast<KxItemListChunk*>(
        addChunk(std::make_unique<KxItemListChunk>(tag, static_cast<std::uint8_t>(field))));
    return *def.itemList;
}
