#include "print/KxReportSink.h"

namespace {
constexpr std::size_t kBufferSize = 1 << 16;
} // namespace

KxFileSink::KxFileSink(const std::string& path) {
    try {
        file_.emplace(path);
    } catch (KxDbError) {
        file_.reset();
    }
}

KxFileSink::~KxFileSink() = default;

void KxFileSink::write(std::string_view text) {
    size_ += text.size();
    if (!file_ || failure_ != KxDbError::None) return;
    buffer_.append(text);
    if (buffer_.size() >= kBufferSize) flush();
}

void KxFileSink::flush() {
    try {
        file_->file().writeAll(buffer_.data(), buffer_.size());
    } catch (KxDbError e) {
        failure_ = e;
    }
    buffer_.clear();
}

KxDbError KxFileSink::commit() {
    if (!file_) return KxDbError::CannotCreate;
    if (failure_ == KxDbError::None) flush();
    if (failure_ == KxDbError::None) {
        try {
            file_->commit();
        } catch (KxDbError e) {
            failure_ = e;
        }
    }
    file_.reset();
    return failure_;
}
