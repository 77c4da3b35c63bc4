#include "transfer/KxDelimitedReader.h"

#include "engine/KxDbError.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <utility>
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

// A value's final form: one made only of the quote character it begins with loses that
// first quote, then blanks at both ends are dropped.
std::string_view finishedValue(std::string_view value, bool quoted) {
    if (!quoted && !value.empty() && isQuote(value.front()) &&
        value.find_first_not_of(value.front()) == std::string_view::npos)
        value.remove_prefix(1);
    while (!value.empty() && isWhiteSpace(value.front())) value.remove_prefix(1);
    while (!value.empty() && isWhiteSpace(value.back())) value.remove_suffix(1);
    return value;
}

// Whether finishedValue makes nothing of the value, found without trimming it.
bool finishesEmpty(std::string_view value) {
    if (!value.empty() && isQuote(value.front()) && value.find_first_not_of(value.front()) == std::string_view::npos)
        return value.size() == 1;
    return std::all_of(value.begin(), value.end(), isWhiteSpace);
}

// Whether any byte is above 127, eight at a time.
bool hasHighByte(std::string_view text) {
    std::size_t k = 0;
    for (; k + 8 <= text.size(); k += 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + k, 8);
        if (word & 0x8080808080808080ull) return true;
    }
    for (; k < text.size(); ++k)
        if (static_cast<unsigned char>(text[k]) >= 0x80) return true;
    return false;
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
    int release() { return std::exchange(fd_, -1); }

  private:
    int fd_;
};

// Opens a file to read; a FIFO or a device could block or never end, so only regular
// files are accepted. The size it has now goes to `size`.
int openRegularFile(const std::string& path, std::uint64_t& size) {
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat info {};
    if (file.get() < 0 || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode))
        throw KxDbError::AccessDenied;
    size = static_cast<std::uint64_t>(info.st_size);
    return file.release();
}

// Up to `count` bytes from the offset on; fewer only at the end of the file.
std::size_t readAt(int fd, char* into, std::size_t count, std::uint64_t offset) {
    std::size_t done = 0;
    while (done < count) {
        const ssize_t got = ::pread(fd, into + done, count - done, static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) throw KxDbError::CannotOpenOther;
        if (got == 0) break;
        done += static_cast<std::size_t>(got);
    }
    return done;
}

