#pragma once
// The Edit Names dialog's rules: the named searches (search 0 is never listed) can be added,
// renamed and deleted; six names at most, 20 characters each, none empty or listed twice.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

class KxDatabase;
class KxUi;

class KxSearchNamesEditor {
public:
    static constexpr std::size_t kMaxNamedSearches = 6;
    static constexpr std::size_t kMaxNameLength = 20;

    KxSearchNamesEditor(KxDatabase& db, KxUi& ui) : db_(db), ui_(ui) {}

    // The listed names: searches 1 and up.
    std::vector<std::string> names() const;
    // Each asks and checks through the user interface; the result is the affected search's
    // index, or none when refused or cancelled.
    std::optional<std::size_t> addSearch();
    std::optional<std::size_t> renameSearch(std::optional<std::size_t> selected);
    // On Yes the search is deleted; the list options set it named (none when it had none) is
    // returned for the caller to delete once the list no longer shows it.
    struct Deleted {
        std::size_t search;
        std::optional<std::uint8_t> listOptionsSet;
    };
    std::optional<Deleted> deleteSearch(std::optional<std::size_t> selected);

private:
    std::optional<std::string> askName(const std::string& title, const std::string& initial,
                                       std::optional<std::size_t> renaming);
    KxDatabase& db_;
    KxUi& ui_;
};
