// The New Database wizard in the running program, driven by the keyboard alone from the name
// to the created database; its buttons and titles step by step; and pictures of the steps.

#include "tests/gui/GuiTestSupport.h"
#include "tests/gui/Screenshots.h"
#include "tests/logic/SchemaBytes.h"

#include "engine/KxDatabase.h"
#include "app/widgets/KxDbAppInstance.h"
#include "app/widgets/KxNewFileDialog.h"
#include "app/widgets/KxNewFilePages.h"
#include "editors/widgets/KxFieldEditDialog.h"
#include "editors/widgets/KxFieldListBox.h"
#include "editors/widgets/KxFieldNFormDialog.h"
#include "install/KxInstallSchedule.h"
#include "install/widgets/KxHandheldInstallChildDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QKeySequence>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>

#include <fstream>
#include <functional>
#include <memory>

namespace {
using Names = std::vector<std::string>;

// Keys go to whatever has the focus, as they would from the keyboard.
void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeModalWidget();
    ASSERT_NE(target, nullptr);
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
}
void type(const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); }

void activate(QWidget& window) {
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

// A button's or check box's mnemonic clicks it the way Qt does, a moment after the key: the
// test waits until `done` says the click has had its effect. Shortcuts reach only the active
// window, which a closed dialog may not have handed back.
void mnemonic(int key, const std::function<bool()>& done) {
    if (QWidget* window = QApplication::activeModalWidget()) activate(*window);
    press(key, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor(done, 10000)) << "Alt+" << QKeySequence(key).toString().toStdString();
}

// Once the next modal dialog runs, `act` works in it; the dialog is closed afterwards if
// `act` left it open.
template <class Dialog> void whenModalShows(std::function<void(Dialog&)> act, int triesLeft = 200) {
    QTimer::singleShot(10, [act, triesLeft] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            if (triesLeft > 0) whenModalShows<Dialog>(act, triesLeft - 1);
            else ADD_FAILURE() << "the dialog did not show";
            return;
        }
        activate(*dialog);
        act(*dialog);
        if (dialog->isVisible()) dialog->reject();
    });
}

// A field added on step 4 with Alt+A: its label, then Alt+C and Down `typeSteps` times in
// the type list, then Enter for OK.
void addField(const QString& label, int typeSteps) {
    auto added = std::make_shared<bool>(false);
    whenModalShows<KxFieldEditDialog>([label, typeSteps, added](KxFieldEditDialog& dialog) {
        EXPECT_EQ(QApplication::focusWidget(), &dialog.child().labelBox());
        type(label);
        press(Qt::Key_C, Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget(), &dialog.child().typeBox());
        for (int i = 0; i < typeSteps; ++i) press(Qt::Key_Down);
        press(Qt::Key_Return);
        EXPECT_FALSE(dialog.isVisible());
        *added = true;
    });
    mnemonic(Qt::Key_A, [added] { return *added; });
}

QStringList fieldRows(const KxNewFileFieldListPage& page) {
    QStringList rows;
    const QListWidget& list = page.fields()->list();
    for (int row = 0; row < list.count(); ++row) rows << list.item(row)->text();
    return rows;
}

class NewDatabaseWizard : public ::testing::Test {
  protected:
    void SetUp() override {
        QSettings(QSettings::IniFormat, QSettings::UserScope, "Vantorquelline", "Rolva").clear();
        std::ofstream(dir.file("handheld-users.txt")) << "Ann\nBob\n";
        KxSettings settings(dir.file("rolvadesk.ini"));
        settings.write(kxSettingLastAppSizeW, 900);
        settings.write(kxSettingLastAppSizeH, 560);
        options.settingsPath = settings.path();
        options.setProcessLocale = false;
        options.enterProgramDirectory = false;
        ASSERT_TRUE(run.start(options));
    }

    TempDir dir;
    ScriptedUi ui;
    KxStartOptions options;
    KxDbAppInstance run{&ui};
};
} // namespace