// The whole file, read in large blocks.
std::string readWholeFile(const std::string& path) {
    std::uint64_t size = 0;
    FileDescriptor file(openRegularFile(path, size));
    // Room for the whole file at once; a file that grows while it is read gets more.
    constexpr std::size_t kBlock = 1 << 20;
    std::string bytes;
    try {
        bytes.resize(static_cast<std::size_t>(size) + kBlock);
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

// What one pass over a file tells about its character set.
struct FileScan {
    KxTextEncoding encoding = KxTextEncoding::Utf8;
    bool bom = false;   // it starts with a UTF-8 byte order mark
    bool ascii = true;  // no byte after that mark is above 127
};

// Reads the file once in blocks, as kxDetectEncoding judges a whole file. A block is judged
// up to its last ASCII byte (no UTF-8 sequence spans one); the bytes after it are judged
// with the next block.
FileScan scanFile(int fd, std::uint64_t size) {
    constexpr std::size_t kBlock = 1 << 16;
    FileScan scan;
    std::string block;
    std::uint64_t offset = 0;
    bool valid = true;
    while (offset < size || !block.empty()) {
        const std::size_t kept = block.size();
        const auto want = static_cast<std::size_t>(std::min<std::uint64_t>(kBlock, size - offset));
        block.resize(kept + want);
        const std::size_t got = readAt(fd, block.data() + kept, want, offset);
        block.resize(kept + got);
        offset += got;
        const bool last = got < want || offset >= size;
        std::string_view text = block;
        if (offset == got) { // the first block
            scan.bom = kxHasUtf8Bom(text);
            if (scan.bom) text.remove_prefix(kxUtf8Bom.size());
        }
        std::size_t judged = text.size();
        if (!last) {
            while (judged > 0 && static_cast<unsigned char>(text[judged - 1]) >= 0x80) --judged;
        }
        const std::string_view part = text.substr(0, judged);
        if (scan.ascii && hasHighByte(part)) scan.ascii = false;
        if (valid && !scan.ascii && !kxLooksLikeUtf8(part)) valid = false;
        block.erase(0, static_cast<std::size_t>(part.data() + part.size() - block.data()));
        if (last) {
            if (!block.empty()) { // no ASCII byte after these: judged as the end of the text
                scan.ascii = false;
                if (valid && !kxLooksLikeUtf8(block)) valid = false;
            }
            break;
        }
    }
    scan.encoding = scan.bom || valid ? KxTextEncoding::Utf8 : KxTextEncoding::Cp1252;
    return scan;
}

} // namespace

// The open file a streamed text is read from, and where the text starts in it.
class KxDelimitedReader::FileWindow {
public:
    FileWindow(int fd, std::uint64_t textStart) : file_(fd), textStart_(textStart) {}
    std::size_t read(char* into, std::size_t count, std::uint64_t position) const {
        return readAt(file_.get(), into, count, textStart_ + position);
    }

private:
    FileDescriptor file_;
    std::uint64_t textStart_;
};

KxTextEncoding KxDelimitedReader::fileEncoding(const std::string& path) {
    std::uint64_t size = 0;
    FileDescriptor file(openRegularFile(path, size));
    return scanFile(file.get(), size).encoding;
}

KxDelimitedReader KxDelimitedReader::streamFile(const std::string& path, char separator) {
    std::uint64_t size = 0;
    FileDescriptor file(openRegularFile(path, size));
    const FileScan scan = scanFile(file.get(), size);
    if (scan.encoding == KxTextEncoding::Utf8 && !scan.ascii) return fromFile(path, separator);
    // The file's bytes (after a byte order mark) are the text.
    const std::uint64_t start = scan.bom ? kxUtf8Bom.size() : 0;
    auto window = std::make_shared<FileWindow>(file.release(), start);
    return KxDelimitedReader(std::move(window), size - start, scan.encoding, separator);
}

KxDelimitedReader::KxDelimitedReader(std::shared_ptr<FileWindow> file, std::uint64_t size,
                                     KxTextEncoding encoding, char separator)
    : encoding_(encoding), separator_(separator) {
    stops_[static_cast<unsigned char>(separator)] = stops_['\n'] = stops_['\r'] = true;
    size_ = static_cast<std::size_t>(size);
    file_ = std::move(file);
}

int KxDelimitedReader::fill(std::size_t position) {
    if (!file_) return kEnd;
    constexpr std::size_t kWindow = 1 << 16;
    // What is still to be read stays (a look ahead never goes back before the reading
    // position); a block after it is added.
    const std::size_t from = std::min(pos_, position);
    if (from < base_ || from > base_ + text_.size()) {
        text_.clear();
    } else {
        text_.erase(0, from - base_);
    }
    base_ = from;
    const std::size_t have = text_.size();
    const std::size_t want = std::min(kWindow, size_ - std::min(size_, base_ + have));
    text_.resize(have + want);
    const std::size_t got = file_->read(text_.data() + have, want, base_ + have);
    text_.resize(have + got);
    if (got < want) size_ = base_ + text_.size(); // the file became shorter: the text ends there
    return position - base_ < text_.size() ? static_cast<unsigned char>(text_[position - base_]) : kEnd;
}

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
    stops_[static_cast<unsigned char>(separator)] = stops_['\n'] = stops_['\r'] = true;
    text_ = textOf(std::move(bytes));
    size_ = text_.size();
}

// The loaded bytes as Windows-1252 text, with the stretches that held replaced characters.
std::string KxDelimitedReader::textOf(std::string bytes) {
    if (encoding_ == KxTextEncoding::Cp1252) return bytes;
    std::string_view utf8 = kxStripUtf8Bom(bytes);
    if (utf8.size() == bytes.size() && !hasHighByte(bytes))
        return bytes; // plain ASCII reads the same in both encodings
    bool lossy = false;
    std::string text = kxFromUtf8(utf8, &lossy);
    if (!lossy) return text;

    // Some characters became '?': convert again line by line to learn which lines they
    // were on, so that each row can tell whether it holds one.
    text.clear();
    while (!utf8.empty()) {
        std::string_view line = utf8.substr(0, lineLength(utf8));
        utf8.remove_prefix(line.size());
        std::size_t begin = text.size();
        text += kxFromUtf8(line, &lossy);
        if (lossy) replaced_.push_back({begin, text.size()});
    }
    return text;
}

