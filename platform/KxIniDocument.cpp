#include "platform/KxIniDocument.h"

#include "platform/Cp1252.h"
#include "platform/NoCase.h"

#include <algorithm>
#include <unordered_set>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool isSingleLine(std::string_view s) {
    return s.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

std::string foldedName(std::string_view name) {
    return kxFoldCase(trimBlanks(name));
}

enum class Kind { Header, Entry, Other };

struct Classified {
    Kind kind = Kind::Other;
    std::string_view name;      // section name or key, trimmed
    std::size_t valueBegin = 0; // entries only
};

// How a line reads. A line starting with '[' is a section header when it holds no '=' or when
// only blanks follow its last ']'; otherwise "[draft]=Installed=0 " could never be a key.
Classified classify(std::string_view line) {
    std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos || line[first] == ';') return {};
    std::size_t equals = line.find('=');
    if (line[first] == '[') {
        std::size_t close = line.rfind(']');
        bool closed = close != std::string_view::npos && close > first;
        if (equals == std::string_view::npos ||
            (closed && trimBlanks(line.substr(close + 1)).empty())) {
            std::string_view inner =
                closed ? line.substr(first + 1, close - first - 1) : line.substr(first + 1);
            return {Kind::Header, trimBlanks(inner), 0};
        }
    }
    if (equals == std::string_view::npos) return {};
    std::string_view key = trimBlanks(line.substr(0, equals));
    if (key.empty()) return {};
    return {Kind::Entry, key, equals + 1};
}

// Whether "key=value" reads back as exactly that key and value.
bool entryReadsBack(std::string_view raw, std::string_view key, std::string_view value) {
    Classified c = classify(raw);
    return c.kind == Kind::Entry && c.name == key && raw.substr(c.valueBegin) == value;
}

} // namespace

KxIniDocument::Line KxIniDocument::makeLine(std::string raw) {
    Line line;
    line.raw = std::move(raw);
    Classified c = classify(line.raw);
    if (c.kind == Kind::Entry) {
        line.keyBegin = static_cast<std::size_t>(c.name.data() - line.raw.data());
        line.keyLength = c.name.size();
        line.valueBegin = c.valueBegin;
        line.foldedKey = kxFoldCase(c.name);
    }
    return line;
}

KxIniDocument KxIniDocument::parse(std::string_view bytes) {
    KxIniDocument doc;
    if (kxHasUtf8Bom(bytes)) {
        doc.byteOrderMark_ = true;
        bytes = kxStripUtf8Bom(bytes);
    }
    bool sawBreak = false;
    std::size_t current = 0;
    bool inSection = false;
    while (!bytes.empty()) {
        std::size_t end = bytes.find_first_of("\r\n");
        std::string_view raw = bytes.substr(0, end);
        std::size_t next = bytes.size();
        if (end != std::string_view::npos) {
            bool pair = bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n';
            if (!sawBreak) doc.crlf_ = pair;
            sawBreak = true;
            next = end + (pair ? 2 : 1);
        }
        bytes.remove_prefix(next);

        Classified c = classify(raw);
        if (c.kind == Kind::Header) {
            auto [it, added] = doc.index_.try_emplace(kxFoldCase(c.name), doc.sections_.size());
            if (added) doc.sections_.push_back({std::string(raw), std::string(c.name), {}});
            current = it->second;
            inSection = true;
        } else if (inSection) {
            doc.sections_[current].lines.push_back(makeLine(std::string(raw)));
        } else {
            doc.preamble_.emplace_back(raw);
        }
    }
    return doc;
}

std::string KxIniDocument::serialize() const {
    const std::string_view eol = crlf_ ? "\r\n" : "\n";
    std::string out;
    if (byteOrderMark_) out += kxUtf8Bom;
    for (const std::string& line : preamble_)
        (out += line) += eol;
    for (const Section& section : sections_) {
        (out += section.header) += eol;
        for (const Line& line : section.lines)
            (out += line.raw) += eol;
    }
    return out;
}

