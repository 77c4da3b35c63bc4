#pragma once
// A long report cut into small HTML documents that are laid out one by one, so the work grows
// with the report's length and no more. Cuts fall only between the body's outermost elements
// and between the rows of an outermost table; a table cut between rows is closed at the end of
// one piece and opened again, with its header rows, at the start of the next. Each piece keeps
// the head (the style sheet) and the body tag of the whole.

#include <string>
#include <string_view>
#include <vector>

struct KxHtmlChunk {
    std::string html;
    // The piece's first outermost table goes on with the previous piece's last one.
    bool continuesTable = false;
    // The piece's last outermost table goes on in the next piece.
    bool tableContinues = false;
    // For a table cut between rows, the index in `KxHtmlChunks::sizingTables` of the rows that
    // decide its column widths, so every piece of it gets the same columns; -1 otherwise.
    // `headSizing` is for the piece's first outermost table, `tailSizing` for its last.
    int headSizing = -1;
    int tailSizing = -1;
};

struct KxHtmlChunks {
    std::vector<KxHtmlChunk> chunks;
    // For each table cut between rows: a document with that table's header and, per column,
    // the cells with the longest text and the longest word, which decide its column widths.
    std::vector<std::string> sizingTables;
};

// Cuts at the first cut point after every `budget` bytes of body text. A document without a
// point to cut at stays whole.
KxHtmlChunks kxSplitHtml(std::string_view html, std::size_t budget);
