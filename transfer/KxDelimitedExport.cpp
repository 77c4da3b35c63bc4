#include "transfer/KxDelimitedExport.h"

#include "transfer/KxFieldSelection.h"

#include "engine/KxDbError.h"


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
    : selection_(selection), separator_(separator), encoding_(encoding) {
    try {
        file_.emplace(path);
    } catch (KxDbError) {
        throw KxDbError::CannotCreate; // a text file that cannot be made, whatever the cause
    }
    buffer_.reserve(kBufferSize + 1024);
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
    if (encoding_ == KxTextEncoding::Utf8)
        buffer_ += kxToUtf8(line_);
    else
        buffer_ += line_;
    if (buffer_.size() >= kBufferSize) flush();
}

void KxDelimitedExport::flush() {
    file_->file().writeAll(buffer_.data(), buffer_.size());
    buffer_.clear();
}

void KxDelimitedExport::finish() {
    if (!file_) return;
    flush();
    file_->commit(KxDbError::CannotCreate);
    file_.reset();
}

void KxDelimitedExport::discard() { file_.reset(); }
