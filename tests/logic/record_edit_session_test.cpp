// The form's record without its widgets: taking, letting go and taking back, storing values
// with the calculations computed again, the category rules, and the record view's modes and
// buttons.

#include "tests/logic/doc_test_support.h"

#include "engine/KxCategoryEditor.h"
#include "app/KxDisplayModes.h"
#include "views/KxRecordEditSession.h"

namespace {
class RecordEditSessionTest : public DocTest {
  protected:
    RecordEditSessionTest() {
        KxNewDatabaseRequest request;
        request.path = dir.file("prices.rlv");
        std::vector<KxWorkingField> fields = {textField("Name"), textField("Price"), textField("Total")};
        fields[1].type = KxFieldType::Number;
        fields[2].type = KxFieldType::Calculation;
        fields[2].calcOp = 0; // Price + Price
        fields[2].first = 1;
        fields[2].second = 1;
        request.definitions = definitionsOf(fields);
        EXPECT_TRUE(doc.createDatabase(request));
        addRecord({"Ann"});
        addRecord({"Bob"});
        panes.messages.clear();
        doc.setModified(false);
    }
    KxFormRow row(std::uint8_t field, KxFieldType type, bool displayOnly = false) const {
        KxFormRow r;
        r.field = field;
        r.type = type;
        r.displayOnly = displayOnly;
        return r;
    }
    static FieldValue number(double n) {
        FieldValue value = FieldValue::newValue(static_cast<int>(KxFieldType::Number));
        value.setNumber(n);
        return value;
    }
    KxRecordEditSession session{doc};
};
} // namespace

TEST_F(RecordEditSessionTest, TakesALiveOrDeletedRecordAndNothingPastTheEnd) {
    session.take(1);
    ASSERT_TRUE(session.holds());
    EXPECT_EQ(session.index(), 1);
    session.take(5);
    EXPECT_FALSE(session.holds());
    EXPECT_EQ(session.index(), -1);
    session.take(-1);
    EXPECT_FALSE(session.holds());

    doc.database().deleteRecord(0);
    KxDisplayModes(doc).showDeletedRecords();
    session.take(0);
    ASSERT_TRUE(session.holds());
    EXPECT_TRUE(session.record().isDeleted());
}

TEST_F(RecordEditSessionTest, ANumberIsStoredReportedAndTheCalculationsFollow) {
    session.take(0);
    const auto done = session.commit(row(1, KxFieldType::Number), number(21));
    ASSERT_TRUE(done.has_value());
    EXPECT_TRUE(done->recalculated);
    EXPECT_FALSE(done->showStored);
    EXPECT_DOUBLE_EQ(doc.database().record(0, false).value(2)->number(), 42);
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(panes.messages, std::vector<std::string>{"recordChanged"});

    EXPECT_FALSE(session.commit(row(0, KxFieldType::Text), std::nullopt)->recalculated);
    EXPECT_EQ(text(0), "") << "none empties the field";
    EXPECT_FALSE(session.commit(row(0, KxFieldType::Text, true), std::nullopt).has_value())
        << "a display-only item stores nothing";
}

TEST_F(RecordEditSessionTest, ALetGoRecordTakesNoValueUntilItIsTakenBack) {
    session.take(1);
    session.release();
    EXPECT_TRUE(session.released());
    EXPECT_FALSE(session.commit(row(1, KxFieldType::Number), number(3)).has_value());
    EXPECT_FALSE(session.setFromList(1, number(3)));
    EXPECT_FALSE(doc.database().record(1, false).value(1).has_value());
    EXPECT_TRUE(panes.messages.empty());

    // Moved meanwhile (a sort): found again by its identity.
    doc.database().moveRecord(1, 0);
    session.retake();
    EXPECT_FALSE(session.released());
    EXPECT_EQ(session.index(), 0);
    EXPECT_TRUE(session.setFromList(1, number(3)));
    EXPECT_DOUBLE_EQ(doc.database().record(0, false).value(1)->number(), 3);
    EXPECT_EQ(text(0), "Bob");
}

TEST_F(RecordEditSessionTest, ARecordDeletedMeanwhileIsNoLongerTheFormsOutsideDeletedRecords) {
    session.take(0);
    session.release();
    doc.database().deleteRecord(0);
    session.retake();
    EXPECT_FALSE(session.holds());
}

