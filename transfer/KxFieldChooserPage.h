#pragma once
// The field chooser: every entry of a selection in a check list the user ticks and drags into
// order, with the labels check box "Export Field &Labels" below when the caller asks for it.
// The page works on a KxFieldChooserModel, which holds the ticks and the order.

#include "app/KxWizard.h"

class KxDragCheckListBox;
class KxDragListBox;
class KxFieldChooserModel;
class QCheckBox;

class KxFieldChooserPage : public KxWizardPage {
    Q_OBJECT
  public:
    explicit KxFieldChooserPage(KxFieldChooserModel& model, QWidget* parent = nullptr,
                                const QString& title = QString());

    void setLabelsBoxVisible(bool visible);
    bool labelsChecked() const;
    void setLabelsChecked(bool checked);
    QCheckBox* labelsBox() const { return labels_; }
    KxDragCheckListBox* fieldList() const { return list_; }

    // The user moved an item from one place of the list to another.
    void moveItem(int from, int to);

  private:
    KxFieldChooserModel& model_;
    KxDragCheckListBox* list_;
    QCheckBox* labels_;
};

// Moves a chooser item as the user dragged it (the list reports the row it ends on): in the
// model and in the list.
void kxMoveChooserItem(KxFieldChooserModel& model, KxDragListBox& list, int from, int to);