TEST_F(NewDatabaseWizard, KeyboardAloneFromTheNameToTheCreatedDatabase) {
    const std::string path = dir.file("Garden.rlv");
    QStringList titles;
    QStringList listed;
    whenModalShows<KxNewFileDialog>([&](KxNewFileDialog& wizard) {
        titles << wizard.windowTitle();
        auto* name = wizard.findChild<QLineEdit*>(QStringLiteral("databaseName"));
        ASSERT_NE(name, nullptr);
        EXPECT_EQ(QApplication::focusWidget(), name);
        EXPECT_FALSE(wizard.nextButton()->isEnabled());
        type(QString::fromStdString(dir.file("Garden")));
        EXPECT_TRUE(wizard.nextButton()->isEnabled());
        QCheckBox* handheldReadOnly = nullptr;
        for (QCheckBox* box : wizard.findChildren<QCheckBox*>())
            if (box->text() == "&Database is Read Only on Handheld") handheldReadOnly = box;
        ASSERT_NE(handheldReadOnly, nullptr);
        mnemonic(Qt::Key_D, [&] { return handheldReadOnly->isChecked(); }); // "&Database is Read Only on Handheld"
        saveScreenshot(wizard, QStringLiteral("new_database_step1.png"));
        press(Qt::Key_Return);

        // Step 2: Bob ticked with the arrow key and Space.
        titles << wizard.windowTitle();
        auto* users = dynamic_cast<KxNewFileHandheldPage*>(wizard.page(1));
        ASSERT_NE(users, nullptr);
        EXPECT_EQ(QApplication::focusWidget(), &users->list().checkList());
        press(Qt::Key_Down);
        press(Qt::Key_Space);
        saveScreenshot(wizard, QStringLiteral("new_database_step2.png"));
        press(Qt::Key_Return);

        // Step 3: the first field's label; it stays Text.
        titles << wizard.windowTitle();
        type(QStringLiteral("Plant"));
        saveScreenshot(wizard, QStringLiteral("new_database_step3.png"));
        press(Qt::Key_Return);

        // Step 4: two more fields, a Number and a Calculation; Enter finishes.
        titles << wizard.windowTitle();
        EXPECT_EQ(QApplication::focusWidget(), wizard.finishButton());
        addField(QStringLiteral("Price"), 2);
        addField(QStringLiteral("Total"), 3);
        auto* fields = dynamic_cast<KxNewFileFieldListPage*>(wizard.page(3));
        ASSERT_NE(fields, nullptr);
        listed = fieldRows(*fields);
        saveScreenshot(wizard, QStringLiteral("new_database_step4.png"));
        press(Qt::Key_Return);
        EXPECT_FALSE(wizard.isVisible());
    });
    run.frame()->runCommand(KxCommand::NewDatabase);

    EXPECT_EQ(titles, (QStringList{"New Database Wizard - Step 1 of 4 - Database Name",
                                   "New Database Wizard - Step 2 of 4 - Handheld Installation",
                                   "New Database Wizard - Step 3 of 4 - First Field Label",
                                   "New Database Wizard - Step 4 of 4 - Additional Fields"}));
    EXPECT_EQ(listed, (QStringList{"Plant", "Price", "Total"}));
    EXPECT_TRUE(ui.messages.empty()) << ui.lastMessage();

    // The file: three fields in wizard order, the calculation adding the Number field.
    KxDbDoc& doc = *run.document();
    ASSERT_TRUE(doc.isOpen());
    EXPECT_EQ(doc.pathName(), path);
    const SchemaBytes file(path);
    ASSERT_EQ(file.fields.size(), 3u);
    EXPECT_EQ(file.labels(), (std::vector<std::string>{"Plant", "Price", "Total"}));
    EXPECT_EQ(file.fields[0].type, static_cast<int>(KxFieldType::Text));
    EXPECT_EQ(file.fields[1].type, static_cast<int>(KxFieldType::Number));
    EXPECT_EQ(file.fields[2].type, static_cast<int>(KxFieldType::Calculation));
    EXPECT_TRUE(file.fields[2].calc);
    EXPECT_EQ(file.fields[2].first, 1);
    EXPECT_EQ(file.fields[2].second, 1);
    EXPECT_EQ(file.formFields(), (std::vector<std::uint8_t>{0, 1, 2}));
    const std::uint16_t attributes = doc.database().header().attributes();
    EXPECT_EQ(attributes & (kAttrEditableCheckboxes | kAttrReadOnlyMode | kAttrHandheldReadOnly),
              kAttrEditableCheckboxes | kAttrReadOnlyMode | kAttrHandheldReadOnly);
    // One blank record to type into, and Bob's installation pending.
    EXPECT_EQ(doc.database().liveCount(), 1u);
    KxInstallSchedule schedule(KxSettings(dir.file("rolvadesk.ini")), path);
    EXPECT_EQ(schedule.usersWithDatabase(true), (Names{"Bob"}));
}

