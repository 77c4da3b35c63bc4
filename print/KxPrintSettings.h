#pragma once
// The print settings each database keeps in its property map: the title, the print range,
// the fields-to-print list, the template and the page setup. Integers are stored as decimal
// text; a missing integer reads as 0.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class KxDatabase;
class KxPropertyChunk;

// The page setup: header, footer and the four margins, as the browser's page-setup values.
struct KxPageSetup {
    std::string header;
    std::string footer;
    std::string marginTop;
    std::string marginBottom;
    std::string marginLeft;
    std::string marginRight;

    bool operator==(const KxPageSetup&) const = default;
};

class KxPrintSettings {
public:
    static constexpr std::int16_t kTitle = 101;
    static constexpr std::int16_t kRange = 102;
    static constexpr std::int16_t kFieldList = 103;
    static constexpr std::int16_t kTemplate = 104;
    static constexpr std::int16_t kHeader = 201;
    static constexpr std::int16_t kFooter = 202;
    static constexpr std::int16_t kMarginTop = 203;
    static constexpr std::int16_t kMarginBottom = 204;
    static constexpr std::int16_t kMarginLeft = 205;
    static constexpr std::int16_t kMarginRight = 206;

    static constexpr std::string_view kDefaultFooter = "&D &b&bPage &p";

    // Reading does not change the database; writing creates the property map when missing.
    explicit KxPrintSettings(KxDatabase& db) : db_(db) {}

    std::string title() const;
    void setTitle(std::string_view title);
    // The stored range: 0 entire database, 1 current category or search results, 2 the same
    // while search results are shown, 3 selected records; 0 when missing.
    int range() const;
    void setRange(int range);
    // The template file name (database text); "Basic.htm" when missing.
    std::string templateName() const;
    void setTemplateName(std::string_view name);
    // The index of the fields-to-print list, none when not stored yet.
    std::optional<int> fieldList() const;
    void setFieldList(std::optional<int> index);

    // The stored page setup; an empty header and "&D &b&bPage &p" as the footer when
    // missing, and the user's own margins for margins not stored.
    KxPageSetup pageSetup(const KxPageSetup& userValues) const;
    void setPageSetup(const KxPageSetup& values);

private:
    const KxPropertyChunk* map() const;
    std::optional<std::string> text(std::int16_t key) const;

    KxDatabase& db_;
};
