#pragma once
// The recent-file list of the File menu: at most nine database paths, the latest first.
// Kept in the per-user store by the front end; this class only orders the entries.

#include <string>
#include <string_view>
#include <vector>

class KxRecentFileList {
  public:
    static constexpr std::size_t kMaxEntries = 9;

    const std::vector<std::string>& entries() const { return entries_; }
    // Replaces the list, keeping the first nine non-empty entries without repeats.
    void assign(const std::vector<std::string>& paths);
    // Moves the path to the top, adding it when it is new and dropping the oldest beyond nine.
    void add(const std::string& path);
    void remove(std::size_t index);

    // The menu text of entry index: "&<n> <name>", the name shortened to its file name when
    // the path is long, every ampersand doubled.
    std::string menuText(std::size_t index) const;

  private:
    std::vector<std::string> entries_;
};