KxIniDocument::Section* KxIniDocument::find(std::string_view section) {
    auto it = index_.find(foldedName(section));
    return it == index_.end() ? nullptr : &sections_[it->second];
}

const KxIniDocument::Section* KxIniDocument::find(std::string_view section) const {
    auto it = index_.find(foldedName(section));
    return it == index_.end() ? nullptr : &sections_[it->second];
}

void KxIniDocument::rebuildIndex() {
    index_.clear();
    for (std::size_t i = 0; i < sections_.size(); ++i)
        index_.emplace(kxFoldCase(sections_[i].name), i);
}

std::optional<std::string> KxIniDocument::value(std::string_view section,
                                                std::string_view key) const {
    const Section* s = find(section);
    if (!s) return std::nullopt;
    std::string folded = foldedName(key);
    for (const Line& line : s->lines)
        if (line.isEntry() && line.foldedKey == folded) return std::string(line.value());
    return std::nullopt;
}

bool KxIniDocument::setValue(std::string_view section, std::string_view key,
                             std::string_view value) {
    section = trimBlanks(section);
    key = trimBlanks(key);
    if (key.empty() || !isSingleLine(section) || !isSingleLine(key) || !isSingleLine(value))
        return false;

    std::string folded = kxFoldCase(key);
    Section* s = find(section);
    if (s) {
        for (Line& line : s->lines) {
            if (!line.isEntry() || line.foldedKey != folded) continue;
            // Keep the key as the file spells it; only the value changes.
            std::string raw = std::string(line.key()) + '=' + std::string(value);
            if (!entryReadsBack(raw, line.key(), value)) return false;
            line = makeLine(std::move(raw));
            return true;
        }
    }

    std::string raw = std::string(key) + '=' + std::string(value);
    if (!entryReadsBack(raw, key, value)) return false;
    if (!s) {
        std::string header = '[' + std::string(section) + ']';
        Classified c = classify(header);
        if (c.kind != Kind::Header || c.name != section) return false;
        index_.emplace(kxFoldCase(section), sections_.size());
        sections_.push_back({std::move(header), std::string(section), {}});
        s = &sections_.back();
    }
    // After the section's last key, so comments and blank lines ahead of the next section
    // stay where they are.
    auto lastEntry =
        std::find_if(s->lines.rbegin(), s->lines.rend(), [](const Line& l) { return l.isEntry(); });
    s->lines.insert(lastEntry.base(), makeLine(std::move(raw)));
    return true;
}

bool KxIniDocument::removeKey(std::string_view section, std::string_view key) {
    Section* s = find(section);
    if (!s) return false;
    std::string folded = foldedName(key);
    auto removed = std::erase_if(
        s->lines, [&](const Line& l) { return l.isEntry() && l.foldedKey == folded; });
    return removed > 0;
}

bool KxIniDocument::removeSection(std::string_view section) {
    auto it = index_.find(foldedName(section));
    if (it == index_.end()) return false;
    sections_.erase(sections_.begin() + static_cast<std::ptrdiff_t>(it->second));
    rebuildIndex();
    return true;
}

bool KxIniDocument::hasSection(std::string_view section) const {
    return find(section) != nullptr;
}

std::vector<std::string> KxIniDocument::sectionNames() const {
    std::vector<std::string> names;
    names.reserve(sections_.size());
    for (const Section& s : sections_)
        names.push_back(s.name);
    return names;
}

std::vector<std::pair<std::string, std::string>>
KxIniDocument::entries(std::string_view section) const {
    std::vector<std::pair<std::string, std::string>> out;
    const Section* s = find(section);
    if (!s) return out;
    std::unordered_set<std::string_view> seen;
    for (const Line& line : s->lines)
        if (line.isEntry() && seen.insert(line.foldedKey).second)
            out.emplace_back(std::string(line.key()), std::string(line.value()));
    return out;
}
