#pragma once
// The data behind the check list on which the user picks fields and drags them into order:
// the export and print field chooser, and the import wizard's list of fields that the
// source's columns go to. The widget shows the items and reports ticks and drags here.

#include <cstdint>
#include <string>
#include <vector>

class KxFieldSelection;

class KxFieldChooserModel {
public:
    static constexpr int kNoEntry = -1; // a "<no field>" filler of the import list

    struct Item {
        std::string label;
        int entry = kNoEntry; // the selection entry the item stands for
        bool checked = false;
    };

    // The field chooser: every entry in entry order (never in the chosen order), checked when
    // the selection's order names it, so reopening the chooser shows the schema's order again.
    static KxFieldChooserModel forChooser(const KxFieldSelection& selection);
    // The import list: every entry in order and checked, then unchecked "<no field>" fillers
    // until there is an item for every one of the source's columns.
    static KxFieldChooserModel forImport(const KxFieldSelection& selection, std::size_t columnCount);

    const std::vector<Item>& items() const { return items_; }
    std::size_t size() const { return items_.size(); }
    void setChecked(std::size_t item, bool checked);
    // Takes the item out and puts it back before `to` (to = size(): at the end), as a drag does.
    void move(std::size_t from, std::size_t to);
    // The import list's Reset: the first order again, everything checked.
    void reset();

    // The chooser's order: the checked items' entries in their displayed order.
    std::vector<std::uint8_t> checkedOrder() const;
    // The import order: one byte per item in displayed order, the entry when checked and 255
    // (not imported) otherwise.
    std::vector<std::uint8_t> importOrder() const;

private:
    std::vector<Item> items_;
    std::vector<Item> initial_;
};
