#include "engine/values/DateTime.h"
#include "engine/values/FieldValue.h"
#include "tests/engine/values_test_locales.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(DateValidity, GregorianDaysFromTheCalendarChangeOn) {
    EXPECT_TRUE(kxIsValidDate(2000, 2, 29));
    EXPECT_FALSE(kxIsValidDate(1900, 2, 29));
    EXPECT_FALSE(kxIsValidDate(2001, 2, 29));
    EXPECT_TRUE(kxIsValidDate(1752, 9, 14));
    EXPECT_FALSE(kxIsValidDate(1752, 9, 13));
    EXPECT_TRUE(kxIsValidDate(1752, 10, 5));
    EXPECT_TRUE(kxIsValidDate(1752, 12, 1));
    EXPECT_FALSE(kxIsValidDate(1752, 8, 31));
    EXPECT_FALSE(kxIsValidDate(1751, 12, 31));
    EXPECT_TRUE(kxIsValidDate(32767, 12, 31));
    EXPECT_FALSE(kxIsValidDate(2001, 13, 1));
    EXPECT_FALSE(kxIsValidDate(2001, 4, 31));
    EXPECT_FALSE(kxIsValidDate(2001, 4, 0));
}

TEST(TimeValidity, FromMidnightToTheLastSecond) {
    EXPECT_TRUE(kxIsValidTime(0, 0, 0));
    EXPECT_TRUE(kxIsValidTime(23, 59, 59));
    EXPECT_FALSE(kxIsValidTime(24, 0, 0));
    EXPECT_FALSE(kxIsValidTime(0, 60, 0));
    EXPECT_FALSE(kxIsValidTime(0, 0, 60));
    EXPECT_FALSE(kxIsValidTime(-1, 0, 0));
}

TEST(FormatDate, FollowsTheShortDatePicture) {
    EXPECT_EQ(kxFormatDate(2001, 3, 5, usLocale()), "3/5/2001");
    EXPECT_EQ(kxFormatDate(2001, 3, 5, germanLocale()), "05.03.01");
    EXPECT_EQ(kxFormatDate(1999, 12, 31, germanLocale()), "31.12.99");

    KxLocale twoDigit;
    twoDigit.shortDatePicture = "M/d/yy";
    EXPECT_EQ(kxFormatDate(2001, 3, 5, twoDigit), "3/5/01");
    KxLocale named;
    named.shortDatePicture = "dddd, MMMM d, yyyy 'day' d";
    EXPECT_EQ(kxFormatDate(2001, 3, 5, named), "Monday, March 5, 2001 day 5");
    named.shortDatePicture = "ddd dd-MMM-yyyy";
    EXPECT_EQ(kxFormatDate(1752, 9, 14, named), "Thu 14-Sep-1752");
}

TEST(FormatTime, AddsOrRemovesSecondsInThePicture) {
    EXPECT_EQ(kxFormatTime(13, 5, 9, true, usLocale()), "1:05:09 PM");
    EXPECT_EQ(kxFormatTime(13, 5, 9, false, usLocale()), "1:05 PM");
    EXPECT_EQ(kxFormatTime(0, 0, 0, true, usLocale()), "12:00:00 AM");
    EXPECT_EQ(kxFormatTime(13, 5, 9, true, germanLocale()), "13:05:09");
    EXPECT_EQ(kxFormatTime(13, 5, 9, false, germanLocale()), "13:05");
    EXPECT_EQ(kxFormatTime(24, 0, 0, true, usLocale()), "");

    KxLocale l;
    l.timePicture = "h:mm tt";
    EXPECT_EQ(kxTimePictureFor(true, l), "h:mm:ss tt");
    l.timePicture = "hh tt";
    EXPECT_EQ(kxTimePictureFor(true, l), "hh:ss tt");
    l.timePicture = "HH";
    EXPECT_EQ(kxTimePictureFor(true, l), ":ssHH");
    l.timePicture = "H.mm";
    l.timeSeparator = ".";
    EXPECT_EQ(kxTimePictureFor(true, l), "H.mm.ss");
    EXPECT_EQ(kxFormatTime(7, 8, 9, true, l), "7.08.09");
    l.timePicture = "t h:mm:ss";
    EXPECT_EQ(kxFormatTime(19, 0, 0, false, l), "P 7:00");
}

