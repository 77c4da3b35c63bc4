// The Search Records dialog: its two modes, the rows' boxes per kind of field, how it opens
// on a stored search, the criteria its rows make, the name box with Edit Names, and the
// search's own list options.

#include "tests/gui/GuiTestSupport.h"

#include "engine/KxSavedSearches.h"
#include "app/KxDisplayModes.h"
#include "app/widgets/KxEditNamesDialog.h"
#include "app/widgets/KxSearchDialog.h"
#include "app/SearchListSets.h"
#include "app/KxSearchRequest.h"
#include "editors/KxListOptionsRules.h"
#include "views/widgets/KxBaseCtrl.h"
#include "views/widgets/KxCategoryCtrl.h"
#include "views/widgets/KxNumericCtrl.h"
#include "views/widgets/KxTextCtrl.h"

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <functional>

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

FieldValue number(double n) {
    FieldValue v = FieldValue::newValue(static_cast<int>(KxFieldType::Number));
    v.setNumber(n);
    return v;
}

void chooseName(KxSearchDialog& dialog, const QString& name) {
    const int index = dialog.nameBox()->findText(name);
    ASSERT_GE(index, 0) << name.toStdString();
    dialog.nameBox()->setCurrentIndex(index);
    emit dialog.nameBox()->activated(index);
}

// Chooses "Edit Names...", lets `act` work in the Edit Names dialog and closes it.
void editNames(KxSearchDialog& dialog, const std::function<void(KxEditNamesDialog&)>& act) {
    QTimer::singleShot(0, &dialog, [&dialog, act] {
        auto* names = dialog.findChild<KxEditNamesDialog*>();
        ASSERT_NE(names, nullptr);
        act(*names);
        names->accept();
    });
    chooseName(dialog, QStringLiteral("Edit Names..."));
}

// The sample database with "Cheap tools" (Price greater than 10 and Name containing "a") and
// "Lent out" (Name beginning with "S"), each with a list options set of its own, 1 and 2.
// Search "Lent out" is the current one.
void addOwnSearches(KxDatabase& db) {
    KxSavedSearches searches(db);
    searches.clearCriteria(1);
    const FieldValue ten = number(10), a = text("a"), s = text("S");
    searches.setCriterionValue(1, searches.addCriterion(1, 1, KxSearchOperator::Greater), &ten);
    searches.setCriterionValue(1, searches.addCriterion(1, 0, KxSearchOperator::Contains), &a);
    searches.clearCriteria(2);
    searches.setCriterionValue(2, searches.addCriterion(2, 0, KxSearchOperator::BeginsWith), &s);
    searches.setListOptionsSet(1, *kxMakeSearchListSet(db, {{1, KxSortDirection::Descending}}));
    searches.setListOptionsSet(2, *kxMakeSearchListSet(db, {{0, KxSortDirection::Descending}}));
    searches.setCurrent(2);
}

// The document's dialogs with the real Search Records dialog, never shown: `script` works in
// it and ends with OK or Cancel; List O&ptions... takes the next of `listOptions`.
class ScriptedSearchDialogs : public KxDocDialogs {
  public:
    std::function<void(KxSearchDialog&)> script;
    std::deque<std::vector<KxListOptionsColumn>> listOptions;
    std::vector<std::uint8_t> listOptionsOpenedOn;

    KxSearchDialogResult runSearchDialog(KxDbDoc& doc, std::size_t search) override {
        KxSearchDialog dialog(doc, search);
        dialog.setListOptionsRunner(
            [this](KxDbDoc&, std::uint8_t set) -> std::optional<std::vector<KxListOptionsColumn>> {
                listOptionsOpenedOn.push_back(set);
                if (listOptions.empty()) return std::nullopt;
                auto columns = listOptions.front();
                listOptions.pop_front();
                return columns;
            });
        script(dialog);
        return dialog.result();
    }
};

