#pragma once
// Reads comma- or tab-separated text the way the delimited importer always has: values may
// be quoted with a double quote or an apostrophe, blanks around values are dropped, blank
// lines are skipped. The source is read as Windows-1252 bytes (rows are made from it as they
// are read, and can be read again from where they start); a UTF-8 source (with or without a
// byte order mark) is converted, and the rows that held characters 1252 cannot represent are
// flagged so the import can log them.
//
// fromFile holds the whole text in memory. streamFile keeps only a window of the file in
// memory when the file's bytes are the text (Windows-1252, or UTF-8 that is all ASCII after
// an optional byte order mark) and reads the rest from the file as it is reached; other
// UTF-8 files are converted into memory as fromFile does.

#include "platform/Cp1252.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What one call of readRow came to.
enum class KxRowRead {
    Row,          // a row with at least one non-empty value was read
    End,          // the end of the text was reached; no row
    ValueTooLong, // a value reached kxMaxDelimitedValue characters; the import fails with
                  // KxDbError::CannotOpenOther
    Cancelled,    // the progress hook asked to stop
};

// A value reaching this many characters makes the source unreadable.
inline constexpr std::size_t kxMaxDelimitedValue = 32770;

class KxDelimitedReader {
  public:
    // Called after every value with the position reached and the size of the text (both in
    // the loaded text, so position / size is the share done; size may be 0). Answers true
    // when the user confirmed a cancel.
    using Progress = std::function<bool(std::uint64_t position, std::uint64_t size)>;

    // Loads a whole file. Throws KxDbError::AccessDenied when the file cannot be opened (or
    // is not a regular file), KxDbError::CannotOpenOther when reading it fails and
    // KxDbError::OutOfMemory when it does not fit in memory.
    static KxDelimitedReader fromFile(const std::string& path, char separator);
    // The same, reading the file as it goes where it can (see above); the file stays open.
    // A read that fails later throws KxDbError::CannotOpenOther.
    static KxDelimitedReader streamFile(const std::string& path, char separator);

    // The character set a file is read in, judged from one pass over it in blocks.
    static KxTextEncoding fileEncoding(const std::string& path);

    // Reads bytes already in memory (a copy is taken), with the same detection of encoding.
    static KxDelimitedReader fromMemory(std::string_view bytes, char separator);

    void setProgress(Progress progress) { progress_ = std::move(progress); }

    // Reads the next row that holds at least one non-empty value into values (which end
    // with the row's values, the strings already there reused). A row has as many values
    // as its line had, empty ones included; at the end of the text values is empty.
    KxRowRead readRow(std::vector<std::string>& values);
    // Passes over the next such row as readRow reads it, keeping no values: the row's start,
    // its flags and the column count are known afterwards as after readRow.
    KxRowRead skipRow();

    // Whether the row last returned by readRow held characters that became '?'.
    bool rowHadReplacements() const { return rowReplaced_; }
    // Whether the row last returned by readRow held a NUL character (a text value ends at
    // its first NUL, so such a value is cut short when it is stored).
    bool rowHadNul() const { return rowNul_; }
    // Where the row last returned by readRow began; seek there to read it again.
    std::uint64_t rowStart() const { return rowStart_; }

    // The most values seen on one row since the start of the text (the column count).
    std::size_t columnCount() const { return columnCount_; }

    // Back to the first row.
    void rewind();
    // To a position that rowStart gave; the column count stays.
    void seek(std::uint64_t position);

    std::uint64_t position() const { return pos_; }
    std::uint64_t size() const { return size_; }
    // Whether the text is read from the file as it goes (only a window of it in memory).
    bool streamed() const { return file_ != nullptr; }
    KxTextEncoding encoding() const { return encoding_; }
    char separator() const { return separator_; }

  private:
    // Where reading one value stopped.
    enum class ValueEnd { Separator, Line, File, TooLong };

    // A stretch [begin, end) of the loaded text that held replaced characters.
    struct Span {
        std::size_t begin;
        std::size_t end;
    };

    class FileWindow;

    KxDelimitedReader(std::string bytes, char separator);
    KxDelimitedReader(std::shared_ptr<FileWindow> file, std::uint64_t size, KxTextEncoding encoding,
                      char separator);

    std::string textOf(std::string bytes);
    // A value that lies wholly in the text held, as findWholeValue finds it: its text before
    // the final touches, how it ends and how many characters it spans with its end.
    struct WholeValue {
        std::string_view body;
        ValueEnd end;
        std::size_t length;
    };
    // readRow and skipRow: the sink keeps the values, or only whether they were all empty
    // and whether one held a NUL (see the sinks in the source).
    template <class Sink> KxRowRead readRowInto(Sink& sink);

    // A value after its leading blanks, a character at a time.
    ValueEnd readValue(std::string& value);
    std::optional<WholeValue> findWholeValue() const;
    bool endsUnquoted(char c) const { return stops_[static_cast<unsigned char>(c)]; }
    std::size_t plainRun(bool quoted, char quote);
    int get();
    // The character at a text position, or kEnd past the end of the text.
    int peek(std::size_t position) {
        if (position - base_ < text_.size()) return static_cast<unsigned char>(text_[position - base_]);
        return position < size_ ? fill(position) : -1;
    }
    int fill(std::size_t position);
    bool replacedWithin(std::size_t begin, std::size_t end);

    std::string text_;         // the whole text, or when streamed the window of it read last
    std::size_t base_ = 0;     // the text position of text_'s first character
    std::size_t size_ = 0;     // the size of the whole text
    std::shared_ptr<FileWindow> file_; // the file a streamed text is read from
    std::vector<Span> replaced_;
    KxTextEncoding encoding_ = KxTextEncoding::Cp1252;
    char separator_;
    std::array<bool, 256> stops_{}; // the characters that end an unquoted value
    Progress progress_;
    std::size_t pos_ = 0;
    std::size_t nextSpan_ = 0;
    std::size_t columnCount_ = 0;
    std::size_t rowStart_ = 0;
    bool rowReplaced_ = false;
    bool rowNul_ = false;
};
