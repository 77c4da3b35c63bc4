// The progress box: its texts, a bar that only moves forward, Cancel with its question, and
// the main window disabled while it is up.

#include "tests/support/ScriptedUi.h"

#include "app/widgets/KxUiQt.h"
#include "app/widgets/KxWaitBoxWidget.h"
#include "app/WaitProgress.h"

#include <QMainWindow>
#include <QPushButton>

#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

TEST(WaitBox, PercentageOfDoneAndTotal) {
    EXPECT_EQ(kxPercentDone(0, 0), 0u);
    EXPECT_EQ(kxPercentDone(1, 0), 100u); // a total of 0 counts as 1
    EXPECT_EQ(kxPercentDone(1, 3), 33u);
    EXPECT_EQ(kxPercentDone(7, 3), 100u);
    constexpr auto big = std::numeric_limits<std::uint64_t>::max();
    EXPECT_EQ(kxPercentDone(big / 2, big), 49u);
    EXPECT_EQ(kxPercentDone(big - 1, big), 99u);
    EXPECT_EQ(kxPercentDone(big, big), 100u);

    KxForwardProgress bar;
    EXPECT_TRUE(bar.advance(1, 2));
    EXPECT_FALSE(bar.advance(1, 4)); // a second pass starting over does not move it back
    EXPECT_EQ(bar.position(), 50u);
    EXPECT_FALSE(bar.advance(1, 2));
    EXPECT_TRUE(bar.advance(3, 4));
}

TEST(WaitBox, ShowsStatusAndProgressOverTheDisabledWindow) {
    QMainWindow window;
    window.show();
    ScriptedUi ui;
    {
        KxWaitBoxWidget box(&window, ui, "Opening the database");
        EXPECT_TRUE(box.isVisible());
        EXPECT_FALSE(window.isEnabled());
        EXPECT_TRUE(box.isEnabled());
        EXPECT_EQ(box.windowTitle(), "Rolva");
        EXPECT_EQ(box.statusText(), "Opening the database");
        EXPECT_EQ(box.percentText(), "0% Complete");

        box.setProgress(1, 3);
        EXPECT_EQ(box.barValue(), 33);
        EXPECT_EQ(box.percentText(), "33% Complete");
        box.setProgress(1, 10);
        EXPECT_EQ(box.barValue(), 33);
        box.setStatus("Loading the database");
        EXPECT_EQ(box.statusText(), "Loading the database");
        box.setProgress(5, 0);
        EXPECT_EQ(box.percentText(), "100% Complete");
    }
    EXPECT_TRUE(window.isEnabled());
}

TEST(WaitBox, CancelAsksFirst) {
    ScriptedUi ui;
    KxWaitBoxWidget box(nullptr, ui, "Sorting the database");
    ui.answers = {KxAnswer::No, KxAnswer::Yes};
    box.cancelButton()->click();
    EXPECT_FALSE(box.cancelled());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Are you sure you want to cancel this operation?");
    EXPECT_EQ(ui.messages[0].buttons, KxButtons::YesNo);
    box.cancelButton()->click();
    EXPECT_TRUE(box.cancelled());
    // Once cancelled, nothing more is asked.
    box.cancelButton()->click();
    EXPECT_EQ(ui.messages.size(), 2u);
}

TEST(WaitBox, TheQtInterfaceMakesTheBoxOverItsOwner) {
    QMainWindow window;
    window.show();
    KxUiQt ui(&window);
    {
        auto box = ui.waitBox("Saving the database");
        EXPECT_FALSE(window.isEnabled());
        box->setProgress(2, 4);
        EXPECT_FALSE(box->cancelled());
    }
    EXPECT_TRUE(window.isEnabled());
}
