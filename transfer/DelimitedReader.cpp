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

bool isWhiteSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r'); // blank, tab, LF, VT, FF, CR
}

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
        return KxDelimitedReader(std::move(bytes), separator);
    } catch (const std::bad_alloc&) {
        throw KxDbError::OutOfMemory;
    }
}

KxDelimitedReader KxDelimitedReader::fromMemory(std::string_view bytes, char separator) {
    return KxDelimitedReader(std::string(bytes), separator);
}

KxDelimitedReader::KxDelimitedReader(std::string bytes, char separator)
    : encoding_(kxDetectEncoding(bytes, true)), separator_(separator) {
    if (encoding_ == KxTextEncoding::Cp1252) {
        text_ = std::move(bytes);
        return;
    }
    std::string_view utf8 = kxStripUtf8Bom(bytes);
    if (utf8.size() == bytes.size() &&
        std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        text_ = std::move(bytes); // plain ASCII reads the same in both encodings
        return;
    }
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
    seek(0);
    columnCount_ = 0;
}

void KxDelimitedReader::seek(std::uint64_t position) {
    pos_ = static_cast<std::size_t>(std::min<std::uint64_t>(position, text_.size()));
    nextSpan_ = static_cast<std::size_t>(
        std::partition_point(replaced_.begin(), replaced_.end(), [&](const Span& s) { return s.end <= pos_; }) -
        replaced_.begin());
    rowStart_ = pos_;
    rowReplaced_ = rowNul_ = false;
}

// How many characters from the position on are plain text of a value already started: in
// an unquoted value anything but the separator and line ends, in a quoted one anything but
// its quote and a carriage return (which may start a CR LF pair).
std::size_t KxDelimitedReader::plainRun(bool quoted, char quote) const {
    const char* const begin = text_.data() + pos_;
    const char* const end = text_.data() + text_.size();
    const char* p = begin;
    if (quoted) {
        while (p != end && *p != quote && *p != '\r') ++p;
    } else {
        while (p != end && *p != separator_ && *p != '\n' && *p != '\r') ++p;
    }
    return static_cast<std::size_t>(p - begin);
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
    for (;;) {
        if (started) {
            // Plain text is taken a stretch at a time, up to the length that fails.
            const std::size_t run = plainRun(quoted, quote);
            const std::size_t room = kxMaxDelimitedValue - value.size();
            value.append(text_, pos_, std::min(run, room));
            pos_ += std::min(run, room);
            if (run >= room) return ValueEnd::TooLong;
        }
        const int c = get();
        if (c == kEnd) break;
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

    std::size_t first = 0;
    std::size_t last = value.size();
    while (first < last && isWhiteSpace(value[first])) ++first;
    while (last > first && isWhiteSpace(value[last - 1])) --last;
    value.erase(last);
    value.erase(0, first);
    return end;
}

bool KxDelimitedReader::replacedWithin(std::size_t begin, std::size_t end) {
    while (nextSpan_ < replaced_.size() && replaced_[nextSpan_].end <= begin)
        ++nextSpan_;
    return nextSpan_ < replaced_.size() && replaced_[nextSpan_].begin < end;
}

KxRowRead KxDelimitedReader::readRow(std::vector<std::string>& values) {
    rowReplaced_ = rowNul_ = false;
    rowStart_ = pos_;
    std::size_t count = 0;
    for (;;) {
        if (count == values.size()) values.emplace_back();
        const ValueEnd end = readValue(values[count]);
        if (end == ValueEnd::TooLong) {
            values.resize(count);
            return KxRowRead::ValueTooLong;
        }
        ++count;
        if (progress_ && progress_(pos_, text_.size())) {
            values.resize(count);
            return KxRowRead::Cancelled;
        }
        if (end == ValueEnd::Separator) continue;

        const bool blank = std::all_of(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(count),
                                       [](const std::string& v) { return v.empty(); });
        if (!blank) {
            values.resize(count);
            columnCount_ = std::max(columnCount_, count);
            rowReplaced_ = replacedWithin(rowStart_, pos_);
            rowNul_ = std::string_view(text_).substr(rowStart_, pos_ - rowStart_).find('\0') != std::string_view::npos;
            return KxRowRead::Row;
        }
        count = 0;
        if (end == ValueEnd::File) {
            values.clear();
            return KxRowRead::End;
        }
        rowStart_ = pos_;
    }
}