void KxDelimitedReader::rewind() {
    seek(0);
    columnCount_ = 0;
}

void KxDelimitedReader::seek(std::uint64_t position) {
    pos_ = static_cast<std::size_t>(std::min<std::uint64_t>(position, size_));
    nextSpan_ = static_cast<std::size_t>(
        std::partition_point(replaced_.begin(), replaced_.end(), [&](const Span& s) { return s.end <= pos_; }) -
        replaced_.begin());
    rowStart_ = pos_;
    rowReplaced_ = rowNul_ = false;
}

// How many characters from the position on are plain text of a value already started: in
// an unquoted value anything but the separator and line ends, in a quoted one anything but
// its quote and a carriage return (which may start a CR LF pair).
std::size_t KxDelimitedReader::plainRun(bool quoted, char quote) {
    // Only what the window holds; the character after it is read one at a time.
    if (pos_ - base_ >= text_.size()) return 0;
    const char* const begin = text_.data() + (pos_ - base_);
    const char* const end = text_.data() + text_.size();
    const char* p = begin;
    if (quoted) {
        while (p != end && *p != quote && *p != '\r') ++p;
    } else {
        while (p != end && !endsUnquoted(*p)) ++p;
    }
    return static_cast<std::size_t>(p - begin);
}

// The next character; a CR LF pair reads as one line feed, as a file opened as text does.
int KxDelimitedReader::get() {
    const int c = peek(pos_);
    if (c == kEnd) return kEnd;
    ++pos_;
    if (c == '\r' && peek(pos_) == '\n') {
        ++pos_;
        return '\n';
    }
    return c;
}

// The common value, found in one step: it lies wholly in the text held and what ends it is
// there too, and a quoted one has no doubled quote and no carriage return. It reads the
// same as the character-by-character way below; none for any other value.
std::optional<KxDelimitedReader::WholeValue> KxDelimitedReader::findWholeValue() const {
    const std::size_t at = pos_ - base_;
    if (at >= text_.size()) return std::nullopt;
    const char* const begin = text_.data() + at;
    const char* const end = text_.data() + text_.size();
    const char* p = begin;
    std::string_view body;
    if (isQuote(*p)) {
        const char quote = *p++;
        while (p != end && *p != quote && *p != '\r') ++p;
        if (p == end || *p == '\r' || p + 1 == end || p[1] == quote) return std::nullopt;
        body = std::string_view(begin + 1, static_cast<std::size_t>(p - begin - 1));
        ++p; // the closing quote; what follows must end the value
        if (!endsUnquoted(*p)) return std::nullopt;
    } else {
        while (p != end && !endsUnquoted(*p)) ++p;
        if (p == end) return std::nullopt;
        body = std::string_view(begin, static_cast<std::size_t>(p - begin));
    }
    if (body.size() >= kxMaxDelimitedValue) return std::nullopt;
    std::size_t length = static_cast<std::size_t>(p - begin) + 1;
    if (*p == '\r') { // a CR LF pair is one line end
        if (p + 1 == end) return std::nullopt;
        if (p[1] == '\n') ++length;
    }
    return WholeValue{body, *p == separator_ ? ValueEnd::Separator : ValueEnd::Line, length};
}