// The first column of each list options set, and the number of sort definitions: enough to
// tell the sets apart.
using Column = std::pair<std::uint8_t, KxSortDirection>;
struct ListSets {
    std::vector<Column> firstColumns;
    std::size_t sortDefs = 0;
};
ListSets listSetsOf(const KxDatabase& db) {
    ListSets sets;
    for (std::size_t i = 0; i < db.header().listSets.size(); ++i) {
        const auto columns = kxListOptionsColumnsOf(db, i);
        const KxListOptionsColumn first = columns.empty() ? KxListOptionsColumn{} : columns.front();
        sets.firstColumns.emplace_back(first.field, first.direction);
    }
    sets.sortDefs = db.header().sortDefs.size();
    return sets;
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
    EXPECT_EQ(dialog.fieldBox(0)->currentText(), QStringLiteral("Name")) << "row 1 starts on the first field";
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

TEST(SearchDialog, TheFirstValueBoxHasTheFocusWhenShown) {
    FrameFixture f;
    f.open(searchDatabase(f.dir));
    KxSearchDialog dialog(f.doc);
    dialog.show();
    QApplication::processEvents();
    ASSERT_NE(dialog.valueBox(0), nullptr);
    QWidget* focus = dialog.focusWidget();
    ASSERT_NE(focus, nullptr);
    QWidget* value = dialog.valueBox(0)->widget();
    EXPECT_TRUE(focus == value || value->isAncestorOf(focus)) << "typing after Ctrl+F goes to the value";
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
        EXPECT_EQ(r.rows[0]->field, 0);
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

TEST(SearchDialog, FieldBoxOffersTheListOptionsFieldsWithTheirNames) {
    FrameFixture f;
    f.open(searchDatabase(f.dir));
    // A field without a form item is offered all the same, after the ones on the form.
    KxSchemaEditor schema(f.doc.database());
    const std::size_t notes = schema.addField();
    schema.setFieldType(notes, KxFieldType::Text);
    KxSearchDialog dialog(f.doc);
    QStringList offered = itemsOf(dialog.fieldBox(0));
    ASSERT_EQ(offered.takeFirst(), QStringLiteral("All text & numeric fields"));
    ASSERT_EQ(offered.takeLast(), QStringLiteral("Category"));
    const KxListOptionsRules rules(f.doc.database().header());
    QStringList listOptions;
    for (const std::uint8_t field : rules.fields()) listOptions << QString::fromStdString(rules.fieldName(field));
    EXPECT_EQ(offered, listOptions);
    EXPECT_EQ(offered.last(), QStringLiteral("Field 5"));
}

TEST(SearchDialog, ChoosingAnotherSearchLoadsItsRowsAndListOptions) {
    FrameFixture f;
    f.open(makeSampleDatabase(f.dir, {"Cheap tools", "Lent out", "Blank"}));
    addOwnSearches(f.doc.database());
    KxSavedSearches(f.doc.database()).clearCriteria(3);
    KxSearchDialog dialog(f.doc);
    EXPECT_EQ(dialog.request().listOptionsSet, 2);

    chooseName(dialog, QStringLiteral("Cheap tools"));
    EXPECT_TRUE(dialog.advanced());
    EXPECT_EQ(dialog.fieldBox(0)->currentText(), QStringLiteral("Price"));
    EXPECT_EQ(dialog.operatorBox(0)->currentText(), QStringLiteral("a number greater than"));
    EXPECT_EQ(dialog.valueBox(0)->readValue()->number(), 10);
    EXPECT_EQ(dialog.fieldBox(1)->currentText(), QStringLiteral("Name"));
    EXPECT_EQ(dialog.fieldBox(2)->currentText(), QStringLiteral("No fields"));
    EXPECT_EQ(dialog.request().listOptionsSet, 1);

    chooseName(dialog, QStringLiteral("Blank"));
    EXPECT_TRUE(dialog.advanced()) << "the mode stays";
    EXPECT_EQ(dialog.fieldBox(0)->currentText(), QStringLiteral("Name")) << "a search without criteria resets the rows";
    EXPECT_EQ(dialog.operatorBox(0)->currentText(), QStringLiteral("text that contains"));
    EXPECT_EQ(dialog.fieldBox(1)->currentText(), QStringLiteral("No fields"));
    EXPECT_EQ(dialog.request().listOptionsSet, KxSavedSearches::kNoListOptionsSet);
    dialog.accept();
    EXPECT_EQ(dialog.result().request->chosenSearch, 3u);
}

TEST(SearchDialog, EditNamesRefillsTheNameBoxOnTheSearchItLeftSelected) {
    FrameFixture f;
    f.open(makeSampleDatabase(f.dir, {"Cheap tools", "Lent out"}));
    addOwnSearches(f.doc.database());
    KxSearchDialog dialog(f.doc);
    ASSERT_EQ(dialog.nameBox()->currentText(), QStringLiteral("Lent out"));

    // The search shown is deleted and another one selected: the box, the rows and the link
    // follow the one selected, and the deleted search's set is left to delete.
    editNames(dialog, [](KxEditNamesDialog& names) {
        names.list()->setCurrentRow(1);
        names.deleteName();
        names.list()->setCurrentRow(0);
    });
    EXPECT_EQ(itemsOf(dialog.nameBox()), (QStringList{"None", "Cheap tools", "Edit Names..."}));
    EXPECT_EQ(dialog.nameBox()->currentText(), QStringLiteral("Cheap tools"));
    EXPECT_EQ(dialog.fieldBox(0)->currentText(), QStringLiteral("Price"));
    EXPECT_EQ(dialog.request().listOptionsSet, 1);
    EXPECT_TRUE(dialog.result().searchesEdited);
    EXPECT_EQ(dialog.result().unusedListSets, std::vector<std::uint8_t>{2});

    // A new search has no criteria yet: it takes the rows as they are, and no list options.
    f.ui.texts = {std::string("Fresh")};
    editNames(dialog, [](KxEditNamesDialog& names) { names.addName(); });
    EXPECT_EQ(dialog.nameBox()->currentText(), QStringLiteral("Fresh"));
    EXPECT_EQ(dialog.fieldBox(0)->currentText(), QStringLiteral("Price"));
    EXPECT_EQ(dialog.request().listOptionsSet, KxSavedSearches::kNoListOptionsSet);
    dialog.accept();
    EXPECT_EQ(dialog.result().request->chosenSearch, 2u);
}

TEST(SearchDialog, DeletingSearchesInEditNamesDeletesEachOnesListOptions) {
    ScriptedSearchDialogs dialogs;
    FrameFixture f;
    f.open(makeSampleDatabase(f.dir, {"Cheap tools", "Lent out"}));
    addOwnSearches(f.doc.database());
    KxDisplayModes(f.doc).runSavedSearchEntry(2); // "Lent out" shown with its own set
    ASSERT_TRUE(f.doc.searchUsesOwnListOptions());
    f.doc.setDialogs(&dialogs);
    dialogs.script = [](KxSearchDialog& dialog) {
        editNames(dialog, [](KxEditNamesDialog& names) {
            for (int i = 0; i < 2; ++i) {
                names.list()->setCurrentRow(0);
                names.deleteName();
            }
        });
        EXPECT_EQ(dialog.result().unusedListSets, (std::vector<std::uint8_t>{1, 2}));
        dialog.reject();
    };
    KxDisplayModes(f.doc).searchRecords();
    const KxDatabase& db = f.doc.database();
    EXPECT_EQ(db.header().listSets.size(), 1u);
    EXPECT_EQ(db.header().sortDefs.size(), 1u);
    EXPECT_FALSE(f.doc.searchMode()) << "the list no longer shows a set that went";
    EXPECT_EQ(db.header().currentListSet(), 0);
    EXPECT_EQ(f.doc.mainListSet(), 0);
    f.doc.setDialogs(nullptr);
}

TEST(SearchDialog, ListOptionsMakeTheSearchsOwnSetAndLeaveNoOtherBehind) {
    ScriptedSearchDialogs dialogs;
    FrameFixture f;
    f.open(makeSampleDatabase(f.dir, {"Cheap tools", "Lent out"}));
    KxDatabase& db = f.doc.database();
    addOwnSearches(db);
    KxSavedSearches(db).setCurrent(1);
    f.doc.setDialogs(&dialogs);
    const ListSets before = listSetsOf(db);
    ASSERT_EQ(before.firstColumns.size(), 3u);
    const KxListOptionsColumn nameUp{0, KxSortDirection::Ascending};
    const KxListOptionsColumn priceUp{1, KxSortDirection::Ascending};

    // Pressed twice and cancelled: the sets made are gone again.
    dialogs.listOptions = {{priceUp}, {nameUp}};
    dialogs.script = [](KxSearchDialog& dialog) {
        dialog.listOptionsButton()->click();
        dialog.listOptionsButton()->click();
        dialog.reject();
    };
    KxDisplayModes(f.doc).searchRecords();
    EXPECT_EQ(dialogs.listOptionsOpenedOn, (std::vector<std::uint8_t>{1, 3}))
        << "editing starts from the search's own set, then from the one just made";
    EXPECT_EQ(listSetsOf(db).firstColumns, before.firstColumns);
    EXPECT_EQ(listSetsOf(db).sortDefs, before.sortDefs);

    // A set made and then left for another search goes at once.
    dialogs.listOptions = {{priceUp}};
    dialogs.script = [&](KxSearchDialog& dialog) {
        dialog.listOptionsButton()->click();
        EXPECT_EQ(db.header().listSets.size(), 4u);
        chooseName(dialog, QStringLiteral("Lent out"));
        EXPECT_EQ(db.header().listSets.size(), 3u);
        dialog.reject();
    };
    KxDisplayModes(f.doc).searchRecords();
    EXPECT_EQ(listSetsOf(db).firstColumns, before.firstColumns);

    // Pressed twice and OK: the last set made is the search's, the one it replaced and the
    // search's earlier own set are gone; "Lent out" keeps its set under its new number.
    dialogs.listOptions = {{priceUp}, {nameUp}};
    dialogs.script = [](KxSearchDialog& dialog) {
        dialog.listOptionsButton()->click();
        dialog.listOptionsButton()->click();
        dialog.accept();
    };
    KxDisplayModes(f.doc).searchRecords();
    KxSavedSearches searches(db);
    const ListSets after = listSetsOf(db);
    ASSERT_EQ(after.firstColumns.size(), 3u);
    EXPECT_EQ(after.sortDefs, 3u);
    EXPECT_EQ(after.firstColumns[0], before.firstColumns[0]);
    EXPECT_EQ(searches.listOptionsSet(2), 1);
    EXPECT_EQ(after.firstColumns[1], before.firstColumns[2]);
    EXPECT_EQ(searches.listOptionsSet(1), 2);
    EXPECT_EQ(after.firstColumns[2], Column(nameUp.field, nameUp.direction));
    EXPECT_EQ(f.doc.mainListSet(), 0);
    f.doc.setDialogs(nullptr);
}
