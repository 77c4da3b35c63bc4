// Pictures of the record form in the main window and of the Search Records dialog in both
// modes, saved under <build>/screenshots/ for a person to look at.

#include "RecordViewSupport.h"

#include "app/KxSearchDialog.h"
#include "views/KxBaseCtrl.h"

#include <QDir>
#include <QPixmap>

#include <gtest/gtest.h>

namespace {
void save(QWidget& window, const QString& name) {
    QDir dir(QCoreApplication::applicationDirPath());
    dir.cdUp();
    dir.mkpath(QStringLiteral("screenshots"));
    QApplication::processEvents();
    const QPixmap picture = window.grab();
    EXPECT_FALSE(picture.isNull());
    EXPECT_TRUE(picture.save(dir.filePath(QStringLiteral("screenshots/") + name)));
}

std::string inventory(const TempDir& dir) {
    return saveTestDatabase(dir,
                            {{KxFieldType::Text, "Name"},
                             {KxFieldType::Number, "Price", kFlagCurrency | kFlagThousands},
                             {KxFieldType::Date, "Bought"},
                             {KxFieldType::Time, "At"},
                             {KxFieldType::Checkbox, "Lent out"},
                             {KxFieldType::Text, "Notes"}},
                            [](TestDatabase& t) {
                                KxCategoryEditor(t.db).setCategoryName(1, "Tools");
                                t.addRecord({"Cordless drill", "1249.5", "3/14/2024", "10:30:00", "Yes",
                                             "Two batteries.\nCharger in the blue case."},
                                            1);
                            });
}
} // namespace

TEST(RecordScreenshot, MainWindowWithARecord) {
    RecordViewFixture f;
    f.openAt(inventory(f.dir), 0);
    f.frame->show();
    save(*f.frame, QStringLiteral("record-form.png"));
}

TEST(RecordScreenshot, SearchDialogInBothModes) {
    RecordViewFixture f;
    f.openAt(inventory(f.dir), 0);
    KxSearchDialog dialog(f.doc);
    dialog.show();
    save(dialog, QStringLiteral("search-basic.png"));
    dialog.setAdvanced(true);
    dialog.chooseField(1, 1);
    dialog.chooseField(2, 2);
    save(dialog, QStringLiteral("search-advanced.png"));
}
