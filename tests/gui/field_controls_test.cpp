#include "views/widgets/KxCategoryCtrl.h"
#include "views/widgets/KxCheckBoxCtrl.h"
#include "base/KxClock.h"
#include "views/widgets/KxCtrlClock.h"
#include "views/widgets/KxCtrlMetrics.h"
#include "views/widgets/KxDateCtrl.h"
#include "views/widgets/KxDateTimeCtrl.h"
#include "views/widgets/KxFieldCtrlFactory.h"
#include "views/widgets/KxInnerDateTimeCtrl.h"
#include "views/widgets/KxLabelCtrl.h"
#include "views/widgets/KxMultiChoiceCtrl.h"
#include "views/widgets/KxMultiChoiceInnerCtrl.h"
#include "views/widgets/KxNumericCtrl.h"
#include "views/widgets/KxTextCtrl.h"
#include "views/widgets/KxTimeCtrl.h"

#include "engine/KxHeaderChunk.h"
#include "engine/values/TypeCodes.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

using kx::type::Calculation;

FieldValue number(double v) {
    FieldValue f = FieldValue::newValue(kx::type::Number);
    f.setNumber(v);
    return f;
}
FieldValue calc(double v, bool failed) {
    FieldValue f = FieldValue::newValue(kx::type::Calculation);
    f.setCalcResult(v, failed);
    return f;
}
FieldValue text(std::string_view s, int type = kx::type::Text) {
    FieldValue f = FieldValue::newValue(type);
    f.setText(s);
    return f;
}
FieldValue date(int y, int m, int d) {
    FieldValue f = FieldValue::newValue(kx::type::Date);
    f.setDate(y, m, d);
    return f;
}
FieldValue time(int h, int m, int s) {
    FieldValue f = FieldValue::newValue(kx::type::Time);
    f.setTime(h, m, s);
    return f;
}

// A shown, active window holding the controls under test in a column, with a fixed "now".
class FieldControls : public ::testing::Test {
  protected:
    void SetUp() override {
        kxSetClock({{}, {}, [] { return QDateTime(QDate(2024, 7, 15), QTime(10, 20, 30)).toSecsSinceEpoch(); }});
        kxSetOverwriteMode(false);
        host_ = std::make_unique<QWidget>();
        layout_ = new QVBoxLayout(host_.get());
        host_->resize(400, 300);
    }
    void TearDown() override {
        host_.reset();
        kxSetClock({});
        kxSetOverwriteMode(false);
    }

    template <typename Ctrl> Ctrl* add(Ctrl* ctrl) {
        layout_->addWidget(ctrl);
        return ctrl;
    }
    void showHost() {
        host_->show();
        QApplication::setActiveWindow(host_.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(host_.get()));
    }
    static void focus(QWidget* w) {
        w->setFocus(Qt::OtherFocusReason);
        ASSERT_TRUE(w->hasFocus());
    }
    // Moves the focus to a control that does not take part in the test.
    void focusElsewhere() {
        if (other_ == nullptr) {
            other_ = add(new QLineEdit);
            other_->show();
        }
        focus(other_);
    }

    std::unique_ptr<QWidget> host_;
    QVBoxLayout* layout_ = nullptr;
    QLineEdit* other_ = nullptr;
};

// ---- number box --------------------------------------------------------------------------

KxNumericCtrl* numberBox(int decimals, bool thousands, bool currency, int type = kx::type::Number) {
    return new KxNumericCtrl(type, decimals, thousands, currency, KxNumericCtrl::Use::Form);
}

TEST_F(FieldControls, NumberBoxTypingRules) {
    KxNumericCtrl* box = add(numberBox(2, false, false));
    showHost();
    focus(box);
    QTest::keyClicks(box, "12345678901234567");
    EXPECT_EQ(box->text(), "123456789012345");
    box->clear();
    QTest::keyClicks(box, "1-2.3.4,5x");
    EXPECT_EQ(box->text(), "12.345"); // minus after a digit, second separator, comma refused
    box->clear();
    QTest::keyClicks(box, "-$5");
    EXPECT_EQ(box->text(), "-5"); // no currency symbol without the currency flag
    box->clear();
    QTest::keyClick(box, Qt::Key_Period, Qt::KeypadModifier, -1);
    EXPECT_EQ(box->text(), ".");
}

