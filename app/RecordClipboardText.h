#pragma once
// One record as the plain text Copy Record to Clipboard puts on the clipboard, and the
// Record Information dialog's content.

#include "app/KxDocDialogs.h"

#include <string>

class KxDatabase;
class KxRecordChunk;

// In form order: a Label Only item gives its label and CR LF (nothing without a label); an
// empty field gives nothing; any other field "label:\t" (only "\t" for an empty label,
// nothing when the label is hidden), its display text and CR LF.
std::string kxRecordClipboardText(const KxDatabase& db, const KxRecordChunk& record);

// Times as the locale's date and time; `zoneWestSeconds` turns the stored local standard
// time back into calendar time.
KxRecordInfoText kxRecordInfo(const KxRecordChunk& record, long zoneWestSeconds);
