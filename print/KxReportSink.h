#pragma once
// Where a report's UTF-8 output goes: a file for printing, a string for tests and samples.

#include <cstdint>
#include "engine/KxFileReplacement.h"

#include <optional>
#include <string>
#include <string_view>

class KxReportSink {
  public:
    virtual ~KxReportSink() = default;
    virtual void write(std::string_view text) = 0;
    // Bytes written so far.
    virtual std::uint64_t size() const = 0;
};

class KxStringSink final : public KxReportSink {
  public:
    void write(std::string_view text) override { text_.append(text); }
    std::uint64_t size() const override { return text_.size(); }
    const std::string& text() const { return text_; }

  private:
    std::string text_;
};

class KxFileSink final : public KxReportSink {
  public:
    // Starts the output beside any file at the path, which is replaced only by commit();
    // isOpen() tells whether that worked.
    explicit KxFileSink(const std::string& path);
    ~KxFileSink() override;
    KxFileSink(const KxFileSink&) = delete;
    KxFileSink& operator=(const KxFileSink&) = delete;

    bool isOpen() const { return file_.has_value(); }

    void write(std::string_view text) override;
    std::uint64_t size() const override { return size_; }

    // Puts the output in place of the file at the path. On failure (a full disk, say) the
    // previous file stays as it was and the error's code is given; KxDbError::None on success.
    KxDbError commit();

  private:
    void flush();

    std::optional<KxFileReplacement> file_;
    std::string buffer_;
    std::uint64_t size_ = 0;
    KxDbError failure_ = KxDbError::None;
};
