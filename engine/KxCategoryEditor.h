#pragma once
// The sixteen categories of a database: slot 0 is "Unfiled", slots 1 to 15 carry the names
// the user gives them. Names are compared case-sensitively: "Home" and "home" are two
// categories.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class KxDatabase;

class KxCategoryEditor {
public:
    static constexpr std::size_t kSlots = 16;
    static constexpr std::size_t kMaxNameLength = 15;
    static constexpr std::uint8_t kNotFound = 255;

    explicit KxCategoryEditor(KxDatabase& db) : db_(db) {}

    // The stored name: "" for slot 0 and for free slots.
    std::string categoryName(std::size_t slot) const;
    // A name gives the slot a new id (unless it already has that name); 16 when another
    // slot has the name. No name (or an empty one) frees the slot and moves its records to
    // Unfiled, marking them changed.
    void setCategoryName(std::size_t slot, std::optional<std::string_view> name);
    // Empties the name without touching records.
    void clearCategorySlot(std::size_t slot);
    std::uint16_t categoryId(std::size_t slot) const;
    void setCategoryId(std::size_t slot, std::uint16_t id);
    // The first slot with that name, or 255; an empty name finds slot 0.
    std::uint8_t findCategory(std::string_view name) const;
    std::size_t namedCategoryCount() const;
    // Moves every record (live and deleted) of slot `from` to slot `to`; marking sets dirty
    // and the modification time. Drops the undo copy of a record it changes.
    void recategorise(std::size_t from, std::size_t to, bool markChanged);

private:
    void checkSlot(std::size_t slot) const;
    KxDatabase& db_;
};
