#pragma once
// The data and rules of the "Import Clipboard" dialog: clipboard text split into lines, each
// line going to a field the user picks, and on OK one new record made from them, lines that
// share a field joined with an empty line between them. The dialog shows seven rows at a
// time and binds its text boxes and field lists to the rows here.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class KxDatabase;
class KxUi;

class KxClipboardRecord {
public:
    static constexpr int kNoField = -1;            // the row's field list shows "None"
    static constexpr std::size_t kVisibleRows = 7;
    static constexpr std::size_t kMaxLineLength = 32768;
    static constexpr std::size_t kMaxLinesOverFields = 100;
    static constexpr std::size_t kSpareRows = 10;   // empty rows offered after the lines

    struct FieldChoice {
        std::string label; // "Field %d" when the field has no label
        int field = kNoField;
    };
    struct Row {
        std::string text;
        int field = kNoField;
        bool operator==(const Row&) const = default;
    };
    // Clipboard text cut into rows.
    struct Split {
        std::vector<Row> rows;
        std::size_t lines = 0;
        bool truncated = false; // a line was cut to kMaxLineLength
        bool tooMany = false;   // lines were left out; no spare rows were added
    };

    // The fields that are not Label Only, in form order.
    explicit KxClipboardRecord(const KxDatabase& db);

    const std::vector<FieldChoice>& fields() const { return fields_; }
    const std::vector<Row>& rows() const { return rows_; }
    bool isModified() const { return modified_; }
    std::size_t firstVisibleRow() const { return firstVisible_; }
    void setFirstVisibleRow(std::size_t row);

    // The user's edits; both set the modified flag. A field that is not offered becomes "None".
    void setRowText(std::size_t row, std::string text);
    void setRowField(std::size_t row, int field);

    // "Import Clipboard": after the user agrees to lose changes, the clipboard's lines become
    // the rows and what was cut or left out is reported. Without usable text the user is told
    // and the rows stay as they were. True when the rows were replaced.
    bool importClipboard(KxUi& ui);
    // "Clear Fields": after the user agrees to lose changes, the first rows again. True when cleared.
    bool clearFields(KxUi& ui);
    // Cancel: whether the dialog may close (the user agreed to lose changes, or there were none).
    bool confirmCancel(KxUi& ui) const;
    // OK: the new record in the category, at its sorted place; its live index. None (after the
    // incomplete-information message) when no row has both a field and text. The rows are
    // left as they are, so a refused record (engine error) loses none of the user's work.
    std::optional<std::size_t> addRecord(KxDatabase& db, KxUi& ui, std::uint16_t category) const;

    // Splits text at every carriage return and line feed into trimmed, non-empty lines; line k
    // goes to field k, lines past the last field to the last field.
    static Split splitText(std::string_view text, const std::vector<FieldChoice>& fields);

private:
    void resetRows();
    bool offered(int field) const;

    std::vector<FieldChoice> fields_;
    std::vector<Row> rows_;
    std::size_t firstVisible_ = 0;
    bool modified_ = false;
};
