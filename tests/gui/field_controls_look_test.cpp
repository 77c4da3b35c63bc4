// Every control kind in one form-like column: each single-line control stands at the
// standard control height; the column is saved as a picture for review.

#include "tests/gui/Screenshots.h"

#include "views/widgets/KxCategoryCtrl.h"
#include "views/widgets/KxCheckBoxCtrl.h"
#include "base/KxClock.h"
#include "views/widgets/KxCtrlClock.h"
#include "views/widgets/KxCtrlMetrics.h"
#include "views/widgets/KxDateCtrl.h"
#include "views/widgets/KxDateTimeCtrl.h"
#include "views/widgets/KxFieldCtrlFactory.h"
#include "views/widgets/KxLabelCtrl.h"
#include "views/widgets/KxMultiChoiceCtrl.h"
#include "views/widgets/KxNumericCtrl.h"
#include "views/widgets/KxTextCtrl.h"
#include "views/widgets/KxTimeCtrl.h"

#include "engine/KxHeaderChunk.h"
#include "engine/values/TypeCodes.h"

#include <QApplication>
#include <QGridLayout>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class ControlColumn {
  public:
    ControlColumn() : grid_(new QGridLayout(&host_)) {
        grid_->setContentsMargins(5, 5, 5, 5);
        grid_->setColumnStretch(1, 1);
        host_.setBackgroundRole(QPalette::Window);
        host_.setAutoFillBackground(true);
    }

    // A row of the column; the control gets the given value shown.
    template <typename Ctrl>
    Ctrl* add(const char* label, Ctrl* ctrl, const std::optional<FieldValue>& value = {}) {
        const int row = grid_->rowCount();
        // A label stands as high as a one-line control, so their texts line up.
        auto* labelCtrl = new KxLabelCtrl(QString::fromUtf8(label));
        labelCtrl->setMinimumHeight(kxStandardCtrlHeight());
        grid_->addWidget(labelCtrl, row, 0, Qt::AlignTop);
        grid_->addWidget(ctrl->widget(), row, 1, Qt::AlignTop);
        ctrl->showValue(value);
        return ctrl;
    }
    QWidget& host() { return host_; }

  private:
    QWidget host_;
    QGridLayout* grid_;
};

FieldValue value(int type, const char* text) {
    FieldValue v = FieldValue::newValue(type);
    v.parseText(text);
    return v;
}

TEST(FieldControlsLook, EveryKindInAColumn) {
    kxSetClock({{}, {}, [] { return QDateTime(QDate(2024, 7, 15), QTime(10, 20, 30)).toSecsSinceEpoch(); }});
    ControlColumn column;
    using Num = KxNumericCtrl;
    std::vector<QWidget*> singleLine;
    auto line = [&singleLine](auto* ctrl) {
        singleLine.push_back(ctrl->widget());
        return ctrl;
    };

    line(column.add("Name", new KxTextCtrl(KxTextCtrl::Use::Form), value(kx::type::Text, "Hammer")));
    column.add("Notes", new KxTextCtrl(KxTextCtrl::Use::Form),
               value(kx::type::Text, "Claw hammer, 16 oz\nsteel handle\nrubber grip"));
    line(column.add("Colour", new KxMultiChoiceCtrl({"Red", "Green", "Blue"}),
                    value(kx::type::MultipleChoice, "Purple")));
    line(column.add("Price", new Num(kx::type::Number, 2, true, true, Num::Use::Form),
                    value(kx::type::Number, "1234.5")));
    auto* narrow =
        line(column.add("Narrow", new Num(kx::type::Number, 2, true, false, Num::Use::Form),
                        value(kx::type::Number, "123456789")));
    narrow->setFixedWidth(60);
    FieldValue failed = FieldValue::newValue(kx::type::Calculation);
    failed.setCalcResult(0, true);
    line(
        column.add("Total", new Num(kx::type::Calculation, 2, false, false, Num::Use::Form), failed));
    line(column.add("Bought", new KxDateTimeCtrl(KxDateTimeCtrl::Mode::Date, false)));
    line(column.add("Sold", new KxDateTimeCtrl(KxDateTimeCtrl::Mode::Date, false),
                    value(kx::type::Date, "3/14/2024")));
    line(column.add("Opens", new KxDateTimeCtrl(KxDateTimeCtrl::Mode::Time, true)));
    line(column.add("Closes", new KxDateTimeCtrl(KxDateTimeCtrl::Mode::Time, false),
                    value(kx::type::Time, "5:30 PM")));
    line(column.add("In stock", new KxCheckBoxCtrl, value(kx::type::Checkbox, "yes")));
    auto* shownCheck = column.add("Taxed", new KxCheckBoxCtrl, value(kx::type::Checkbox, "yes"));
    shownCheck->setReadOnly(true);
    KxFieldCtrlSpec display;
    display.type = kx::type::Number;
    display.decimals = 2;
    display.flags = kFlagCurrency;
    display.displayOnly = true;
    line(column.add("Cost", kxCreateFormCtrl(display, &column.host()),
                    value(kx::type::Number, "9.5")));
    column.add("Checked", new KxLabelCtrl(nullptr, true), value(kx::type::Checkbox, "1"));
    line(column.add("Search date", new KxDateCtrl, value(kx::type::Date, "1/2/2003")));
    line(column.add("Search time", new KxTimeCtrl(true), value(kx::type::Time, "8:09:10 AM")));
    line(column.add("Category", new KxCategoryCtrl({"Unfiled", "Business", "Personal"}),
                    value(kx::type::Text, "bus")));
    line(column.add("Search text", new KxTextCtrl(KxTextCtrl::Use::Search),
                    value(kx::type::Text, "smi")));

    column.host().resize(360, column.host().sizeHint().height());
    column.host().show();
    QApplication::processEvents();

    for (QWidget* w : singleLine) {
        const int expected =
            qobject_cast<KxCheckBoxCtrl*>(w) != nullptr && KxBaseCtrl::of(w)->isReadOnly()
                ? kxLineHeight()
                : kxStandardCtrlHeight();
        EXPECT_EQ(w->height(), expected) << w->metaObject()->className();
    }
    // 123,456,789.00 does not fit.
    EXPECT_EQ(narrow->text(), QString(14, QLatin1Char('*')));

    saveScreenshot(column.host(), QStringLiteral("controls.png"));
    kxSetClock({});
}