TEST_F(FieldControls, NumberBoxWithThousandsAndCurrency) {
    KxNumericCtrl* box = add(numberBox(2, true, true));
    showHost();
    focus(box);
    QTest::keyClicks(box, "-$1,,234.5");
    EXPECT_EQ(box->text(), "-$1,234.5");
    std::optional<FieldValue> v = box->readValue();
    ASSERT_TRUE(v.has_value());
    EXPECT_EQ(v->type(), kx::type::Number);
    EXPECT_DOUBLE_EQ(v->number(), -1234.5);
}

TEST_F(FieldControls, NumberBoxPasteFollowsTheTypingRules) {
    KxNumericCtrl* box = add(numberBox(2, false, false));
    showHost();
    focus(box);
    QApplication::clipboard()->setText("abc-12.3.4 %");
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->text(), "-12.34");
}

TEST_F(FieldControls, NumberBoxShowsFormattedTextWithoutFocusAndPlainTextWithIt) {
    KxNumericCtrl* box = add(numberBox(2, true, false));
    showHost();
    focusElsewhere();
    box->showValue(number(1234.5));
    EXPECT_EQ(box->text(), "1,234.50");
    focus(box);
    EXPECT_EQ(box->text(), "1,234.5");
    focusElsewhere();
    EXPECT_EQ(box->text(), "1,234.50");
    EXPECT_FALSE(box->isModified());
}

TEST_F(FieldControls, NumberBoxTooNarrowShowsAsterisksButKeepsItsValue) {
    KxNumericCtrl* box = add(numberBox(2, true, false));
    showHost();
    focusElsewhere();
    box->setFixedWidth(30);
    box->showValue(number(1234.5));
    EXPECT_EQ(box->text(), "********");
    const std::optional<FieldValue> v = box->readValue();
    ASSERT_TRUE(v.has_value());
    EXPECT_DOUBLE_EQ(v->number(), 1234.5);
}

TEST_F(FieldControls, NumberBoxReadsWhatTheUserTyped) {
    KxNumericCtrl* box = add(numberBox(2, false, false));
    showHost();
    box->showValue(number(7));
    focus(box);
    box->selectAll();
    QTest::keyClicks(box, "-12.5");
    EXPECT_TRUE(box->isModified());
    focusElsewhere();
    EXPECT_EQ(box->text(), "-12.50");
    std::optional<FieldValue> v = box->readValue();
    ASSERT_TRUE(v.has_value());
    EXPECT_DOUBLE_EQ(v->number(), -12.5);
    EXPECT_FALSE(box->isModified());

    // Emptied by the user, the field has no value; a sign alone reads as 0.
    focus(box);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    EXPECT_FALSE(box->readValue().has_value());
    QTest::keyClicks(box, "-");
    ASSERT_TRUE(box->readValue().has_value());
    EXPECT_EQ(box->readValue()->number(), 0.0);
}

TEST_F(FieldControls, IntegerNumberBoxReadsAnInteger) {
    KxNumericCtrl* box = add(numberBox(0, true, false, kx::type::Integer));
    showHost();
    focus(box);
    QTest::keyClicks(box, "-1,234.9");
    const std::optional<FieldValue> v = box->readValue();
    ASSERT_TRUE(v.has_value());
    EXPECT_EQ(v->type(), kx::type::Integer);
    EXPECT_EQ(v->integer(), -1234);
}

TEST_F(FieldControls, FailedCalculationShowsFifteenNumberSignsAndIsReadOnly) {
    KxFieldCtrlSpec spec;
    spec.type = Calculation;
    spec.decimals = 2;
    auto* box = dynamic_cast<KxNumericCtrl*>(kxCreateFormCtrl(spec, host_.get()));
    ASSERT_NE(box, nullptr);
    layout_->addWidget(box);
    showHost();
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_TRUE(box->QLineEdit::isReadOnly());
    box->showValue(calc(0, true));
    EXPECT_EQ(box->text(), QString(15, QLatin1Char('#')));
    focus(box);
    QTest::keyClicks(box, "12");
    EXPECT_EQ(box->text(), QString(15, QLatin1Char('#')));
    const std::optional<FieldValue> v = box->readValue();
    ASSERT_TRUE(v.has_value());
    EXPECT_EQ(v->type(), Calculation);
    EXPECT_TRUE(v->calcFailed());

    box->showValue(calc(2.5, false));
    focusElsewhere();
    EXPECT_EQ(box->text(), "2.50");
    EXPECT_FALSE(box->readValue()->calcFailed());
}

