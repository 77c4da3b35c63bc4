#include "print/render/SimpleRows.h"

#include "print/render/HtmlTags.h"

#include <QTextCharFormat>

#include <array>
#include <cctype>
#include <utility>

namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

bool onlySpace(std::string_view text) {
    for (const char c : text)
        if (!isSpace(c) && c != '/') return false;
    return true;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

constexpr std::array<std::pair<std::string_view, char32_t>, 6> kNamedEntities{{
    {"amp", U'&'}, {"lt", U'<'}, {"gt", U'>'}, {"quot", U'"'}, {"apos", U'\''}, {"nbsp", U'\u00A0'}}};

// The character an entity's name (between '&' and ';') stands for; none when unknown.
std::optional<char32_t> entity(std::string_view name) {
    if (name.size() > 1 && name[0] == '#') {
        const bool hex = name[1] == 'x' || name[1] == 'X';
        const std::string_view digits = name.substr(hex ? 2 : 1);
        if (digits.empty() || digits.size() > 6) return std::nullopt;
        char32_t value = 0;
        for (const char c : digits) {
            if (!(hex ? std::isxdigit(static_cast<unsigned char>(c)) : std::isdigit(static_cast<unsigned char>(c))))
                return std::nullopt;
            value = value * (hex ? 16 : 10) +
                    static_cast<char32_t>(std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : kxLowerAscii(c) - 'a' + 10);
        }
        if (value == 0 || value > 0x10FFFF || (value >= 0xD800 && value < 0xE000)) return std::nullopt;
        return value;
    }
    for (const auto& [known, value] : kNamedEntities)
        if (known == name) return value;
    return std::nullopt;
}

// One cell's content, built up run by run.
class CellBuilder {
  public:
    void text(std::string_view utf8) {
        for (const char c : utf8) {
            if (isSpace(c)) {
                space_ = !empty();
                continue;
            }
            letter();
            pending_ += c;
        }
    }
    void character(char32_t c) {
        letter();
        appendUtf8(pending_, c);
    }
    void lineBreak() {
        space_ = false;
        pending_ += "\u2028";
        lineStart_ = true;
    }
    // Bold, italic or underline switched on (+1) or off (-1).
    void style(const std::string& name, int change) {
        flush();
        int& depth = name == "u" ? underline_ : (name == "i" || name == "em") ? italic_ : bold_;
        depth = std::max(0, depth + change);
    }
    KxSimpleCell finish(Qt::Alignment alignment) {
        space_ = false;
        flush();
        cell_.alignment = alignment;
        return std::move(cell_);
    }

  private:
    bool empty() const { return (cell_.text.isEmpty() && pending_.empty()) || lineStart_; }

    void letter() {
        if (space_ && !lineStart_) pending_ += ' ';
        space_ = false;
        lineStart_ = false;
    }

    void flush() {
        if (pending_.empty()) return;
        const int start = static_cast<int>(cell_.text.size());
        cell_.text += QString::fromUtf8(pending_.data(), static_cast<qsizetype>(pending_.size()));
        pending_.clear();
        if (bold_ == 0 && italic_ == 0 && underline_ == 0) return;
        QTextCharFormat format;
        if (bold_ > 0) format.setFontWeight(QFont::Bold);
        if (italic_ > 0) format.setFontItalic(true);
        if (underline_ > 0) format.setFontUnderline(true);
        cell_.formats.append({start, static_cast<int>(cell_.text.size()) - start, format});
    }

    KxSimpleCell cell_;
    std::string pending_;
    bool space_ = false;
    bool lineStart_ = true;
    int bold_ = 0;
    int italic_ = 0;
    int underline_ = 0;
};

class RowReader {
  public:
    explicit RowReader(std::string_view body) : body_(body) {}

    std::optional<std::vector<KxSimpleRow>> read() {
        auto tag = nextTag();
        if (!tag || tag->closing || tag->name != "table") return std::nullopt;
        tag = nextTag();
        if (tag && !tag->closing && tag->name == "thead") {
            const std::size_t end = kxFindNoCase(body_, "</thead", at_);
            if (end == std::string_view::npos) return std::nullopt;
            at_ = end;
            tag = nextTag();
            if (!tag || !tag->closing) return std::nullopt;
            tag = nextTag();
        }
        if (tag && !tag->closing && tag->name == "tbody" && onlySpace(attributes(*tag))) tag = nextTag();
        std::vector<KxSimpleRow> rows;
        while (tag && !tag->closing && tag->name == "tr" && onlySpace(attributes(*tag))) {
            auto row = readRow(tag);
            if (!row) return std::nullopt;
            rows.push_back(std::move(*row));
        }
        if (tag && tag->closing && tag->name == "tbody") tag = nextTag();
        if (!tag || !tag->closing || tag->name != "table") return std::nullopt;
        skipSpace();
        if (at_ != body_.size() || rows.empty()) return std::nullopt;
        return rows;
    }

  private:
    std::string_view attributes(const KxHtmlTag& tag) const {
        return body_.substr(tag.nameEnd, tag.end - 1 - tag.nameEnd);
    }

    void skipSpace() {
        while (at_ < body_.size() && isSpace(body_[at_])) ++at_;
    }

    // The next tag, with nothing but whitespace before it.
    std::optional<KxHtmlTag> nextTag() {
        skipSpace();
        if (at_ >= body_.size() || body_[at_] != '<') return std::nullopt;
        auto tag = kxReadHtmlTag(body_, at_);
        if (tag) at_ = tag->end;
        return tag;
    }

    // Reads the row whose <tr> was just read; `tag` becomes the tag after it.
    std::optional<KxSimpleRow> readRow(std::optional<KxHtmlTag>& tag) {
        KxSimpleRow row;
        tag = nextTag();
        while (tag && !tag->closing && tag->name == "td") {
            auto cell = readCell(*tag, tag);
            if (!cell) return std::nullopt;
            row.push_back(std::move(*cell));
        }
        if (tag && tag->closing && tag->name == "tr") tag = nextTag();
        if (row.empty()) return std::nullopt;
        return row;
    }

    // The cell's alignment from its attributes; none for any attribute but these.
    std::optional<Qt::Alignment> cellAlignment(std::string_view text) const {
        Qt::Alignment alignment = Qt::AlignLeft;
        std::size_t i = 0;
        while (i < text.size()) {
            while (i < text.size() && (isSpace(text[i]) || text[i] == '/')) ++i;
            if (i >= text.size()) break;
            std::string name;
            while (i < text.size() && std::isalpha(static_cast<unsigned char>(text[i]))) name += kxLowerAscii(text[i++]);
            if (name.empty() || i >= text.size() || text[i] != '=') return std::nullopt;
            ++i;
            std::string value;
            const char quote = i < text.size() && (text[i] == '"' || text[i] == '\'') ? text[i++] : 0;
            while (i < text.size() && (quote ? text[i] != quote : !isSpace(text[i]))) value += kxLowerAscii(text[i++]);
            if (quote) ++i;
            if (name == "valign") {
                if (value != "top") return std::nullopt;
            } else if (name == "align") {
                if (value == "center") alignment = Qt::AlignHCenter;
                else if (value == "right") alignment = Qt::AlignRight;
                else if (value != "left") return std::nullopt;
            } else if (name != "width") {
                return std::nullopt;
            }
        }
        return alignment;
    }

    // Reads the cell opened by `open`; `next` becomes the tag after it.
    std::optional<KxSimpleCell> readCell(const KxHtmlTag& open, std::optional<KxHtmlTag>& next) {
        const auto alignment = cellAlignment(attributes(open));
        if (!alignment) return std::nullopt;
        CellBuilder cell;
        while (at_ < body_.size()) {
            const std::size_t lt = body_.find_first_of("<&", at_);
            const std::size_t stop = lt == std::string_view::npos ? body_.size() : lt;
            cell.text(body_.substr(at_, stop - at_));
            at_ = stop;
            if (at_ >= body_.size()) return std::nullopt;
            if (body_[at_] == '&') {
                if (!readEntity(cell)) return std::nullopt;
                continue;
            }
            auto tag = kxReadHtmlTag(body_, at_);
            if (!tag) return std::nullopt;
            const bool plain = onlySpace(attributes(*tag));
            if (tag->name == "br" && !tag->closing) {
                cell.lineBreak();
            } else if (plain && (tag->name == "b" || tag->name == "strong" || tag->name == "i" || tag->name == "em" ||
                                 tag->name == "u")) {
                cell.style(tag->name, tag->closing ? -1 : 1);
            } else if (tag->name == "td" || tag->name == "tr" ||
                       (tag->closing && (tag->name == "table" || tag->name == "tbody"))) {
                if (tag->closing && tag->name == "td") at_ = tag->end;
                next = nextTag();
                KxSimpleCell done = cell.finish(*alignment);
                // Right-to-left text takes its direction and side from the document.
                if (done.text.isRightToLeft()) return std::nullopt;
                return done;
            } else {
                return std::nullopt;
            }
            at_ = tag->end;
        }
        return std::nullopt;
    }

    bool readEntity(CellBuilder& cell) {
        const std::size_t semicolon = body_.find(';', at_);
        std::size_t end = at_ + 1;
        while (end < body_.size() && (std::isalnum(static_cast<unsigned char>(body_[end])) || body_[end] == '#')) ++end;
        if (end == at_ + 1) {
            // A lone ampersand is itself.
            cell.character(U'&');
            ++at_;
            return true;
        }
        if (semicolon != end) return false;
        const auto value = entity(body_.substr(at_ + 1, end - at_ - 1));
        if (!value) return false;
        cell.character(*value);
        at_ = end + 1;
        return true;
    }

    std::string_view body_;
    std::size_t at_ = 0;
};

} // namespace

std::optional<std::vector<KxSimpleRow>> kxSimpleTableRows(std::string_view html) {
    const std::size_t bodyTag = kxFindNoCase(html, "<body", 0);
    if (bodyTag == std::string_view::npos) return std::nullopt;
    const auto open = kxReadHtmlTag(html, bodyTag);
    if (!open) return std::nullopt;
    // A report cut short at its size limit has no end tags.
    std::size_t close = html.size();
    for (std::size_t at = kxFindNoCase(html, "</body", open->end); at != std::string_view::npos;
         at = kxFindNoCase(html, "</body", at + 1))
        close = at;
    return RowReader(html.substr(open->end, close - open->end)).read();
}
