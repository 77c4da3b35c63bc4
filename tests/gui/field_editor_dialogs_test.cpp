// The Field and Form Editor's dialogs as the user sees them: list rows, buttons, the controls
// each type shows, the Calculation Editor's boxes and notes, the Multiple Choice List Editor's
// keys and refusals, the drag lists' keyboard moves; and pictures of each.

#include "tests/gui/Screenshots.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TestDatabase.h"

#include "editors/EditorStrings.h"
#include "editors/widgets/KxCalcEditorDialog.h"
#include "editors/widgets/KxFieldEditDialog.h"
#include "editors/widgets/KxFieldListBox.h"
#include "editors/widgets/KxFieldNFormDialog.h"
#include "editors/widgets/KxMultiChoiceDialog.h"
#include "views/widgets/KxDragCheckListBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {
using T = KxFieldType;

KxWorkingField field(T type, const std::string& label = {}, std::uint8_t op = 0) {
    KxWorkingField f;
    f.type = type;
    f.label = label;
    f.calcOp = op;
    return f;
}

KxFieldWorkingCopy listOf(const std::vector<KxWorkingField>& fields) {
    KxFieldWorkingCopy copy;
    for (const auto& f : fields) copy.add(f);
    return copy;
}

QStringList rows(const QListWidget& list) {
    QStringList out;
    for (int i = 0; i < list.count(); ++i) out << list.item(i)->text();
    return out;
}

QPushButton* button(QWidget& parent, const QString& text) {
    for (QPushButton* b : parent.findChildren<QPushButton*>())
        if (b->text() == text) return b;
    return nullptr;
}

QCheckBox* check(QWidget& parent, const QString& text) {
    for (QCheckBox* b : parent.findChildren<QCheckBox*>())
        if (b->text() == text) return b;
    return nullptr;
}
} // namespace