TEST_F(FieldControls, SearchNumberBoxAlwaysShowsThePlainNumber) {
    KxFieldCtrlSpec spec;
    spec.type = Calculation;
    spec.flags = kFlagThousands;
    auto* box = dynamic_cast<KxNumericCtrl*>(kxCreateSearchCtrl(spec, host_.get()));
    ASSERT_NE(box, nullptr);
    layout_->addWidget(box);
    showHost();
    EXPECT_FALSE(box->isReadOnly());
    box->showValue(number(1234.5));
    EXPECT_EQ(box->text(), "1,234.5");
    focus(box);
    box->selectAll();
    QTest::keyClicks(box, "0.123456789012345678");
    EXPECT_EQ(box->text(), "0.123456789012345");
    EXPECT_EQ(box->readValue()->type(), kx::type::Number);
}

TEST_F(FieldControls, OverwriteModeReplacesTheNextCharacter) {
    KxNumericCtrl* box = add(numberBox(2, false, false));
    KxTextCtrl* textBox = add(new KxTextCtrl(KxTextCtrl::Use::Form));
    showHost();
    kxSetOverwriteMode(true);
    EXPECT_TRUE(textBox->overwriteMode());
    focus(box);
    QTest::keyClicks(box, "123456789012345");
    box->setCursorPosition(0);
    QTest::keyClicks(box, "99");
    EXPECT_EQ(box->text(), "993456789012345");
}

// ---- date and time boxes -----------------------------------------------------------------

TEST_F(FieldControls, EmptyDateBoxStartsAtTodayWithTheKeyApplied) {
    auto* box = add(new KxDateTimeCtrl(KxDateTimeCtrl::Mode::Date, false));
    showHost();
    box->showValue(nullptr);
    EXPECT_FALSE(box->hasValue());
    EXPECT_FALSE(box->readValue().has_value());

    focus(box);
    QTest::keyClick(box, Qt::Key_Shift);
    EXPECT_FALSE(box->hasValue()); // a modifier alone does not start the field
    QTest::keyClick(box, Qt::Key_5, Qt::NoModifier, -1);
    EXPECT_TRUE(box->hasValue());
    EXPECT_TRUE(box->isModified());
    EXPECT_TRUE(box->picker()->hasFocus());
    std::optional<FieldValue> v = box->readValue();
    ASSERT_TRUE(v.has_value());
    EXPECT_EQ(v->type(), kx::type::Date);
    EXPECT_EQ(v->year(), 2024);
    EXPECT_EQ(v->month(), 5); // the digit went into the first field, the month
    EXPECT_EQ(v->day(), 15);
}

TEST_F(FieldControls, DeleteBackspaceAndCutEmptyADateBox) {
    auto* box = add(new KxDateTimeCtrl(KxDateTimeCtrl::Mode::Date, false));
    showHost();
    for (const auto& [key, modifiers] :
         {std::pair{Qt::Key_Delete, Qt::NoModifier}, std::pair{Qt::Key_Backspace, Qt::NoModifier},
          std::pair{Qt::Key_X, Qt::ControlModifier}}) {
        box->showValue(date(2001, 2, 3));
        ASSERT_TRUE(box->hasValue());
        EXPECT_FALSE(box->isModified());
        focus(box);
        QTest::keyClick(box->picker(), key, modifiers);
        EXPECT_FALSE(box->hasValue()) << key;
        EXPECT_TRUE(box->isModified());
        EXPECT_TRUE(box->hasFocus()); // the focus stays in the box
        EXPECT_FALSE(box->readValue().has_value());
    }
}

