// The record form: which fields it shows per view mode, the category box in read-only mode,
// the buttons per display mode, commits that the record refuses, Restore Record, Form Options
// and another record shown in the same controls.

#include "tests/gui/RecordViewSupport.h"

#include "engine/KxDbError.h"
#include "app/FormOptions.h"
#include "app/KxRecordCommands.h"
#include "views/widgets/KxBaseCtrl.h"
#include "views/widgets/KxCtrlMetrics.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace {
const std::vector<TestField> kFields = {
    {KxFieldType::Text, "Name"}, {KxFieldType::Number, "Price"}, {KxFieldType::Checkbox, "Sold"}};

std::string toolsDatabase(const TempDir& dir, bool readOnlyMode) {
    return saveTestDatabase(
        dir, kFields,
        [](TestDatabase& t) {
            KxCategoryEditor(t.db).setCategoryName(1, "Tools");
            t.addRecord({"Hammer", "", ""});
            t.addRecord({"Saw", "20", ""});
        },
        readOnlyMode);
}

std::string textOf(KxBaseCtrl* ctrl) {
    const auto value = ctrl->readValue();
    return value ? std::string(value->text()) : std::string();
}
} // namespace

TEST(RecordView, ReadOnlyModeHidesEmptyFieldsAndKeepsTheCategory) {
    RecordViewFixture f;
    f.openAt(toolsDatabase(f.dir, true), 0);
    ASSERT_EQ(f.view->mode(), KxDbRecordView::Mode::ReadOnly);
    EXPECT_NE(f.form().controlFor(0), nullptr);
    EXPECT_EQ(f.form().controlFor(1), nullptr) << "the empty Number is hidden";
    EXPECT_NE(f.form().controlFor(2), nullptr) << "a Checkbox always shows";
    EXPECT_TRUE(f.form().controlFor(0)->isReadOnly());

    QComboBox* box = f.form().categoryBox();
    ASSERT_EQ(box->currentText(), QStringLiteral("Unfiled"));
    EXPECT_EQ(box->itemText(box->count() - 1), QStringLiteral("Edit Categories..."));
    const int tools = box->findText(QStringLiteral("Tools"));
    ASSERT_GE(tools, 0);
    box->setCurrentIndex(tools);
    emit box->activated(tools);
    EXPECT_EQ(box->currentText(), QStringLiteral("Unfiled")) << "the choice snaps back";
    EXPECT_EQ(f.doc.database().liveCategory(0), 0);
    EXPECT_FALSE(f.doc.isModified());

    // Edit shows every field, editable; Finished hides the empty one again.
    EXPECT_FALSE(f.view->button(KxDbRecordView::Done)->isVisibleTo(f.view));
    EXPECT_TRUE(f.view->button(KxDbRecordView::Edit)->isVisibleTo(f.view));
    f.view->toggleEditMode();
    EXPECT_EQ(f.view->mode(), KxDbRecordView::Mode::Editing);
    ASSERT_NE(f.form().controlFor(1), nullptr);
    EXPECT_FALSE(f.form().controlFor(0)->isReadOnly());
    EXPECT_TRUE(f.view->button(KxDbRecordView::Done)->isVisibleTo(f.view));
    box = f.form().categoryBox();
    box->setCurrentIndex(box->findText(QStringLiteral("Tools")));
    emit box->activated(box->currentIndex());
    EXPECT_EQ(f.doc.database().liveCategory(0), 1);
    EXPECT_TRUE(f.doc.isModified());
    f.view->toggleEditMode();
    EXPECT_EQ(f.form().controlFor(1), nullptr);
}

