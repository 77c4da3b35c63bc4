#pragma once
// Reads comma- or tab-separated text the way the delimited importer always has: values may
// be quoted with a double quote or an apostrophe, blanks around values are dropped, blank
// lines are skipped. The whole source is held in memory as Windows-1252 bytes (rows are
// made from it as they are read, and can be read again from where they start); a UTF-8
// source (with or without a byte order mark) is converted when it is loaded, and the rows
// that held characters 1252 cannot represent are flagged so the import can log them.

#include "Cp1252.h"

#include <cstddef>
#include <cstdint>
#include <functional>
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

    // Reads bytes already in memory (a copy is taken), with the same detection of encoding.
    static KxDelimitedReader fromMemory(std::string_view bytes, char separator);

    void setProgress(Progress progress) { progress_ = std::move(progress); }

    // Reads the next row that holds at least one non-empty value into values (which end
    // with the row's values, the strings already there reused). A row has as many values
    // as its line had, empty ones included; at the end of the text values is empty.
    KxRowRead readRow(std::vector<std::string>& values);

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
    std::uint64_t size() const { return text_.size(); }
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

    KxDelimitedReader(std::string bytes, char separator);

    ValueEnd readValue(std::string& value);
    std::size_t plainRun(bool quoted, char quote) const;
    int get();
    bool replacedWithin(std::size_t begin, std::size_t end);

    std::string text_;
    std::vector<Span> replaced_;
    KxTextEncoding encoding_ = KxTextEncoding::Cp1252;
    char separator_;
    Progress progress_;
    std::size_t pos_ = 0;
    std::size_t nextSpan_ = 0;
    std::size_t columnCount_ = 0;
    std::size_t rowStart_ = 0;
    bool rowReplaced_ = false;
    bool rowNul_ = false;
};