TEST_F(RecordEditSessionTest, TheCategoryChangesOnlyWhenTheFormMayEdit) {
    KxCategoryEditor(doc.database()).setCategoryName(2, std::string("Work"));
    KxCategoryEditor(doc.database()).setCategoryName(1, std::string("home"));
    session.take(0);
    EXPECT_EQ(session.categoryEntries(),
              (std::vector<std::pair<int, std::string>>{{1, "home"}, {2, "Work"}, {0, "Unfiled"}}));
    EXPECT_EQ(session.chooseCategory(0), KxCategoryPick::Kept);
    EXPECT_TRUE(panes.messages.empty());
    EXPECT_EQ(session.chooseCategory(2), KxCategoryPick::Changed);
    EXPECT_EQ(doc.database().liveCategory(0), 2);
    EXPECT_EQ(panes.messages, std::vector<std::string>{"recordChanged"});

    session.setReadOnlyForm(true);
    EXPECT_EQ(session.chooseCategory(1), KxCategoryPick::Refused);
    session.setReadOnlyForm(false);
    session.release();
    EXPECT_EQ(session.chooseCategory(1), KxCategoryPick::Refused);
    EXPECT_EQ(doc.database().liveCategory(0), 2);

    // Its category gone, the record takes the one the box shows in its place.
    session.retake();
    session.categoryShown(0);
    EXPECT_EQ(doc.database().liveCategory(0), 0);
}

TEST_F(RecordEditSessionTest, TheCategoryEditorRunsWithTheRecordLetGoAndTheListHearsOfChanges) {
    session.take(1);
    bool refilled = false;
    session.editCategories(
        [&] {
            EXPECT_TRUE(session.released());
            return std::pair{false, false};
        },
        [&] { refilled = true; });
    EXPECT_FALSE(session.released());
    EXPECT_FALSE(refilled);
    EXPECT_TRUE(panes.messages.empty());
    EXPECT_FALSE(doc.isModified());

    doc.setCurrentRecord(1);
    session.editCategories(
        [&] {
            doc.database().deleteRecord(0); // the record before it goes with its category
            return std::pair{true, true};
        },
        [&] { refilled = true; });
    EXPECT_TRUE(refilled);
    EXPECT_EQ(doc.currentRecord(), 0);
    EXPECT_EQ(panes.messages, std::vector<std::string>{"listCategoriesChanged"});

    session.editCategories(
        [&] {
            doc.database().deleteRecord(0);
            return std::pair{true, true};
        },
        [] {});
    EXPECT_FALSE(session.holds());
    EXPECT_EQ(doc.currentRecord(), -1) << "the record went with its category";
}

TEST(RecordViewModes, EditAndFinishedSwitchOnlyADatabaseWithAReadOnlyMode) {
    using M = KxRecordViewMode;
    EXPECT_EQ(kxInitialMode(true), M::ReadOnly);
    EXPECT_EQ(kxInitialMode(false), M::NoReadOnlyMode);
    EXPECT_EQ(kxModeAfterEdit(M::ReadOnly), M::Editing);
    EXPECT_EQ(kxModeAfterEdit(M::Editing), M::Editing);
    EXPECT_EQ(kxModeAfterEdit(M::NoReadOnlyMode), M::NoReadOnlyMode);
    EXPECT_EQ(kxModeAfterToggle(M::ReadOnly), M::Editing);
    EXPECT_EQ(kxModeAfterToggle(M::Editing), M::ReadOnly);
    EXPECT_EQ(kxModeAfterToggle(M::NoReadOnlyMode), M::NoReadOnlyMode);
}

TEST(RecordViewButtons, EachModeShowsItsGroupAndNewNeedsOnlyAnOpenDatabase) {
    auto shown = [](bool deleted, KxRecordViewMode mode) {
        std::string s;
        for (const KxButtonState& b : kxRecordButtons(true, true, deleted, mode)) s += b.shown ? '1' : '0';
        return s;
    };
    EXPECT_EQ(shown(false, KxRecordViewMode::NoReadOnlyMode), "111000000");
    EXPECT_EQ(shown(false, KxRecordViewMode::ReadOnly), "111100000");
    EXPECT_EQ(shown(false, KxRecordViewMode::Editing), "111010000");
    EXPECT_EQ(shown(true, KxRecordViewMode::NoReadOnlyMode), "000001100");
    EXPECT_EQ(shown(true, KxRecordViewMode::ReadOnly), "000001110");
    EXPECT_EQ(shown(true, KxRecordViewMode::Editing), "000001101");

    const auto noRecord = kxRecordButtons(true, false, false, KxRecordViewMode::ReadOnly);
    EXPECT_TRUE(noRecord[0].enabled);
    EXPECT_FALSE(noRecord[1].enabled);
    EXPECT_FALSE(noRecord[3].enabled);
    const auto closed = kxRecordButtons(false, false, false, KxRecordViewMode::ReadOnly);
    EXPECT_FALSE(closed[0].enabled);
}
