#include "base/KxSettings.h"

#include "platform/Paths.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>

namespace {

std::string& processPath() {
    static std::string path;
    return path;
}

// An equals sign would end a key early in the file.
std::string cleanName(std::string_view name) {
    std::string out(name);
    std::replace(out.begin(), out.end(), '=', '_');
    return out;
}

std::string_view skipBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    return s;
}

int parseDecimal(std::string_view text) {
    text = skipBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        value = std::min<long long>(value * 10 + (c - '0'), 1LL << 40);
    }
    if (negative) value = -value;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::uint32_t parseHex(std::string_view text) {
    text = skipBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X') &&
        hexDigit(text[2]) >= 0)
        text.remove_prefix(2);
    std::uint64_t value = 0;
    for (char c : text) {
        int d = hexDigit(c);
        if (d < 0) break;
        value = std::min<std::uint64_t>(value * 16 + static_cast<unsigned>(d), 0xFFFFFFFFull);
    }
    auto result = static_cast<std::uint32_t>(value);
    return negative ? 0u - result : result;
}

// A missing or empty value stands for the fallback.
int intOr(const std::optional<std::string>& value, int fallback) {
    return value && !value->empty() ? parseDecimal(*value) : fallback;
}

} // namespace

int KxDefaultFont::pixelHeight(int dotsPerInch) const {
    return -static_cast<int>(std::lround(static_cast<double>(pointSize) * dotsPerInch / 72.0));
}

void KxSettings::setProcessFilePath(std::string path) {
    processPath() = std::move(path);
}

const std::string& KxSettings::processFilePath() {
    return processPath();
}

KxSettings::KxSettings() : store_(processPath()) {}

KxSettings::KxSettings(std::string path) : store_(std::move(path)) {}

bool KxSettings::initialiseIfMissing() {
    if (fileExists()) return false;
    write(kxSettingVersion, kxSettingsVersionValue);
    return true;
}

// Values come back whole: paths here may be longer than the 1023 characters a value once
// was cut to, and a cut path names another place.
std::string KxSettings::readText(std::string_view section, std::string_view key,
                                 std::string_view fallback) const {
    std::optional<std::string> value = store_.read(cleanName(section), cleanName(key));
    return value ? std::move(*value) : std::string(fallback);
}

bool KxSettings::writeText(std::string_view section, std::string_view key,
                           std::optional<std::string_view> value) {
    return store_.write(cleanName(section), cleanName(key), value);
}

int KxSettings::readInt(std::string_view section, std::string_view key, int fallback) const {
    return intOr(store_.read(cleanName(section), cleanName(key)), fallback);
}

bool KxSettings::writeInt(std::string_view section, std::string_view key, int value) {
    return writeText(section, key, std::to_string(value));
}

std::uint32_t KxSettings::readHex(std::string_view section, std::string_view key,
                                  std::uint32_t fallback) const {
    std::optional<std::string> value = store_.read(cleanName(section), cleanName(key));
    return value && !value->empty() ? parseHex(*value) : fallback;
}

bool KxSettings::writeHex(std::string_view section, std::string_view key, std::uint32_t value) {
    char buffer[16];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, 16);
    return writeText(section, key,
                     std::string_view(buffer, static_cast<std::size_t>(end - buffer)));
}

std::string KxSettings::readDirectory(std::string_view section, std::string_view key) const {
    std::string value = readText(section, key);
    return value.empty() ? kxDirectoryOf(path()) : value;
}

bool KxSettings::writeDirectory(std::string_view section, std::string_view key,
                                std::string_view directory) {
    return writeText(section, key, directory);
}

bool KxSettings::removeSection(std::string_view section) {
    return store_.removeSection(cleanName(section));
}

std::vector<std::string> KxSettings::sectionNames() const {
    return store_.sectionNames();
}

KxDefaultFont KxSettings::defaultFont() const {
    // One read of the file for the four keys.
    KxIniDocument doc = store_.load();
    auto text = [&](const KxTextSetting& s) {
        return doc.value(s.section, s.key).value_or(std::string(s.fallback));
    };
    auto number = [&](const KxIntSetting& s) {
        return intOr(doc.value(s.section, s.key), s.fallback);
    };
    KxDefaultFont font;
    std::string face = text(kxSettingFontFace);
    // The file is edited by hand: "Font = Arial" means "Arial".
    std::size_t first = face.find_first_not_of(" \t");
    font.face = first == std::string::npos
                    ? std::string()
                    : face.substr(first, face.find_last_not_of(" \t") - first + 1);
    font.pointSize = number(kxSettingFontSize);
    font.italic = number(kxSettingFontItalic) != 0;
    font.bold = number(kxSettingFontBold) != 0;
    return font;
}
