#include "platform/ProcessLocale.h"

#include <gtest/gtest.h>

namespace {

TEST(PictureFromPosix, DateFormats) {
    EXPECT_EQ(kxPictureFromPosix("%m/%d/%Y"), "MM/dd/yyyy");
    EXPECT_EQ(kxPictureFromPosix("%d.%m.%Y."), "dd.MM.yyyy.");
    EXPECT_EQ(kxPictureFromPosix("%-d/%-m/%y"), "d/M/yy");
    EXPECT_EQ(kxPictureFromPosix("%e %b, %Y"), "d MMM, yyyy");
    EXPECT_EQ(kxPictureFromPosix("%A %d %B %Y"), "dddd dd MMMM yyyy");
    EXPECT_EQ(kxPictureFromPosix("%F"), "yyyy-MM-dd");
    EXPECT_EQ(kxPictureFromPosix("%D"), "MM/dd/yy");
    EXPECT_EQ(kxPictureFromPosix("%Od/%Om/%Ey"), "dd/MM/yy");
    EXPECT_EQ(kxPictureFromPosix("%d'%m"), "dd''MM");
}

TEST(PictureFromPosix, TimeFormats) {
    EXPECT_EQ(kxPictureFromPosix("%T"), "HH:mm:ss");
    EXPECT_EQ(kxPictureFromPosix("%H:%M:%S"), "HH:mm:ss");
    EXPECT_EQ(kxPictureFromPosix("%r", "%I:%M:%S %p"), "hh:mm:ss tt");
    EXPECT_EQ(kxPictureFromPosix("%r", "%r"), "hh:mm:ss tt");
    EXPECT_EQ(kxPictureFromPosix("%I:%M:%S %p %Z"), "hh:mm:ss tt");
    EXPECT_EQ(kxPictureFromPosix("%Z %I:%M:%S %p"), "hh:mm:ss tt");
    EXPECT_EQ(kxPictureFromPosix("%l:%M:%S %p"), "h:mm:ss tt");
    EXPECT_EQ(kxPictureFromPosix("%k h %M"), "H 'h' mm");
    EXPECT_EQ(kxPictureFromPosix("kl. %H.%M %z"), "'kl'. HH.mm");
    EXPECT_EQ(kxPictureFromPosix("%"), "");
}

TEST(TimeSeparator, TheCharactersBetweenHoursAndMinutes) {
    EXPECT_EQ(kxTimeSeparatorOf("HH:mm:ss"), ":");
    EXPECT_EQ(kxTimeSeparatorOf("'kl'. HH.mm"), ".");
    EXPECT_EQ(kxTimeSeparatorOf("HH"), ":");
    EXPECT_EQ(kxTimeSeparatorOf("H 'h' mm"), ":");
}

KxPosixConventions germanUtf8() {
    KxPosixConventions c;
    c.codeset = "UTF-8";
    c.decimalPoint = ",";
    c.thousandsSeparator = ".";
    c.currencySymbol = "\xE2\x82\xAC";
    c.dateFormat = "%d.%m.%Y";
    c.timeFormat = "%T";
    c.months[2] = "M\xC3\xA4rz";
    return c;
}

TEST(LocaleFromPosix, MapsSeparatorsPicturesAndNamesToWindows1252) {
    const KxLocale l = kxLocaleFromPosix(germanUtf8());
    EXPECT_EQ(l.decimalSeparator, ',');
    EXPECT_EQ(l.thousandsSeparator, '.');
    EXPECT_EQ(l.currencySymbol, "\x80");
    EXPECT_EQ(l.shortDatePicture, "dd.MM.yyyy");
    EXPECT_EQ(l.timePicture, "HH:mm:ss");
    EXPECT_EQ(l.timeSeparator, ":");
    EXPECT_EQ(l.amDesignator, "AM");
    EXPECT_EQ(l.monthNames[2], "M\xE4rz");
    EXPECT_EQ(l.monthNames[3], "April");
}

TEST(LocaleFromPosix, NarrowNoBreakSpaceBecomesNoBreakSpace) {
    KxPosixConventions c = germanUtf8();
    c.thousandsSeparator = "\xE2\x80\xAF";
    EXPECT_EQ(kxLocaleFromPosix(c).thousandsSeparator, '\xA0');
}

TEST(LocaleFromPosix, FallsBackToTheDefaults) {
    KxPosixConventions empty;
    empty.codeset = "ANSI_X3.4-1968";
    EXPECT_EQ(kxLocaleFromPosix(empty), KxLocale{});

    KxPosixConventions cLocale = empty;
    cLocale.plainCLocale = true;
    cLocale.decimalPoint = ".";
    cLocale.dateFormat = "%m/%d/%y";
    cLocale.timeFormat = "%H:%M:%S";
    EXPECT_EQ(kxLocaleFromPosix(cLocale), KxLocale{});

    KxPosixConventions latin1 = empty;
    latin1.codeset = "ISO-8859-1";
    latin1.currencySymbol = "\xA3";
    EXPECT_EQ(kxLocaleFromPosix(latin1).currencySymbol, "\xA3");
    latin1.codeset = "KOI8-R";
    EXPECT_EQ(kxLocaleFromPosix(latin1).currencySymbol, "?");
}

} // namespace
