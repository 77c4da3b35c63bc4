#pragma once
// Every setting the program keeps in its settings file, with its section, key and the value
// that stands in when the key is missing. Other sections of the file: "User:<name>" and
// "DB:<name>" hold the handheld installation schedule.

#include <cstdint>
#include <string_view>

struct KxTextSetting {
    std::string_view section, key, fallback;
};
struct KxIntSetting {
    std::string_view section, key;
    int fallback;
};
struct KxHexSetting {
    std::string_view section, key;
    std::uint32_t fallback;
};
// Empty means the directory of the settings file itself.
struct KxDirSetting {
    std::string_view section, key;
};

inline constexpr std::string_view kxSectionRolva = "Rolva";
inline constexpr std::string_view kxSectionDefaultFont = "DefaultFont";

// Written once, when the settings file does not yet exist.
inline constexpr KxTextSetting kxSettingVersion{kxSectionRolva, "Version", ""};
inline constexpr std::string_view kxSettingsVersionValue = "1.0";

// Outer size and position of the main window in pixels; −1 when maximized.
inline constexpr KxIntSetting kxSettingLastAppSizeW{kxSectionRolva, "LastAppSizeW", -1};
inline constexpr KxIntSetting kxSettingLastAppSizeH{kxSectionRolva, "LastAppSizeH", -1};
inline constexpr KxIntSetting kxSettingLastAppPosX{kxSectionRolva, "LastAppPosX", -1};
inline constexpr KxIntSetting kxSettingLastAppPosY{kxSectionRolva, "LastAppPosY", -1};

// Any non-zero value means on.
inline constexpr KxIntSetting kxSettingShowToolTips{kxSectionRolva, "ShowToolTips", -1};
// Written as 0 or 1; kept for the sync software, shown as on while missing.
inline constexpr KxIntSetting kxSettingAllowCopyHHtoPC{kxSectionRolva, "AllowCopyHHtoPC", -1};

// The database reopened at start-up.
inline constexpr KxTextSetting kxSettingLastFile{kxSectionRolva, "LastFile", ""};

inline constexpr KxDirSetting kxSettingLastOpenDir{kxSectionRolva, "LastOpenDir"};
inline constexpr KxDirSetting kxSettingLastNewDir{kxSectionRolva, "LastNewDir"};
inline constexpr KxDirSetting kxSettingLastImportDir{kxSectionRolva, "LastImportDir"};
inline constexpr KxDirSetting kxSettingLastExportDir{kxSectionRolva, "LastExportDir"};

// 0 means not yet made (see DesktopUserId.h).
inline constexpr KxHexSetting kxSettingUserId{kxSectionRolva, "UserId", 0};

// The font of the views; only read.
inline constexpr KxTextSetting kxSettingFontFace{kxSectionDefaultFont, "Font", "MS Sans Serif"};
inline constexpr KxIntSetting kxSettingFontSize{kxSectionDefaultFont, "Size", 8};
inline constexpr KxIntSetting kxSettingFontItalic{kxSectionDefaultFont, "Italic", 0};
inline constexpr KxIntSetting kxSettingFontBold{kxSectionDefaultFont, "Bold", 0};
