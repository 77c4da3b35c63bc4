#include "print/ReportSink.h"

KxFileSink::KxFileSink(const std::string& path) : file_(std::fopen(path.c_str(), "wb")) {}

KxFileSink::~KxFileSink() {
    close();
}

void KxFileSink::write(std::string_view text) {
    if (!file_ || failed_) return;
    if (std::fwrite(text.data(), 1, text.size(), file_) != text.size()) failed_ = true;
    size_ += text.size();
}

bool KxFileSink::close() {
    if (file_) {
        if (std::fclose(file_) != 0) failed_ = true;
        file_ = nullptr;
    }
    return !failed_;
}