TEST(ParseDate, ReadsTheLocaleOrderIsoAndMonthNames) {
    const KxLocale us = usLocale();
    EXPECT_EQ(kxParseDateText("3/5/2001", us), (KxDateParts{2001, 3, 5}));
    EXPECT_EQ(kxParseDateText(" 3-5-01 ", us), (KxDateParts{2001, 3, 5}));
    EXPECT_EQ(kxParseDateText("3/5/29", us), (KxDateParts{2029, 3, 5}));
    EXPECT_EQ(kxParseDateText("3/5/30", us), (KxDateParts{1930, 3, 5}));
    EXPECT_EQ(kxParseDateText("2001-03-05", us), (KxDateParts{2001, 3, 5}));
    EXPECT_EQ(kxParseDateText("March 5, 2001", us), (KxDateParts{2001, 3, 5}));
    EXPECT_EQ(kxParseDateText("Monday, 5 mar 2001", us), (KxDateParts{2001, 3, 5}));
    EXPECT_EQ(kxParseDateText("3/5/2001 10:30 PM", us), (KxDateParts{2001, 3, 5}));
    EXPECT_EQ(kxParseDateText("2001-03-05T10:30:00", us), (KxDateParts{2001, 3, 5}));
    EXPECT_EQ(kxParseDateText("12/30/1899", us), (KxDateParts{1899, 12, 30}));

    const KxLocale de = germanLocale();
    EXPECT_EQ(kxParseDateText("05.03.01", de), (KxDateParts{2001, 3, 5}));
    EXPECT_EQ(kxParseDateText("5.3.2001", de), (KxDateParts{2001, 3, 5}));
    EXPECT_EQ(kxParseDateText("5. M\xC4RZ 2001", de), (KxDateParts{2001, 3, 5}));
    EXPECT_EQ(kxParseDateText("2001-03-05", de), (KxDateParts{2001, 3, 5}));
}

TEST(ParseDate, RefusesWhatIsNoDate) {
    const KxLocale us = usLocale();
    for (const char* bad : {"", "abc", "3/5", "13/5/2001", "2/30/2001", "3/5/2001 x",
                            "3/5/2001 25:00", "10:30", "3/5/123456", "Smarch 5 2001", "3/5/2001/7"})
        EXPECT_FALSE(kxParseDateText(bad, us).has_value()) << bad;
}

TEST(ParseTime, ReadsHoursMinutesSecondsAndDesignators) {
    const KxLocale us = usLocale();
    EXPECT_EQ(kxParseTimeText("1:05:09 PM", us), (KxTimeParts{13, 5, 9}));
    EXPECT_EQ(kxParseTimeText("1:05:09pm", us), (KxTimeParts{13, 5, 9}));
    EXPECT_EQ(kxParseTimeText("13:05", us), (KxTimeParts{13, 5, 0}));
    EXPECT_EQ(kxParseTimeText("0:00:00", us), (KxTimeParts{0, 0, 0}));
    EXPECT_EQ(kxParseTimeText("12:00 AM", us), (KxTimeParts{0, 0, 0}));
    EXPECT_EQ(kxParseTimeText("12:30 PM", us), (KxTimeParts{12, 30, 0}));
    EXPECT_EQ(kxParseTimeText("PM 3", us), (KxTimeParts{15, 0, 0}));
    EXPECT_EQ(kxParseTimeText("3/5/2001 10:30:15", us), (KxTimeParts{10, 30, 15}));
    EXPECT_EQ(kxParseTimeText("13.05", germanLocale()), (KxTimeParts{13, 5, 0}));
    EXPECT_EQ(kxParseTimeText("1:05 PM", germanLocale()), (KxTimeParts{13, 5, 0}));

    for (const char* bad : {"", "3", "25:00", "1:60", "1:00:60", "13:00 PM", "3/5/2001",
                            "10:30:15.5", "1030", "10:30 xm", "10:30 Pmx"})
        EXPECT_FALSE(kxParseTimeText(bad, us).has_value()) << bad;
}

TEST(DateValue, ParsesWithCheckingAndKeepsTheOldZeroDate) {
    FieldValue v = FieldValue::newValue(5);
    EXPECT_FALSE(v.isValid());
    v.parseText("12/30/1899", usLocale());
    ASSERT_TRUE(v.isValid());
    EXPECT_EQ(v.plainText(usLocale()), "12/30/1899");

    v.parseText("9/13/1752", usLocale());
    EXPECT_FALSE(v.isValid());
    EXPECT_EQ(v.plainText(usLocale()), "");
    EXPECT_EQ(v.rawSize(), 4u);
    EXPECT_EQ(v.year(), 0);

    v.parseText("29.02.00", germanLocale());
    ASSERT_TRUE(v.isValid());
    EXPECT_EQ(v.plainText(usLocale()), "2/29/2000");
    const std::uint8_t bytes[] = {0xD0, 0x07, 2, 29};
    EXPECT_TRUE(std::equal(bytes, bytes + 4, v.rawData()));
}

TEST(TimeValue, MidnightIsATimeAndNoTimeIsAnEmptyField) {
    FieldValue v = FieldValue::newValue(6);
    EXPECT_EQ(v.rawSize(), 0u);
    v.parseText("0:00:00", usLocale());
    ASSERT_TRUE(v.isValid());
    EXPECT_EQ(v.rawSize(), 4u);
    EXPECT_EQ(v.plainText(usLocale()), "12:00:00 AM");

    v.parseText("midnight", usLocale());
    EXPECT_FALSE(v.isValid());
    EXPECT_EQ(v.rawSize(), 0u);
    EXPECT_EQ(v.plainText(usLocale()), "");

    const std::uint8_t late[] = {23, 59, 58, 0};
    v.setRaw(late, 4);
    EXPECT_EQ(v.displayText(0, 0x40, germanLocale()), "23:59");
    const std::uint8_t bad[] = {24, 0, 0, 0};
    v.setRaw(bad, 4);
    EXPECT_EQ(v.rawSize(), 0u);
}

} // namespace
