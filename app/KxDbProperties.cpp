#include "app/KxDbProperties.h"

#include "app/KxDbDoc.h"

#include "engine/KxHeaderChunk.h"

KxDbProperties kxDbPropertiesOf(std::uint16_t attributes) {
    return {(attributes & kAttrEditableCheckboxes) != 0, (attributes & kAttrReadOnlyMode) != 0,
            (attributes & kAttrHandheldReadOnly) != 0};
}

std::uint16_t kxWithDbProperties(std::uint16_t attributes, const KxDbProperties& properties) {
    auto setBit = [&](std::uint16_t bit, bool on) {
        attributes = static_cast<std::uint16_t>(on ? (attributes | bit) : (attributes & ~bit));
    };
    setBit(kAttrEditableCheckboxes, properties.checkboxesEditable);
    setBit(kAttrReadOnlyMode, properties.readOnlyMode);
    setBit(kAttrHandheldReadOnly, properties.handheldReadOnly);
    return attributes;
}

bool kxApplyDbProperties(KxDbDoc& doc, const KxDbProperties& chosen) {
    KxHeaderChunk& header = doc.database().header();
    const std::uint16_t before = header.attributes();
    const std::uint16_t after = kxWithDbProperties(before, chosen);
    if (after == before) return false;
    header.setAttributes(after);
    doc.setModified();

    doc.listPane().setCheckboxesEditable(chosen.checkboxesEditable);
    const bool hadReadOnlyMode = (before & kAttrReadOnlyMode) != 0;
    if (hadReadOnlyMode != chosen.readOnlyMode) {
        doc.recordPane().setHasReadOnlyMode(chosen.readOnlyMode);
        doc.updateAllViews(KxViewHint::All);
    }
    return true;
}
