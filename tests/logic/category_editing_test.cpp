// The rules behind the category dialogs that need no window: renames that change nothing and
// a merge into Unfiled.

#include "tests/support/ScriptedUi.h"
#include "tests/support/TestDatabase.h"

#include "engine/KxCategoryEditor.h"
#include "editors/KxCategoryEditing.h"

#include <gtest/gtest.h>

namespace {
struct Named {
    Named() : t({{KxFieldType::Text, "Name"}}) {
        KxCategoryEditor names(t.db);
        names.setCategoryName(1, std::string("Work"));
        names.setCategoryName(2, std::string("Home"));
    }
    TestDatabase t;
    ScriptedUi ui;
};
} // namespace

TEST(CategoryEditing, RenamingToTheSameNameChangesNothing) {
    Named n;
    KxCategoryEditing editing(n.t.db, n.ui);
    EXPECT_EQ(editing.rename(1, "Work"), 1u);
    EXPECT_FALSE(editing.categoriesChanged());
    EXPECT_TRUE(n.ui.messages.empty());
    // Another letter case is a new name.
    EXPECT_EQ(editing.rename(1, "WORK"), 1u);
    EXPECT_TRUE(editing.categoriesChanged());
}

TEST(CategoryEditing, RenamingToUnfiledMovesTheRecordsThereAndFreesTheSlot) {
    Named n;
    n.t.addRecord({"a"}, 1);
    n.t.addRecord({"b"}, 2);
    KxCategoryEditing editing(n.t.db, n.ui);
    n.ui.answers = {KxAnswer::Ok};
    EXPECT_EQ(editing.rename(1, "Unfiled"), 0u);
    EXPECT_EQ(n.ui.messages.back().caption, "Merge Category");
    EXPECT_EQ(n.t.db.liveCategory(0), 0);
    EXPECT_EQ(n.t.db.liveCategory(1), 2);
    EXPECT_EQ(KxCategoryEditor(n.t.db).findCategory("Work"), KxCategoryEditor::kNotFound);
    EXPECT_TRUE(editing.categoriesChanged());
}

TEST(CategoryEditing, DeletingTheRecordsNamesTheCategoryAndCountsItsRecords) {
    Named n;
    n.t.addRecord({"a"}, 1);
    n.t.addRecord({"b"}, 1);
    n.t.addRecord({"c"}, 2);
    KxCategoryEditing editing(n.t.db, n.ui);
    EXPECT_EQ(editing.recordCount(1), 2u);
    n.ui.answers = {KxAnswer::No};
    EXPECT_FALSE(editing.remove(1, true));
    ASSERT_EQ(n.ui.messages.size(), 1u);
    // The product's question stays; the count stands beside it.
    EXPECT_EQ(n.ui.messages[0].text, "Are you sure you want to delete all the items in the category?");
    EXPECT_EQ(n.ui.messages[0].detail, "Records in the category \"Work\": 2");
}
