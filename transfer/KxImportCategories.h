#pragma once
// Turns the category texts of an import into categories of the target database: an existing
// category of that name (letter case counts), else a new category in the first free slot,
// else Unfiled for the text "Unfiled", else nothing (the caller logs a warning).

#include <cstdint>
#include <string_view>

class KxDatabase;

class KxImportCategories {
public:
    enum class Outcome { KeepDefault, Mapped, Unmapped };
    struct Mapping {
        Outcome outcome = Outcome::KeepDefault;
        std::uint16_t category = 0; // for Mapped
    };

    explicit KxImportCategories(KxDatabase& db) : db_(db) {}
    Mapping map(std::string_view text);

private:
    KxDatabase& db_;
};
