#include "views/PickerFormat.h"

#include <gtest/gtest.h>

namespace {

TEST(PickerFormat, DatePictures) {
    EXPECT_EQ(kxPickerDateFormat("M/d/yyyy"), "M/d/yyyy");
    EXPECT_EQ(kxPickerDateFormat("dd.MM.yy"), "dd.MM.yy");
    EXPECT_EQ(kxPickerDateFormat("d/M/y"), "d/M/yy");
    EXPECT_EQ(kxPickerDateFormat("dddd, MMMM d, yyyyy"), "dddd, MMMM d, yyyy");
    EXPECT_EQ(kxPickerDateFormat("gg yyyy-MM-dd"), " yyyy-MM-dd");
}

TEST(PickerFormat, TimePictures) {
    EXPECT_EQ(kxPickerTimeFormat("h:mm:ss tt"), "h:mm:ss AP");
    EXPECT_EQ(kxPickerTimeFormat("HH:mm"), "HH:mm");
    EXPECT_EQ(kxPickerTimeFormat("t hhh.mm"), "AP hh.mm");
}

TEST(PickerFormat, LiteralTextIsQuoted) {
    EXPECT_EQ(kxPickerTimeFormat("H 'Uhr' mm"), "H 'Uhr' mm");
    EXPECT_EQ(kxPickerTimeFormat("HH'h'mm"), "HH'h'mm");
    EXPECT_EQ(kxPickerDateFormat("d 'de' MMMM"), "d 'de' MMMM");
    EXPECT_EQ(kxPickerDateFormat("yyyy'''x'"), "yyyy'''x'");
    // A letter the picture does not know is text, never a field of the picker.
    EXPECT_EQ(kxPickerTimeFormat("HH:mm z"), "HH:mm 'z'");
    EXPECT_EQ(kxPickerDateFormat("d-M-yyyy t"), "d-M-yyyy 't'");
}

} // namespace
