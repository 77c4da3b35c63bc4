// One whole run of the Field and Form Editor from the keyboard: a database is opened, a
// Number and a Calculation field are added, the Calculation is moved up with Alt+Up, OK; the
// saved file holds the new schema and the computed values.

#include "tests/logic/SchemaBytes.h"
#include "tests/gui/GuiTestSupport.h"

#include "app/KxDbDoc.h"
#include "editors/FieldEditorCommand.h"
#include "editors/widgets/KxFieldEditDialog.h"
#include "editors/widgets/KxFieldListBox.h"
#include "editors/widgets/KxFieldNFormDialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {
// Types a label, steps down the type list and presses Enter, as a user of the field dialog.
std::optional<KxWorkingField> typeField(const KxFieldWorkingCopy& copy, const KxFieldEditPlace& place,
                                        const KxWorkingField& field, KxUi& ui, const QString& label, int typeSteps) {
    KxFieldEditDialog dialog(nullptr, copy, place, field, ui);
    dialog.show();
    QTest::keyClicks(&dialog.child().labelBox(), label);
    for (int i = 0; i < typeSteps; ++i) QTest::keyClick(&dialog.child().typeBox(), Qt::Key_Down);
    QTest::keyClick(&dialog.child().labelBox(), Qt::Key_Return);
    if (dialog.result() != QDialog::Accepted) return std::nullopt;
    return dialog.child().field();
}

class KeyboardDialogs : public KxDocDialogs {
  public:
    bool runFieldEditor(KxDbDoc& doc, KxFieldWorkingCopy& copy, const std::function<bool()>& mayCancel) override {
        KxFieldNFormDialog dialog(nullptr, copy, doc.ui(), mayCancel);
        dialog.show();
        int added = 0;
        dialog.child().setFieldDialog([&](const KxFieldEditPlace& place, const KxWorkingField& field) {
            ++added;
            // Text, Multiple Choice, Number, Calculation: two steps to Number, three to Calculation.
            return added == 1 ? typeField(copy, place, field, doc.ui(), "Price", 2)
                              : typeField(copy, place, field, doc.ui(), "Total", 3);
        });
        dialog.child().addField();
        dialog.child().addField();
        KxFieldListBox& list = dialog.child().list();
        list.setFocus();
        QTest::keyClick(&list, Qt::Key_End);
        QTest::keyClick(&list, Qt::Key_Up, Qt::AltModifier);
        QTest::keyClick(&list, Qt::Key_Return);
        return dialog.result() == QDialog::Accepted;
    }
};
} // namespace

TEST(FieldEditorFlow, AddANumberAndACalculationReorderByKeyboardAndOk) {
    TempDir dir;
    const std::string path = dir.file("Orders.rlv");
    {
        TestDatabase t({{KxFieldType::Text, "Name"}, {KxFieldType::Number, "Qty"}});
        t.addRecord({"Ann", "3"});
        t.addRecord({"Bob", "4"});
        t.db.save(path);
        t.db.close(false);
    }
    ScriptedUi ui;
    KxDbDoc doc(ui, KxSettings(dir.file("rolvadesk.ini")));
    KeyboardDialogs dialogs;
    doc.setDialogs(&dialogs);
    ASSERT_TRUE(doc.openDocument(path));
    kxRunFieldAndFormEditor(doc);
    ASSERT_TRUE(ui.messages.empty()) << ui.lastMessage();
    ASSERT_TRUE(doc.isModified());
    ASSERT_TRUE(doc.saveDocument(path));

    // New fields take their places in the schema in list order: Total, moved above Price,
    // comes first.
    const SchemaBytes file(path);
    EXPECT_EQ(file.labels(), (std::vector<std::string>{"Name", "Qty", "Total", "Price"}));
    EXPECT_EQ(file.formFields(), (std::vector<std::uint8_t>{0, 1, 2, 3}));
    ASSERT_EQ(file.fields[2].type, 9);
    EXPECT_EQ(file.fields[3].type, 4);
    EXPECT_EQ(file.fields[2].op, 0);
    EXPECT_EQ(file.fields[2].first, 1) << "a new Calculation starts on the first other Number field";
    EXPECT_EQ(file.fields[2].second, 1);

    KxDatabase reopened;
    reopened.open(path, kOpenReadShared, 1);
    const auto total = reopened.record(1, false).value(2);
    ASSERT_TRUE(total.has_value());
    EXPECT_EQ(total->plainText(), "8");
}

namespace {
// Adds one Text field and presses OK.
class AddingDialogs : public KxDocDialogs {
  public:
    int runs = 0;
    std::string newPath;
    // The wizard finished with every field deleted on its last step.
    std::optional<KxNewDatabaseRequest> runNewDatabaseWizard(KxDbDoc&) override {
        KxNewDatabaseRequest request;
        request.path = newPath;
        return request;
    }
    bool runFieldEditor(KxDbDoc&, KxFieldWorkingCopy& copy, const std::function<bool()>&) override {
        ++runs;
        KxWorkingField name;
        name.label = "Name";
        copy.add(name);
        return true;
    }
};
} // namespace

TEST(FieldEditorFlow, FileNewOpensTheEditorOnTheEmptyDatabase) {
    FrameFixture f;
    AddingDialogs dialogs;
    dialogs.newPath = f.dir.file("Fresh.rlv");
    f.doc.setDialogs(&dialogs);
    f.frame->setCommandHandler(KxCommand::FieldAndFormEditor, [&] { kxRunFieldAndFormEditor(f.doc); });
    f.frame->show();
    f.frame->runCommand(KxCommand::NewDatabase);
    EXPECT_EQ(dialogs.runs, 1);
    ASSERT_TRUE(f.doc.isOpen());
    EXPECT_EQ(f.doc.database().header().fields.size(), 1u);
    EXPECT_EQ(f.ui.messages.size(), 0u) << f.ui.lastMessage();
    EXPECT_TRUE(f.doc.hasCurrentRecord()) << "the new database opens on a blank record";
}
