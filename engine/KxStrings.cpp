#include "KxStrings.h"

#include <map>

namespace {
const std::map<int, std::string>& table() {
    static const std::map<int, std::string> strings = {
        {kxStrYes, "Yes"},
        {kxStrNo, "No"},
        {kxStrUnfiled, "Unfiled"},
        {kxStrExportingFile, "Exporting file"},
        {kxStrPathDoesNotExist, "Path does not exist.\nPlease verify the correct path was given."},
        {kxStrReadOnlyTarget, "%s already exists and is read-only. Save the file to another file "
                              "name or location."},
        {kxStrTargetIsOpenDatabase,
         "%s is the currently open database.  Please select a different export name."},
        {kxStrReplaceFile, "'%s' already exists.\nDo you want to replace it?"},
        {kxStrInvalidFileName,
         "The filename you have entered is invalid. Filenames can be a maximum of %s characters "
         "in length, not including the directory path and filename extension, and must not "
         "contain * \\ / ? > < or \" characters."},
        {kxStrCannotOpenTemplate, "Could not open the print template file %s."},
        {kxStrCannotCreatePrintOutput, "Could not create the temporary print output file %s."},
        {kxStrPrintoutTooLarge,
         "Your printout is too large to print.  \n\nAn intermediate step in the printing process "
         "is the creation of an HTML file, _KxPrintTempOutput.htm, located in your Rolva program "
         "directory.  This file was created successfully.  You can attempt to print this file by "
         "loading it into your browser, but we recommend closing all other programs first."},
        {kxStrGeneratingPrintout, "Generating printout"},
    };
    return strings;
}
} // namespace

const std::string& kxString(int id) {
    static const std::string none;
    const auto& strings = table();
    const auto it = strings.find(id);
    return it == strings.end() ? none : it->second;
}

std::string kxString(int id, std::string_view argument) {
    std::string text = kxString(id);
    if (const auto at = text.find("%s"); at != std::string::npos) text.replace(at, 2, argument);
    return text;
}