TEST(FieldEditorDialogs, TheListShowsNamesOrFieldNumbersWithTheirTypesAndMovesByKeyboard) {
    ScriptedUi ui;
    auto copy = listOf({field(T::Text, "Name"), field(T::Number, "A rather long label here"), field(T::Date)});
    KxFieldNFormDialog dialog(nullptr, copy, ui, nullptr);
    dialog.show();
    KxFieldListBox& list = dialog.child().list();
    EXPECT_EQ(rows(list), (QStringList{"Name", "A rather long label here", "Field 3"}));
    EXPECT_EQ(list.item(1)->data(KxFieldListBox::kTypeNameRole).toString(), "Number");
    EXPECT_TRUE(list.shownName(1, 150).endsWith("...")) << list.shownName(1, 150).toStdString();
    EXPECT_EQ(list.shownName(0, 300), "Name");

    list.setCurrentRow(2);
    QTest::keyClick(&list, Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(rows(list), (QStringList{"Name", "Field 2", "A rather long label here"}));
    EXPECT_EQ(list.currentRow(), 1);
    EXPECT_TRUE(copy.modified());
    saveScreenshot(dialog, QStringLiteral("field-editor.png"));

    list.setCurrentRow(-1);
    EXPECT_FALSE(button(dialog, "&Modify")->isEnabled());
    EXPECT_FALSE(button(dialog, "&Delete")->isEnabled());
}

TEST(FieldEditorDialogs, AddAndInsertPlaceTheEditedFieldAndDoubleClickModifies) {
    ScriptedUi ui;
    auto copy = listOf({field(T::Text, "A"), field(T::Text, "B")});
    KxFieldNFormDialog dialog(nullptr, copy, ui, nullptr);
    std::vector<std::pair<std::size_t, bool>> places;
    dialog.child().setFieldDialog([&](const KxFieldEditPlace& place, const KxWorkingField& f) {
        places.emplace_back(place.position, place.listed);
        KxWorkingField edited = f;
        edited.label = "N" + std::to_string(places.size());
        return std::optional<KxWorkingField>(edited);
    });
    dialog.child().addField();
    dialog.child().list().setCurrentRow(1);
    dialog.child().insertField();
    EXPECT_EQ(rows(dialog.child().list()), (QStringList{"A", "N2", "B", "N1"}));
    EXPECT_EQ(dialog.child().list().currentRow(), 1);
    dialog.child().modifyField();
    EXPECT_EQ(rows(dialog.child().list()), (QStringList{"A", "N3", "B", "N1"}));
    EXPECT_EQ(places, (std::vector<std::pair<std::size_t, bool>>{{2, false}, {1, false}, {1, true}}));
}

TEST(FieldEditorDialogs, EscapeAfterChangesAsksAndNoKeepsTheEditorOpen) {
    ScriptedUi ui;
    auto copy = listOf({field(T::Text, "A")});
    int asked = 0;
    KxFieldNFormDialog dialog(nullptr, copy, ui, [&] { return ++asked > 1; });
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST(FieldEditorDialogs, TheFieldDialogShowsTheControlsOfItsType) {
    ScriptedUi ui;
    auto copy = listOf({field(T::Number, "Price"), field(T::Text, "Name")});
    KxFieldEditDialog dialog(nullptr, copy, {1, true}, copy.at(1), ui);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Field 2");
    KxFieldEditChildDialog& child = dialog.child();
    EXPECT_EQ(child.labelBox().maxLength(), 20);
    QStringList types;
    for (int i = 0; i < child.typeBox().count(); ++i) types << child.typeBox().itemText(i);
    EXPECT_EQ(types, (QStringList{"Text", "Multiple Choice", "Number", "Calculation", "Date", "Time", "Checkbox",
                                  "Label Only"}));
    auto visible = [&](const QString& text) {
        QWidget* w = check(dialog, text);
        if (!w) w = button(dialog, text);
        return w && w->isVisible();
    };
    auto choose = [&](T type) {
        const auto& choices = KxFieldEditRules::typeChoices();
        const int index = static_cast<int>(std::find(choices.begin(), choices.end(), type) - choices.begin());
        child.typeBox().setCurrentIndex(index);
        emit child.typeBox().activated(index);
    };
    EXPECT_FALSE(child.decimalsBox().isVisible());
    EXPECT_TRUE(visible("&Hide field label in Record Window"));
    choose(T::Number);
    EXPECT_TRUE(child.decimalsBox().isVisible());
    EXPECT_TRUE(visible("Display &Thousand Separators") && visible("Display C&urrency Symbol"));
    EXPECT_FALSE(visible("Display &Seconds"));
    saveScreenshot(dialog, QStringLiteral("field-dialog-number.png"));
    choose(T::Time);
    EXPECT_TRUE(visible("Display &Seconds"));
    EXPECT_FALSE(child.decimalsBox().isVisible());
    choose(T::MultipleChoice);
    EXPECT_TRUE(visible("Edit &Multiple Choice Items"));
    choose(T::Calculation);
    EXPECT_TRUE(visible("&Edit Calculation"));
    EXPECT_EQ(child.field().first, 0) << "the first other Number field";
    choose(T::LabelOnly);
    EXPECT_FALSE(visible("&Hide field label in Record Window"));
    EXPECT_TRUE(ui.messages.empty());
}

TEST(FieldEditorDialogs, ARefusedTypeChangePutsTheOldTypeBack) {
    ScriptedUi ui;
    auto copy = listOf({field(T::Text, "Name")});
    KxFieldEditDialog dialog(nullptr, copy, {0, true}, copy.at(0), ui);
    KxFieldEditChildDialog& child = dialog.child();
    child.typeBox().setCurrentIndex(3);
    emit child.typeBox().activated(3);
    EXPECT_EQ(child.typeBox().currentText(), "Text");
    EXPECT_EQ(ui.lastMessage(), kxString(kxStrNoNumberFields));
}

TEST(FieldEditorDialogs, TheCalculationEditorListsEligibleFieldsAndShowsNotesForAggregates) {
    ScriptedUi ui;
    auto copy = listOf({field(T::Number, "Quantity of items delivered last week"), field(T::Number),
                        field(T::Calculation, "Total")});
    KxWorkingField edited = copy.at(2);
    edited.first = 0;
    const KxCalcEditRules rules(copy, {2, true});
    KxCalcEditorDialog dialog(nullptr, rules, edited, ui);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Calculation Editor");
    EXPECT_EQ(dialog.firstBox().itemText(0), "<no field specified>");
    EXPECT_EQ(dialog.firstBox().count(), 3);
    EXPECT_TRUE(dialog.firstBox().itemText(1).endsWith("...")) << dialog.firstBox().itemText(1).toStdString();
    EXPECT_EQ(dialog.firstBox().itemText(2), "Field 2");
    EXPECT_EQ(dialog.firstBox().currentIndex(), 1);
    EXPECT_EQ(dialog.secondBox().currentIndex(), 0);
    EXPECT_EQ(dialog.operandLabel().text(), "&Plus:");
    EXPECT_FALSE(dialog.noteLabel().isVisible());
    saveScreenshot(dialog, QStringLiteral("calculation-editor.png"));

    dialog.operationBox().setCurrentIndex(4);
    emit dialog.operationBox().activated(4);
    EXPECT_FALSE(dialog.firstBox().isVisible());
    EXPECT_FALSE(dialog.operandLabel().isVisible());
    EXPECT_EQ(dialog.noteLabel().text().toStdString(), kxString(kxStrNoteSum));
    saveScreenshot(dialog, QStringLiteral("calculation-editor-sum.png"));

    dialog.operationBox().setCurrentIndex(6);
    emit dialog.operationBox().activated(6);
    EXPECT_EQ(dialog.operationBox().currentIndex(), 4) << "no Sum field: the previous operation stays";
    EXPECT_EQ(ui.lastMessage(), kxString(kxStrNoSumFields));
    dialog.applyTo(edited);
    EXPECT_EQ(edited.calcOp, 4);
    EXPECT_EQ(edited.first, kxNoOperand);
}

TEST(FieldEditorDialogs, TheListEditorDeletesWithTheKeyAfterAskingAndMovesByKeyboard) {
    ScriptedUi ui;
    KxMultiChoiceDialog dialog(nullptr, {"Small", "Medium", "Large"}, ui);
    dialog.show();
    KxDragListBox& list = dialog.child().list();
    list.setCurrentRow(0);
    QTest::keyClick(&list, Qt::Key_Delete);
    EXPECT_EQ(ui.messages.back().caption, "Confirm Multiple Choice Item Deletion");
    EXPECT_EQ(rows(list).size(), 3) << "Cancel is the default";
    ui.answers = {KxAnswer::Ok};
    QTest::keyClick(&list, Qt::Key_Delete);
    EXPECT_EQ(rows(list), (QStringList{"Medium", "Large"}));
    QTest::keyClick(&list, Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(rows(list), (QStringList{"Large", "Medium"}));
    EXPECT_EQ(dialog.working().items(), (std::vector<std::string>{"Large", "Medium"}));
    ui.texts = {std::string("Huge")};
    dialog.child().addItem();
    EXPECT_EQ(rows(list), (QStringList{"Large", "Medium", "Huge"}));
    saveScreenshot(dialog, QStringLiteral("multiple-choice-editor.png"));

    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible()) << "No is the default";
    EXPECT_EQ(ui.messages.back().caption, "Confirm Multiple Choice Cancellation");
}

TEST(FieldEditorDialogs, TheListEditorRefusesA4001stItem) {
    ScriptedUi ui;
    KxMultiChoiceDialog dialog(nullptr, std::vector<std::string>(4000, "x"), ui);
    dialog.child().addItem();
    EXPECT_EQ(ui.lastMessage(), "You already have the maximum of 4000 Multiple Choice items.");
    EXPECT_EQ(dialog.child().list().count(), 4000);
}

TEST(FieldEditorDialogs, TheCheckListTogglesBySpaceAndByTheBoxAndCutsTexts) {
    KxDragCheckListBox list;
    list.resize(160, 120);
    list.addCheckItem("Name", true);
    list.addCheckItem("A field whose label is far too long to fit", false);
    list.show();
    QSignalSpy toggled(&list, &KxDragCheckListBox::itemToggled);
    list.setCurrentRow(1);
    QTest::keyClick(&list, Qt::Key_Space);
    EXPECT_TRUE(list.isChecked(1));
    const QRect first = list.visualRect(list.model()->index(0, 0));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(first.left() + 8, first.center().y()));
    EXPECT_FALSE(list.isChecked(0));
    ASSERT_EQ(toggled.count(), 2);
    EXPECT_EQ(toggled.at(0).at(0).toInt(), 1);
    QSignalSpy moved(&list, &KxDragListBox::itemMoveRequested);
    list.setCurrentRow(1);
    QTest::keyClick(&list, Qt::Key_Up, Qt::AltModifier);
    ASSERT_EQ(moved.count(), 1);
    EXPECT_EQ(moved.at(0).at(1).toInt(), 0);
    EXPECT_EQ(kxCutWithDots(list.fontMetrics(), list.item(1)->text(), 100).right(3), "...");
    saveScreenshot(list, QStringLiteral("drag-check-list.png"));
}
