#pragma once
// Where a report's UTF-8 output goes: a file for printing, a string for tests and samples.

#include <cstdint>
#include <cstdio>
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
    // Creates (or truncates) the file; isOpen() tells whether that worked.
    explicit KxFileSink(const std::string& path);
    ~KxFileSink() override;
    KxFileSink(const KxFileSink&) = delete;
    KxFileSink& operator=(const KxFileSink&) = delete;

    bool isOpen() const { return file_ != nullptr; }

    void write(std::string_view text) override;
    std::uint64_t size() const override { return size_; }

    // Flushes and closes the file; false when any write failed (a full disk, say).
    bool close();

  private:
    std::FILE* file_;
    std::uint64_t size_ = 0;
    bool failed_ = false;
};
