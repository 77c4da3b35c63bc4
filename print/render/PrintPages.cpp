#include "print/render/PrintPages.h"

#include "base/KxClock.h"
#include "print/MarginText.h"
#include "print/PrintableHtml.h"
#include "print/UserPrintSetup.h"
#include "print/render/DocumentFlow.h"
#include "print/render/HtmlChunks.h"
#include "print/render/SimpleRows.h"
#include "print/render/TableRows.h"

#include "platform/Cp1252.h"

#include <QAbstractTextDocumentLayout>
#include <QDateTime>
#include <QFile>
#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>

#include <algorithm>

namespace {

// The body keeps at least this much of the page, whatever the margins say.
constexpr double kMinBodyInches = 1.0;
// The header and footer lines: a small plain font.
constexpr int kDecorationPointSize = 8;
// The size of the pieces a long report is laid out in: small enough that each is quick, large
// enough that the work repeated for each (the style sheet) does not count.
constexpr std::size_t kChunkBytes = 16 * 1024;

double inches(const std::string& text) {
    return kxMarginInches(text).value_or(*kxMarginInches(kxDefaultUserMargin));
}

QString qt(const std::string& utf8) { return QString::fromStdString(utf8); }

} // namespace

KxPaperChoice KxPaperChoice::localeDefault() {
    KxPaperChoice paper;
    if (QLocale::system().measurementSystem() != QLocale::ImperialUSSystem) paper.size = QPageSize::A4;
    return paper;
}

struct KxPrintPages::Frame {
    QRectF body;   // device pixels
    QRectF header; // the band above the body
    QRectF footer; // the band below it
    int pages = 0;
};

KxPrintPages::KxPrintPages(const std::string& html, const KxPageSetup& setup, const std::string& title,
                           const std::string& outputPath)
    : html_(kxWithCheckMarkGlyphs(html)), setup_(setup) {
    const QLocale locale;
    const QDateTime now = QDateTime::fromSecsSinceEpoch(kxSystemNow());
    values_.title = kxToUtf8(title);
    values_.url = QUrl::fromLocalFile(QFile::decodeName(QByteArray::fromStdString(outputPath)))
                      .toString()
                      .toStdString();
    values_.shortDate = locale.toString(now.date(), QLocale::ShortFormat).toStdString();
    values_.longDate = locale.toString(now.date(), QLocale::LongFormat).toStdString();
    values_.time = locale.toString(now.time(), QLocale::ShortFormat).toStdString();
    values_.time24 = now.time().toString(QStringLiteral("HH:mm")).toStdString();
}

KxPrintPages::~KxPrintPages() = default;

std::unique_ptr<KxPrintPages> KxPrintPages::fromFile(const std::string& outputPath, const KxPageSetup& setup,
                                                     const std::string& title) {
    QFile file(QFile::decodeName(QByteArray::fromStdString(outputPath)));
    if (!file.open(QIODevice::ReadOnly)) return nullptr;
    const QByteArray bytes = file.readAll();
    return std::make_unique<KxPrintPages>(bytes.toStdString(), setup, title, outputPath);
}

void KxPrintPages::preparePaper(QPagedPaintDevice& device, const KxPaperChoice& paper) {
    device.setPageLayout(QPageLayout(QPageSize(paper.size), paper.orientation, QMarginsF(0, 0, 0, 0)));
}

KxPageCodeValues KxPrintPages::codeValues(int page, int pageCount) const {
    KxPageCodeValues values = values_;
    values.page = page;
    values.pageCount = pageCount;
    return values;
}

