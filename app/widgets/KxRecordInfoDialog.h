#pragma once
// Record Information: when the record was created and last changed, and its identity.

#include "app/KxDocDialogs.h"

#include <QDialog>

class KxRecordInfoDialog : public QDialog {
    Q_OBJECT
  public:
    explicit KxRecordInfoDialog(const KxRecordInfoText& info, QWidget* parent = nullptr);
};

// Shows the dialog modally; KxDbError::NoResources when it cannot be made.
void kxRunRecordInfoDialog(const KxRecordInfoText& info, QWidget* parent);
