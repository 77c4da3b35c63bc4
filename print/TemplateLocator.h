#pragma once
// Finding print templates by name. A database file stores the name of its template, so the
// name is outside input: only a plain file name is looked up, and only inside the template
// directories. A name with a directory in it ("../../secret", "/etc/passwd", "a/b.htm"),
// "." or "..", a name with a control character, or an empty name names no template.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The template a new database prints with.
inline constexpr std::string_view kxDefaultTemplateName = "Basic.htm";
// The file a printout is written to, in the output directory.
inline constexpr std::string_view kxPrintOutputName = "_KxPrintTempOutput.htm";

bool kxIsPlainTemplateName(std::string_view name);

// The path of the regular file of that name in the first directory that holds one; none
// for a name that is not plain or that no directory holds. The name is a file system name
// (UTF-8).
std::optional<std::string> kxFindTemplate(std::string_view name,
                                          const std::vector<std::string>& directories);

// The names of the "*.htm" files of the directories, sorted, each name once (the first
// directory that holds it wins when the report runs).
std::vector<std::string> kxListTemplates(const std::vector<std::string>& directories);
