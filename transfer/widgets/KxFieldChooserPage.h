#pragma once
// The field chooser: a check list of every entry, in schema order, that the user ticks and
// drags into the order of the output, with a tip and the "Export Field Labels" box (hidden
// when printing). The export wizard shows it as a page; the print dialog inside the "Fields
// to Print" dialog. The page works on a KxFieldChooserModel; the caller takes the order
// from model().checkedOrder() when the user confirms.

#include "transfer/KxFieldChooserModel.h"

#include <QWidget>

class KxDragCheckListBox;
class KxDragListBox;
class QCheckBox;
class QLabel;

class KxFieldChooserPage : public QWidget {
    Q_OBJECT
  public:
    explicit KxFieldChooserPage(QWidget* parent = nullptr);

    // The heading above the list ("Specify Fields to Print", "Specify Fields to Export").
    void setHeading(const QString& heading);
    void setModel(KxFieldChooserModel model);
    const KxFieldChooserModel& model() const { return model_; }

    // The labels box: shown and checked as the caller says; `forced` disables it and ticks it
    // (an export to a database file, or of the structure only).
    void setLabelsBoxShown(bool shown);
    void setLabels(bool checked, bool forced = false);
    bool labels() const;

    KxDragCheckListBox& list() const { return *list_; }
    // The user moved an item from one place of the list to another.
    void moveItem(int from, int to);
    QCheckBox& labelsBox() const { return *labels_; }

  private:
    void fill(int current);

    KxFieldChooserModel model_;
    QLabel* heading_;
    KxDragCheckListBox* list_;
    QCheckBox* labels_;
};

// Moves a chooser item as the user dragged it (the list reports the row it ends on, the
// model wants the item it goes before): in the model and in the list.
void kxMoveChooserItem(KxFieldChooserModel& model, KxDragListBox& list, int from, int to);
