#include "app/widgets/KxSharedFonts.h"

#include "platform/Cp1252.h"
#include "views/widgets/KxQtText.h"

#include <QApplication>
#include <QFontDatabase>
#include <QScreen>

QFont kxFontFromSettings(const KxDefaultFont& stored, int dotsPerInch, const QFont& fallback,
                         bool faceInstalled) {
    QFont font = faceInstalled ? QFont(kxQt(stored.face)) : fallback;
    // The height is negative in the font mapper's convention: a character height.
    const int pixels = -stored.pixelHeight(dotsPerInch);
    if (pixels > 0) font.setPixelSize(pixels);
    font.setWeight(stored.bold ? QFont::Bold : QFont::Normal);
    font.setItalic(stored.italic);
    return font;
}

const QFont& KxSharedFonts::font(int slot) {
    if (slot != 1) slot = 0;
    std::optional<QFont>& cached = fonts_[static_cast<std::size_t>(slot)];
    if (!cached) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const int dpi = screen ? static_cast<int>(screen->logicalDotsPerInchY() + 0.5) : 96;
        const QString face = kxQt(stored_.face);
        const bool installed = QFontDatabase::families().contains(face, Qt::CaseInsensitive);
        cached = kxFontFromSettings(stored_, dpi, QFontDatabase::systemFont(QFontDatabase::GeneralFont),
                                    installed);
    }
    return *cached;
}
