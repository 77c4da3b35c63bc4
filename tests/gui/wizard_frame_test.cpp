// The wizard frame: the buttons each page offers, the default button and Enter, a page's
// refusal to be left, the title, and a page that cannot be made.

#include "tests/support/ScriptedUi.h"

#include "engine/KxDbError.h"
#include "app/widgets/KxWizard.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {
class TestPage : public KxWizardPage {
  public:
    TestPage(const QString& title, QWidget* parent, std::vector<std::string>& log)
        : KxWizardPage(title, parent), log_(log) {}
    bool refuseNext = false;
    bool refuseBack = false;
    bool refuseFinish = false;
    bool mayGoBack() override { return !refuseBack; }
    bool mayGoNext() override { return !refuseNext; }
    bool mayFinish() override { return !refuseFinish; }
    void activated() override { log_.push_back("activated " + title().toStdString()); }

  private:
    std::vector<std::string>& log_;
};

struct Wizard {
    explicit Wizard(int pages) : wizard("Test Wizard", ui) {
        for (int i = 0; i < pages; ++i) {
            wizard.addPage([this, i](QWidget* parent) {
                if (i == failingPage) throw KxDbError::NoResources;
                auto* page = new TestPage(QString("Page %1").arg(i + 1), parent, log);
                made.push_back(page);
                return page;
            });
        }
    }
    struct Buttons {
        bool back, next, finish;
        bool operator==(const Buttons&) const = default;
    };
    Buttons buttons() const {
        return {wizard.backButton()->isEnabled(), wizard.nextButton()->isEnabled(), wizard.finishButton()->isEnabled()};
    }
    void enter() {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(&wizard, &press);
    }
    ScriptedUi ui;
    std::vector<std::string> log;
    std::vector<TestPage*> made;
    int failingPage = -1;
    KxWizard wizard;
};
} // namespace

TEST(WizardFrame, ButtonsTitleAndDefaultFollowThePage) {
    Wizard w(3);
    ASSERT_TRUE(w.wizard.start());
    EXPECT_EQ(w.wizard.windowTitle(), "Test Wizard - Step 1 of 3 - Page 1");
    EXPECT_EQ(w.buttons(), (Wizard::Buttons{false, true, false}));
    EXPECT_TRUE(w.wizard.nextButton()->isDefault());
    EXPECT_EQ(w.wizard.backButton()->text(), "< &Back");
    EXPECT_EQ(w.wizard.nextButton()->text(), "&Next >");
    EXPECT_EQ(w.wizard.finishButton()->text(), "&Finish");
    EXPECT_EQ(w.wizard.cancelButton()->text(), "Canc&el");

    w.wizard.goNext();
    EXPECT_EQ(w.wizard.windowTitle(), "Test Wizard - Step 2 of 3 - Page 2");
    EXPECT_EQ(w.buttons(), (Wizard::Buttons{true, true, false}));

    w.enter(); // Enter is Next
    EXPECT_EQ(w.wizard.pageIndex(), 2);
    EXPECT_EQ(w.buttons(), (Wizard::Buttons{true, false, true}));
    EXPECT_TRUE(w.wizard.finishButton()->isDefault());

    w.wizard.goBack();
    w.wizard.goNext();
    EXPECT_EQ(w.made.size(), 3u); // pages are made once
    EXPECT_EQ(w.log, (std::vector<std::string>{"activated Page 1", "activated Page 2", "activated Page 3",
                                               "activated Page 2", "activated Page 3"}));
    w.enter(); // Enter is Finish on the last page
    EXPECT_EQ(w.wizard.result(), QDialog::Accepted);
}

TEST(WizardFrame, APageMayRefuseToBeLeft) {
    Wizard w(2);
    ASSERT_TRUE(w.wizard.start());
    w.made[0]->refuseNext = true;
    w.wizard.goNext();
    EXPECT_EQ(w.wizard.pageIndex(), 0);
    w.made[0]->refuseNext = false;
    w.wizard.goNext();
    w.made[1]->refuseBack = true;
    w.wizard.goBack();
    EXPECT_EQ(w.wizard.pageIndex(), 1);
    w.made[1]->refuseFinish = true;
    w.wizard.finishWizard();
    EXPECT_NE(w.wizard.result(), QDialog::Accepted);
    w.wizard.goNext(); // no Next on the last page
    EXPECT_EQ(w.wizard.pageIndex(), 1);
}

TEST(WizardFrame, APageThatCannotBeMadeIsReportedAndTheWizardStays) {
    Wizard w(2);
    w.failingPage = 1;
    ASSERT_TRUE(w.wizard.start());
    w.wizard.goNext();
    EXPECT_EQ(w.wizard.pageIndex(), 0);
    ASSERT_EQ(w.ui.messages.size(), 1u);
    EXPECT_EQ(w.wizard.windowTitle(), "Test Wizard - Step 1 of 2 - Page 1");

    Wizard none(1);
    none.failingPage = 0;
    EXPECT_EQ(none.wizard.exec(), QDialog::Rejected);
}

TEST(WizardFrame, OnePageWizardOffersOnlyFinish) {
    Wizard w(1);
    ASSERT_TRUE(w.wizard.start());
    EXPECT_EQ(w.buttons(), (Wizard::Buttons{false, false, true}));
}
