#pragma once
// The numbered texts of the handheld installation: kxString() finds them in every program
// that includes this header.

#include "engine/KxStrings.h"

// Handheld installation.
inline constexpr int kxStrHandheldInstallTitle = 7101;
inline constexpr int kxStrHandheldInstallAlert = 7102;
inline constexpr int kxStrHandheldInstallSyncNote = 7103;
inline constexpr int kxStrHandheldInstallPrompt = 7104;
inline constexpr int kxStrSyncBeforeSchemaChange = 7105;
inline constexpr int kxStrScheduleReinstall = 7106;

const KxStringTable& kxInstallStrings();
inline const bool kxInstallStringsRegistered = kxRegisterStrings(&kxInstallStrings);
