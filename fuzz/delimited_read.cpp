// Arbitrary bytes as a delimited source. The first byte picks the separator (low bit) and
// after how many values the progress hook cancels (the other bits, 0 for never); the rest
// is the text. Checks what every row must satisfy, and that rewinding reads the same rows.

#include "transfer/KxDelimitedReader.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

bool trimmed(const std::string& value) {
    constexpr std::string_view kWhiteSpace = " \t\n\v\f\r";
    return value.empty() || (kWhiteSpace.find(value.front()) == std::string_view::npos &&
                             kWhiteSpace.find(value.back()) == std::string_view::npos);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const char separator = (data[0] & 1) ? '\t' : ',';
    const unsigned cancelAfter = data[0] >> 1;
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);

    KxDelimitedReader reader = KxDelimitedReader::fromMemory(text, separator);
    unsigned values = 0;
    reader.setProgress([&](std::uint64_t position, std::uint64_t total) {
        require(position <= total);
        return cancelAfter != 0 && ++values == cancelAfter;
    });

    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> row;
    KxRowRead status;
    while ((status = reader.readRow(row)) == KxRowRead::Row) {
        require(!row.empty() && row.size() <= reader.columnCount());
        bool anyValue = false;
        for (const std::string& value : row) {
            require(value.size() < kxMaxDelimitedValue && trimmed(value));
            anyValue = anyValue || !value.empty();
        }
        require(anyValue);
        rows.push_back(row);
    }
    require(status != KxRowRead::Cancelled || cancelAfter != 0);
    require(reader.position() <= reader.size());

    reader.setProgress(nullptr);
    reader.rewind();
    for (const auto& expected : rows) {
        require(reader.readRow(row) == KxRowRead::Row);
        require(row == expected);
    }
    return 0;
}
