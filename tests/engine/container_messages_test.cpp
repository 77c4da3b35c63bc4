// The message shown for an engine code, character for character.

#include "engine/KxDbError.h"

#include <gtest/gtest.h>

namespace {

const std::string kGeneric = "An error was encountered while processing the current operation.";

TEST(ContainerMessages, NoErrorHasNoMessage) { EXPECT_EQ(kxDbErrorMessage(0u), ""); }

TEST(ContainerMessages, CodesWithoutATextOfTheirOwnShowTheGenericMessage) {
    for (std::uint32_t code : {2u, 3u, 13u, 14u, 24u, 31u, 32u, 33u, 40u, 0xFFFFFFFFu})
        EXPECT_EQ(kxDbErrorMessage(code), kGeneric) << "code " << code;
    EXPECT_EQ(kxDbErrorMessage(KxDbError::CannotOpen), "The database could not be opened.");
    EXPECT_EQ(kxDbErrorMessage(KxDbError::AccessDenied), "The database could not be opened.");
}

TEST(ContainerMessages, MessagesKeepTheirExactSpacing) {
    EXPECT_EQ(kxDbErrorMessage(KxDbError::OutOfMemory),
              "There is not enough memory available complete the current operation.  ");
    EXPECT_EQ(kxDbErrorMessage(KxDbError::DiskFull),
              "There is not enough disk space available  to complete the current operation. ");
    EXPECT_EQ(kxDbErrorMessage(KxDbError::NothingToUndo),
              "Nothing to undo.  You can only undo changes made to the last record you edited.");
    EXPECT_EQ(kxDbErrorMessage(KxDbError::Damaged), "The database has been damaged.");
    EXPECT_EQ(kxDbErrorMessage(KxDbError::BadValueLength), "The database has been damaged.");
    EXPECT_EQ(kxDbErrorMessage(KxDbError::TooManyRecords), "The database has been damaged.");
    EXPECT_EQ(kxDbErrorMessage(KxDbError::NewerVersion),
              "This database is not compatible with this version of the product.");
}

} // namespace
