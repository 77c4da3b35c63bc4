#pragma once
// Asking a KxHandheldUserSource for names the way its callers always have: start with a
// 100-byte buffer; when the source answers that it is too small, take a buffer of the size
// it asks for and ask once more for the same user. The larger buffer stays in use for the
// users that follow.

#include "install/HandheldUsers.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class KxHandheldNameFetcher {
  public:
    static constexpr std::uint16_t kFirstBufferSize = 100;

    explicit KxHandheldNameFetcher(const KxHandheldUserSource& source) : source_(source) {}

    // The name of user index, or nothing when the source fails for that user or memory for
    // the buffer cannot be had.
    std::optional<std::string> fetch(std::int32_t index);

    std::uint16_t bufferSize() const { return static_cast<std::uint16_t>(buffer_.size()); }

  private:
    const KxHandheldUserSource& source_;
    std::vector<char> buffer_;
};

// Every user the source returns successfully, in index order.
std::vector<std::string> kxHandheldUserNames(const KxHandheldUserSource& source);

// The first user's name, or nothing when there are no users or it cannot be had.
std::optional<std::string> kxFirstHandheldUser(const KxHandheldUserSource& source);
