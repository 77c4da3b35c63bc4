#pragma once
// What a user needs beside the product's message when a database file could not be opened
// or saved: which file, and what the system says about it. Found by looking at the file
// after the failure; empty when there is nothing to add.

#include "engine/KxDbError.h"

#include <string>

// A failed open: the file is not a database at all, another program holds it, it is
// write-protected, or it may not be read. A holder the system names is named.
std::string kxOpenFailureDetail(const std::string& path, KxDbError code);

// A failed save: the path and the system's reason, or that the file is write-protected or
// held by another program (the tool's whole detail) ...
std::string kxSaveFailureReason(const std::string& path, KxDbError code);
// ... and, in the desktop, that Save As follows.
std::string kxSaveFailureDetail(const std::string& path, KxDbError code);
