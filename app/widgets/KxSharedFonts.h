#pragma once
// The shared fonts of the views: two slots, each made on first use from the "DefaultFont"
// settings and kept until the program ends. A face the desktop does not have (the default
// "MS Sans Serif" on most Linux systems) gives way to the desktop's own interface font at
// the stored size.

#include "base/KxSettings.h"

#include <QFont>

#include <array>
#include <optional>

// The font the settings describe: its pixel height computed for dotsPerInch, weight and
// italic as set; `fallback` supplies the face when the stored one is not installed.
QFont kxFontFromSettings(const KxDefaultFont& stored, int dotsPerInch, const QFont& fallback,
                         bool faceInstalled);

class KxSharedFonts {
  public:
    explicit KxSharedFonts(KxDefaultFont stored) : stored_(std::move(stored)) {}

    // Slot 0 or 1; any other index means 0.
    const QFont& font(int slot);

  private:
    KxDefaultFont stored_;
    std::array<std::optional<QFont>, 2> fonts_;
};