KxPrintPages::Frame KxPrintPages::layOut(QPagedPaintDevice& device, const Progress& progress) {
    const double dpiX = device.logicalDpiX();
    const double dpiY = device.logicalDpiY();
    const QSizeF page(device.width(), device.height());
    double left = inches(setup_.marginLeft) * dpiX;
    double right = inches(setup_.marginRight) * dpiX;
    double top = inches(setup_.marginTop) * dpiY;
    double bottom = inches(setup_.marginBottom) * dpiY;
    // Margins that leave no room for the body give way in proportion.
    const auto fit = [](double& a, double& b, double room) {
        if (a + b <= room) return;
        const double scale = std::max(0.0, room) / (a + b);
        a *= scale;
        b *= scale;
    };
    fit(left, right, page.width() - kMinBodyInches * dpiX);
    fit(top, bottom, page.height() - kMinBodyInches * dpiY);

    // A header or footer that the margin cannot hold moves the body over.
    QFont font;
    font.setPointSize(kDecorationPointSize);
    const double line = QFontMetricsF(font, &device).height();
    if (!setup_.header.empty()) top = std::max(top, line * 1.5);
    if (!setup_.footer.empty()) bottom = std::max(bottom, line * 1.5);

    Frame frame;
    frame.body = QRectF(left, top, std::max(1.0, page.width() - left - right),
                        std::max(1.0, page.height() - top - bottom));
    frame.header = QRectF(left, (top - line) / 2, frame.body.width(), line);
    frame.footer = QRectF(left, page.height() - bottom + (bottom - line) / 2, frame.body.width(), line);

    pieces_.clear();
    rowPieces_ = 0;
    const KxHtmlChunks split = kxSplitHtml(html_, kChunkBytes);
    // The column widths of each table cut over pieces, from its widest cells, and what its
    // rows need to be laid out without a document.
    std::vector<std::vector<double>> columns;
    std::vector<std::shared_ptr<const KxTableFrame>> frames;
    for (const std::string& sizing : split.sizingTables) {
        const auto table = document(sizing);
        layOutDocument(*table, device, frame.body.width());
        columns.push_back(kxColumnWidths(*table));
        auto measured = rowLayout_ ? kxMeasureTableFrame(*table, columns.back()) : std::nullopt;
        frames.push_back(measured ? std::make_shared<const KxTableFrame>(std::move(*measured)) : nullptr);
    }
    std::vector<KxShapeCache> shapes(frames.size());
    KxDocumentFlow flow(frame.body.height());
    for (const KxHtmlChunk& chunk : split.chunks) {
        if (progress && progress(0, 1)) {
            frame.pages = -1;
            return frame;
        }
        const int index = static_cast<int>(pieces_.size());
        if (chunk.headSizing >= 0 && frames[static_cast<std::size_t>(chunk.headSizing)] && flow.inTable()) {
            const auto sizing = static_cast<std::size_t>(chunk.headSizing);
            if (const auto rows = kxSimpleTableRows(chunk.html)) {
                auto laid = KxTableRows::layOut(frames[sizing], *rows, device, index, shapes[sizing]);
                if (laid && flow.addRows(laid->rowBands(), laid->closingBand(), chunk.tableContinues)) {
                    pieces_.push_back({nullptr, std::move(laid)});
                    ++rowPieces_;
                    continue;
                }
            }
        }
        pieces_.push_back({document(chunk.html), nullptr});
        QTextDocument& piece = *pieces_.back().document;
        std::vector<QTextTable*> tables;
        for (auto it = piece.rootFrame()->begin(); !it.atEnd(); ++it)
            if (auto* table = qobject_cast<QTextTable*>(it.currentFrame())) tables.push_back(table);
        if (chunk.headSizing >= 0 && !tables.empty())
            kxFixColumnWidths(*tables.front(), columns[static_cast<std::size_t>(chunk.headSizing)]);
        if (chunk.tailSizing >= 0 && !tables.empty())
            kxFixColumnWidths(*tables.back(), columns[static_cast<std::size_t>(chunk.tailSizing)]);
        layOutDocument(piece, device, frame.body.width());
        flow.add(piece, index, chunk.continuesTable, chunk.tableContinues);
    }
    pages_ = kxPaginate(flow.atoms(), flow.tables(), frame.body.height());
    frame.pages = static_cast<int>(pages_.size());
    return frame;
}

std::unique_ptr<QTextDocument> KxPrintPages::document(const std::string& html) {
    auto document = std::make_unique<QTextDocument>();
    document->setDocumentMargin(0);
    // The text before the layout: a layout that exists while the text comes in follows every
    // step of it.
    document->setHtml(qt(html));
    return document;
}

void KxPrintPages::layOutDocument(QTextDocument& document, QPagedPaintDevice& device, double width) {
    document.documentLayout()->setPaintDevice(&device);
    document.setTextWidth(width);
    document.documentLayout()->documentSize();
}

int KxPrintPages::pageCount(QPagedPaintDevice& device) { return layOut(device).pages; }

void KxPrintPages::paintDecoration(QPainter& painter, const Frame& frame, int page, int count) const {
    QFont font;
    font.setPointSize(kDecorationPointSize);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const KxPageCodeValues values = codeValues(page, count);
    const auto draw = [&](const std::string& codes, const QRectF& band) {
        // The codes are database text; what they stand for is UTF-8 already.
        const KxPageLine line = kxExpandPageCodes(kxToUtf8(codes), values);
        painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, qt(line.left));
        painter.drawText(band, Qt::AlignHCenter | Qt::AlignVCenter, qt(line.centre));
        painter.drawText(band, Qt::AlignRight | Qt::AlignVCenter, qt(line.right));
    };
    draw(setup_.header, frame.header);
    draw(setup_.footer, frame.footer);
}

int KxPrintPages::paint(QPagedPaintDevice& device, const Progress& progress) {
    const Frame frame = layOut(device, progress);
    if (frame.pages < 0) return -1;
    QPainter painter(&device);
    if (!painter.isActive()) return -1;
    for (int page = 0; page < frame.pages; ++page) {
        if (progress && progress(page + 1, frame.pages)) {
            painter.end();
            return -1;
        }
        if (page > 0) device.newPage();
        paintDecoration(painter, frame, page + 1, frame.pages);
        for (const KxPlacedPiece& placed : pages_[static_cast<std::size_t>(page)]) {
            const KxFlowPiece& source = placed.source;
            painter.save();
            painter.translate(frame.body.left(), frame.body.top() + placed.y - source.top);
            QAbstractTextDocumentLayout::PaintContext context;
            context.clip = QRectF(0, source.top, frame.body.width(), source.height());
            context.palette.setColor(QPalette::Text, Qt::black);
            painter.setClipRect(context.clip);
            const Piece& piece = pieces_[static_cast<std::size_t>(source.document)];
            if (piece.rows) piece.rows->paint(painter, source.top, source.bottom);
            else piece.document->documentLayout()->draw(&painter, context);
            painter.restore();
        }
    }
    return frame.pages;
}
