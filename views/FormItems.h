#pragma once
// Which items of the current form layout the record form shows, with what kind of control,
// and where across the form's width their label and control go. No widgets here: the form
// (KxDbRecordCtrl) builds its windows from these rows.

#include "engine/KxHeaderChunk.h"

#include <cstdint>
#include <functional>
#include <vector>

// Display flags of a form item beyond the value flags of KxHeaderChunk.h.
inline constexpr std::uint16_t kFlagJustifyMask = 0x03; // 1: the label is right-justified
inline constexpr std::uint16_t kFlagDisplayOnly = 0x08; // shown for reading, and only with a value
inline constexpr std::uint16_t kFlagHidden = 0x10;      // never shown

struct KxFormRow {
    std::size_t item = 0; // index in the layout
    std::uint8_t field = kNoField;
    KxFieldType type = KxFieldType::LabelOnly;
    std::uint16_t flags = 0;
    bool displayOnly = false; // flag 0x08, or a read-only form
    bool labelRight = false;
    int labelPercent = 0;     // where the label ends and the control starts
    int controlPercent = 99;  // where the control ends

    bool operator==(const KxFormRow&) const = default;
};

// The current form layout's items, none when it has no layout.
const std::vector<KxFormItem>& kxCurrentFormItems(const KxHeaderChunk& header);

// Whether an item is shown: never with flag 0x10; otherwise when (it lacks 0x08 or the field
// has a value) and (the form is editable, or the field has a value, or it is a Checkbox or a
// Label Only item). So a read-only form hides empty fields.
bool kxFormItemShown(const KxFormItem& item, KxFieldType type, bool hasValue, bool readOnlyForm);

// The shown rows for a record; `hasValue` tells whether the record has a value for a field.
std::vector<KxFormRow> kxShownFormRows(const KxHeaderChunk& header, bool readOnlyForm,
                                       const std::function<bool(std::size_t field)>& hasValue);

// An item's stored value (0..1000) as a percent of the form's width. A label end of 0 is an
// item the form editor never placed: it gets the default share.
inline constexpr int kDefaultLabelPercent = 35;
int kxFormPercent(std::uint16_t stored);
