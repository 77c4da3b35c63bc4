#pragma once
// The character set of a delimited source: UTF-8 or Windows-1252, as detected when the file
// is loaded, or as the user overrides it on the wizard's field page.

#include "platform/Cp1252.h"
#include "transfer/KxImporter.h"

#include <memory>
#include <string>

// The character set the delimited reader takes the file to be in. Throws
// KxDbError::AccessDenied when the file cannot be read.
KxTextEncoding kxDetectFileEncoding(const std::string& path);

// Loads a comma- or tab-separated file read in the given character set, under the progress
// box. None when the user cancelled, or (after the message) when there is no valid data.
std::unique_ptr<KxImporter> kxLoadDelimitedAs(KxUi& ui, const std::string& path, KxImportType type,
                                              KxTextEncoding encoding);