TEST(RecordView, ButtonsFollowTheDisplayMode) {
    RecordViewFixture f;
    f.openAt(toolsDatabase(f.dir, false), 0);
    const auto shown = [&f] {
        std::vector<KxDbRecordView::Button> buttons;
        for (std::size_t b = 0; b < KxDbRecordView::kButtonCount; ++b) {
            const auto button = static_cast<KxDbRecordView::Button>(b);
            if (f.view->button(button)->isVisibleTo(f.view)) buttons.push_back(button);
        }
        return buttons;
    };
    using B = KxDbRecordView;
    EXPECT_EQ(shown(), (std::vector<KxDbRecordView::Button>{B::New, B::Clone, B::Delete}));
    EXPECT_EQ(f.view->button(B::New)->width(), f.view->button(B::Clone)->width());
    EXPECT_EQ(f.view->button(B::Clone)->toolTip(), QStringLiteral("Clone this record"));

    f.view->setHasReadOnlyMode(true);
    f.doc.setDisplayModes(true, false, false);
    f.doc.updateAllViews(KxViewHint::All);
    EXPECT_EQ(shown(), (std::vector<KxDbRecordView::Button>{B::PermanentlyDelete, B::Undelete, B::EditDeleted}));
    EXPECT_EQ(f.view->button(B::PermanentlyDelete)->toolTip(), QStringLiteral("Discards record, cannot undo"));
    EXPECT_EQ(f.view->button(B::PermanentlyDelete)->width(), f.view->button(B::Undelete)->width());
}

TEST(RecordView, ARecordThatWouldGrowTooLargeKeepsItsValue) {
    RecordViewFixture f;
    const std::string big(32000, 'a');
    f.openAt(saveTestDatabase(f.dir, {{KxFieldType::Text, "A"}, {KxFieldType::Text, "B"}, {KxFieldType::Text, "C"}},
                              [&](TestDatabase& t) { t.addRecord({big, big, "short"}); }),
             0);
    KxBaseCtrl* c = f.form().controlFor(2);
    ASSERT_NE(c, nullptr);
    auto* box = qobject_cast<QTextEdit*>(c->widget());
    ASSERT_NE(box, nullptr);
    box->setPlainText(QString(2000, QLatin1Char('c')));
    ASSERT_TRUE(c->isModified());
    f.view->commitEdits();
    EXPECT_EQ(f.ui.lastMessage(), kxDbErrorMessage(KxDbError::TooLarge));
    EXPECT_EQ(textOf(c), "short") << "the control shows the stored value again";
    EXPECT_EQ(f.doc.database().record(0, false).value(2)->text(), "short");
}

TEST(RecordView, RestoreUndoesOnlyTheLastEditedRecord) {
    RecordViewFixture f;
    f.openAt(toolsDatabase(f.dir, false), 0);
    KxRecordCommands commands(f.doc);

    KxBaseCtrl* name = f.form().controlFor(0);
    name->showValue(nullptr);
    qobject_cast<QTextEdit*>(name->widget())->setPlainText(QStringLiteral("Mallet"));
    f.view->commitEdits();
    EXPECT_EQ(f.doc.database().record(0, false).value(0)->text(), "Mallet");
    EXPECT_TRUE(f.doc.isModified());

    // Another record shown: nothing to undo there.
    f.view->showRecord(1);
    f.doc.setCurrentRecord(1);
    commands.restoreRecord();
    EXPECT_EQ(f.ui.lastMessage(), kxDbErrorMessage(KxDbError::NothingToUndo));
    EXPECT_EQ(textOf(f.form().controlFor(0)), "Saw");

    // Back on the edited record, Restore puts its previous value back.
    f.ui.messages.clear();
    f.view->showRecord(0);
    f.doc.setCurrentRecord(0);
    commands.restoreRecord();
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_EQ(textOf(f.form().controlFor(0)), "Hammer");
    EXPECT_EQ(f.doc.database().record(0, false).value(0)->text(), "Hammer");
}

