#pragma once
// The left pane: the records in view as rows of a virtual list whose columns come from the
// list options set in force, the "Look up:" box below it, the category filter and the
// "&Show All" button that stands in its place while deleted records or search results show.

#include "app/widgets/KxPaneWidgets.h"
#include "views/KxListState.h"

#include <cstdint>
#include <functional>

class KxDbDoc;
class KxRecordTableModel;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

class KxDbListView : public KxListPaneWidget {
    Q_OBJECT
  public:
    explicit KxDbListView(KxDbDoc& doc, QWidget* parent = nullptr);
    ~KxDbListView() override;

    void onUpdate(KxViewHint hint) override;
    void recordChanged(std::int32_t index, bool categoryOnly) override;
    void categoriesChanged(bool recordsDeleted) override;
    void clearLookupText(bool quiet) override;
    void freezeList(bool frozen) override;
    void setCheckboxesEditable(bool editable) override;
    void selectNextRow() override;
    void selectPreviousRow() override;
    bool isLookupBox(const QWidget* widget) const override;
    int selectedRow() const override { return state_.lastRow; }
    int rowCount() const override;

    // Runs the category editor over the database; the front end may replace it (tests do).
    // It answers (categories changed, records deleted).
    using CategoryEditor = std::function<std::pair<bool, bool>(QWidget* parent, KxDbDoc& doc)>;
    void setCategoryEditor(CategoryEditor editor) { categoryEditor_ = std::move(editor); }

    QTableView& list() const { return *list_; }
    QLineEdit& lookupBox() const { return *lookup_; }
    QComboBox& categoryBox() const { return *categories_; }
    QPushButton& showAllButton() const { return *showAll_; }
    const KxRecordTableModel& model() const { return *model_; }
    int lookupColumn() const { return state_.lookupColumn; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void rebuild(KxViewHint hint);
    void fillRows(bool newColumns);
    void fillCategoryBox();
    void showModeControls();
    void insertRow(KxViewHint hint);
    void removeRow();
    void selectRow(int row);
    void rowSelected(int row);
    void categoryChosen(int index);
    void editCategories();
    void lookupEdited();
    bool lookupKey(class QKeyEvent* key);
    bool checkboxClicked(class QMouseEvent* mouse);
    void applyColumnWidths();
    void columnResized(int column, int oldSize, int newSize);
    void paneMoved();
    void dropEmptyRecord();
    void clearQuietly();
    std::uint8_t listSetInForce() const;

    KxDbDoc& doc_;
    KxRecordTableModel* model_;
    QTableView* list_;
    QLabel* lookupLabel_;
    QLineEdit* lookup_;
    QComboBox* categories_;
    QPushButton* showAll_;
    CategoryEditor categoryEditor_;
    KxListState state_;
    bool shownOnce_ = false;
};
