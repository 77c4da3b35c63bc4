#pragma once
// An INI text held in memory with the private-profile rules the settings file relies on:
//  - section and key names compare ignoring case and surrounding blanks;
//  - sections keep the order of the file; new sections go to the end, new keys after the
//    last key of their section;
//  - a value is everything after the first '=' of its line, byte for byte, so a value reads
//    back exactly as written (trailing blanks included);
//  - names and values are single lines: anything that would not read back as written
//    (line breaks, NUL, '=' in a key, a key that would look like a comment or a section
//    header) is refused, never written;
//  - lines the store does not understand (comments, blank lines, text before the first
//    section) are kept as they are.
// Odd input is read as well as it can be: a repeated section is merged into its first
// occurrence, the first of repeated keys wins, CR LF, lone CR and a UTF-8 byte order mark
// are accepted and kept.

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

class KxIniDocument {
  public:
    static KxIniDocument parse(std::string_view bytes);
    std::string serialize() const;

    std::optional<std::string> value(std::string_view section, std::string_view key) const;

    // False, with nothing changed, when the section, key or value cannot be stored.
    bool setValue(std::string_view section, std::string_view key, std::string_view value);

    // Both return whether anything was removed. Removing a key keeps its section.
    bool removeKey(std::string_view section, std::string_view key);
    bool removeSection(std::string_view section);

    bool hasSection(std::string_view section) const;
    std::vector<std::string> sectionNames() const;

    // Keys of a section in file order, each once, with the value that reads for it.
    std::vector<std::pair<std::string, std::string>> entries(std::string_view section) const;

    bool empty() const { return preamble_.empty() && sections_.empty(); }

  private:
    struct Line {
        std::string raw;       // the line as in the file, without its line break
        std::string foldedKey; // empty when the line is not a key
        std::size_t keyBegin = 0, keyLength = 0, valueBegin = 0;

        bool isEntry() const { return !foldedKey.empty(); }
        std::string_view key() const { return std::string_view(raw).substr(keyBegin, keyLength); }
        std::string_view value() const { return std::string_view(raw).substr(valueBegin); }
    };
    struct Section {
        std::string header; // raw header line
        std::string name;
        std::vector<Line> lines;
    };

    static Line makeLine(std::string raw);
    Section* find(std::string_view section);
    const Section* find(std::string_view section) const;
    void rebuildIndex();

    std::vector<std::string> preamble_;
    std::vector<Section> sections_;
    std::unordered_map<std::string, std::size_t> index_; // folded name -> position in sections_
    bool byteOrderMark_ = false;
    bool crlf_ = false;
};
