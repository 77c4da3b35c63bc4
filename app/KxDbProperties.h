#pragma once
// Database Properties: three attributes of the open database the user may switch, and what
// changes when they do.

#include <cstdint>

class KxDbDoc;

struct KxDbProperties {
    bool checkboxesEditable = false; // attribute 0x40: check boxes editable in the list view
    bool readOnlyMode = false;       // attribute 0x80: the record view has a read-only mode
    bool handheldReadOnly = false;   // attribute 0x02: read-only on the handheld
    bool operator==(const KxDbProperties&) const = default;
};

KxDbProperties kxDbPropertiesOf(std::uint16_t attributes);
// The attributes with the three bits set or cleared as chosen; all other bits kept.
std::uint16_t kxWithDbProperties(std::uint16_t attributes, const KxDbProperties& properties);

// Stores the choice in the open database. Only a real change counts: then the document is
// modified, the list learns whether check boxes are editable, and the record view gains or
// loses its read-only mode (everything is redrawn). True when anything changed.
bool kxApplyDbProperties(KxDbDoc& doc, const KxDbProperties& chosen);
