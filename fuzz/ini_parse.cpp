// Settings files are edited by hand and by other programs: any bytes must read without
// harm, and whatever the store accepts to write must read back as written.

#include "platform/KxIniDocument.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    KxIniDocument doc = KxIniDocument::parse(bytes);

    // Every key listed reads back with the value listed for it.
    for (const std::string& section : doc.sectionNames()) {
        check(doc.hasSection(section));
        for (const auto& [key, value] : doc.entries(section))
            check(doc.value(section, key) == value);
    }

    // Writing out what was read is stable after one round.
    std::string once = doc.serialize();
    check(KxIniDocument::parse(once).serialize() == once);

    // Names and a value taken from the input: if accepted, they read back exactly.
    std::size_t third = bytes.size() / 3;
    std::string_view section = bytes.substr(0, third);
    std::string_view key = bytes.substr(third, third);
    std::string_view value = bytes.substr(2 * third);
    if (doc.setValue(section, key, value)) {
        KxIniDocument again = KxIniDocument::parse(doc.serialize());
        check(again.value(section, key) == std::string(value));
        check(again.removeKey(section, key));
        check(!again.value(section, key));
    }
    doc.removeSection(section);
    check(!doc.hasSection(section));
    return 0;
}
