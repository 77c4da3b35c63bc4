#pragma once
// The settings file as a private-profile store: every call reads the file afresh, and every
// change rewrites it whole and safely (see AtomicFile.h), so other programs that read or
// edit the file between calls are seen. The rules for names and values are those of
// KxIniDocument. Failures are quiet: a missing or unreadable file reads as empty, and a
// refused or failed write returns false.

#include "platform/KxIniDocument.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class KxIniStore {
  public:
    // A settings file larger than this is not ours: it is neither read nor overwritten.
    static constexpr std::size_t kMaxFileSize = 16u << 20;

    explicit KxIniStore(std::string path) : path_(std::move(path)) {}

    const std::string& path() const { return path_; }
    bool fileExists() const;

    std::optional<std::string> read(std::string_view section, std::string_view key) const;

    // std::nullopt as the value deletes the key.
    bool write(std::string_view section, std::string_view key,
               std::optional<std::string_view> value);
    bool write(std::string_view, std::string_view, std::nullptr_t) = delete; // say std::nullopt

    bool removeKey(std::string_view section, std::string_view key) {
        return write(section, key, std::nullopt);
    }
    bool removeSection(std::string_view section);

    std::vector<std::string> sectionNames() const;
    std::vector<std::pair<std::string, std::string>> entries(std::string_view section) const;

    // The whole file at once, for callers that read many keys in a row. Empty when the
    // file is missing or unreadable.
    KxIniDocument load() const;

    // Applies several changes in one rewrite. The change returns false to abandon it;
    // nothing is written when the text did not change.
    bool update(const std::function<bool(KxIniDocument&)>& change);

  private:
    std::string path_;
};
