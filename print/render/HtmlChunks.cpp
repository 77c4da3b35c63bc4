#include "print/render/HtmlChunks.h"

#include "print/render/HtmlTags.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>

namespace {

template <std::size_t N>
bool isOneOf(const std::string& name, const std::array<std::string_view, N>& names) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// Elements without content, and those whose end tag may be left out: neither is kept on the
// stack of open elements.
constexpr std::array<std::string_view, 24> kUntracked{
    "br", "hr", "img", "meta", "input", "link", "col", "area", "base", "wbr", "param", "source",
    "embed", "basefont", "frame", "tr", "td", "th", "li", "dt", "dd", "option", "p", "colgroup"};
// Starts of blocks that end an open paragraph: a cut may fall before them.
constexpr std::array<std::string_view, 16> kBlocks{"table", "div", "p", "h1", "h2", "h3", "h4", "h5",
                                                   "h6", "hr", "ul", "ol", "dl", "blockquote", "pre", "center"};

// The widest cells of one column seen so far.
struct ColumnSizing {
    std::size_t longestText = 0;
    std::string_view textCell;
    std::size_t longestWord = 0;
    std::string_view wordCell;
};

struct CellText {
    std::size_t begin = 0; // the cell's tag
    std::size_t end = 0;
    std::size_t length = 0;
    std::size_t word = 0;
    std::size_t longestWord = 0;
    bool inSpace = false;

    void addChar(bool space) {
        if (space) {
            if (!inSpace) ++length;
            inSpace = true;
            word = 0;
            return;
        }
        inSpace = false;
        ++length;
        longestWord = std::max(longestWord, ++word);
    }
};

// The state of one outermost table while the body is read.
struct TableState {
    std::size_t begin = 0;
    std::string openTag;
    std::string head;     // its <thead> … </thead>
    std::string bodyTag;  // its open <tbody>, if any
    std::size_t headBegin = std::string_view::npos;
    std::vector<ColumnSizing> columns;
    std::vector<CellText> rowCells;
    std::optional<CellText> cell;
    bool rowSpans = false;
    std::vector<std::size_t> chunks; // the pieces holding its rows, when it was cut
};

class Splitter {
  public:
    Splitter(std::string_view html, std::size_t budget) : html_(html), budget_(budget) {
        const std::size_t bodyTag = kxFindNoCase(html, "<body", 0);
        const std::size_t bodyOpen = bodyTag == std::string_view::npos ? bodyTag : html.find('>', bodyTag);
        if (bodyOpen == std::string_view::npos) {
            out_.chunks.push_back({std::string(html), false, false, -1, -1});
            return;
        }
        body_ = bodyOpen + 1;
        std::size_t close = html.size();
        for (std::size_t at = kxFindNoCase(html, "</body", body_); at != std::string_view::npos;
             at = kxFindNoCase(html, "</body", at + 1))
            close = at;
        end_ = close;
        prefix_ = html.substr(0, body_);
        suffix_ = html.substr(end_);
        chunkBegin_ = body_;
        scan();
    }

    KxHtmlChunks result() { return std::move(out_); }

  private:
    void scan() {
        std::size_t i = body_;
        while (i < end_) {
            const char c = html_[i];
            if (c != '<') {
                textChar(c);
                ++i;
                continue;
            }
            if (html_.substr(i, 4) == "<!--") {
                const std::size_t close = html_.find("-->", i + 4);
                i = close == std::string_view::npos ? end_ : close + 3;
                continue;
            }
            const auto tag = kxReadHtmlTag(html_, i);
            if (!tag || tag->end > end_) {
                textChar(c);
                ++i;
                continue;
            }
            if (tag->closing) endTag(*tag);
            else startTag(*tag);
            i = tag->end;
            if (!tag->closing && (tag->name == "style" || tag->name == "script")) {
                const std::size_t close = kxFindNoCase(html_, "</" + tag->name, i);
                i = close == std::string_view::npos ? end_ : close;
            }
        }
        if (table_) {
            endRow(end_);
            endTable();
        }
        finishChunk(end_, "", false);
    }

    bool atRowLevel() const {
        return (open_.size() == 1 && open_[0] == "table") ||
               (open_.size() == 2 && open_[0] == "table" && open_[1] == "tbody");
    }

    // A character of a cell's text: an entity counts once, as does a UTF-8 sequence.
    void textChar(char c) {
        if (!table_ || !table_->cell) return;
        if (inEntity_) {
            if (std::isalnum(static_cast<unsigned char>(c)) || c == '#') return;
            inEntity_ = false;
            if (c == ';') return;
        }
        if (c == '&') inEntity_ = true;
        if ((static_cast<unsigned char>(c) & 0xC0) == 0x80) return;
        table_->cell->addChar(std::isspace(static_cast<unsigned char>(c)) != 0);
    }

    void startTag(const KxHtmlTag& tag) {
        const std::string_view text = html_.substr(tag.begin, tag.end - tag.begin);
        if (open_.empty() && isOneOf(tag.name, kBlocks)) maybeCut(tag.begin, false);
        if (table_ && atRowLevel()) {
            if (tag.name == "tr") {
                endRow(tag.begin);
                maybeCut(tag.begin, true);
            } else if (tag.name == "td" || tag.name == "th") {
                endCell(tag.begin);
                table_->cell = CellText{tag.begin};
                if (kxFindNoCase(text, "colspan", 0) != std::string_view::npos ||
                    kxFindNoCase(text, "rowspan", 0) != std::string_view::npos)
                    table_->rowSpans = true;
            }
        }
        if (open_.empty() && tag.name == "table") {
            table_ = TableState{};
            table_->begin = tag.begin;
            table_->openTag = std::string(text);
        }
        if (table_ && open_.size() == 1 && tag.name == "thead") table_->headBegin = tag.begin;
        if (table_ && open_.size() == 1 && tag.name == "tbody") table_->bodyTag = std::string(text);
        if (isOneOf(tag.name, kUntracked)) return;
        open_.push_back(tag.name);
    }

