#pragma once
// Save/Install on Handheld, and the two questions the Field and Form Editor asks around a
// schema change of a database that handheld users have. The file is never saved here: the
// sync software installs the file as it is on disk.

class KxDbDoc;

// The command: the look-up text cleared quietly, the record being edited committed, then
// the Handheld Installation dialog with the users whose installation is pending ticked.
// OK schedules the ticked users; Cancel writes nothing. True when OK was chosen.
bool kxSaveInstallOnHandheld(KxDbDoc& doc);

// Before the editor opens: when any user has this database, the warning to sync first
// (OK, Cancel). False when the user chose Cancel: the editor does not open.
bool kxConfirmSchemaChange(KxDbDoc& doc);

// After the editor applied its changes, unless an installation was scheduled since the file
// was opened: when any user has this database, the offer to schedule a reinstallation. Yes
// runs Save/Install on Handheld; its OK notes that an installation is scheduled.
void kxOfferReinstall(KxDbDoc& doc);