TEST_F(FieldControls, DateBoxReadsBackWhatItWasShown) {
    auto* box = add(new KxDateTimeCtrl(KxDateTimeCtrl::Mode::Date, false));
    showHost();
    // Later than any picker goes: shown and read back unchanged.
    box->showValue(date(12000, 6, 30));
    std::optional<FieldValue> v = box->readValue();
    ASSERT_TRUE(v.has_value());
    EXPECT_EQ(v->year(), 12000);
    // A time or an invalid date leaves the box empty.
    box->showValue(time(1, 2, 3));
    EXPECT_FALSE(box->hasValue());
    FieldValue invalid = FieldValue::newValue(kx::type::Date);
    box->showValue(&invalid);
    EXPECT_FALSE(box->hasValue());
}

TEST_F(FieldControls, TimeBoxWithoutSecondsGivesSecondZeroOnlyWhenChanged) {
    auto* box = add(new KxDateTimeCtrl(KxDateTimeCtrl::Mode::Time, false));
    showHost();
    box->showValue(time(10, 30, 45));
    EXPECT_EQ(box->readValue()->second(), 45); // untouched: as stored

    focus(box);
    box->picker()->setCurrentSectionIndex(0);
    QTest::keyClick(box->picker(), Qt::Key_Up);
    EXPECT_TRUE(box->isModified());
    std::optional<FieldValue> v = box->readValue();
    ASSERT_TRUE(v.has_value());
    EXPECT_EQ(v->hour(), 11);
    EXPECT_EQ(v->minute(), 30);
    EXPECT_EQ(v->second(), 0);
}

TEST_F(FieldControls, EmptyTimeBoxStartsAtTheCurrentTime) {
    auto* withSeconds = add(new KxDateTimeCtrl(KxDateTimeCtrl::Mode::Time, true));
    auto* without = add(new KxDateTimeCtrl(KxDateTimeCtrl::Mode::Time, false));
    showHost();
    withSeconds->showValue(nullptr);
    without->showValue(nullptr);
    QTest::mouseClick(withSeconds, Qt::LeftButton);
    ASSERT_TRUE(withSeconds->hasValue());
    EXPECT_EQ(withSeconds->readValue()->second(), 30);
    QTest::mouseClick(without, Qt::LeftButton);
    ASSERT_TRUE(without->hasValue());
    const std::optional<FieldValue> v = without->readValue();
    EXPECT_EQ(v->hour(), 10);
    EXPECT_EQ(v->minute(), 20);
    EXPECT_EQ(v->second(), 0);
}

TEST_F(FieldControls, DateBoxReportsAChangeWhenTheFocusLeaves) {
    auto* box = add(new KxDateTimeCtrl(KxDateTimeCtrl::Mode::Date, false));
    showHost();
    QSignalSpy left(&box->notifier(), &KxCtrlNotifier::leftModified);
    box->showValue(date(2001, 2, 3));
    focus(box);
    focusElsewhere();
    EXPECT_EQ(left.count(), 0);
    focus(box);
    QTest::keyClick(box->picker(), Qt::Key_Delete);
    focusElsewhere();
    ASSERT_EQ(left.count(), 1);
    EXPECT_EQ(left.at(0).at(0).value<QWidget*>(), box);
}

TEST_F(FieldControls, SearchDateAndTimeBoxes) {
    auto* dateBox = add(new KxDateCtrl);
    auto* timeBox = add(new KxTimeCtrl(false));
    showHost();
    dateBox->showValue(nullptr);
    std::optional<FieldValue> v = dateBox->readValue();
    ASSERT_TRUE(v.has_value());
    EXPECT_EQ(v->day(), 15); // today
    dateBox->checkBox()->setChecked(false);
    EXPECT_FALSE(dateBox->readValue().has_value());
    dateBox->showValue(date(1999, 12, 31));
    EXPECT_EQ(dateBox->readValue()->year(), 1999);

    timeBox->showValue(time(8, 9, 10));
    v = timeBox->readValue();
    ASSERT_TRUE(v.has_value());
    EXPECT_EQ(v->hour(), 8);
    EXPECT_EQ(v->minute(), 9);
    EXPECT_EQ(v->second(), 0);
}

// ---- text box ----------------------------------------------------------------------------

