#include "transfer/DelimitedReader.h"

#include "KxDbError.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kEnd = -1;
constexpr std::string_view kWhiteSpace = " \t\n\v\f\r";

bool isQuote(char c) {
    return c == '"' || c == '\'';
}

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

// The whole file, read in large blocks. A FIFO or a device could block or never end, so
// only regular files are accepted.
std::string readWholeFile(const std::string& path) {
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat info {};
    if (file.get() < 0 || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode))
        throw KxDbError::AccessDenied;

    // Room for the whole file at once; a file that grows while it is read gets more.
    constexpr std::size_t kBlock = 1 << 20;
    std::string bytes;
    try {
        bytes.resize(static_cast<std::size_t>(info.st_size) + kBlock);
        std::size_t used = 0;
        for (;;) {
            if (used == bytes.size()) bytes.resize(used + kBlock);
            const std::size_t want = std::min(kBlock, bytes.size() - used);
            const ssize_t got = ::read(file.get(), bytes.data() + used, want);
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) throw KxDbError::CannotOpenOther;
            if (got == 0) break;
            used += static_cast<std::size_t>(got);
        }
        bytes.resize(used);
    } catch (const std::bad_alloc&) {
        throw KxDbError::OutOfMemory;
    }
    return bytes;
}

// The length of the line that starts the text, its line end included. A CR LF pair is one
// line end; so is a CR or an LF alone. Rows always begin and end on these boundaries.
std::size_t lineLength(std::string_view text) {
    std::size_t end = text.find_first_of("\r\n");
    if (end == std::string_view::npos) return text.size();
    if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
    return end + 1;
}

} // namespace

KxDelimitedReader KxDelimitedReader::fromFile(const std::string& path, char separator) {
    std::string bytes = readWholeFile(path);
    try {
        return KxDelimitedReader(bytes, separator);
    } catch (const std::bad_alloc&) {
        throw KxDbError::OutOfMemory;
    }
}

KxDelimitedReader KxDelimitedReader::fromMemory(std::string_view bytes, char separator) {
    return KxDelimitedReader(bytes, separator);
}

KxDelimitedReader::KxDelimitedReader(std::string_view bytes, char separator)
    : encoding_(kxDetectEncoding(bytes, true)), separator_(separator) {
    if (encoding_ == KxTextEncoding::Cp1252) {
        text_.assign(bytes);
        return;
    }
    std::string_view utf8 = kxStripUtf8Bom(bytes);
    bool lossy = false;
    text_ = kxFromUtf8(utf8, &lossy);
    if (!lossy) return;

    // Some characters became '?': convert again line by line to learn which lines they
    // were on, so that each row can tell whether it holds one.
    text_.clear();
    while (!utf8.empty()) {
        std::string_view line = utf8.substr(0, lineLength(utf8));
        utf8.remove_prefix(line.size());
        std::size_t begin = text_.size();
        text_ += kxFromUtf8(line, &lossy);
        if (lossy) replaced_.push_back({begin, text_.size()});
    }
}

void KxDelimitedReader::rewind() {
    pos_ = 0;
    nextSpan_ = 0;
    columnCount_ = 0;
    rowReplaced_ = false;
}

// The next character; a CR LF pair reads as one line feed, as a file opened as text does.
int KxDelimitedReader::get() {
    if (pos_ >= text_.size()) return kEnd;
    unsigned char c = static_cast<unsigned char>(text_[pos_++]);
    if (c == '\r' && pos_ < text_.size() && text_[pos_] == '\n') {
        ++pos_;
        return '\n';
    }
    return c;
}

KxDelimitedReader::ValueEnd KxDelimitedReader::readValue(std::string& value) {
    value.clear();
    while (pos_ < text_.size() && text_[pos_] == ' ')
        ++pos_;

    ValueEnd end = ValueEnd::File;
    bool started = false;
    bool quoted = false;
    char quote = 0;
    for (int c = get(); c != kEnd; c = get()) {
        const char ch = static_cast<char>(c);
        if (!started && isQuote(ch)) {
            started = quoted = true;
            quote = ch;
            continue;
        }
        started = true;
        if (quoted && ch == quote) {
            // A run of quotes: each pair stands for one quote, an odd one closes.
            std::size_t run = 1;
            while (pos_ < text_.size() && text_[pos_] == quote) {
                ++pos_;
                ++run;
            }
            value.append(run / 2, quote);
            if (value.size() >= kxMaxDelimitedValue) return ValueEnd::TooLong;
            if (run % 2 == 0) continue;
            quoted = false;
            const std::size_t mark = pos_;
            const int next = get();
            if (next == kEnd) break;
            if (static_cast<char>(next) == separator_) {
                end = ValueEnd::Separator;
                break;
            }
            pos_ = mark; // text after the closing quote is part of the value
            continue;
        }
        if (!quoted && ch == separator_) {
            end = ValueEnd::Separator;
            break;
        }
        if (!quoted && (ch == '\r' || ch == '\n')) {
            end = ValueEnd::Line;
            break;
        }
        value.push_back(ch);
        if (value.size() >= kxMaxDelimitedValue) return ValueEnd::TooLong;
    }

    // A value made only of the quote character it begins with loses that first quote.
    if (!quoted && !value.empty() && isQuote(value.front()) &&
        value.find_first_not_of(value.front()) == std::string::npos)
        value.erase(0, 1);

    const std::size_t first = value.find_first_not_of(kWhiteSpace);
    if (first == std::string::npos) {
        value.clear();
    } else {
        value.erase(value.find_last_not_of(kWhiteSpace) + 1);
        value.erase(0, first);
    }
    return end;
}

bool KxDelimitedReader::replacedWithin(std::size_t begin, std::size_t end) {
    while (nextSpan_ < replaced_.size() && replaced_[nextSpan_].end <= begin)
        ++nextSpan_;
    return nextSpan_ < replaced_.size() && replaced_[nextSpan_].begin < end;
}

KxRowRead KxDelimitedReader::readRow(std::vector<std::string>& values) {
    values.clear();
    rowReplaced_ = false;
    std::size_t rowBegin = pos_;
    std::string value;
    for (;;) {
        const ValueEnd end = readValue(value);
        if (end == ValueEnd::TooLong) return KxRowRead::ValueTooLong;
        values.push_back(value);
        if (progress_ && progress_(pos_, text_.size())) return KxRowRead::Cancelled;
        if (end == ValueEnd::Separator) continue;

        const bool blank = std::all_of(values.begin(), values.end(),
                                       [](const std::string& v) { return v.empty(); });
        if (!blank) {
            columnCount_ = std::max(columnCount_, values.size());
            rowReplaced_ = replacedWithin(rowBegin, pos_);
            return KxRowRead::Row;
        }
        values.clear();
        if (end == ValueEnd::File) return KxRowRead::End;
        rowBegin = pos_;
    }
}
