#include "app/KxRecentFileList.h"

#include "platform/Paths.h"

#include <algorithm>

namespace {
// Paths longer than this show as their file name alone, as the menu stays narrow.
constexpr std::size_t kMaxShownLength = 40;

std::string doubledAmpersands(std::string_view text) {
    std::string out;
    for (char c : text) {
        out.push_back(c);
        if (c == '&') out.push_back('&');
    }
    return out;
}
} // namespace

void KxRecentFileList::assign(const std::vector<std::string>& paths) {
    entries_.clear();
    for (const std::string& path : paths) {
        if (path.empty() || std::find(entries_.begin(), entries_.end(), path) != entries_.end()) continue;
        entries_.push_back(path);
        if (entries_.size() == kMaxEntries) break;
    }
}

void KxRecentFileList::add(const std::string& path) {
    if (path.empty()) return;
    entries_.erase(std::remove(entries_.begin(), entries_.end(), path), entries_.end());
    entries_.insert(entries_.begin(), path);
    if (entries_.size() > kMaxEntries) entries_.resize(kMaxEntries);
}

void KxRecentFileList::remove(std::size_t index) {
    if (index < entries_.size()) entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
}

std::string KxRecentFileList::menuText(std::size_t index) const {
    if (index >= entries_.size()) return {};
    const std::string& path = entries_[index];
    const std::string_view shown = path.size() > kMaxShownLength ? kxFileNameOf(path) : std::string_view(path);
    return "&" + std::to_string(index + 1) + " " + doubledAmpersands(shown);
}