TEST_F(FieldControls, TextBoxLimitsBindTypingNotShowing) {
    auto* formBox = add(new KxTextCtrl(KxTextCtrl::Use::Form));
    auto* searchBox = add(new KxTextCtrl(KxTextCtrl::Use::Search));
    showHost();

    const std::string longText(KxTextCtrl::kFormLimit + 100, 'x');
    formBox->showValue(text(longText));
    EXPECT_EQ(formBox->toPlainText().size(), KxTextCtrl::kFormLimit + 100);
    focus(formBox);
    formBox->moveCursor(QTextCursor::End);
    QTest::keyClicks(formBox, "yz");
    EXPECT_EQ(formBox->toPlainText().size(), KxTextCtrl::kFormLimit + 100);
    EXPECT_EQ(formBox->readValue()->text(), longText);

    focus(searchBox);
    QTest::keyClicks(searchBox, QString(300, QLatin1Char('a')));
    EXPECT_EQ(searchBox->toPlainText().size(), KxTextCtrl::kSearchLimit);
    searchBox->clear();
    QApplication::clipboard()->setText(QString(300, QLatin1Char('b')));
    searchBox->paste();
    EXPECT_EQ(searchBox->toPlainText().size(), KxTextCtrl::kSearchLimit);
}

TEST_F(FieldControls, TextBoxKeepsLineBreaksAndEmptiesTheField) {
    auto* box = add(new KxTextCtrl(KxTextCtrl::Use::Form));
    showHost();
    box->showValue(text("first\nsecond"));
    std::optional<FieldValue> v = box->readValue();
    ASSERT_TRUE(v.has_value());
    EXPECT_EQ(v->text(), "first\nsecond");
    box->clear();
    v = box->readValue();
    ASSERT_TRUE(v.has_value());
    EXPECT_EQ(v->rawSize(), 0u); // storing it empties the field
    // Windows-1252 text crosses to the widget and back unchanged.
    box->showValue(text("caf\xE9 \x80"));
    EXPECT_EQ(box->toPlainText(), QString::fromUtf8("café €"));
    EXPECT_EQ(box->readValue()->text(), "caf\xE9 \x80");
}

