#include "install/HandheldNameFetch.h"

#include <cstring>
#include <new>

std::optional<std::string> KxHandheldNameFetcher::fetch(std::int32_t index) {
    try {
        if (buffer_.empty()) buffer_.resize(kFirstBufferSize);
        std::uint16_t size = bufferSize();
        std::int32_t rc = source_.userName(index, buffer_.data(), &size);
        if (rc == KxHandheldUserSource::kBufferTooSmall) {
            // Only a larger buffer helps; a source that asks for less than it had is failing.
            if (size <= buffer_.size()) return std::nullopt;
            buffer_.assign(size, '\0');
            size = bufferSize();
            rc = source_.userName(index, buffer_.data(), &size);
        }
        if (rc < 0) return std::nullopt;
        // Never trust the terminator to be there.
        const void* end = std::memchr(buffer_.data(), '\0', buffer_.size());
        std::size_t length =
            end ? static_cast<std::size_t>(static_cast<const char*>(end) - buffer_.data())
                : buffer_.size();
        return std::string(buffer_.data(), length);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

std::vector<std::string> kxHandheldUserNames(const KxHandheldUserSource& source) {
    std::vector<std::string> names;
    std::int32_t count = source.userCount();
    KxHandheldNameFetcher fetcher(source);
    for (std::int32_t i = 0; i < count; ++i)
        if (auto name = fetcher.fetch(i)) names.push_back(std::move(*name));
    return names;
}

std::optional<std::string> kxFirstHandheldUser(const KxHandheldUserSource& source) {
    if (source.userCount() <= 0) return std::nullopt;
    KxHandheldNameFetcher fetcher(source);
    return fetcher.fetch(0);
}