KxDelimitedReader::ValueEnd KxDelimitedReader::readValue(std::string& value) {
    value.clear();

    ValueEnd end = ValueEnd::File;
    bool started = false;
    bool quoted = false;
    char quote = 0;
    for (;;) {
        if (started) {
            // Plain text is taken a stretch at a time, up to the length that fails.
            const std::size_t run = plainRun(quoted, quote);
            const std::size_t room = kxMaxDelimitedValue - value.size();
            value.append(text_, pos_ - base_, std::min(run, room));
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
            while (peek(pos_) == static_cast<unsigned char>(quote)) {
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

    const std::string_view kept = finishedValue(value, quoted);
    const auto first = static_cast<std::size_t>(kept.data() - value.data());
    value.erase(first + kept.size());
    value.erase(0, first);
    return end;
}

bool KxDelimitedReader::replacedWithin(std::size_t begin, std::size_t end) {
    while (nextSpan_ < replaced_.size() && replaced_[nextSpan_].end <= begin)
        ++nextSpan_;
    return nextSpan_ < replaced_.size() && replaced_[nextSpan_].begin < end;
}

namespace {

// readRow's sink: the values themselves.
class ValueSink {
public:
    explicit ValueSink(std::vector<std::string>& values) : values_(values) {}
    void take(std::size_t index, std::string_view body) { slot(index).assign(finishedValue(body, false)); }
    std::string& slot(std::size_t index) {
        if (index == values_.size()) values_.emplace_back();
        return values_[index];
    }
    void filled(std::size_t) {}
    bool allEmpty(std::size_t count) const {
        return std::all_of(values_.begin(), values_.begin() + static_cast<std::ptrdiff_t>(count),
                           [](const std::string& v) { return v.empty(); });
    }
    // Every character of the row but blanks, quotes, separators and line ends is in a
    // value, so a NUL in the row is in one of them.
    bool anyNul() const {
        return std::any_of(values_.begin(), values_.end(), [](const std::string& v) { return v.find('\0') != std::string::npos; });
    }
    void keep(std::size_t count) { values_.resize(count); }

private:
    std::vector<std::string>& values_;
};

// skipRow's sink: only whether the row's values were all empty and whether one held a NUL.
class ShapeSink {
public:
    void take(std::size_t, std::string_view body) {
        if (!nonEmpty_ && !finishesEmpty(body)) nonEmpty_ = true;
        if (body.find('\0') != std::string_view::npos) nul_ = true;
    }
    std::string& slot(std::size_t) { return scratch_; }
    void filled(std::size_t) {
        if (!scratch_.empty()) nonEmpty_ = true;
        if (scratch_.find('\0') != std::string::npos) nul_ = true;
    }
    bool allEmpty(std::size_t) const { return !nonEmpty_; }
    bool anyNul() const { return nul_; }
    void keep(std::size_t count) {
        if (count == 0) nonEmpty_ = nul_ = false;
    }

private:
    std::string scratch_;
    bool nonEmpty_ = false;
    bool nul_ = false;
};

} // namespace

KxRowRead KxDelimitedReader::readRow(std::vector<std::string>& values) {
    ValueSink sink(values);
    return readRowInto(sink);
}

KxRowRead KxDelimitedReader::skipRow() {
    ShapeSink sink;
    return readRowInto(sink);
}

template <class Sink> KxRowRead KxDelimitedReader::readRowInto(Sink& sink) {
    rowReplaced_ = rowNul_ = false;
    rowStart_ = pos_;
    std::size_t count = 0;
    for (;;) {
        while (peek(pos_) == ' ')
            ++pos_;
        ValueEnd end;
        if (const auto whole = findWholeValue()) {
            sink.take(count, whole->body);
            pos_ += whole->length;
            end = whole->end;
        } else {
            end = readValue(sink.slot(count));
            sink.filled(count);
        }
        if (end == ValueEnd::TooLong) {
            sink.keep(count);
            return KxRowRead::ValueTooLong;
        }
        ++count;
        if (progress_ && progress_(pos_, size_)) {
            sink.keep(count);
            return KxRowRead::Cancelled;
        }
        if (end == ValueEnd::Separator) continue;

        if (!sink.allEmpty(count)) {
            sink.keep(count);
            columnCount_ = std::max(columnCount_, count);
            rowReplaced_ = replacedWithin(rowStart_, pos_);
            rowNul_ = sink.anyNul();
            return KxRowRead::Row;
        }
        count = 0;
        sink.keep(0);
        if (end == ValueEnd::File) {
            return KxRowRead::End;
        }
        rowStart_ = pos_;
    }
}
