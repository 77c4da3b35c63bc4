#include "engine/KxDbError.h"

#include <map>

namespace {
const std::string kGeneric = "An error was encountered while processing the current operation.";
const std::string kNotOpened = "The database could not be opened.";
const std::string kDamaged = "The database has been damaged.";

const std::map<std::uint32_t, std::string>& messages() {
    static const std::map<std::uint32_t, std::string> table = {
        {0, ""},
        {1, kNotOpened},
        {5, "This operation cannot be done because there is no database currently open."},
        {6, kNotOpened},
        {7, "The database could not be created."},
        {9, "An error was encountered while saving the database."},
        {10, "The database could not be deleted."},
        {11, kDamaged},
        {15, "The name you entered is invalid.  Please enter a different name."},
        {16, "The name entered already exists.  Please choose a different name."},
        {17, "The length of the string entered is too long."},
        {19, "There is not enough memory available complete the current operation.  "},
        {20, "There is not enough disk space available  to complete the current operation. "},
        {22, "This operation cannot be performed because you do not have write access."},
        {25, "This operation cannot be completed because it would cause the record to exceed "
             "its size limit."},
        {29, kDamaged},
        {34, "This database is not compatible with this version of the product."},
        {37, "Your Windows system resources are running low and your computer may become "
             "unstable. Please save your Rolva database and exit the program. We recommend "
             "closing Windows and restarting your computer before restarting Rolva."},
        {38, "Nothing to undo.  You can only undo changes made to the last record you edited."},
        {39, kDamaged},
    };
    return table;
}
} // namespace

const std::string& kxDbErrorMessage(std::uint32_t code) {
    const auto& table = messages();
    auto it = table.find(code);
    return it == table.end() ? kGeneric : it->second;
}
