// The Edit Names rules: six named searches at most, names of one to twenty characters that
// are not listed yet, and Rename and Delete only on a selected search.

#include "tests/support/ScriptedUi.h"
#include "tests/support/TestDatabase.h"

#include "engine/KxSavedSearches.h"
#include "app/KxSearchNamesEditor.h"

#include <gtest/gtest.h>

namespace {
// Also remembers every name box it was asked to show.
class NamesUi : public ScriptedUi {
  public:
    struct Asked {
        std::string title, prompt, initial;
        std::size_t maxLength;
    };
    std::vector<Asked> asked;

    std::optional<std::string> askText(const std::string& title, const std::string& prompt,
                                       const std::string& initial, std::size_t maxLength) override {
        asked.push_back({title, prompt, initial, maxLength});
        return ScriptedUi::askText(title, prompt, initial, maxLength);
    }
};

class SearchNamesTest : public ::testing::Test {
  protected:
    // Named searches after the working search 0.
    void nameSearches(const std::vector<std::string>& names) {
        KxSavedSearches searches(t.db);
        if (searches.count() == 0) searches.add();
        for (const std::string& name : names)
            searches.setName(searches.add(), name);
    }
    std::size_t searchCount() { return KxSavedSearches(t.db).count(); }

    TestDatabase t{{{KxFieldType::Text, "Name"}}};
    NamesUi ui;
    KxSearchNamesEditor editor{t.db, ui};
};
} // namespace

TEST_F(SearchNamesTest, NewAddsANamedSearchAfterTheWorkingSearch) {
    ui.texts = {std::string("Cheap tools")};
    EXPECT_EQ(editor.addSearch(), 1u) << "search 0 is added first and never listed";
    EXPECT_EQ(searchCount(), 2u);
    EXPECT_EQ(editor.names(), std::vector<std::string>{"Cheap tools"});
    ASSERT_EQ(ui.asked.size(), 1u);
    EXPECT_EQ(ui.asked[0].title, "New Search");
    EXPECT_EQ(ui.asked[0].prompt, "&Enter a new search name:");
    EXPECT_EQ(ui.asked[0].initial, "");
    EXPECT_EQ(ui.asked[0].maxLength, 20u);
    EXPECT_TRUE(ui.messages.empty());

    // A name box that lets more through still stores twenty characters.
    ui.texts = {std::string("Twenty characters ok"), std::string("Twenty-five characters!!!")};
    editor.addSearch();
    editor.addSearch();
    EXPECT_EQ(editor.names(), (std::vector<std::string>{"Cheap tools", "Twenty characters ok",
                                                        "Twenty-five characte"}));
}

TEST_F(SearchNamesTest, NoMoreThanSixNames) {
    nameSearches({"a", "b", "c", "d", "e"});
    ui.texts = {std::string("f")};
    EXPECT_EQ(editor.addSearch(), 6u);
    ASSERT_TRUE(ui.messages.empty());

    EXPECT_FALSE(editor.addSearch());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "No more than 6 searches are allowed.");
    EXPECT_EQ(ui.messages[0].caption, "New Search");
    EXPECT_EQ(ui.asked.size(), 1u) << "the seventh name is not even asked for";
    EXPECT_EQ(searchCount(), 7u);
}

TEST_F(SearchNamesTest, EmptyCancelledAndListedNamesAddNothing) {
    nameSearches({"Cheap"});
    ui.texts = {std::string(""), std::nullopt, std::string("Cheap")};
    EXPECT_FALSE(editor.addSearch());
    EXPECT_EQ(ui.lastMessage(), "Please enter a search name.");
    EXPECT_FALSE(editor.addSearch());
    EXPECT_EQ(ui.messages.size(), 1u) << "a cancelled name box says nothing";
    EXPECT_FALSE(editor.addSearch());
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].text, "'Cheap' is already a search.");
    EXPECT_EQ(ui.messages[1].caption, "Search Exists");
    EXPECT_EQ(searchCount(), 2u);
}

TEST_F(SearchNamesTest, RenameAndDeleteNeedASelectedNamedSearch) {
    nameSearches({"Cheap"});
    for (const std::optional<std::size_t> selected :
         {std::optional<std::size_t>{}, std::optional<std::size_t>{0}}) {
        ui.messages.clear();
        EXPECT_FALSE(editor.renameSearch(selected));
        EXPECT_FALSE(editor.deleteSearch(selected));
        ASSERT_EQ(ui.messages.size(), 2u);
        EXPECT_EQ(ui.messages[0].text, "Please select a search before renaming.");
        EXPECT_EQ(ui.messages[1].text, "Please select a search before deleting.");
    }
    EXPECT_TRUE(ui.asked.empty());
    EXPECT_EQ(searchCount(), 2u);
}

TEST_F(SearchNamesTest, RenameChecksTheNewNameLikeNew) {
    nameSearches({"Cheap", "Lent out"});
    ui.texts = {std::string("Lent out"), std::string(""), std::string("Cheap"),
                std::string("Cheap tools")};
    EXPECT_FALSE(editor.renameSearch(1));
    EXPECT_EQ(ui.lastMessage(), "'Lent out' is already a search.");
    EXPECT_FALSE(editor.renameSearch(1));
    EXPECT_EQ(ui.lastMessage(), "Please enter a search name.");
    const std::size_t shown = ui.messages.size();
    EXPECT_EQ(editor.renameSearch(1), 1u) << "its own name is no clash";
    EXPECT_EQ(ui.messages.size(), shown);
    EXPECT_EQ(editor.renameSearch(1), 1u);
    EXPECT_EQ(editor.names(), (std::vector<std::string>{"Cheap tools", "Lent out"}));
    EXPECT_EQ(ui.asked.back().title, "Rename Search");
    EXPECT_EQ(ui.asked.back().initial, "Cheap") << "the box starts on the current name";
}

TEST_F(SearchNamesTest, DeleteAsksAndHandsBackTheSearchsListOptionsSet) {
    nameSearches({"Cheap", "Lent out"});
    KxSchemaEditor schema(t.db);
    const auto own = static_cast<std::uint8_t>(schema.addListSet());
    KxSavedSearches(t.db).setListOptionsSet(2, own);

    ui.answers = {KxAnswer::No};
    EXPECT_FALSE(editor.deleteSearch(2));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Are you sure you want to delete search 'Lent out'?");
    EXPECT_EQ(ui.messages[0].caption, "Delete Search");
    EXPECT_EQ(ui.messages[0].buttons, KxButtons::YesNo);
    EXPECT_EQ(searchCount(), 3u);

    ui.answers = {KxAnswer::Yes, KxAnswer::Yes};
    const auto withSet = editor.deleteSearch(2);
    ASSERT_TRUE(withSet);
    EXPECT_EQ(withSet->search, 2u);
    EXPECT_EQ(withSet->listOptionsSet, own);
    const auto withoutSet = editor.deleteSearch(1);
    ASSERT_TRUE(withoutSet);
    EXPECT_FALSE(withoutSet->listOptionsSet);
    EXPECT_TRUE(editor.names().empty());
    EXPECT_EQ(t.db.header().listSets.size(), 2u) << "the set is left to the caller";
}
