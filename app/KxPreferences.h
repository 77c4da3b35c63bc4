#pragma once
// The program's preferences: tool tips on or off, and whether the sync software
// may copy new databases from a handheld to this PC (the program only keeps that setting).

#include "base/KxSettings.h"

struct KxPreferences {
    bool showToolTips = true;
    bool allowCopyHandheldToPc = true;
};

// Any non-zero value means on; a missing key reads as on.
KxPreferences kxReadPreferences(const KxSettings& settings);
// Both written as 0 or 1.
void kxWritePreferences(KxSettings& settings, const KxPreferences& preferences);