TEST(RecordView, ValuesReportedFromTheListAndReleasedRecords) {
    RecordViewFixture f;
    f.openAt(toolsDatabase(f.dir, false), 1);
    FieldValue price = FieldValue::newValue(static_cast<int>(KxFieldType::Number));
    price.setNumber(35);
    f.doc.recordPane().fieldValue(1, price);
    EXPECT_DOUBLE_EQ(f.doc.database().record(1, false).value(1)->number(), 35);
    EXPECT_DOUBLE_EQ(f.form().controlFor(1)->readValue()->number(), 35);

    // Released, the form leaves the record alone until it is taken back.
    f.doc.recordPane().release();
    EXPECT_TRUE(f.form().released());
    f.doc.recordPane().fieldValue(1, std::nullopt);
    EXPECT_TRUE(f.doc.database().record(1, false).value(1).has_value());
    f.doc.recordPane().retake();
    EXPECT_FALSE(f.form().released());
    f.doc.recordPane().fieldValue(1, std::nullopt);
    EXPECT_FALSE(f.doc.database().record(1, false).value(1).has_value());
}

TEST(RecordView, FormOptionsChangeOnlyADifferentJustification) {
    RecordViewFixture f;
    f.openAt(toolsDatabase(f.dir, false), 0);
    f.doc.setModified(false);
    kxRunFormOptions(f.doc, [](bool right) { return right; });
    EXPECT_FALSE(f.doc.isModified());
    kxRunFormOptions(f.doc, [](bool right) { return !right; });
    EXPECT_TRUE(f.doc.isModified());
    EXPECT_TRUE(kxLabelsRightJustified(f.doc.database().header()));
    EXPECT_EQ(f.doc.database().header().layouts[0].items[0].flags & 3, 1);
}

TEST(RecordView, AnotherRecordFillsTheSameControlsAndTheFormFitsItsValues) {
    RecordViewFixture f;
    f.openAt(saveTestDatabase(f.dir, kFields,
                              [](TestDatabase& t) {
                                  KxCategoryEditor(t.db).setCategoryName(1, "Tools");
                                  t.addRecord({"Hammer\nwith a\nlong handle", "12", "Yes"}, 1);
                                  t.addRecord({"Saw", "", ""});
                              }),
             0);
    f.frame->show();
    QApplication::processEvents();
    KxBaseCtrl* name = f.form().controlFor(0);
    QWidget* price = f.form().controlFor(1)->widget();
    const int tallName = name->widget()->height();
    const int priceTop = price->y();
    ASSERT_GT(tallName, kxStandardCtrlHeight());

    f.view->showRecord(1);
    QApplication::processEvents();
    EXPECT_EQ(f.form().controlFor(0), name) << "the same items: the same controls";
    EXPECT_EQ(textOf(name), "Saw");
    EXPECT_FALSE(f.form().controlFor(1)->readValue().has_value());
    EXPECT_FALSE(f.form().controlFor(2)->readValue()->isChecked());
    EXPECT_EQ(f.form().categoryBox()->currentText(), QStringLiteral("Unfiled"));
    EXPECT_EQ(name->widget()->height(), kxStandardCtrlHeight()) << "the box shrank to its one line";
    EXPECT_EQ(price->y(), priceTop - (tallName - kxStandardCtrlHeight())) << "the items below moved up";

    f.view->showRecord(0);
    QApplication::processEvents();
    EXPECT_EQ(textOf(name), "Hammer\nwith a\nlong handle");
    EXPECT_EQ(name->widget()->height(), tallName);
    EXPECT_EQ(price->y(), priceTop);
    EXPECT_EQ(f.form().categoryBox()->currentText(), QStringLiteral("Tools"));

    // A read-only form shows other items for a record without a price: new controls.
    f.view->setHasReadOnlyMode(true);
    f.view->showRecord(1);
    EXPECT_EQ(f.form().controlFor(1), nullptr);
    f.view->showRecord(0);
    ASSERT_NE(f.form().controlFor(1), nullptr);
    EXPECT_DOUBLE_EQ(f.form().controlFor(1)->readValue()->number(), 12);
}
