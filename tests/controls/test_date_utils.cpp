#include "DateTimeFormat.h"
#include "ExDateUtils.h"
#include "LocaleSettings.h"
#include "Messages.h"
#include "SysUtils.h"

#include "../support/DateTimeTestValues.h"

#include <gtest/gtest.h>

using namespace sw;
using namespace sw::testvalues;

namespace {
// Today is 15 June 2024, so the two-digit window starts at 1974.
class DateUtils : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override { MessageTable::instance().resetAll(); }
    bool comma() const { return GetParam(); }
    ScopedFixedNow now{QDateTime(QDate(2024, 6, 15), QTime(10, 20, 30))};
    ScopedFormatSettings settings{GetParam() ? CommaLocaleSettings() : PointLocaleSettings()};
};
} // namespace

TEST_P(DateUtils, StrToDateExReadsPlainDigits) {
    struct Case {
        const char* text;
        int y, m, d;
    };
    const Case cases[] = {
        {"7", 2024, 6, 7},         {"07", 2024, 6, 7},        {"0712", 2024, 12, 7},
        {"071223", 2023, 12, 7},   {"071274", 1974, 12, 7},   {"071273", 2073, 12, 7},
        {"07121923", 1923, 12, 7}, {"010174", 1974, 1, 1},    {"010173", 2073, 1, 1},
        {"01010050", 2050, 1, 1},  {"29022024", 2024, 2, 29}, {"29022400", 2400, 2, 29},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StrToDateEx(U(c.text)), D(c.y, c.m, c.d)) << c.text;
    for (const char* bad : {"29022023", "29022100", "310624", "001224", "0113", "00"})
        EXPECT_EQ(errorOf([&] { StrToDateEx(U(bad)); }),
                  U("\"") + U(bad) + U("\" is not a valid date"))
            << bad;
    // Other texts go to the locale reader with its own messages.
    EXPECT_EQ(errorOf([] { StrToDateEx(U("123")); }), U("Invalid date"));
    EXPECT_EQ(errorOf([] { StrToDateEx(U("12345")); }), U("Invalid date"));
    EXPECT_EQ(StrToDateEx(U("7/12/23")), comma() ? D(2023, 12, 7) : D(2023, 7, 12));
}

TEST_P(DateUtils, StrToTimeExReadsPlainDigits) {
    EXPECT_DOUBLE_EQ(StrToTimeEx(U("9")), T(9, 0));
    EXPECT_DOUBLE_EQ(StrToTimeEx(U("0930")), T(9, 30));
    EXPECT_DOUBLE_EQ(StrToTimeEx(U("093015")), T(9, 30, 15));
    EXPECT_DOUBLE_EQ(StrToTimeEx(U("235959")), 1.0 - 1.0 / 86400);
    EXPECT_DOUBLE_EQ(StrToTimeEx(U("9:30")), T(9, 30));
    for (const char* bad : {"2400", "0960", "093060", "24"})
        EXPECT_EQ(errorOf([&] { StrToTimeEx(U(bad)); }),
                  U("\"") + U(bad) + U("\" is not a valid time"));
    EXPECT_EQ(errorOf([] { StrToTimeEx(U("930")); }), U("\"930\" is not a valid time"));
}

TEST_P(DateUtils, StrToDateTimeExJoinsDateAndTime) {
    EXPECT_DOUBLE_EQ(StrToDateTimeEx(U("311223 2359")), D(2023, 12, 31) + T(23, 59));
    EXPECT_EQ(StrToDateTimeEx(U("311223")), D(2023, 12, 31));
    EXPECT_EQ(StrToDateTimeEx(U("25122023")), D(2023, 12, 25));
    EXPECT_DOUBLE_EQ(StrToDateTimeEx(U("311223   0930 ")), D(2023, 12, 31) + T(9, 30));
    // Before day 0 the time still counts forward from midnight.
    EXPECT_DOUBLE_EQ(StrToDateTimeEx(U("01011800 06")), D(1800, 1, 1) - 0.25);
    // The date part ends at the first blank, so a leading blank leaves it empty.
    for (const char* bad : {"311223 2400", "321223", "311223 x", "", " 311223"})
        EXPECT_EQ(errorOf([&] { StrToDateTimeEx(U(bad)); }),
                  U("\"") + U(bad) + U("\" is not a valid date and time"));
}

TEST_P(DateUtils, HourMinute) {
    struct Case {
        const char* text;
        int minutes;
    };
    const Case ok[] = {{"1", 60},       {"12", 720},     {"0130", 90}, {"12345", 7425},
                       {"25:75", 1575}, {"1:30:45", 90}, {"1:30", 90}, {"0:05", 5}};
    for (const auto& c : ok)
        EXPECT_EQ(StrToHourMinute(U(c.text)), c.minutes) << c.text;
    for (const char* bad :
         {"130", "", "1:", ":30", "a", "1:3x", "-1:30", "1:-30", "99999999999", "35791395:00"})
        EXPECT_EQ(errorOf([&] { StrToHourMinute(U(bad)); }),
                  U("'") + U(bad) + U("' não é um tempo válido."))
            << bad;
    EXPECT_EQ(StrToHourMinute(U("35791394:07")), 2147483647);
    EXPECT_EQ(HourMinuteToStr(90), U("01:30"));
    EXPECT_EQ(HourMinuteToStr(6039), U("100:39"));
    EXPECT_EQ(HourMinuteToStr(0), U("00:00"));
    EXPECT_EQ(HourMinuteToStr(-90), U("-01:30"));
}

TEST_P(DateUtils, TimeZones) {
    struct Case {
        const char* text;
        int minutes;
    };
    const Case ok[] = {
        {"-03:00", -180}, {"+0530", 330}, {"3", 180}, {"-0330", -210}, {"+00:00", 0}};
    for (const auto& c : ok)
        EXPECT_EQ(StrToTimeZone(U(c.text)), c.minutes) << c.text;
    for (const char* bad : {"", "--0330", "--03:30", "+-03:30", "+", "x"})
        EXPECT_EQ(errorOf([&] { StrToTimeZone(U(bad)); }),
                  U("'") + U(bad) + U("' não é um fuso horário válido."))
            << bad;
    EXPECT_EQ(TimeZoneToStr(-210), U("-03:30"));
    EXPECT_EQ(TimeZoneToStr(0), U("+00:00"));
    EXPECT_EQ(TimeZoneToStr(-2147483647 - 1), U("-35791394:08"));
    EXPECT_EQ(FormatTimeZone(U("hh:nn"), -90), U("-01:30"));
    EXPECT_EQ(FormatTimeZone(U("hh:nn"), 1500), U("+01:00")); // a whole day wraps
    EXPECT_EQ(FormatTimeZone(U("hh:nn"), 2147483647).left(1), U("+"));
}

INSTANTIATE_TEST_SUITE_P(Locales, DateUtils, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Comma" : "Point"; });
