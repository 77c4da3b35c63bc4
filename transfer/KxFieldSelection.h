#pragma once
// The chosen fields of an import, export or print, in output order, with each entry's label,
// type and per-record formatted value.

#include <cstdint>
#include <string>
#include <vector>

class KxDatabase;
class KxRecordChunk;

class KxFieldSelection {
public:
    static constexpr std::uint8_t kSkipped = 255;      // an import column that is not imported
    static constexpr std::uint8_t kCategoryType = 254; // the type reported for the Category entry

    struct Options {
        bool includeLabelOnly = false;
        bool includeCategory = false;
        bool defaultNames = false; // an empty label becomes "Field %d"
        bool decimalMode = false;  // numbers with the field's decimal places (printing)
    };

    KxFieldSelection(const KxDatabase& db, Options options);

    // Entries: the fields in form order, then the Category entry when asked for.
    std::size_t entryCount() const { return entries_.size(); }
    const std::string& entryLabel(std::size_t entry) const { return labels_[entry]; }
    bool entryIsCategory(std::size_t entry) const;
    std::uint8_t entryField(std::size_t entry) const; // 255 for the Category entry

    // The order: entry indices in output order (initially every entry), 255 for a skipped
    // import column.
    const std::vector<std::uint8_t>& order() const { return order_; }
    void setOrder(std::vector<std::uint8_t> order) { order_ = std::move(order); }

    // By position in the order.
    std::size_t count() const { return order_.size(); }
    std::uint8_t fieldAt(std::size_t i) const;   // 255 for none or the Category entry
    bool isCategoryAt(std::size_t i) const;
    int typeAt(std::size_t i) const;             // the field type code, 254 for Category
    const std::string& labelAt(std::size_t i) const;
    // The value as import, export and printing write it (database text).
    std::string valueAt(std::size_t i, const KxRecordChunk& record, std::uint16_t category) const;

private:
    const KxDatabase& db_;
    Options options_;
    std::vector<std::uint8_t> entries_; // field positions, 255 for Category
    std::vector<std::string> labels_;
    std::vector<std::uint8_t> order_;
};
