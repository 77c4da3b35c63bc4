#include "print/render/PdfOutput.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>

#include <memory>

std::optional<QByteArray> kxRenderPdf(KxPrintPages& pages, const KxPaperChoice& paper,
                                      const KxPrintPages::Progress& progress) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("Rolva Desk"));
        // Fine enough for text, and a quarter of the default's work.
        writer.setResolution(600);
        KxPrintPages::preparePaper(writer, paper);
        if (pages.paint(writer, progress) < 0) return std::nullopt;
    }
    if (bytes.isEmpty()) return std::nullopt;
    return bytes;
}

void kxEnsureGuiApplication() {
    if (QGuiApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The application object lives until the process ends; its arguments as long.
    static int argc = 1;
    static char name[] = "rolva";
    static char* argv[] = {name, nullptr};
    static const std::unique_ptr<QGuiApplication> application = std::make_unique<QGuiApplication>(argc, argv);
}