TEST_F(NewDatabaseWizard, ButtonsByStepBackKeepsEverythingAndCancelMakesNothing) {
    writeFileBytes(dir.file("Old.rlv"), {1, 2, 3});
    ui.answers = {KxAnswer::Yes};
    whenModalShows<KxNewFileDialog>([&](KxNewFileDialog& wizard) {
        auto on = [&] {
            return QList<bool>{wizard.backButton()->isEnabled(), wizard.nextButton()->isEnabled(),
                               wizard.finishButton()->isEnabled(), wizard.nextButton()->isDefault(),
                               wizard.finishButton()->isDefault()};
        };
        auto* namePage = dynamic_cast<KxNewFileNamePage*>(wizard.page(0));
        ASSERT_NE(namePage, nullptr);
        EXPECT_FALSE(namePage->recipeButton().isVisible());
        type(QStringLiteral("   "));
        EXPECT_EQ(on(), (QList<bool>{false, false, false, true, false}));
        press(Qt::Key_Return); // nothing: no name yet
        EXPECT_EQ(wizard.pageIndex(), 0);
        namePage->nameBox().setText(QString::fromStdString(dir.file("Old")));
        press(Qt::Key_Return);
        ASSERT_EQ(wizard.pageIndex(), 1);
        EXPECT_EQ(ui.messages.size(), 1u); // the replace question
        EXPECT_EQ(namePage->nameBox().text().toStdString(), dir.file("Old.rlv"));
        EXPECT_EQ(on(), (QList<bool>{true, true, false, true, false}));

        // Back to step 1 and on again: no second question.
        mnemonic(Qt::Key_B, [&] { return wizard.pageIndex() == 0; });
        mnemonic(Qt::Key_N, [&] { return wizard.pageIndex() == 1; });
        mnemonic(Qt::Key_N, [&] { return wizard.pageIndex() == 2; });
        EXPECT_EQ(ui.messages.size(), 1u);
        type(QStringLiteral("First"));
        mnemonic(Qt::Key_N, [&] { return wizard.pageIndex() == 3; });
        EXPECT_EQ(on(), (QList<bool>{true, false, true, false, true}));
        auto* fields = dynamic_cast<KxNewFileFieldListPage*>(wizard.page(3));
        ASSERT_NE(fields, nullptr);
        EXPECT_EQ(fieldRows(*fields), QStringList{"First"});

        // Step 4 deletes the first field; step 3 then starts a new one.
        fields->fields()->list().setCurrentRow(0);
        fields->fields()->deleteField();
        mnemonic(Qt::Key_B, [&] { return wizard.pageIndex() == 2; });
        auto* first = dynamic_cast<KxNewFileFirstFieldPage*>(wizard.page(2));
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(first->field()->labelBox().text(), QString());
        type(QStringLiteral("Again"));
        mnemonic(Qt::Key_N, [&] { return wizard.pageIndex() == 3; });
        EXPECT_EQ(fieldRows(*fields), QStringList{"Again"});
        mnemonic(Qt::Key_E, [&] { return !wizard.isVisible(); }); // Canc&el
        EXPECT_FALSE(wizard.isVisible());
    });
    run.frame()->runCommand(KxCommand::NewDatabase);
    EXPECT_FALSE(run.document()->isOpen());
    EXPECT_EQ(readFileBytes(dir.file("Old.rlv")), (std::vector<std::uint8_t>{1, 2, 3}));
}

TEST_F(NewDatabaseWizard, BrowseRemembersTheFolderAndItsChoiceIsNotCheckedAgain) {
    writeFileBytes(dir.file("notes.txt.rlv"), {1}); // the file dialog asked about replacing it
    ui.files = {dir.file("notes.txt")};
    whenModalShows<KxNewFileDialog>([&](KxNewFileDialog& wizard) {
        auto* page = dynamic_cast<KxNewFileNamePage*>(wizard.page(0));
        ASSERT_NE(page, nullptr);
        mnemonic(Qt::Key_R, [&] { return !page->nameBox().text().isEmpty(); }); // "B&rowse..."
        EXPECT_EQ(page->nameBox().text().toStdString(), dir.file("notes.txt.rlv"));
        press(Qt::Key_Return);
        EXPECT_EQ(wizard.pageIndex(), 1);
        EXPECT_TRUE(ui.messages.empty()) << ui.lastMessage();
    });
    run.frame()->runCommand(KxCommand::NewDatabase);
    EXPECT_EQ(KxSettings(dir.file("rolvadesk.ini")).read(kxSettingLastNewDir), dir.path() + "/");
    EXPECT_FALSE(run.document()->isOpen());
}
