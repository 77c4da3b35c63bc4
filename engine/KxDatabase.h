#pragma once
// The engine's database object: the open file, the 380-byte file header, the chunk
// directory and every chunk, all held in memory from open (or create) to close.
//
// Directory order is fixed and everything relies on it: index 0 the header chunk, then the
// other schema chunks (s in all), then the live records in their stored order, then the
// deleted records. Record i lives at index s + i, deleted record j at s + live + j.

#include "engine/KxChunk.h"
#include "engine/KxFileHeader.h"
#include "engine/KxHeaderChunk.h"
#include "engine/PosixFile.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class KxRecordChunk;
class KxRecordHandle;
class KxItemListChunk;
class KxRemovalLog;
class KxSearchChunk;
class KxPropertyChunk;
class KxChunkLoader;

// How long the last save spent writing and how long flushing to disk.
struct KxSaveTiming {
    double writeMs = 0;
    double syncMs = 0;
};

// Attributes of a directory entry.
inline constexpr std::uint8_t kAttrFound = 0x10;     // matched the last search; set on new records
inline constexpr std::uint8_t kAttrBusy = 0x20;      // a handle holds the chunk (memory only)
inline constexpr std::uint8_t kAttrDirty = 0x40;     // created or changed
inline constexpr std::uint8_t kAttrReserved = 0x80;  // protected like busy

// Open flags.
inline constexpr std::uint16_t kOpenRead = 0x01;
inline constexpr std::uint16_t kOpenWrite = 0x02;
inline constexpr std::uint16_t kOpenDenyWriters = 0x08;
inline constexpr std::uint16_t kOpenTruncate = 0x20;
inline constexpr std::uint16_t kOpenDocument = 11;   // read-write, deny other writers
inline constexpr std::uint16_t kOpenReadShared = 1;  // read-only, shared

// Category filters of record operations.
inline constexpr std::uint16_t kAllCategories = 255;
inline constexpr std::uint16_t kFoundRecords = 0xFFFF;

using KxProgressFn = std::function<void(std::uint32_t done, std::uint32_t total)>;

struct KxDirEntry {
    std::unique_ptr<KxChunk> chunk;
    std::uint32_t reserved = 0;
    std::uint16_t category = 0;
    std::uint8_t attributes = 0;
    std::uint8_t reserved2 = 0;
};

class KxDatabase {
public:
    static constexpr std::size_t kMaxRecords = 16000;
    static constexpr std::size_t kMaxDirEntries = 16384;
    static constexpr std::uint32_t kMaxSchemaChunksBeforeAdd = 253;

    KxDatabase();
    ~KxDatabase();
    KxDatabase(const KxDatabase&) = delete;
    KxDatabase& operator=(const KxDatabase&) = delete;

    // --- the container ---
    void create(const std::string& path, std::string_view typeTag, std::uint16_t flags,
                std::uint32_t userId);
    // A new database that has no file yet: the first save writes it, replacing a file at the
    // path only once the new one is complete.
    void createUnsaved(const std::string& path, std::string_view typeTag, std::uint16_t flags,
                       std::uint32_t userId);
    void open(const std::string& path, std::uint16_t flags, std::uint32_t userId);
    // Writes the whole database; with a path, to that path, which becomes the database's file.
    // The new file is written beside the target and renamed over it only once complete, so
    // a failure leaves the previous file untouched and the database can be saved again.
    void save(const std::optional<std::string>& newPath = std::nullopt);
    void close(bool ignoreErrors);
    // Closes the file and gives up its lock, keeping every chunk in memory: for a program that
    // ends right after, whose memory the system takes back at once.
    void closeFileOnly() { file_.close(true); }
    bool isOpen(std::uint16_t* flags = nullptr) const;
    void setProgress(KxProgressFn progress) { progress_ = std::move(progress); }
    const KxProgressFn& progress() const { return progress_; }
    void reportProgress(std::uint32_t done, std::uint32_t total) const { report(done, total); }
    const std::string& fileName() const { return path_; }
    const KxSaveTiming& lastSaveTiming() const { return saveTiming_; }
    std::uint32_t userId() const { return userId_; }

    KxChunk* addChunk(std::unique_ptr<KxChunk> chunk);
    void removeChunk(KxChunk* chunk);
    // The removal log by tag; the saved searches and the property map are created when missing.
    KxChunk* findChunk(KxChunkTag tag);
    // The first schema chunk of a kind, or none; never creates one.
    const KxChunk* peekChunk(KxChunkTag tag) const;
    KxDirEntry& entryOf(const KxChunk* chunk);
    KxRemovalLog& removalLog();        // created on demand when a file lacks one
    KxSearchChunk& searchChunk();
    KxPropertyChunk& propertyChunk();

    KxFileHeader& fileHeader() { return fileHeader_; }
    const KxFileHeader& fileHeader() const { return fileHeader_; }
    KxHeaderChunk& header() { return *header_; }
    const KxHeaderChunk& header() const { return *header_; }
    std::size_t directorySize() const { return directory_.size(); }
    const KxDirEntry& directoryEntry(std::size_t index) const { return directory_[index]; }
    std::size_t schemaChunkCount() const { return header_ ? header_->schemaCount() : 0; }
    // The item list of a Text or Multiple Choice field, created empty when it has none.
    KxItemListChunk& itemListOf(std::size_t field);

