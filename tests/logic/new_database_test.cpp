// The New Database wizard's first step (where the file goes and what is asked on the way)
// and the database File New makes from the wizard's working definitions.

#include "tests/logic/doc_test_support.h"

#include "app/KxNewDatabaseName.h"
#include "transfer/TransferStrings.h"

#include <filesystem>

namespace {
class NewDatabaseNameTest : public ::testing::Test {
  protected:
    TempDir dir;
    ScriptedUi ui;
    KxNewDatabaseName name{ui, dir.path()};
    std::string shown;

    std::string invalidName() const { return kxString(kxStrInvalidFileName, "31"); }
};
} // namespace

TEST(NewDatabaseFolder, ProgramFolderWhenWritableElseDocuments) {
    TempDir program, documents;
    EXPECT_EQ(kxNewDatabaseFolder(program.path(), documents.path()), program.path() + "/");
    EXPECT_EQ(kxNewDatabaseFolder(program.path() + "/gone", documents.path()), documents.path() + "/");
    EXPECT_EQ(kxNewDatabaseFolder("", documents.path() + "/"), documents.path() + "/");
}

TEST(NewDatabaseFolder, NextOnlyForANameThatIsNotBlank) {
    EXPECT_FALSE(kxNewDatabaseNameGiven(""));
    EXPECT_FALSE(kxNewDatabaseNameGiven(" \t "));
    EXPECT_TRUE(kxNewDatabaseNameGiven(" a "));
}

TEST_F(NewDatabaseNameTest, BareNameGoesToTheFolderWithTheExtension) {
    ASSERT_TRUE(name.next("  Garden  ", shown));
    EXPECT_EQ(shown, dir.file("Garden.rlv"));
    EXPECT_EQ(name.path(), dir.file("Garden.rlv"));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(NewDatabaseNameTest, AnotherExtensionIsKeptAndRlvAppendedAfterIt) {
    ASSERT_TRUE(name.next("notes.txt", shown));
    EXPECT_EQ(name.path(), dir.file("notes.txt.rlv"));
    ASSERT_TRUE(name.next(dir.file("Upper.RLV"), shown));
    EXPECT_EQ(name.path(), dir.file("Upper.RLV"));
}

TEST_F(NewDatabaseNameTest, MissingFolderIsRefusedWithTheFullPathShown) {
    EXPECT_FALSE(name.next(dir.file("nowhere/Garden"), shown));
    EXPECT_EQ(shown, dir.file("nowhere/Garden.rlv"));
    EXPECT_EQ(ui.lastMessage(), "Path does not exist.\nPlease verify the correct path was given.");
}

TEST_F(NewDatabaseNameTest, NoFileNameGetsTheNameMessage) {
    EXPECT_FALSE(name.next(dir.path() + "/", shown));
    EXPECT_EQ(ui.lastMessage(), invalidName());
}

TEST_F(NewDatabaseNameTest, NameRuleAllowsThirtyOneCharactersAndNoWildcards) {
    ASSERT_TRUE(name.next(std::string(31, 'a'), shown));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(name.next(std::string(32, 'b'), shown));
    EXPECT_EQ(ui.lastMessage(), invalidName());
    EXPECT_NE(ui.lastMessage().find("maximum of 31 characters"), std::string::npos);
    EXPECT_FALSE(name.next("a?b", shown));
    EXPECT_EQ(ui.messages.size(), 2u);
}

TEST_F(NewDatabaseNameTest, ReplaceIsAskedOnceNotAgainAfterBack) {
    writeFileBytes(dir.file("Old.rlv"), {1});
    ui.answers = {KxAnswer::No};
    EXPECT_FALSE(name.next("Old", shown));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "'" + dir.file("Old.rlv") + "' already exists.\nDo you want to replace it?");
    EXPECT_EQ(ui.messages[0].buttons, KxButtons::YesNo);
    EXPECT_EQ(ui.messages[0].defaultAnswer, KxAnswer::No);

    // The box now shows the full path; Yes goes on, and Back then Next asks nothing more.
    ui.answers = {KxAnswer::Yes};
    ASSERT_TRUE(name.next(shown, shown));
    ASSERT_TRUE(name.next(shown, shown));
    EXPECT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(name.path(), dir.file("Old.rlv"));
}

TEST_F(NewDatabaseNameTest, ANameDifferingOnlyInCaseIsAnotherFileAndAskedAbout) {
    writeFileBytes(dir.file("old.rlv"), {1});
    ASSERT_TRUE(name.next("Old", shown));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(name.next(dir.file("old.rlv"), shown)); // No is the default answer
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(NewDatabaseNameTest, BrowsedPathIsNotCheckedAgainUnlessItBrokeTheRule) {
    writeFileBytes(dir.file("notes.txt.rlv"), {1}); // the file dialog asked about it
    EXPECT_EQ(name.browsed(dir.file("notes.txt")), dir.file("notes.txt.rlv"));
    ASSERT_TRUE(name.next(dir.file("notes.txt.rlv"), shown));
    EXPECT_TRUE(ui.messages.empty());

    const std::string tooLong = dir.file(std::string(32, 'c') + ".rlv");
    EXPECT_EQ(name.browsed(tooLong), tooLong);
    EXPECT_EQ(ui.lastMessage(), invalidName());
    EXPECT_FALSE(name.next(tooLong, shown));
    EXPECT_EQ(ui.messages.size(), 2u);
}

namespace {
class NewDatabaseDocTest : public DocTest {};

KxWorkingField field(KxFieldType type, const std::string& label) {
    KxWorkingField f;
    f.type = type;
    f.label = label;
    return f;
}
} // namespace

TEST_F(NewDatabaseDocTest, WorkingDefinitionsAreCommittedWithCalculationOperandsAndListColumns) {
    KxNewDatabaseRequest request;
    request.path = dir.file("shop.rlv");
    KxWorkingField total = field(KxFieldType::Calculation, "Total");
    total.calcOp = 2; // times
    total.first = 1;
    total.second = 2;
    total.decimals = 2;
    KxWorkingField price = field(KxFieldType::Number, "Price");
    price.currency = true;
    request.definitions = definitionsOf({field(KxFieldType::LabelOnly, "Item"), price,
                                         field(KxFieldType::Number, "Qty"), total});
    dialogs.wizard = request;
    ASSERT_TRUE(doc.newDocument());

    const KxHeaderChunk& header = doc.database().header();
    ASSERT_EQ(header.fields.size(), 4u);
    ASSERT_TRUE(header.fields[3].calc);
    EXPECT_EQ(header.fields[3].calc->op, 2);
    EXPECT_EQ(header.fields[3].calc->first, 1);
    EXPECT_EQ(header.fields[3].calc->second, 2);
    EXPECT_EQ(header.fields[3].typeOption, 2u);
    // The list shows the fields that are not Label Only, in wizard order.
    ASSERT_EQ(header.listSets.size(), 1u);
    std::vector<int> columns;
    for (const auto& column : header.listSets[0].columns) columns.push_back(column.field);
    EXPECT_EQ(columns, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(header.listSets[0].columns[0].width, 33);
}
