// Where a record that changes lists goes. Until the records are kept sorted, it stays last.

#include "KxDatabase.h"

std::size_t KxDatabase::placeBySortKeys(std::size_t dirIndex, bool /*deletedList*/) {
    return dirIndex;
}
