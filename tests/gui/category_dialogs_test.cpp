// The category dialogs: refusals, merge, deletion, and the name box's trimming.

#include "tests/support/ScriptedUi.h"
#include "tests/gui/Screenshots.h"
#include "tests/support/TestDatabase.h"

#include "engine/KxCategoryEditor.h"
#include "editors/widgets/KxDeleteCategoryDialog.h"
#include "editors/widgets/KxEditCategoriesDialog.h"
#include "editors/widgets/KxRenameCategoryDialog.h"

#include <QLabel>
#include <QRadioButton>
#include <QLineEdit>
#include <QListWidget>

#include <gtest/gtest.h>

#include <deque>

namespace {
struct Categories {
    Categories() : t({{KxFieldType::Text, "Name"}}) {}
    KxEditCategoriesDialog& open() {
        dialog = std::make_unique<KxEditCategoriesDialog>(nullptr, t.db, ui);
        dialog->setNameDialog([this](const std::optional<QString>& title, const QString& initial) {
            asked.push_back(title.value_or("(template)") + "|" + initial);
            std::optional<QString> answer = names.empty() ? std::nullopt : names.front();
            if (!names.empty()) names.pop_front();
            return answer;
        });
        dialog->setDeleteDialog([this](const QString& name, bool) -> std::optional<bool> {
            asked.push_back("delete " + name);
            return deleteAll;
        });
        return *dialog;
    }
    QStringList items() const {
        QStringList texts;
        for (int i = 0; i < dialog->list().count(); ++i) texts << dialog->list().item(i)->text();
        return texts;
    }
    void select(const QString& name) {
        dialog->list().setCurrentItem(dialog->list().findItems(name, Qt::MatchExactly).first());
    }
    std::string name(std::size_t slot) { return KxCategoryEditor(t.db).categoryName(slot); }

    TestDatabase t;
    ScriptedUi ui;
    std::unique_ptr<KxEditCategoriesDialog> dialog;
    std::deque<std::optional<QString>> names;
    QStringList asked;
    bool deleteAll = false;
};
} // namespace

TEST(CategoryDialogs, NewRefusesAtFifteenBeforeAskingAndRefusesReservedNames) {
    Categories c;
    KxCategoryEditor editor(c.t.db);
    for (std::size_t slot = 1; slot <= 15; ++slot) editor.setCategoryName(slot, "C" + std::to_string(slot));
    c.open().newCategory();
    EXPECT_TRUE(c.asked.isEmpty());
    ASSERT_EQ(c.ui.messages.size(), 1u);
    EXPECT_EQ(c.ui.messages[0].text, "No more than 15 categories are allowed.");
    EXPECT_EQ(c.ui.messages[0].caption, "New Category");

    Categories d;
    KxCategoryEditor(d.t.db).setCategoryName(3, std::string("Home"));
    d.names = {QString("Unfiled"), QString("All"), QString("home")};
    KxEditCategoriesDialog& dialog = d.open();
    dialog.newCategory();
    dialog.newCategory();
    EXPECT_EQ(d.asked.first(), "New Category|");
    ASSERT_EQ(d.ui.messages.size(), 2u);
    EXPECT_EQ(d.ui.messages[0].text, "'Unfiled' is already a category.");
    EXPECT_EQ(d.ui.messages[1].text, "'All' is already a category.");
    EXPECT_EQ(d.ui.messages[1].caption, "Category Exists");
    EXPECT_FALSE(dialog.categoriesChanged());
    dialog.newCategory();
    EXPECT_EQ(d.items(), (QStringList{"home", "Home"}));
    EXPECT_EQ(d.name(1), "home") << "the lowest free slot";
    EXPECT_EQ(dialog.list().currentItem()->text(), "home");
    EXPECT_TRUE(dialog.categoriesChanged());
}

TEST(CategoryDialogs, RenamingOntoAnotherCategoryMergesAfterTheQuestion) {
    Categories c;
    KxCategoryEditor editor(c.t.db);
    editor.setCategoryName(1, std::string("Work"));
    editor.setCategoryName(2, std::string("Home"));
    c.t.addRecord({"a"}, 1);
    c.t.addRecord({"b"}, 2);
    KxEditCategoriesDialog& dialog = c.open();
    dialog.renameCategory();
    EXPECT_EQ(c.ui.messages.back().text, "Please select a category before renaming.");

    c.select("Work");
    c.names = {QString("Home")};
    c.ui.answers = {KxAnswer::Ok};
    dialog.renameCategory();
    EXPECT_EQ(c.asked.back(), "(template)|Work");
    EXPECT_EQ(c.ui.messages.back().caption, "Merge Category");
    EXPECT_EQ(c.items(), (QStringList{"Home"}));
    EXPECT_EQ(c.t.db.liveCategory(0), 2);
    EXPECT_EQ(c.t.db.liveCategory(1), 2);
    EXPECT_EQ(dialog.list().currentItem()->text(), "Home");
    EXPECT_TRUE(dialog.categoriesChanged());
}

TEST(CategoryDialogs, DeletingWithAllItemsPutsTheRecordsAmongTheDeletedInUnfiled) {
    Categories c;
    KxCategoryEditor(c.t.db).setCategoryName(4, std::string("Old"));
    c.t.addRecord({"a"}, 4);
    c.t.addRecord({"b"}, 0);
    KxEditCategoriesDialog& dialog = c.open();
    dialog.deleteCategory();
    EXPECT_EQ(c.ui.messages.back().text, "Please select a category before deleting.");

    c.select("Old");
    c.deleteAll = true;
    // No to the second question shows the choice again; then Yes.
    c.ui.answers = {KxAnswer::No, KxAnswer::Yes};
    dialog.deleteCategory();
    EXPECT_EQ(c.asked, (QStringList{"delete Old", "delete Old"}));
    EXPECT_EQ(c.t.db.liveCount(), 1u);
    EXPECT_EQ(c.t.db.deletedCount(), 1u);
    EXPECT_EQ(c.t.db.deletedRecord(0, false).value(0)->text(), "a");
    EXPECT_EQ(c.t.db.deletedRecord(0, false).category(), 0); // Unfiled
    EXPECT_EQ(c.items(), QStringList{});
    EXPECT_TRUE(dialog.categoriesChanged());
    EXPECT_TRUE(dialog.recordsDeleted());
}

TEST(CategoryDialogs, TheNameBoxRefusesBlanksAndTrims) {
    ScriptedUi ui;
    KxRenameCategoryDialog dialog(nullptr, ui, "Home", QString("New Category"));
    EXPECT_EQ(dialog.windowTitle(), "New Category");
    EXPECT_EQ(dialog.edit().maxLength(), 15);
    dialog.edit().setText("   ");
    dialog.accept();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Please enter a category name.");
    EXPECT_EQ(ui.messages[0].caption, "New Category");
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    dialog.edit().setText("  Garden ");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.text(), "Garden");
}

TEST(DeleteCategoryDialog, NamesTheCategoryAndCountsItsRecords) {
    KxDeleteCategoryDialog dialog(nullptr, QStringLiteral("Garage"), false, 12);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Delete Garage Category"));
    ASSERT_NE(dialog.countLine(), nullptr);
    EXPECT_EQ(dialog.countLine()->text(), QStringLiteral("Records in the category \"Garage\": 12"));
    EXPECT_TRUE(dialog.moveButton().isChecked());
    dialog.show();
    saveScreenshot(dialog, QStringLiteral("delete-category.png"));
    EXPECT_EQ(KxDeleteCategoryDialog(nullptr, QStringLiteral("Garage")).countLine(), nullptr);
}
