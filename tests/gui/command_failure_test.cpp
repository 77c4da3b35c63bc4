// A failure escaping a command is shown as its message and the program goes on.

#include "tests/gui/GuiTestSupport.h"

#include "app/CommandFailure.h"

#include <QEvent>

#include <cerrno>
#include <filesystem>
#include <new>
#include <stdexcept>
#include <system_error>

#include <gtest/gtest.h>

namespace {
template <class Failure>
std::uint32_t codeOf(Failure failure) {
    return kxCodeOfFailure(std::make_exception_ptr(failure));
}

std::filesystem::filesystem_error fileFailure(int error) {
    return std::filesystem::filesystem_error("open", std::error_code(error, std::generic_category()));
}

// An object whose event handler throws what it is told to.
class ThrowingObject : public QObject {
  public:
    std::function<void()> fail;
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User) fail();
        return QObject::event(e);
    }
};
} // namespace

TEST(CommandFailure, EachFailureBecomesTheCodeWhoseMessageIsShown) {
    EXPECT_EQ(codeOf(KxDbError::Damaged), 11u);
    EXPECT_EQ(codeOf(KxDbError::None), 0u);
    EXPECT_EQ(codeOf(std::bad_alloc()), 19u);
    EXPECT_EQ(codeOf(fileFailure(ENOENT)), 1u);
    EXPECT_EQ(codeOf(fileFailure(ENOSPC)), 20u);
    EXPECT_EQ(codeOf(fileFailure(EACCES)), 31u);
    EXPECT_EQ(codeOf(std::runtime_error("odd")), 31u);
    EXPECT_EQ(codeOf(42), 31u);
    EXPECT_EQ(kxCodeOfFailure(nullptr), 0u);
}

TEST(CommandFailure, ShowingACodeUsesItsMessageInAWarningBox) {
    ScriptedUi ui;
    kxShowDbError(ui, 0);
    EXPECT_TRUE(ui.messages.empty());
    kxShowDbError(ui, 19);
    kxShowDbError(ui, 40);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, "There is not enough memory available complete the current operation.  ");
    EXPECT_EQ(ui.messages[0].caption, "Rolva");
    EXPECT_EQ(ui.messages[0].icon, KxIcon::Warning);
    EXPECT_EQ(ui.messages[0].buttons, KxButtons::Ok);
    EXPECT_EQ(ui.messages[1].text, "An error was encountered while processing the current operation.");
}

TEST(CommandFailure, AnEngineErrorFromACommandIsShownAndTheWindowGoesOn) {
    FrameFixture f;
    f.open(makeSampleDatabase(f.dir));
    f.frame->setCommandHandler(KxCommand::Print, [] { throw KxDbError::Damaged; });
    int exports = 0;
    f.frame->setCommandHandler(KxCommand::Export, [&] { ++exports; });

    f.frame->refreshCommands();
    f.action(KxCommand::Print)->trigger();
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.lastMessage(), "The database has been damaged.");
    EXPECT_EQ(f.ui.messages[0].caption, "Rolva");
    EXPECT_EQ(f.ui.messages[0].icon, KxIcon::Warning);

    // The database stays open and the next command runs.
    EXPECT_TRUE(f.doc.isOpen());
    f.action(KxCommand::Export)->trigger();
    EXPECT_EQ(exports, 1);
}

TEST(CommandFailure, DisabledCommandsDoNotRun) {
    FrameFixture f;
    int exports = 0;
    f.frame->setCommandHandler(KxCommand::Export, [&] { ++exports; });
    f.frame->runCommand(KxCommand::Export); // no database open
    EXPECT_EQ(exports, 0);
}

// KxDbApp::notify delivers every event this way.
TEST(CommandFailure, WhatEscapesAnEventHandlerIsShownAndTheEventCountsAsUnhandled) {
    ScriptedUi ui;
    ThrowingObject target;
    QEvent event(QEvent::User);
    const auto deliver = [&] { return kxDeliverGuarded(ui, [&] { return QCoreApplication::sendEvent(&target, &event); }); };

    target.fail = [] {};
    EXPECT_TRUE(deliver());
    target.fail = [] { throw KxDbError::DiskFull; };
    EXPECT_FALSE(deliver());
    target.fail = [] { throw std::bad_alloc(); };
    EXPECT_FALSE(deliver());

    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text,
              "There is not enough disk space available  to complete the current operation. ");
    EXPECT_EQ(ui.messages[1].text, "There is not enough memory available complete the current operation.  ");
}
