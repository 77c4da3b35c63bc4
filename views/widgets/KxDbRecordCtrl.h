#pragma once
// The record form: one row per shown form item (label and field control) for the current
// record, the record's category box, and a vertical scroll bar. Edits go into the record as
// each control finishes; every change is reported to the list.

#include "views/FormItems.h"
#include "views/widgets/KxFieldCtrlFactory.h"
#include "views/KxRecordEditSession.h"

#include <QFrame>
#include <QPointer>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class KxBaseCtrl;
class KxDbDoc;
class KxLabelCtrl;
class QComboBox;
class QScrollBar;

class KxDbRecordCtrl : public QFrame {
    Q_OBJECT
  public:
    static constexpr int kMargin = 5;
    static constexpr int kEditCategoriesItem = -1; // the combo's data for "Edit Categories..."

    explicit KxDbRecordCtrl(KxDbDoc& doc, QWidget* parent = nullptr);
    ~KxDbRecordCtrl() override;

    // Builds the form for record `index` (live, or deleted in deleted-records mode); an
    // index of −1 or past the end empties it. `rebuild` discards the item windows first.
    void showRecord(std::int32_t index, bool rebuild);
    void setReadOnlyForm(bool readOnly) { session_.setReadOnlyForm(readOnly); }
    bool readOnlyForm() const { return session_.readOnlyForm(); }

    // Writes every control's pending edit into the record.
    void commitEdits();
    // The control finished editing.
    void commitControl(KxBaseCtrl* ctrl);
    // Lets go of the record and takes it back (others may move it in between).
    void releaseRecord();
    void takeRecordBack();
    // Restore Record: throws KxDbError::NothingToUndo without a last-edit copy for it.
    void restoreRecord();
    // A value changed in the list; none empties the field.
    void fieldValueReported(std::size_t field, const std::optional<FieldValue>& value);
    // Refills the category box; a record whose category is gone moves to the one
    // selected in its place.
    void categoriesChanged();

    // The category editor of "Edit Categories..." answers whether it changed anything and whether it deleted records.
    using CategoryEditor = std::function<std::pair<bool, bool>()>;
    void setCategoryEditor(CategoryEditor editor) { categoryEditor_ = std::move(editor); }

    bool holdsRecord() const { return session_.holds(); }
    bool released() const { return session_.released(); }
    std::int32_t recordIndex() const { return session_.index(); }
    // The control showing a field, none when the field is not on the form.
    KxBaseCtrl* controlFor(std::size_t field) const;
    const std::vector<QWidget*>& itemWindows() const { return itemWindows_; }
    QComboBox* categoryBox() const { return category_; }
    QScrollBar* scrollBar() const { return scroll_; }
    // The last focused field control, or the first one of the form.
    QWidget* focusTarget() const;

    QSize minimumSizeHint() const override;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

  private:
    // What an item's windows are made from; items made alike serve any record.
    struct ItemPlan {
        KxFormRow row;
        std::string label;
        KxFieldCtrlSpec spec;
        bool operator==(const ItemPlan&) const = default;
    };
    struct Item {
        ItemPlan plan;
        KxLabelCtrl* label = nullptr;
        KxBaseCtrl* ctrl = nullptr;
    };

    // Shows record `index` in the windows there are, when it needs the same ones and the
    // focus is elsewhere (a new form would hand the focus on); false otherwise.
    bool showInSameWindows(std::int32_t index);
    void showInNewWindows(std::int32_t index);
    std::vector<ItemPlan> planItems() const;
    void clearItems();
    void createItems(const std::vector<ItemPlan>& plans);
    void fillItems();
    void fillCategoryBox();
    void chooseCategory(int comboIndex);
    void editCategories();
    void layoutItems();
    void scrollTo(int position);
    // Scrolls so that the control, or the content rows top..bottom, are in view with a
    // margin on the side they come in from.
    void ensureVisible(QWidget* ctrl);
    void ensureVisible(int top, int bottom);
    void showValues(bool calculationsOnly);
    Item* itemOf(KxBaseCtrl* ctrl);

    KxDbDoc& doc_;
    KxRecordEditSession session_;
    std::vector<Item> items_;
    std::vector<QWidget*> itemWindows_; // labels and controls in form order
    QPointer<QWidget> lastFocused_;
    QComboBox* category_ = nullptr;
    QScrollBar* scroll_ = nullptr;
    QWidget* content_ = nullptr; // holds the item windows; scrolled as a whole
    int contentHeight_ = 0;
    bool filling_ = false;
    bool layoutHeld_ = false; // a record is being shown: the form is laid out once at the end
    CategoryEditor categoryEditor_;
};
