#pragma once
// File > Import... and File > Export... on the open document: the wizards through the
// document's dialogs, the runs through the import and export commands, and what the
// document does afterwards (modified flag, views rebuilt).

class KxDbDoc;

class KxTransferCommands {
  public:
    explicit KxTransferCommands(KxDbDoc& doc) : doc_(doc) {}

    // True when the import ran (records may have been added).
    bool importFile();
    // True when a file was written.
    bool exportFile();

  private:
    KxDbDoc& doc_;
};