    // --- records ---
    std::size_t liveCount() const { return header_ ? header_->liveCount() : 0; }
    std::size_t deletedCount() const { return header_ ? header_->deletedCount() : 0; }
    KxRecordHandle newRecord(std::size_t& position, bool keepLocked);
    // Room for that many more records in the directory, so that adding many grows it once.
    void reserveRecords(std::size_t more);
    KxRecordHandle cloneRecord(std::size_t liveIndex, bool keepLocked);
    KxRecordHandle record(std::size_t liveIndex, bool lock);
    KxRecordHandle deletedRecord(std::size_t deletedIndex, bool lock);
    std::optional<KxRecordHandle> findRecord(const KxRecordIdentity& id, bool lock);
    std::optional<KxRecordHandle> findDeletedRecord(const KxRecordIdentity& id, bool lock);
    KxRecordIdentity identityOf(std::size_t liveIndex) const;
    KxRecordIdentity identityOfDeleted(std::size_t deletedIndex) const;
    std::size_t deleteRecord(std::size_t liveIndex);
    std::size_t undeleteRecord(std::size_t deletedIndex);
    void removeRecord(std::size_t liveIndex);
    void disposeRecord(std::size_t deletedIndex);
    void moveRecord(std::size_t from, std::size_t to);
    void moveDeletedRecord(std::size_t from, std::size_t to);
    std::size_t countInCategory(std::uint16_t filter) const;
    bool stepInCategory(std::size_t& position, std::size_t steps, bool forward,
                        std::uint16_t filter) const;
    void deleteAllInCategory(std::uint16_t filter);

    // Direct, read-only access to a record for fast walks (sort, search, lists).
    const KxRecordChunk& liveChunk(std::size_t liveIndex) const;
    const KxRecordChunk& deletedChunk(std::size_t deletedIndex) const;
    std::uint8_t liveAttributes(std::size_t liveIndex) const;
    std::uint16_t liveCategory(std::size_t liveIndex) const;
    void setLiveAttributeBits(std::size_t liveIndex, std::uint8_t set, std::uint8_t clear);
    // Exchanges two records of the same list; O(1).
    void swapRecords(std::size_t a, std::size_t b, bool deletedList);
    // Puts one list of records into the order of the keys (see Sort.h).
    void sortRange(const std::vector<KxSortKey>& keys, bool deletedList);
    // Moves a live record to its place in the current sort order among the others (which are
    // in order) and returns its new live index; without sort keys it stays where it is.
    std::size_t placeRecord(std::size_t liveIndex);
    // The same among the deleted records, which have an order of their own; returns the
    // record's new deleted index.
    std::size_t placeDeletedRecord(std::size_t deletedIndex);
    // Moves the live records from `first` to the end, added in any order, to their places
    // among the records before them (which are in order), as placing them one by one would,
    // but in one pass: an import adds thousands.
    void placeRecords(std::size_t first);

private:
    friend class KxRecordHandle;
    friend class KxSchemaEditor;
    friend class KxItemListAccessor;
    friend class KxCategoryEditor;
    friend class KxSearchRunner;

    struct UndoCopy {
        std::unique_ptr<KxRecordChunk> chunk;
        std::uint16_t category = 0;
        bool modified = false;
    };

    void resetState();
    void initNew(const std::string& path, std::string_view typeTag, std::uint16_t flags,
                 std::uint32_t userId);
    void loadChunks(KxChunkLoader& loader, const std::vector<std::uint32_t>& offsets);
    void bindItemLists(const std::vector<std::uint32_t>& offsets);
    void checkReferences() const;
    // Checks every chunk's size and points the item-list references at their chunks'
    // places in the file about to be written.
    void placeItemLists();
    void writeFile(PosixFile& file);
    void report(std::uint32_t done, std::uint32_t total) const;

    std::size_t liveBase() const { return schemaChunkCount(); }
    std::size_t deletedBase() const { return schemaChunkCount() + liveCount(); }
    KxRecordChunk& recordAt(std::size_t dirIndex) const;
    KxRecordHandle makeHandle(std::size_t dirIndex, bool lock);
    void checkRecordLimit() const;
    void stampNewRecord(KxRecordChunk& record);
    std::optional<std::uint16_t> newestSequenceAt(std::uint32_t second) const;
    void moveEntry(std::size_t from, std::size_t to);
    std::size_t placeBySortKeys(std::size_t dirIndex, bool deletedList);
    void eraseRecordEntry(std::size_t dirIndex, bool deletedList, bool logRemoval);
    void takeUndoCopy(const KxRecordChunk& record, std::uint16_t category, bool modified);

    std::string path_;
    std::uint16_t flags_ = 0;
    std::uint32_t userId_ = 0;
    PosixFile file_;
    KxFileHeader fileHeader_;
    std::vector<KxDirEntry> directory_;
    KxHeaderChunk* header_ = nullptr;
    KxProgressFn progress_;

    std::uint32_t lastCreationSecond_ = 0;
    std::uint32_t sameSecondCount_ = 0;
    // The creation second last stamped and the newest sequence number seen in it.
    std::optional<std::pair<std::uint32_t, std::optional<std::uint16_t>>> newestStamp_;
    std::size_t busyRecords_ = 0;
    std::size_t busySchemaChunks_ = 0;
    std::optional<UndoCopy> undo_;
    KxSaveTiming saveTiming_;
};
