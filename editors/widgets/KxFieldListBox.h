#pragma once
// The Field and Form Editor's list: each field's label (or "Field %d") on the left, cut with
// "..." to the room left, and its type's name right-aligned. Reordered like every drag list.

#include "views/widgets/KxDragListBox.h"

class KxFieldListBox : public KxDragListBox {
    Q_OBJECT
  public:
    static constexpr int kTypeNameRole = Qt::UserRole + 41;
    explicit KxFieldListBox(QWidget* parent = nullptr);

    void setRow(int row, const QString& name, const QString& typeName);
    // The name as drawn in a row this wide (for tests and the look of it).
    QString shownName(int row, int width) const;
};
