#pragma once
// Text crossing between the database (Windows-1252 bytes) and the widgets (QString).

#include "platform/Cp1252.h"
#include "engine/KxStrings.h"

#include <QString>

#include <string>
#include <string_view>

inline QString kxQt(std::string_view cp1252) {
    return QString::fromStdString(kxToUtf8(cp1252));
}

// A numbered text (see KxStrings.h) for a widget.
inline QString kxQtString(int id) { return kxQt(kxString(id)); }

// A character Windows-1252 cannot hold becomes '?'.
inline std::string kx1252(const QString& text) {
    return kxFromUtf8(text.toStdString());
}