// In the form's read-only mode every box shows the window's colour where an editable one is
// white, and turns white again when editing starts.
TEST(FieldControlsLook, ReadOnlyControlsLookReadOnly) {
    ControlColumn column;
    using Num = KxNumericCtrl;
    std::vector<KxBaseCtrl*> ctrls{
        column.add("Name", new KxTextCtrl(KxTextCtrl::Use::Form), value(kx::type::Text, "Hammer")),
        column.add("Colour", new KxMultiChoiceCtrl({"Red", "Green"}), value(kx::type::MultipleChoice, "Red")),
        column.add("Price", new Num(kx::type::Number, 2, true, true, Num::Use::Form), value(kx::type::Number, "12.5")),
        column.add("Sold", new KxDateTimeCtrl(KxDateTimeCtrl::Mode::Date, false), value(kx::type::Date, "3/14/2024")),
        column.add("Closes", new KxDateTimeCtrl(KxDateTimeCtrl::Mode::Time, false), value(kx::type::Time, "5:30 PM")),
    };
    column.host().resize(360, column.host().sizeHint().height());
    column.host().show();
    const QColor editable = QApplication::palette().color(QPalette::Base);
    const QColor readOnly = QApplication::palette().color(QPalette::Window);
    ASSERT_NE(editable, readOnly);
    // The colour behind the text the user reads.
    auto face = [](KxBaseCtrl* ctrl) {
        auto* choice = dynamic_cast<KxMultiChoiceCtrl*>(ctrl);
        QWidget* w = choice != nullptr ? static_cast<QWidget*>(choice->textBox()) : ctrl->widget();
        QWidget* inner = w->findChild<QWidget*>();
        return std::pair{w->palette().color(QPalette::Base),
                         inner != nullptr ? inner->palette().color(QPalette::Base) : w->palette().color(QPalette::Base)};
    };
    for (KxBaseCtrl* ctrl : ctrls) {
        ctrl->setReadOnly(true);
        EXPECT_EQ(face(ctrl), std::pair(readOnly, readOnly)) << ctrl->widget()->metaObject()->className();
    }
    saveScreenshot(column.host(), QStringLiteral("controls-read-only.png"));
    for (KxBaseCtrl* ctrl : ctrls) {
        ctrl->setReadOnly(false);
        EXPECT_EQ(face(ctrl), std::pair(editable, editable)) << ctrl->widget()->metaObject()->className();
    }
}

} // namespace
