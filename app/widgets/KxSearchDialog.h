#pragma once
// Search Records: one row in basic mode, three rows joined by "AND" in advanced mode, each a
// field box, an operator box and a value box that follows the field's type; in advanced mode
// also the search's name and its own list options. OK hands back the rows as a request;
// the document stores and runs it.

#include "app/KxDocDialogs.h"
#include "app/KxSearchEditing.h"

#include <QDialog>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class KxBaseCtrl;
class KxDbDoc;
class QComboBox;
class QLabel;
class QPushButton;

class KxSearchDialog : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kRowCount = 3;
    static constexpr int kNoFields = KxSearchEditing::kNoFields; // the field box's "No fields"

    // Opens on the current search (kxSearchDialogStart), or on `search` when given.
    explicit KxSearchDialog(KxDbDoc& doc, std::optional<std::size_t> search = std::nullopt,
                            QWidget* parent = nullptr);

    bool advanced() const { return advanced_; }
    void setAdvanced(bool advanced);

    // What the dialog decided; the request is set after OK.
    const KxSearchDialogResult& result() const { return model_.result(); }
    // The request the rows make now.
    KxSearchRequest request() const;

    // Runs the List Options dialog opened on list options set `set`: the columns chosen, none
    // when cancelled. The dialog makes the search's own set from them. Without a runner the
    // button is disabled.
    using ListOptionsRunner =
        std::function<std::optional<std::vector<KxListOptionsColumn>>(KxDbDoc&, std::uint8_t set)>;
    void setListOptionsRunner(ListOptionsRunner runner);

    // For tests and the front end's first focus.
    QComboBox* fieldBox(int row) const { return rows_[row].field; }
    QComboBox* operatorBox(int row) const { return rows_[row].op; }
    KxBaseCtrl* valueBox(int row) const { return rows_[row].value; }
    QComboBox* nameBox() const { return names_; }
    QPushButton* modeButton() const { return mode_; }
    QPushButton* listOptionsButton() const { return listOptions_; }
    // Selects a field (or kNoFields) in a row as the user would.
    void chooseField(int row, int field);

    void accept() override;
    // Cancel also deletes a list options set made for the search.
    void reject() override;

  protected:
    // The first criterion's value box has the focus, so typing after Ctrl+F goes there.
    void showEvent(QShowEvent* event) override;

  private:
    struct Row {
        QLabel* lookIn = nullptr;
        QComboBox* field = nullptr;
        QLabel* forLabel = nullptr;
        QComboBox* op = nullptr;
        QWidget* valueSlot = nullptr;
        KxBaseCtrl* value = nullptr;
        QLabel* andLabel = nullptr; // before rows 2 and 3
    };

    void buildRow(int index, class QGridLayout* grid, int gridRow);
    void fillFieldBox(int row);
    void fillBox(QComboBox* box, const std::vector<KxSearchEditing::Entry>& entries);
    int startItem(int row) const;
    void onFieldChosen(int row);
    void widenToContents();
    void loadRows(const std::vector<KxSearchRow>& rows);
    void resetRows();
    void fillNameBox(std::size_t select);
    void onNameChosen(int index);
    void loadSearch(std::size_t search, bool keepRowsWithoutCriteria);
    void editNames();
    void runListOptions();
    void applyMode();

    KxDbDoc& doc_;
    KxSearchEditing model_;
    std::array<Row, kRowCount> rows_{};
    QLabel* nameLabel_ = nullptr;
    QComboBox* names_ = nullptr;
    QPushButton* listOptions_ = nullptr;
    QPushButton* mode_ = nullptr;
    bool advanced_ = false;
    int nameChoice_ = 0; // the name box's index before a choice
    int fullHeight_ = 0;
    ListOptionsRunner listOptionsRunner_;
};

// Runs the dialog modally, as the document's dialog interface does: opens on `search`, and
// List O&ptions... uses `listOptions` when given.
KxSearchDialogResult kxRunSearchDialog(KxDbDoc& doc, std::size_t search, QWidget* parent,
                                       KxSearchDialog::ListOptionsRunner listOptions = {});
