#pragma once
// What an export writes and where: the choices the export wizard makes, and what the document
// shows when the export starts (the range "current category or search results" and the
// deleted list follow it).

#include "platform/Cp1252.h"

#include <cstdint>
#include <string>

enum class KxExportWhat {
    Entire = 1,
    CategoryOrSearch = 2, // what the list shows: the current category, or the search results
    Selected = 3,         // the current record
    StructureOnly = 4,
};

enum class KxExportFileType {
    Comma = 1,
    Tab = 2,
    Database = 3,
};

struct KxExportOptions {
    KxExportWhat what = KxExportWhat::Entire;
    KxExportFileType type = KxExportFileType::Comma;
    std::string path;        // file system path (UTF-8)
    bool fieldLabels = true; // the header line of a delimited file
    // Delimited files only; a database file keeps the database's own 8-bit text.
    KxTextEncoding encoding = KxTextEncoding::Utf8;
};

// What the document's list shows.
struct KxExportView {
    std::int32_t currentRecord = -1;
    std::uint16_t category = 255; // the category filter, 255 for all
    bool searchResults = false;
    bool deletedRecords = false;
};
