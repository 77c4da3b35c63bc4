// The Multiple Choice list on a real form: the form is built with its painting switched off,
// and the list must still draw its items when it drops down.

#include "tests/gui/RecordViewSupport.h"
#include "tests/gui/Screenshots.h"

#include "engine/KxSchemaEditor.h"
#include "views/widgets/KxMultiChoiceCtrl.h"
#include "views/widgets/KxMultiChoiceInnerCtrl.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

namespace {
std::string colourDatabase(const TempDir& dir) {
    return saveTestDatabase(dir, {{KxFieldType::Text, "Name"}, {KxFieldType::MultipleChoice, "Colour"}},
                            [](TestDatabase& t) {
                                KxItemListAccessor items(t.db, 1, false);
                                for (const char* c : {"Red", "Green", "Blue", "Yellow"}) items.addItem(c);
                                t.addRecord({"Kite", "Green"});
                            });
}

// The pixels of the image darker than the list's own background: the drawn item texts.
int inkPixels(const QImage& image, const QColor& background) {
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) + 60 < qGray(background.rgb())) ++ink;
    return ink;
}
} // namespace

TEST(ChoiceList, DropsDownPaintedAndIsMadeOnlyWhenFirstOpened) {
    RecordViewFixture f;
    f.openAt(colourDatabase(f.dir), 0);
    f.frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.frame.get()));
    if (f.view->mode() != KxDbRecordView::Mode::Editing) f.view->toggleEditMode();
    auto* box = dynamic_cast<KxMultiChoiceCtrl*>(f.form().controlFor(1));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->list(), nullptr) << "no pop-up before the list is first opened";
    EXPECT_EQ(box->selectedItem(), 1);

    box->openList();
    ASSERT_TRUE(box->isListOpen());
    KxMultiChoiceInnerCtrl* list = box->list();
    EXPECT_TRUE(list->updatesEnabled());
    EXPECT_TRUE(list->viewport()->updatesEnabled());
    EXPECT_EQ(list->count(), 4);
    EXPECT_EQ(list->currentRow(), 1);
    QApplication::processEvents();
    const QImage drawn = list->grab().toImage();
    EXPECT_GT(inkPixels(drawn, list->palette().color(QPalette::Base)), 20) << "the items are drawn";

    // The whole window with the list where the screen shows it.
    QImage picture = f.frame->grab().toImage();
    {
        QPainter painter(&picture);
        painter.drawImage(f.frame->mapFromGlobal(list->mapToGlobal(QPoint(0, 0))), drawn);
    }
    QDir(screenshotDirectory()).mkpath(QStringLiteral("."));
    EXPECT_TRUE(picture.save(QDir(screenshotDirectory()).filePath(QStringLiteral("multiple-choice-open.png"))));

    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_FALSE(box->isListOpen());
    EXPECT_EQ(box->shownText(), QStringLiteral("Blue"));
    EXPECT_EQ(box->selectedItem(), 2);
}