    void endTag(const KxHtmlTag& tag) {
        if (table_ && atRowLevel() && (tag.name == "tr" || tag.name == "table" || tag.name == "tbody"))
            endRow(tag.begin);
        const auto it = std::find(open_.rbegin(), open_.rend(), tag.name);
        if (it == open_.rend()) return;
        open_.erase(std::next(it).base(), open_.end());
        if (!table_) return;
        if (tag.name == "thead" && open_.size() == 1 && table_->headBegin != std::string_view::npos)
            table_->head = std::string(html_.substr(table_->headBegin, tag.end - table_->headBegin));
        if (tag.name == "tbody" && open_.size() == 1) table_->bodyTag.clear();
        if (open_.empty()) endTable();
    }

    void endCell(std::size_t at) {
        if (!table_->cell) return;
        table_->cell->end = at;
        table_->rowCells.push_back(*table_->cell);
        table_->cell.reset();
        inEntity_ = false;
    }

    // A row's cells become candidates for deciding the column widths; rows with cells
    // spanning columns or rows are left out.
    void endRow(std::size_t at) {
        endCell(at);
        if (!table_->rowSpans) {
            if (table_->columns.size() < table_->rowCells.size()) table_->columns.resize(table_->rowCells.size());
            for (std::size_t c = 0; c < table_->rowCells.size(); ++c) {
                const CellText& cell = table_->rowCells[c];
                const std::string_view source = html_.substr(cell.begin, cell.end - cell.begin);
                ColumnSizing& column = table_->columns[c];
                if (cell.length > column.longestText) {
                    column.longestText = cell.length;
                    column.textCell = source;
                }
                if (cell.longestWord > column.longestWord) {
                    column.longestWord = cell.longestWord;
                    column.wordCell = source;
                }
            }
        }
        table_->rowCells.clear();
        table_->rowSpans = false;
    }

    void endTable() {
        if (!table_->chunks.empty()) {
            table_->chunks.push_back(out_.chunks.size()); // the piece being built holds its end
            std::string sizing(prefix_);
            sizing += table_->openTag + table_->head;
            for (const bool byWord : {false, true}) {
                sizing += "<tr>";
                for (const ColumnSizing& column : table_->columns) {
                    const std::string_view cell = byWord ? column.wordCell : column.textCell;
                    sizing += cell.empty() ? std::string_view("<td></td>") : cell;
                }
                sizing += "</tr>";
            }
            sizing += "</table>";
            sizing += suffix_;
            sizingFor_.push_back({table_->chunks, static_cast<int>(out_.sizingTables.size())});
            out_.sizingTables.push_back(std::move(sizing));
        }
        table_.reset();
    }

    // A table is cut between rows only when it is long itself; short ones go whole.
    void maybeCut(std::size_t at, bool betweenRows) {
        if (at - chunkBegin_ < budget_) return;
        if (betweenRows && at - table_->begin < budget_) return;
        if (betweenRows) {
            if (table_->chunks.empty() || table_->chunks.back() != out_.chunks.size())
                table_->chunks.push_back(out_.chunks.size());
            const std::string closing = std::string(table_->bodyTag.empty() ? "" : "</tbody>") + "</table>";
            finishChunk(at, closing, true);
            reopen_ = table_->openTag + table_->head + table_->bodyTag;
        } else {
            finishChunk(at, "", false);
            reopen_.clear();
        }
        chunkBegin_ = at;
    }

    void finishChunk(std::size_t at, const std::string& closing, bool tableContinues) {
        KxHtmlChunk chunk;
        chunk.html.reserve(prefix_.size() + reopen_.size() + (at - chunkBegin_) + closing.size() + suffix_.size());
        chunk.html.append(prefix_).append(reopen_).append(html_.substr(chunkBegin_, at - chunkBegin_));
        chunk.html.append(closing).append(suffix_);
        chunk.continuesTable = continues_;
        chunk.tableContinues = tableContinues;
        continues_ = tableContinues;
        out_.chunks.push_back(std::move(chunk));
        if (at != end_) return;
        for (const auto& [chunks, index] : sizingFor_) {
            for (std::size_t k = 0; k < chunks.size(); ++k) {
                KxHtmlChunk& holder = out_.chunks[chunks[k]];
                if (k > 0) holder.headSizing = index;
                if (k + 1 < chunks.size()) holder.tailSizing = index;
            }
        }
    }

    std::string_view html_;
    std::size_t budget_;
    std::size_t body_ = 0;
    std::size_t end_ = 0;
    std::string_view prefix_;
    std::string_view suffix_;
    std::size_t chunkBegin_ = 0;
    std::string reopen_;
    bool continues_ = false;
    bool inEntity_ = false;
    std::vector<std::string> open_;
    std::optional<TableState> table_;
    std::vector<std::pair<std::vector<std::size_t>, int>> sizingFor_;
    KxHtmlChunks out_;
};

} // namespace

KxHtmlChunks kxSplitHtml(std::string_view html, std::size_t budget) { return Splitter(html, budget).result(); }
