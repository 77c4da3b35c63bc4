#pragma once
// Which field control serves which field: the record form and the Search Records dialog
// build their value boxes here.

#include "views/widgets/KxBaseCtrl.h"

#include <string>
#include <vector>

class QWidget;

struct KxFieldCtrlSpec {
    // A field type code; for the search dialog also kAnyField (255, "All text & numeric
    // fields") or kCategoryField (254, "Category").
    int type = 1;
    int field = 0;            // the field number the control shows
    int decimals = 0;         // Number and Calculation: the field's decimal places
    unsigned flags = 0;       // the form item's display flags: 0x40, 0x80, 0x100
    bool displayOnly = false; // the item's flag 0x08, or a read-only form
    // Multiple Choice: the field's items; Category: the category names (Windows-1252).
    std::vector<std::string> items;

    bool operator==(const KxFieldCtrlSpec&) const = default;
};

// The control of a form item, owned by parent; none for Label Only and type 8 fields.
// A display-only item shows its value formatted for reading in a read-only text box
// (a Checkbox in a read-only check box). Throws KxDbError::NoResources when the control
// cannot be made.
KxBaseCtrl* kxCreateFormCtrl(const KxFieldCtrlSpec& spec, QWidget* parent);

// The value box of a search row, owned by parent; none for Checkbox fields (their
// operators need no value) and for fields that cannot be searched.
KxBaseCtrl* kxCreateSearchCtrl(const KxFieldCtrlSpec& spec, QWidget* parent);
