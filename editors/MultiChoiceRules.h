#pragma once
// The Multiple Choice List Editor's working list and its limits: 4000 items, a list of at
// most 65280 bytes (14, plus 4 per item, plus the characters of every item), an item of at
// most 32768 characters.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

class KxUi;

class KxMultiChoiceEdit {
  public:
    static constexpr std::size_t kMaxItems = 4000;
    static constexpr std::size_t kMaxItemLength = 32768;

    explicit KxMultiChoiceEdit(std::vector<std::string> items) : items_(std::move(items)) {}

    const std::vector<std::string>& items() const { return items_; }
    bool modified() const { return modified_; }
    // The list's stored size.
    std::size_t listSize() const;
    // How many characters the item may hold: for a new item (none) or item `modifying`.
    long room(std::optional<std::size_t> modifying) const;

    // Add and Insert: refused at 4000 items.
    bool mayAddItem(KxUi& ui) const;
    // Before an item is typed: the room, with the messages for a full or nearly full list;
    // none when the list is full.
    std::optional<std::size_t> roomBeforeEditing(std::optional<std::size_t> modifying, KxUi& ui) const;
    bool confirmDelete(KxUi& ui) const;
    bool confirmCancel(KxUi& ui) const;

    void insert(std::size_t position, std::string text); // past the end appends
    void set(std::size_t position, std::string text);
    void remove(std::size_t position);
    void move(std::size_t from, std::size_t to);

  private:
    std::vector<std::string> items_;
    bool modified_ = false;
};
