// Arbitrary bytes as a print template, filled from a few records in memory. The first byte
// picks the record limit and after how many records the progress hook cancels; the rest is
// the template. Checks that the output is UTF-8, that the run keeps the source's rules
// (a record is released before the next is taken and none is held after the run) and that
// a second run over the same report works as well.

#include "print/KxHtmlReport.h"

#include "platform/Cp1252.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

class MemorySource final : public KxReportSource {
  public:
    std::size_t entryCount() const override { return kLabels.size(); }
    std::string entryLabel(std::size_t entry) const override { return kLabels.at(entry); }
    KxReportEntryKind entryKind(std::size_t entry) const override { return kKinds.at(entry); }

    void initCursor(int, bool, int limit) override {
        position_ = 0;
        limit_ = limit;
    }
    bool firstRecord() override {
        position_ = 0;
        return seek();
    }
    bool nextRecord() override {
        if (limit_ >= 0 && limit_-- == 0) return false;
        ++position_;
        return seek();
    }
    void releaseRecord() override { current_.reset(); }
    std::string entryValue(std::size_t entry) const override {
        require(current_.has_value());
        return kRecords.at(*current_).at(entry);
    }
    Progress progress() const override { return {position_, kRecords.size()}; }

    bool holdsRecord() const { return current_.has_value(); }

  private:
    bool seek() {
        require(!current_.has_value());
        if (position_ >= kRecords.size()) return false;
        current_ = position_;
        return true;
    }

    inline static const std::vector<std::string> kLabels = {"Name", "Done", "Head", "Note <&>"};
    inline static const std::vector<KxReportEntryKind> kKinds = {
        KxReportEntryKind::Value, KxReportEntryKind::Checkbox, KxReportEntryKind::LabelOnly,
        KxReportEntryKind::Value};
    inline static const std::vector<std::vector<std::string>> kRecords = {
        {"Ann", "1", "", "a<b&c>[CB0]"},
        {"", "0", "", "caf\xE9 \x80"},
        {"Cy", "", "", ""},
    };

    std::size_t position_ = 0;
    int limit_ = -1;
    std::optional<std::size_t> current_;
};

class CheckingSink final : public KxReportSink {
  public:
    void write(std::string_view text) override {
        require(kxLooksLikeUtf8(text));
        size_ += text.size();
    }
    std::uint64_t size() const override { return size_; }

  private:
    std::uint64_t size_ = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Output grows with the template times the records and fields; keep runs short.
    if (size == 0 || size > 16384) return 0;
    const int limit = static_cast<int>(data[0] & 7) - 1;
    const unsigned cancelAfter = data[0] >> 3;
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);

    MemorySource source;
    KxHtmlReport report(source);
    unsigned records = 0;
    KxReportHooks hooks;
    hooks.progress = [&](std::uint64_t, std::uint64_t) {
        return cancelAfter != 0 && ++records == cancelAfter;
    };
    for (int run = 0; run < 2; ++run) {
        CheckingSink sink;
        const int result =
            report.generateFromText(hooks, text, sink, "Title & <b>", 0, false, limit);
        require(result == kxReportDone || result == kxReportNotPrintable);
        require(!source.holdsRecord());
    }
    return 0;
}
