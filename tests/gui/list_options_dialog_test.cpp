// The List Options dialog's choices: "None" and "No Sort" where they are allowed.

#include "tests/support/TestDatabase.h"

#include "editors/widgets/KxListOptionsDialog.h"
#include "editors/KxListOptionsRules.h"

#include <QComboBox>

#include <gtest/gtest.h>

namespace {
QStringList itemsOf(const QComboBox& box) {
    QStringList items;
    for (int i = 0; i < box.count(); ++i) items << box.itemText(i);
    return items;
}

void choose(QComboBox& box, const QString& text) {
    const int index = box.findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    box.setCurrentIndex(index);
    emit box.activated(index);
}
} // namespace

TEST(ListOptionsDialog, OffersFieldsInFormOrderAndNoneFromTheSecondColumn) {
    TestDatabase t({{KxFieldType::Text, "Name"}, {KxFieldType::LabelOnly, "Heading"}, {KxFieldType::Number, ""}});
    KxListOptionsDialog dialog(nullptr, t.db.header(), {{2, KxSortDirection::Descending}});
    EXPECT_EQ(dialog.windowTitle(), "List Options");
    EXPECT_EQ(itemsOf(dialog.fieldBox(0)), (QStringList{"Name", "Field 3"}));
    EXPECT_EQ(itemsOf(dialog.fieldBox(1)), (QStringList{"Name", "Field 3", "None"}));
    EXPECT_EQ(dialog.fieldBox(0).currentText(), "Field 3");
    EXPECT_EQ(dialog.sortBox(0).currentText(), "Descending");
    EXPECT_EQ(itemsOf(dialog.sortBox(0)), (QStringList{"Ascending", "Descending"}));
    EXPECT_EQ(dialog.fieldBox(4).currentText(), "None");
    EXPECT_EQ(dialog.sortBox(4).currentText(), "No Sort");
    EXPECT_EQ(itemsOf(dialog.sortBox(4)), (QStringList{"Ascending", "Descending", "No Sort"}));
}

TEST(ListOptionsDialog, AnUnsortedCheckboxFirstColumnNeedsASortedSecondColumn) {
    TestDatabase t({{KxFieldType::Checkbox, "Done"}, {KxFieldType::Text, "What"}});
    KxListOptionsDialog dialog(nullptr, t.db.header(), {{0, KxSortDirection::Ascending}});
    EXPECT_EQ(itemsOf(dialog.sortBox(0)), (QStringList{"Ascending", "Descending", "No Sort"}));
    EXPECT_EQ(dialog.fieldBox(1).currentText(), "None");

    choose(dialog.sortBox(0), "No Sort");
    EXPECT_EQ(itemsOf(dialog.fieldBox(1)), (QStringList{"Done", "What"}));
    EXPECT_EQ(itemsOf(dialog.sortBox(1)), (QStringList{"Ascending", "Descending"}));
    EXPECT_EQ(dialog.fieldBox(1).currentText(), "Done") << "falls back to the first item";
    EXPECT_EQ(dialog.sortBox(1).currentText(), "Ascending");

    choose(dialog.fieldBox(0), "What");
    EXPECT_EQ(itemsOf(dialog.sortBox(0)), (QStringList{"Ascending", "Descending"}));
    EXPECT_EQ(dialog.sortBox(0).currentText(), "Ascending");
    EXPECT_TRUE(itemsOf(dialog.fieldBox(1)).contains("None"));
    const auto& columns = dialog.columns();
    ASSERT_EQ(columns.size(), 5u);
    EXPECT_EQ(columns[0].field, 1);
    EXPECT_EQ(columns[1].field, 0);
}
