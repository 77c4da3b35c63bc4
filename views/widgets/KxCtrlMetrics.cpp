#include "views/widgets/KxCtrlMetrics.h"

#include <QApplication>
#include <QFontMetrics>
#include <QStyle>

namespace {

// The sunken edge of an edit box is two pixels on every style the program has run on;
// a style that draws a wider frame gets the room it asks for.
int edgeHeight() {
    return std::max(2, QApplication::style()->pixelMetric(QStyle::PM_DefaultFrameWidth));
}

} // namespace

int kxLineHeight() {
    static const int height = QFontMetrics(QApplication::font()).height() * 4 / 3;
    return height;
}

int kxStandardCtrlHeight() {
    static const int height = kxLineHeight() + 2 * edgeHeight() + 2;
    return height;
}
