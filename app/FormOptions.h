#pragma once
// Form Options: whether the form's labels are justified left or right. The choice lives in
// the low two bits of every form item's flags whose field is not Label Only.

#include <functional>
#include <optional>

class KxDbDoc;
class KxHeaderChunk;

// Right when the first item whose field is not Label Only has justification 1.
bool kxLabelsRightJustified(const KxHeaderChunk& header);

// Sets every such item's justification; false (and nothing touched) when the choice is the
// current one.
bool kxSetLabelJustification(KxHeaderChunk& header, bool right);

// The command: refused with the no-fields message on an empty form; `choose` shows the
// dialog starting on the current choice and gives the new one, none when cancelled. A
// changed choice marks the document modified and rebuilds the views.
void kxRunFormOptions(KxDbDoc& doc, const std::function<std::optional<bool>(bool right)>& choose);
