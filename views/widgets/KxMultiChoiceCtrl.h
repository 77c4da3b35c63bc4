#pragma once
// The box of Multiple Choice fields on the form: the chosen text, and an arrow button that
// drops down the field's items. A stored value that is none of the items is shown as it
// is, with no item selected, and reads back unchanged.

#include "views/widgets/KxBaseCtrl.h"

#include <QToolButton>
#include <QWidget>

#include <string>
#include <vector>

class KxMultiChoiceInnerCtrl;
class KxTextCtrl;

// The button that opens the list.
class KxArrowButton : public QToolButton {
    Q_OBJECT
  public:
    explicit KxArrowButton(QWidget* parent = nullptr);
};

class KxMultiChoiceCtrl : public QWidget, public KxBaseCtrl {
    Q_OBJECT
  public:
    // items: the field's item list, Windows-1252.
    explicit KxMultiChoiceCtrl(const std::vector<std::string>& items, QWidget* parent = nullptr);

    void setItems(const std::vector<std::string>& items);
    // The row of the chosen item in the list; -1 when the text is none of them.
    int selectedItem() const;
    // The text shown, as the user sees it.
    QString shownText() const;

    bool isListOpen() const;
    void openList();
    void closeList();

    KxTextCtrl* textBox() const { return text_; }
    KxArrowButton* arrowButton() const { return arrow_; }
    // The drop-down list; made when it is first opened, null before.
    KxMultiChoiceInnerCtrl* list() const { return list_; }

    QWidget* widget() override { return this; }

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

    std::optional<FieldValue> readContent() override;
    void showContent(const FieldValue* value) override;
    void applyReadOnly(bool readOnly) override;

  private:
    // The user picks a row (or -1 to empty the field).
    void choose(int row);
    // Shows a text and selects the item equal to it, if any.
    void setChosen(const std::string& text);
    // The next item (after the chosen one, wrapping) whose text begins with c.
    int itemStartingWith(const QString& c) const;
    void showFocus(bool focused);
    void fitHeight();
    int frameWidth() const;
    // Makes the drop-down list on first use and fills it with the items.
    KxMultiChoiceInnerCtrl* makeList();
    void fillList();

    KxTextCtrl* text_;
    KxArrowButton* arrow_;
    KxMultiChoiceInnerCtrl* list_ = nullptr;
    std::vector<std::string> items_;
    std::string chosen_;   // Windows-1252
    int selectedRow_ = -1; // the item equal to chosen_, or -1
};
