#include "install/KxInstallSchedule.h"

#include "platform/NoCase.h"

#include <algorithm>
#include <climits>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// The value of a pair: up to the closing quote or bracket, or up to the next blank.
std::string_view takeValue(std::string_view& text) {
    if (!text.empty() && (text.front() == '"' || text.front() == '[')) {
        const char close = text.front() == '"' ? '"' : ']';
        text.remove_prefix(1);
        const std::size_t end = text.find(close);
        std::string_view value = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        return value;
    }
    std::size_t end = 0;
    while (end < text.size() && !isBlank(text[end]))
        ++end;
    std::string_view value = text.substr(0, end);
    text.remove_prefix(end);
    return value;
}

std::optional<long> decimal(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        value = std::min<long long>(value * 10 + (c - '0'), LONG_MAX);
    }
    return static_cast<long>(negative ? -value : value);
}

} // namespace

std::string kxScheduleKey(std::string_view path) {
    const std::size_t slash = path.find_last_of('/');
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    if (dot != std::string_view::npos) name = name.substr(0, dot);
    return std::string(name);
}

std::optional<long> kxInstalledValue(std::string_view text) {
    while (!text.empty()) {
        if (isBlank(text.front())) {
            text.remove_prefix(1);
            continue;
        }
        std::size_t end = 0;
        while (end < text.size() && text[end] != '=' && !isBlank(text[end]))
            ++end;
        const std::string_view name = text.substr(0, end);
        text.remove_prefix(end);
        if (text.empty() || text.front() != '=') continue; // a name without a value
        text.remove_prefix(1);
        const std::string_view value = takeValue(text);
        if (kxEqualNoCase(name, "Installed")) return decimal(value);
    }
    return std::nullopt;
}

std::vector<std::string> kxSectionNamesWithin(const std::vector<std::string>& names,
                                              std::size_t bufferSize) {
    std::vector<std::string> seen;
    // Each name ends in a terminator, and the list in one more.
    std::size_t used = 1;
    for (const std::string& name : names) {
        used += name.size() + 1;
        if (used > bufferSize) break;
        seen.push_back(name);
    }
    return seen;
}

KxInstallSchedule::KxInstallSchedule(KxSettings settings, std::string path)
    : settings_(std::move(settings)), path_(std::move(path)), key_(kxScheduleKey(path_)) {}

std::vector<KxScheduledUser> KxInstallSchedule::users() const {
    std::vector<KxScheduledUser> found;
    if (key_.empty()) return found;
    for (const std::string& section : kxSectionNamesWithin(settings_.sectionNames(), kSectionNamesBuffer)) {
        if (!kxStartsWithNoCase(section, kUserPrefix)) continue;
        const std::string value = settings_.readText(section, key_);
        if (value.empty()) continue;
        found.push_back({section.substr(kUserPrefix.size()), kxInstalledValue(value) == 0L});
    }
    return found;
}

std::vector<std::string> KxInstallSchedule::usersWithDatabase(bool pendingOnly) const {
    std::vector<std::string> names;
    for (KxScheduledUser& user : users())
        if (user.pending || !pendingOnly) names.push_back(std::move(user.name));
    return names;
}

void KxInstallSchedule::schedule(const std::vector<std::string>& chosen) {
    std::vector<std::string> others = usersWithDatabase(false);
    for (const std::string& user : chosen) {
        mark(user, true);
        std::erase_if(others, [&](const std::string& other) { return kxEqualNoCase(other, user); });
    }
    for (const std::string& user : others)
        mark(user, false);
}

void KxInstallSchedule::mark(const std::string& user, bool pending) {
    const std::string section = std::string(kUserPrefix) + user;
    settings_.writeText(section, key_, std::nullopt);
    settings_.writeText(section, key_, pending ? kPendingValue : kNotPendingValue);
    settings_.writeText(std::string(kDatabasePrefix) + key_, kFileKey, path_);
}
