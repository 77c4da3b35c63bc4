#pragma once
// The handheld questions around a change of the fields: the warning to sync first before the
// Field and Form Editor opens, and the offer of a reinstallation after it committed.

#include "editors/FieldEditorCommand.h"
#include "install/HandheldInstallCommand.h"

class KxHandheldSchemaHooks : public KxSchemaChangeHooks {
  public:
    bool mayChangeSchema(KxDbDoc& doc) override { return kxConfirmSchemaChange(doc); }
    void schemaChanged(KxDbDoc& doc) override { kxOfferReinstall(doc); }
};
