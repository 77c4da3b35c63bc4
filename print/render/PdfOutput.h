#pragma once
// The printout as a PDF document, for "Save as PDF" and the command-line tool.

#include "print/render/PrintPages.h"

#include <QByteArray>

#include <optional>

// The PDF bytes of the pages on that paper; none when nothing could be painted or the
// progress asked to stop.
std::optional<QByteArray> kxRenderPdf(KxPrintPages& pages, const KxPaperChoice& paper,
                                      const KxPrintPages::Progress& progress = {});

// Laying out text needs Qt's GUI application object; a program without one (the
// command-line tool) gets one here, on the offscreen platform unless another is asked for.
void kxEnsureGuiApplication();
