#pragma once
// "Import Clipboard": seven rows of a text box and a field list over the clipboard's lines,
// the category of the new record, and OK making the record, which becomes the current one.

#include "transfer/KxClipboardRecord.h"

#include <QDialog>

#include <array>

class KxDbDoc;
class QComboBox;
class QLineEdit;
class QPushButton;
class QScrollBar;

class KxImportClipboardDialog : public QDialog {
    Q_OBJECT
  public:
    KxImportClipboardDialog(KxDbDoc& doc, QWidget* parent = nullptr);

    const KxClipboardRecord& rows() const { return rows_; }
    QLineEdit* textBox(std::size_t visibleRow) const { return lines_[visibleRow].text; }
    QComboBox* fieldBox(std::size_t visibleRow) const { return lines_[visibleRow].field; }
    QComboBox* categoryBox() const { return category_; }
    QScrollBar* scrollBar() const { return scroll_; }
    QPushButton* importButton() const { return import_; }
    QPushButton* clearButton() const { return clear_; }
    QPushButton* okButton() const { return ok_; }

    void importClipboard();
    void clearFields();
    void reject() override;

  private:
    struct Line {
        QLineEdit* text = nullptr;
        QComboBox* field = nullptr;
    };
    void showRows();
    void finish();

    KxDbDoc& doc_;
    KxClipboardRecord rows_;
    std::array<Line, KxClipboardRecord::kVisibleRows> lines_;
    QComboBox* category_;
    QScrollBar* scroll_;
    QPushButton* import_;
    QPushButton* clear_;
    QPushButton* ok_;
    bool showing_ = false;
};

// Runs the dialog; true when a record was made.
bool kxRunImportClipboardDialog(KxDbDoc& doc, QWidget* parent);
