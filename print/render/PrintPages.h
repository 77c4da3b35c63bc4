#pragma once
// The pages of a printout: the generated HTML laid out by Qt's rich-text document inside the
// margins of the page setup, with the page header and footer drawn in the margins from the
// page-setup codes. The same pages go to the printer, the print preview and PDF. A long report
// is laid out in small pieces (see HtmlChunks.h) and put on pages by our own pagination (see
// PageFlow.h), so the time it takes grows with its length and no more. The pieces that hold
// nothing but plain body rows of a long table skip the rich-text document: their rows are
// read, laid out and painted directly (see SimpleRows.h and TableRows.h).

#include "print/HeaderFooterCodes.h"
#include "print/KxPrintSettings.h"
#include "print/render/PageFlow.h"

#include <QPageLayout>
#include <QPageSize>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QPagedPaintDevice;
class QPainter;
class QTextDocument;
class KxTableRows;

// The paper the user prints on (kept per user, not per database).
struct KxPaperChoice {
    QPageSize::PageSizeId size = QPageSize::Letter;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;

    // Letter where the locale measures in inches, else A4; portrait.
    static KxPaperChoice localeDefault();
};

class KxPrintPages {
  public:
    // `html` is the report's UTF-8 output; `setup` the page setup in force (database text);
    // `title` the report's title (&w) and `outputPath` the generated file (&u).
    KxPrintPages(const std::string& html, const KxPageSetup& setup, const std::string& title,
                 const std::string& outputPath);
    ~KxPrintPages();
    KxPrintPages(const KxPrintPages&) = delete;
    KxPrintPages& operator=(const KxPrintPages&) = delete;

    // Reads the generated file; none when it cannot be read.
    static std::unique_ptr<KxPrintPages> fromFile(const std::string& outputPath, const KxPageSetup& setup,
                                                  const std::string& title);

    // Puts the paper and no device margins on the device (the page setup's margins are ours).
    static void preparePaper(QPagedPaintDevice& device, const KxPaperChoice& paper);

    // Lays the document out for the device and paints every page, telling `progress` (page
    // from 1, count) before each, and (0, 1) now and then while laying out; a true answer
    // stops the printing. Returns the pages painted, or -1 when stopped.
    using Progress = std::function<bool(int page, int count)>;
    int paint(QPagedPaintDevice& device, const Progress& progress = {});

    // The page count on that device.
    int pageCount(QPagedPaintDevice& device);

    // Whether the body rows of long plain tables are laid out and painted without the
    // rich-text document (the default; they look the same, in a fraction of the time).
    void setRowLayout(bool enabled) { rowLayout_ = enabled; }
    // The pieces of the last layout that went that way.
    int rowLayoutPieces() const { return rowPieces_; }

    // The values of the codes on a page; the dates and times are those of the moment the
    // pages were made.
    KxPageCodeValues codeValues(int page, int pageCount) const;

  private:
    struct Frame;
    // Frame::pages is -1 when `progress` stopped it.
    Frame layOut(QPagedPaintDevice& device, const Progress& progress = {});
    void paintDecoration(QPainter& painter, const Frame& frame, int page, int count) const;

    static std::unique_ptr<QTextDocument> document(const std::string& html);
    static void layOutDocument(QTextDocument& document, QPagedPaintDevice& device, double width);

    std::string html_;
    KxPageSetup setup_;
    KxPageCodeValues values_;
    // A piece of the printout: a rich-text document or rows laid out without one.
    struct Piece {
        std::unique_ptr<QTextDocument> document;
        std::unique_ptr<KxTableRows> rows;
    };
    std::vector<Piece> pieces_;
    bool rowLayout_ = true;
    int rowPieces_ = 0;
    std::vector<KxFlowPage> pages_;
};
