#pragma once
// Options > Field and Form Editor: the working copy is loaded, edited in the dialog and, on
// OK with changes, committed to the schema under "Updating the database" with every
// Calculation recomputed.

#include "editors/KxFieldWorkingCopy.h"

class KxDatabase;
class KxDbDoc;

// The handheld side of a schema change: a database installed on handhelds can no longer be
// synchronized once its fields change, so the user is warned before and offered a
// reinstallation after. The installation code provides the real questions; the default asks
// nothing.
class KxSchemaChangeHooks {
  public:
    virtual ~KxSchemaChangeHooks() = default;
    // Before the editor opens; false stops the command.
    virtual bool mayChangeSchema(KxDbDoc&) { return true; }
    // After a committed change.
    virtual void schemaChanged(KxDbDoc&) {}
};

// The command. `hooks` none: no handheld questions.
void kxRunFieldAndFormEditor(KxDbDoc& doc, KxSchemaChangeHooks* hooks = nullptr);

// Commits the working copy: stamp, modified, schema, recalculation of every record with
// progress, saved searches repaired, views rebuilt. Engine errors are passed on once the
// progress box is closed.
void kxApplyFieldChanges(KxDbDoc& doc, const KxFieldWorkingCopy& copy);

// Drops saved-search criteria that no longer fit their field: a field that is gone, or one
// whose type does not offer the criterion's operator.
void kxDropUnfitCriteria(KxDatabase& db);
