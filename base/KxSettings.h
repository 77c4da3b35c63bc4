#pragma once
// The settings accessor: typed reads and writes of the program's settings file. It holds
// nothing but the file's path, so it is made on the stack wherever a setting is needed.
//
// In every section and key name an equals sign becomes an underscore. Failures are silent:
// a missing file or key reads as the default, and a failed write only returns false.

#include "base/SettingsKeys.h"

#include "platform/KxIniStore.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The font the views use, as the settings give it.
struct KxDefaultFont {
    std::string face;
    int pointSize = 8;
    bool italic = false;
    bool bold = false;

    int weight() const { return bold ? 700 : 400; }
    // Character height in pixels for a screen of the given pixels per logical inch,
    // negative as the font mapper expects it: −(points × dpi ÷ 72), rounded.
    int pixelHeight(int dotsPerInch) const;
};

class KxSettings {
  public:
    // The settings file's path is fixed once at start-up for the whole process.
    static void setProcessFilePath(std::string path);
    static const std::string& processFilePath();

    KxSettings(); // on the process's settings file
    explicit KxSettings(std::string path);

    const std::string& path() const { return store_.path(); }
    bool fileExists() const { return store_.fileExists(); }

    // Writes "Version" "1.0" when the file does not exist yet; true on that first run.
    bool initialiseIfMissing();

    std::string readText(std::string_view section, std::string_view key,
                         std::string_view fallback = {}) const;
    // std::nullopt deletes the key.
    bool writeText(std::string_view section, std::string_view key,
                   std::optional<std::string_view> value);
    bool writeText(std::string_view, std::string_view, std::nullptr_t) = delete; // say std::nullopt

    // A missing or empty value gives the fallback; otherwise the leading decimal number
    // (0 when there is none), clamped to the range of int.
    int readInt(std::string_view section, std::string_view key, int fallback) const;
    bool writeInt(std::string_view section, std::string_view key, int value);

    // A missing or empty value gives the fallback; otherwise the leading base-16 number
    // (an optional "0x" allowed; 0 when there is none), clamped to 32 bits.
    std::uint32_t readHex(std::string_view section, std::string_view key,
                          std::uint32_t fallback) const;
    // Lower case, no prefix.
    bool writeHex(std::string_view section, std::string_view key, std::uint32_t value);

    // The stored directory, or the settings file's own directory (ending in '/') when empty.
    std::string readDirectory(std::string_view section, std::string_view key) const;
    bool writeDirectory(std::string_view section, std::string_view key, std::string_view directory);

    bool removeSection(std::string_view section);
    // All section names in file order.
    std::vector<std::string> sectionNames() const;

    std::string read(const KxTextSetting& s) const {
        return readText(s.section, s.key, s.fallback);
    }
    int read(const KxIntSetting& s) const { return readInt(s.section, s.key, s.fallback); }
    std::uint32_t read(const KxHexSetting& s) const {
        return readHex(s.section, s.key, s.fallback);
    }
    std::string read(const KxDirSetting& s) const { return readDirectory(s.section, s.key); }
    bool write(const KxTextSetting& s, std::string_view value) {
        return writeText(s.section, s.key, value);
    }
    bool write(const KxIntSetting& s, int value) { return writeInt(s.section, s.key, value); }
    bool write(const KxHexSetting& s, std::uint32_t value) {
        return writeHex(s.section, s.key, value);
    }
    bool write(const KxDirSetting& s, std::string_view value) {
        return writeDirectory(s.section, s.key, value);
    }

    // Section "DefaultFont".
    KxDefaultFont defaultFont() const;

  private:
    KxIniStore store_;
};
