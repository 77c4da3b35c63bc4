#pragma once
// File > Print in the desktop program: the Print Settings dialog over the user's page setup
// in the per-user store.

class KxDbDoc;
class QWidget;

void kxRunPrintDialog(KxDbDoc& doc, QWidget* parent);
