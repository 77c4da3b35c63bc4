// The Search Records dialog: its two modes, the rows' boxes per kind of field, how it opens
// on a stored search, and the criteria its rows make.

#include "GuiTestSupport.h"

#include "SavedSearches.h"
#include "app/KxSearchDialog.h"
#include "app/SearchRequest.h"
#include "views/KxBaseCtrl.h"
#include "views/KxCategoryCtrl.h"
#include "views/KxNumericCtrl.h"
#include "views/KxTextCtrl.h"

#include <QComboBox>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {
std::string searchDatabase(const TempDir& dir) {
    TestDatabase t({{KxFieldType::Text, "Name"},
                    {KxFieldType::LabelOnly, "Heading"},
                    {KxFieldType::Number, "Price"},
                    {KxFieldType::Checkbox, ""}});
    t.addRecord({"Smith", "", "12", ""});
    t.addRecord({"Blacksmith", "", "8", ""});
    const std::string path = dir.file("Search.rlv");
    t.db.save(path);
    t.db.close(false);
    return path;
}

QStringList itemsOf(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
    return items;
}

FieldValue text(const char* t) {
    FieldValue v = FieldValue::newValue(static_cast<int>(KxFieldType::Text));
    v.setText(t);
    return v;
}
} // namespace

TEST(SearchDialog, BasicAndAdvancedModes) {
    FrameFixture f;
    f.open(searchDatabase(f.dir));
    KxSearchDialog dialog(f.doc);
    EXPECT_FALSE(dialog.advanced()) << "a database without searches opens in basic mode";
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Search Records"));
    EXPECT_EQ(dialog.modeButton()->text(), QStringLiteral("&Advanced"));
    EXPECT_FALSE(dialog.fieldBox(1)->isVisibleTo(&dialog));
    EXPECT_FALSE(dialog.nameBox()->isVisibleTo(&dialog));
    const int basicHeight = dialog.height();

    EXPECT_EQ(itemsOf(dialog.fieldBox(0)),
              (QStringList{"All text & numeric fields", "Name", "Price", "Field 4", "Category"}));
    EXPECT_EQ(itemsOf(dialog.operatorBox(0)),
              (QStringList{"text that contains", "text that begins with", "a non-empty field", "an empty field"}));

    dialog.modeButton()->click();
    EXPECT_TRUE(dialog.advanced());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Advanced Search"));
    EXPECT_EQ(dialog.modeButton()->text(), QStringLiteral("&Basic"));
    EXPECT_GT(dialog.height(), basicHeight);
    EXPECT_TRUE(dialog.fieldBox(2)->isVisibleTo(&dialog));
    EXPECT_EQ(dialog.fieldBox(1)->currentText(), QStringLiteral("No fields"));
    EXPECT_FALSE(dialog.operatorBox(1)->isVisibleTo(&dialog));
    EXPECT_EQ(itemsOf(dialog.nameBox()), (QStringList{"None", "Edit Names..."}));
}

TEST(SearchDialog, ValueBoxesFollowTheField) {
    FrameFixture f;
    f.open(searchDatabase(f.dir));
    KxSearchDialog dialog(f.doc);
    EXPECT_NE(dynamic_cast<KxTextCtrl*>(dialog.valueBox(0)), nullptr);

    dialog.chooseField(0, 2);
    EXPECT_NE(dynamic_cast<KxNumericCtrl*>(dialog.valueBox(0)), nullptr);
    EXPECT_EQ(itemsOf(dialog.operatorBox(0)),
              (QStringList{"a number equal to", "a number not equal to", "a number greater than",
                           "a number less than", "a non-empty field", "an empty field"}));

    dialog.chooseField(0, 3);
    EXPECT_EQ(dialog.valueBox(0), nullptr) << "a Checkbox needs no value";
    EXPECT_EQ(itemsOf(dialog.operatorBox(0)), (QStringList{"Is Checked", "Is Unchecked"}));

    dialog.chooseField(0, kCategoryField);
    EXPECT_NE(dynamic_cast<KxCategoryCtrl*>(dialog.valueBox(0)), nullptr);
    EXPECT_EQ(itemsOf(dialog.operatorBox(0)), (QStringList{"is", "is not"}));
}

TEST(SearchDialog, RowsMakeTheCriteria) {
    FrameFixture f;
    f.open(searchDatabase(f.dir));
    {
        KxSearchDialog dialog(f.doc);
        dialog.valueBox(0)->showValue(text("smi"));
        dialog.accept();
        ASSERT_TRUE(dialog.result().request);
        const KxSearchRequest& r = *dialog.result().request;
        EXPECT_FALSE(r.advanced);
        ASSERT_EQ(r.rows.size(), 1u);
        EXPECT_EQ(r.rows[0]->field, kAnyField);
        EXPECT_EQ(r.rows[0]->op, KxSearchOperator::Contains);
        EXPECT_EQ(r.rows[0]->value->text(), "smi");
    }
    {
        KxSearchDialog dialog(f.doc);
        dialog.setAdvanced(true);
        dialog.chooseField(0, 0);
        dialog.operatorBox(0)->setCurrentIndex(1); // begins with
        dialog.valueBox(0)->showValue(text("Bl"));
        dialog.chooseField(1, 2);
        dialog.operatorBox(1)->setCurrentIndex(2); // greater than
        FieldValue five = FieldValue::newValue(static_cast<int>(KxFieldType::Number));
        five.setNumber(5);
        dialog.valueBox(1)->showValue(five);
        dialog.accept();
        const KxSearchRequest r = *dialog.result().request;
        ASSERT_EQ(r.rows.size(), 3u);
        EXPECT_FALSE(r.rows[2].has_value()) << "a row at \"No fields\" adds no criterion";
        EXPECT_EQ(r.rows[1]->op, KxSearchOperator::Greater);

        const std::size_t target = kxStoreSearchRequest(f.doc.database(), r);
        KxSavedSearches searches(f.doc.database());
        EXPECT_EQ(target, 0u);
        EXPECT_EQ(searches.criterionCount(0), 2u);
    }
    // The stored search has two criteria: the dialog opens on it in advanced mode.
    KxSearchDialog again(f.doc);
    EXPECT_TRUE(again.advanced());
    EXPECT_EQ(again.fieldBox(0)->currentText(), QStringLiteral("Name"));
    EXPECT_EQ(again.operatorBox(0)->currentText(), QStringLiteral("text that begins with"));
    EXPECT_EQ(again.fieldBox(1)->currentText(), QStringLiteral("Price"));
    EXPECT_EQ(again.valueBox(1)->readValue()->number(), 5);
    EXPECT_EQ(again.fieldBox(2)->currentText(), QStringLiteral("No fields"));
}

TEST(SearchDialog, NamedSearchesFillTheNameBox) {
    FrameFixture f;
    f.open(makeSampleDatabase(f.dir, {"Cheap tools", "Lent out"}));
    KxSavedSearches(f.doc.database()).setCurrent(2);
    KxSearchDialog dialog(f.doc);
    EXPECT_TRUE(dialog.advanced()) << "a named search opens in advanced mode";
    EXPECT_EQ(itemsOf(dialog.nameBox()), (QStringList{"None", "Cheap tools", "Lent out", "Edit Names..."}));
    EXPECT_EQ(dialog.nameBox()->currentText(), QStringLiteral("Lent out"));
    dialog.accept();
    EXPECT_EQ(dialog.result().request->chosenSearch, 2u);
}
