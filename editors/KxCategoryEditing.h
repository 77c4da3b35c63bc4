#pragma once
// The rules of the category dialogs: new, rename (with merge) and delete of the named
// categories, with their messages. The dialogs ask for names; this decides what happens.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class KxDatabase;
class KxUi;

// The named categories of the database sorted by name ignoring case: (slot, name).
std::vector<std::pair<std::size_t, std::string>> kxSortedCategoryNames(const KxDatabase& db);

// The line that names a category and counts its records, beside the product's question
// (program text).
std::string kxCategoryRecordsLine(const std::string& name, std::size_t records);

class KxCategoryEditing {
public:
    static constexpr std::size_t kMaxNamed = 15;

    KxCategoryEditing(KxDatabase& db, KxUi& ui) : db_(db), ui_(ui) {}

    // The named categories sorted by name ignoring case: (slot, name).
    std::vector<std::pair<std::size_t, std::string>> list() const { return kxSortedCategoryNames(db_); }
    // New: refused at 15 named categories (before a name is asked for: check canAdd first).
    bool canAdd();
    // Adds a category in the lowest free slot; its slot, or none when refused.
    std::optional<std::size_t> add(const std::string& name);
    // Renames, or merges into an existing category after the merge question. The slot the
    // records are in afterwards, or none when refused or cancelled.
    std::optional<std::size_t> rename(std::size_t slot, const std::string& name);
    // Deletes the category: its live records go to the deleted records when asked (after
    // the second confirmation), the rest to Unfiled. False when cancelled.
    bool remove(std::size_t slot, bool deleteItems);

    // How many records the category holds (live records; deleted ones are not counted).
    std::size_t recordCount(std::size_t slot) const;

    bool categoriesChanged() const { return categoriesChanged_; }
    bool recordsDeleted() const { return recordsDeleted_; }

private:
    bool isReserved(const std::string& name) const;
    void showExists(const std::string& name);
    KxDatabase& db_;
    KxUi& ui_;
    bool categoriesChanged_ = false;
    bool recordsDeleted_ = false;
};
