#include "transfer/DelimitedExport.h"

#include "transfer/FieldSelection.h"

#include "KxDbError.h"

#include <cstdio>

namespace {
constexpr std::size_t kBufferSize = 1 << 16;
constexpr std::string_view kLineEnd = "\r\n";
} // namespace

void kxAppendQuoted(std::string& line, std::string_view value) {
    line += '"';
    for (std::size_t from = 0;;) {
        const std::size_t quote = value.find('"', from);
        if (quote == std::string_view::npos) {
            line.append(value.substr(from));
            break;
        }
        line.append(value.substr(from, quote + 1 - from));
        line += '"';
        from = quote + 1;
    }
    line += '"';
}

KxDelimitedExport::KxDelimitedExport(const std::string& path, const KxFieldSelection& selection,
                                     char separator, KxTextEncoding encoding)
    : path_(path), selection_(selection), separator_(separator), encoding_(encoding),
      file_(std::fopen(path.c_str(), "wb")) {
    if (!file_) throw KxDbError::CannotCreate;
    std::setvbuf(file_.get(), nullptr, _IOFBF, kBufferSize);
}

void KxDelimitedExport::writeHeader() {
    line_.clear();
    for (std::size_t i = 0; i < selection_.count(); ++i) {
        if (i > 0) line_ += separator_;
        kxAppendQuoted(line_, selection_.labelAt(i));
    }
    writeLine();
}

void KxDelimitedExport::writeRecord(const KxRecordChunk& record, std::uint16_t category) {
    line_.clear();
    for (std::size_t i = 0; i < selection_.count(); ++i) {
        if (i > 0) line_ += separator_;
        kxAppendQuoted(line_, selection_.valueAt(i, record, category));
    }
    writeLine();
}

void KxDelimitedExport::writeLine() {
    line_.append(kLineEnd);
    if (encoding_ == KxTextEncoding::Utf8) {
        const std::string text = kxToUtf8(line_);
        std::fwrite(text.data(), 1, text.size(), file_.get());
    } else {
        std::fwrite(line_.data(), 1, line_.size(), file_.get());
    }
}

void KxDelimitedExport::finish() {
    if (!file_) return;
    const bool failed = std::ferror(file_.get()) != 0;
    const bool closeFailed = std::fclose(file_.release()) != 0;
    if (failed || closeFailed) throw KxDbError::DiskFull;
}

void KxDelimitedExport::discard() {
    file_.reset();
    std::remove(path_.c_str());
}
