#pragma once
// Finds records by identity in constant time while an import adds thousands of them (the
// engine's own lookup walks the whole record list).

#include "engine/KxChunk.h"

#include <cstdint>
#include <unordered_map>

class KxDatabase;
class KxRecordChunk;

class KxIdentityIndex {
public:
    struct Entry {
        const KxRecordChunk* record = nullptr;
        std::uint16_t category = 0;
        bool live = true;
    };

    // Every live and deleted record of the database.
    explicit KxIdentityIndex(const KxDatabase& db);

    // The record with that identity, live or deleted, or none.
    const Entry* find(const KxRecordIdentity& identity) const;
    void add(const KxRecordIdentity& identity, const Entry& entry);

private:
    struct Hash {
        std::size_t operator()(const KxRecordIdentity& id) const noexcept {
            const std::uint64_t key = (std::uint64_t{id.created} << 32) ^ (std::uint64_t{id.userId} << 16) ^ id.sequence;
            return std::hash<std::uint64_t>{}(key);
        }
    };
    std::unordered_map<KxRecordIdentity, Entry, Hash> entries_;
};
