#pragma once
// The rows of a long table read straight from a piece of the report (see HtmlChunks.h), for
// laying them out without a rich-text document. Only rows as the report generator writes them
// are read: cells of left-to-right text with entities, line breaks and bold, italic or
// underlined runs, at most aligned; anything else (another element, a cell's class or style,
// spans, a row's own attributes) leaves the piece to the rich-text document.

#include <QList>
#include <QString>
#include <QTextLayout>

#include <optional>
#include <string_view>
#include <vector>

struct KxSimpleCell {
    // Whitespace collapsed as HTML does; a line break is QChar::LineSeparator.
    QString text;
    QList<QTextLayout::FormatRange> formats;
    Qt::Alignment alignment = Qt::AlignLeft;
};
using KxSimpleRow = std::vector<KxSimpleCell>;

// The data rows of a piece holding nothing but the body rows of one table (its header rows
// and its end tags may stand around them); none when the piece holds anything else.
std::optional<std::vector<KxSimpleRow>> kxSimpleTableRows(std::string_view pieceHtml);