TEST_F(FieldControls, TabMovesThroughTheFormInsteadOfTyping) {
    auto* first = add(new KxTextCtrl(KxTextCtrl::Use::Form));
    auto* second = add(new KxTextCtrl(KxTextCtrl::Use::Form));
    auto* last = add(numberBox(0, false, false));
    showHost();
    QSignalSpy navigating(&first->notifier(), &KxCtrlNotifier::navigating);
    focus(first);
    QTest::keyClick(first, Qt::Key_Tab);
    EXPECT_TRUE(second->hasFocus());
    EXPECT_TRUE(first->toPlainText().isEmpty());
    EXPECT_EQ(navigating.count(), 1);
    QTest::keyClick(second, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(first->hasFocus());
    QTest::keyClick(first, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(last->hasFocus()); // wrapped around
    QTest::keyClick(last, Qt::Key_Tab);
    EXPECT_TRUE(first->hasFocus());
}

TEST_F(FieldControls, FocusScopeKeepsTabInsideTheForm) {
    auto* form = add(new QWidget);
    auto* outside = add(new QLineEdit);
    auto* formLayout = new QVBoxLayout(form);
    auto* first = new KxTextCtrl(KxTextCtrl::Use::Form);
    auto* second = new KxTextCtrl(KxTextCtrl::Use::Form);
    formLayout->addWidget(first);
    formLayout->addWidget(second);
    kxSetFocusScope(form);
    showHost();
    focus(second);
    QTest::keyClick(second, Qt::Key_Tab);
    EXPECT_TRUE(first->hasFocus());
    EXPECT_FALSE(outside->hasFocus());
}

TEST_F(FieldControls, TextBoxGrowsAndShrinksWithItsContent) {
    auto* box = add(new KxTextCtrl(KxTextCtrl::Use::Form));
    showHost();
    QSignalSpy resized(&box->notifier(), &KxCtrlNotifier::resized);
    EXPECT_EQ(box->height(), kxStandardCtrlHeight());
    box->showValue(text("1\n2\n3\n4"));
    EXPECT_GT(box->height(), 3 * box->fontMetrics().height());
    EXPECT_GE(resized.count(), 1);
    box->showValue(text("one line"));
    EXPECT_EQ(box->height(), kxStandardCtrlHeight());
}

// ---- multiple choice, check box, category, label ------------------------------------------

TEST_F(FieldControls, MultipleChoiceValueNotInTheListShowsItsTextWithNothingSelected) {
    auto* box = add(new KxMultiChoiceCtrl({"Red", "Green", "Blue"}));
    showHost();
    box->showValue(text("Purple", kx::type::MultipleChoice));
    EXPECT_EQ(box->shownText(), "Purple");
    EXPECT_EQ(box->selectedItem(), -1);
    std::optional<FieldValue> v = box->readValue();
    ASSERT_TRUE(v.has_value());
    EXPECT_EQ(v->type(), kx::type::MultipleChoice);
    EXPECT_EQ(v->text(), "Purple");

    box->showValue(text("Green", kx::type::MultipleChoice));
    EXPECT_EQ(box->selectedItem(), 1);
    focus(box);
    QTest::keyClick(box, Qt::Key_Down);
    EXPECT_EQ(box->shownText(), "Blue");
    EXPECT_TRUE(box->isModified());
    QTest::keyClick(box, Qt::Key_R);
    EXPECT_EQ(box->readValue()->text(), "Red");
}

TEST_F(FieldControls, MultipleChoiceListChoosesAnItem) {
    auto* box = add(new KxMultiChoiceCtrl({"Red", "Green", "Blue"}));
    showHost();
    box->showValue(nullptr);
    EXPECT_EQ(box->readValue()->rawSize(), 0u);
    focus(box);
    QTest::keyClick(box, Qt::Key_F4);
    ASSERT_TRUE(box->isListOpen());
    QTest::keyClick(box->list(), Qt::Key_Down);
    QTest::keyClick(box->list(), Qt::Key_Return);
    EXPECT_FALSE(box->isListOpen());
    EXPECT_FALSE(box->shownText().isEmpty());
    EXPECT_EQ(box->shownText(), box->list()->currentItem()->text());
    EXPECT_TRUE(box->isModified());
}

TEST_F(FieldControls, MultipleChoiceWithoutAListHasNoValue) {
    auto* box = add(new KxMultiChoiceCtrl({}));
    showHost();
    box->showValue(text("Stored", kx::type::MultipleChoice));
    EXPECT_EQ(box->shownText(), "Stored");
    EXPECT_FALSE(box->readValue().has_value());
}

TEST_F(FieldControls, CheckBoxAlwaysHasAValue) {
    auto* box = add(new KxCheckBoxCtrl);
    showHost();
    std::optional<FieldValue> v = box->readValue();
    ASSERT_TRUE(v.has_value()); // never touched: unchecked, not empty
    EXPECT_EQ(v->type(), kx::type::Checkbox);
    EXPECT_FALSE(v->isChecked());
    box->showValue(nullptr);
    EXPECT_TRUE(box->readValue().has_value());

    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_TRUE(box->isModified());
    EXPECT_TRUE(box->readValue()->isChecked());

    box->setReadOnly(true);
    EXPECT_EQ(box->sizeHint().height(), kxLineHeight());
    QTest::mouseClick(box, Qt::LeftButton);
    focus(box);
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_TRUE(box->readValue()->isChecked());
    EXPECT_FALSE(box->isModified());
}

TEST_F(FieldControls, CategoryBoxSelectsByTheBeginningOfTheName) {
    auto* box = add(new KxCategoryCtrl({"Unfiled", "Business", "Personal"}));
    showHost();
    EXPECT_FALSE(box->readValue().has_value());
    box->showValue(text("bus"));
    EXPECT_EQ(box->currentText(), "Business");
    EXPECT_EQ(box->readValue()->text(), "Business");
    box->showValue(text("Private"));
    EXPECT_FALSE(box->readValue().has_value());
}

TEST_F(FieldControls, LabelNeverGivesAValue) {
    auto* label = add(new KxLabelCtrl);
    auto* checkLabel = add(new KxLabelCtrl(nullptr, true));
    showHost();
    label->showValue(number(2.5));
    EXPECT_EQ(label->text(), "2.5");
    EXPECT_FALSE(label->readValue().has_value());
    FieldValue checked = FieldValue::newValue(kx::type::Checkbox);
    checked.setChecked(true);
    checkLabel->showValue(&checked);
    EXPECT_TRUE(checkLabel->isChecked());
    EXPECT_FALSE(checkLabel->readValue().has_value());
}

// ---- which control for which field -------------------------------------------------------

TEST_F(FieldControls, FormControlPerFieldType) {
    QWidget* parent = host_.get();
    auto make = [parent](int type, unsigned flags = 0, bool displayOnly = false) {
        KxFieldCtrlSpec spec;
        spec.type = type;
        spec.field = 7;
        spec.flags = flags;
        spec.displayOnly = displayOnly;
        return kxCreateFormCtrl(spec, parent);
    };
    EXPECT_EQ(make(kx::type::LabelOnly), nullptr);
    EXPECT_EQ(make(kx::type::Unnamed), nullptr);
    EXPECT_NE(dynamic_cast<KxTextCtrl*>(make(kx::type::Text)), nullptr);
    EXPECT_NE(dynamic_cast<KxMultiChoiceCtrl*>(make(kx::type::MultipleChoice)), nullptr);
    EXPECT_NE(dynamic_cast<KxNumericCtrl*>(make(kx::type::Integer)), nullptr);
    EXPECT_NE(dynamic_cast<KxCheckBoxCtrl*>(make(kx::type::Checkbox)), nullptr);
    auto* dateBox = dynamic_cast<KxDateTimeCtrl*>(make(kx::type::Date));
    ASSERT_NE(dateBox, nullptr);
    EXPECT_EQ(dateBox->mode(), KxDateTimeCtrl::Mode::Date);
    EXPECT_EQ(dateBox->fieldNumber(), 7);
    auto* timeBox = dynamic_cast<KxDateTimeCtrl*>(make(kx::type::Time, kFlagHideSeconds));
    ASSERT_NE(timeBox, nullptr);
    EXPECT_EQ(timeBox->mode(), KxDateTimeCtrl::Mode::Time);

    // Display-only items: formatted text in a read-only box, a read-only check box.
    auto* shown = dynamic_cast<KxTextCtrl*>(make(kx::type::Time, kFlagHideSeconds, true));
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->isReadOnly());
    shown->showValue(time(14, 5, 9));
    EXPECT_EQ(shown->toPlainText(), "2:05 PM");
    EXPECT_EQ(shown->readValue()->second(), 9); // reads back the value, not its text
    auto* shownCheck = dynamic_cast<KxCheckBoxCtrl*>(make(kx::type::Checkbox, 0, true));
    ASSERT_NE(shownCheck, nullptr);
    EXPECT_TRUE(shownCheck->isReadOnly());
    EXPECT_EQ(make(kx::type::LabelOnly, 0, true), nullptr);
}

TEST_F(FieldControls, SearchControlPerFieldType) {
    QWidget* parent = host_.get();
    auto make = [parent](int type) {
        KxFieldCtrlSpec spec;
        spec.type = type;
        spec.items = {"Unfiled", "Business"};
        return kxCreateSearchCtrl(spec, parent);
    };
    auto* all = dynamic_cast<KxTextCtrl*>(make(kAnyField));
    ASSERT_NE(all, nullptr);
    EXPECT_EQ(all->limit(), KxTextCtrl::kSearchLimit);
    EXPECT_NE(dynamic_cast<KxTextCtrl*>(make(kx::type::MultipleChoice)), nullptr);
    EXPECT_NE(dynamic_cast<KxCategoryCtrl*>(make(kCategoryField)), nullptr);
    auto* numberBox = dynamic_cast<KxNumericCtrl*>(make(kx::type::Integer));
    ASSERT_NE(numberBox, nullptr);
    EXPECT_EQ(numberBox->decimals(), KxNumericCtrl::kSearchDecimals);
    EXPECT_NE(dynamic_cast<KxDateCtrl*>(make(kx::type::Date)), nullptr);
    EXPECT_NE(dynamic_cast<KxTimeCtrl*>(make(kx::type::Time)), nullptr);
    EXPECT_EQ(make(kx::type::Checkbox), nullptr);
    EXPECT_EQ(make(kx::type::LabelOnly), nullptr);
}

} // namespace
