#include "DateTimeFormat.h"
#include "DateTimeRead.h"
#include "LocaleSettings.h"
#include "SysUtils.h"

#include "../support/DateTimeTestValues.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace sw;
using namespace sw::testvalues;

namespace {
// Today is Saturday 15 June 2024, 10:20:30, in every test here.
class DateTimeTest : public ::testing::Test {
protected:
    ScopedFixedNow now{QDateTime(QDate(2024, 6, 15), QTime(10, 20, 30))};
};
} // namespace

TEST_F(DateTimeTest, EncodingAndDecodingAroundDayZero) {
    EXPECT_EQ(D(1899, 12, 30), 0);
    EXPECT_EQ(D(2024, 2, 29), 45351);
    EXPECT_EQ(D(1, 1, 1), -693593);
    EXPECT_EQ(D(9999, 12, 31), 2958465);
    TDateTime v;
    EXPECT_FALSE(TryEncodeDate(2023, 2, 29, v));
    EXPECT_FALSE(TryEncodeDate(2100, 2, 29, v));
    EXPECT_TRUE(TryEncodeDate(2400, 2, 29, v));
    EXPECT_FALSE(TryEncodeDate(0, 1, 1, v));
    EXPECT_FALSE(TryEncodeTime(24, 0, 0, 0, v));
    TDateTimeParts p;
    ASSERT_TRUE(TryDecodeDateTime(-1.25, p)); // 29 Dec 1899 06:00: the fraction counts forward
    EXPECT_EQ(p.Day, 29);
    EXPECT_EQ(p.Hour, 6);
    EXPECT_EQ(ComposeDateTime(-1, 0.25), -1.25);
    ASSERT_TRUE(TryDecodeDateTime(D(2024, 6, 15) + 0.99999999999, p)); // rounds into the next day
    EXPECT_EQ(p.Day, 16);
    EXPECT_EQ(p.Hour, 0);
    EXPECT_EQ(p.DayOfWeek, 1); // Sunday
    EXPECT_FALSE(TryDecodeDateTime(std::numeric_limits<double>::quiet_NaN(), p));
    EXPECT_FALSE(TryDecodeDateTime(1e300, p));
    EXPECT_EQ(Date(), D(2024, 6, 15));
    EXPECT_DOUBLE_EQ(Now(), D(2024, 6, 15) + T(10, 20, 30));
}

TEST_F(DateTimeTest, PatternsUnderBothLocales) {
    const TDateTime v = D(2024, 3, 5) + T(14, 7, 9, 45);
    struct Case {
        const char* pattern;
        const char* comma;
        const char* point;
    };
    const Case cases[] = {
        {"ddddd", "05/03/2024", "03/05/2024"},
        {"t", "14:07", "14:07"},
        {"tt", "14:07:09", "14:07:09"},
        {"c", "05/03/2024 14:07:09", "03/05/2024 14:07:09"},
        {"d/m/yy", "5/3/24", "5/3/24"},
        {"dd-mm-yyyy", "05-03-2024", "05-03-2024"},
        {"hh:nn", "14:07", "14:07"},
        {"hh:mm", "14:07", "14:07"}, // m right after h is the minute
        {"h:mm am/pm", "2:07 pm", "2:07 pm"},
        {"h:mm AM/PM", "2:07 PM", "2:07 PM"},
        {"hh a/p", "02 p", "02 p"},
        {"h ampm", "2 PM", "2 PM"},
        {"ss.zzz z", "09.045 45", "09.045 45"},
        {"ddd dddd", "ter. terça-feira", "Tue Tuesday"},
        {"mmm mmmm", "mar. março", "Mar March"},
        {"\"dia\" d 'de' mmmm", "dia 5 de março", "dia 5 de March"},
        {"yyyy\"", "2024", "2024"}, // an unclosed quote copies the rest
    };
    for (bool comma : {true, false}) {
        ScopedFormatSettings s(comma ? CommaLocaleSettings() : PointLocaleSettings());
        for (const auto& c : cases)
            EXPECT_EQ(FormatDateTime(U(c.pattern), v), U(comma ? c.comma : c.point)) << c.pattern;
    }
    ScopedFormatSettings comma(CommaLocaleSettings());
    EXPECT_EQ(DateTimeToStr(D(2024, 3, 5)), U("05/03/2024")); // midnight: no time
    EXPECT_EQ(DateTimeToStr(T(14, 30)), U("30/12/1899 14:30:00"));
    EXPECT_EQ(FormatDateTime(U("h"), T(0, 0)), U("0"));
    EXPECT_EQ(FormatDateTime(U("h am/pm"), T(0, 0)), U("12 am"));
    EXPECT_THROW(FormatDateTime(U("c"), 1e12), EConvertError);
}

TEST_F(DateTimeTest, SelfNamingLocaleFormatsDoNotRecurse) {
    TFormatSettings fs = CommaLocaleSettings();
    fs.ShortDateFormat = U("ddddd c");
    ScopedFormatSettings s(fs);
    EXPECT_NO_THROW(FormatDateTime(U("c"), D(2024, 1, 1)));
}

TEST_F(DateTimeTest, LocaleDateReader) {
    struct Case {
        const char* text;
        int y, m, d; // 0 = fails
        const char* error;
    };
    // Comma locale: day/month/year.
    const Case cases[] = {
        {"7/12/23", 2023, 12, 7, nullptr},
        {"7/12/74", 1974, 12, 7, nullptr},
        {"7/12/73", 2073, 12, 7, nullptr},
        {"7/12/0023", 23, 12, 7, nullptr}, // more than two digits: not windowed
        {"07/12", 2024, 12, 7, nullptr},
        {"9", 2024, 6, 9, nullptr},
        {" 7 / 12 / 2023 ", 2023, 12, 7, nullptr},
        {"7/12/2023\t\r\n", 2023, 12, 7, nullptr},
        {"29/2/2024", 2024, 2, 29, nullptr},
        {"29/2/2023", 0, 0, 0, "Invalid date"},
        {"123", 0, 0, 0, "Invalid date"},
        {"65537", 0, 0, 0, "Invalid date"}, // no wrap to the 1st
        {"1/2/3/4", 0, 0, 0, "\"1/2/3/4\" is not a valid date format"},
        {"1-2-2024", 0, 0, 0, "\"1-2-2024\" is not a valid date format"},
        {"", 0, 0, 0, "\"\" is not a valid date format"},
        {"1//2024", 0, 0, 0, "\"1//2024\" is not a valid date format"},
        {"99999999999/1/1", 0, 0, 0, "\"99999999999/1/1\" is not a valid date format"},
    };
    ScopedFormatSettings comma(CommaLocaleSettings());
    for (const auto& c : cases) {
        if (c.error) {
            EXPECT_EQ(errorOf([&] { StrToDate(U(c.text)); }), U(c.error)) << c.text;
        } else {
            EXPECT_EQ(StrToDate(U(c.text)), D(c.y, c.m, c.d)) << c.text;
        }
    }
    // Point locale: month first; two numbers follow the format's order too.
    ScopedFormatSettings point(PointLocaleSettings());
    EXPECT_EQ(StrToDate(U("12/7/23")), D(2023, 12, 7));
    EXPECT_EQ(StrToDate(U("12/7")), D(2024, 12, 7));
}

TEST_F(DateTimeTest, LocaleTimeReader) {
    struct Case {
        const char* text;
        bool ok;
        TDateTime value;
    };
    ScopedFormatSettings comma(CommaLocaleSettings());
    const Case cases[] = {
        {"9", true, T(9, 0)},
        {"9:30", true, T(9, 30)},
        {"  09:30:15", true, T(9, 30, 15)},
        {"009:05", true, T(9, 5)}, // leading zeros are not significant
        {"9:30:15,5", true, T(9, 30, 15, 500)},
        {"9:30 PM", true, T(21, 30)},
        {"12:00 am", true, T(0, 0)},
        {"12:00 PM", true, T(12, 0)},
        {"930", false, 0},
        {"24:00", false, 0},
        {"9:60", false, 0},
        {"9:", false, 0},
        {"9:30,5", false, 0}, // a fraction only after the seconds
        {"13 PM", false, 0},
        {"", false, 0},
        {"9h30", false, 0},
    };
    for (const auto& c : cases) {
        TDateTime v = -1;
        EXPECT_EQ(TryStrToTime(U(c.text), v), c.ok) << c.text;
        if (c.ok) {
            EXPECT_DOUBLE_EQ(v, c.value) << c.text;
        }
    }
    EXPECT_EQ(errorOf([] { StrToTime(U("930")); }), U("\"930\" is not a valid time"));
}

TEST_F(DateTimeTest, LocaleDateTimeReader) {
    ScopedFormatSettings comma(CommaLocaleSettings());
    EXPECT_DOUBLE_EQ(StrToDateTime(U(" 31/12/2023 23:59 ")), D(2023, 12, 31) + T(23, 59));
    EXPECT_DOUBLE_EQ(StrToDateTime(U("14:30")), T(14, 30)); // day 0
    EXPECT_EQ(StrToDateTime(U("31/12/2023")), D(2023, 12, 31));
    EXPECT_DOUBLE_EQ(StrToDateTime(U("1/1/1800 06:00")), D(1800, 1, 1) - 0.25);
    EXPECT_EQ(errorOf([] { StrToDateTime(U("25122023")); }),
              U("\"25122023\" is not a valid date and time"));
    EXPECT_THROW(StrToDateTime(U("31/12/2023 25:00")), EConvertError);
    // When both separators are the same a single part is a date if it reads as one.
    TFormatSettings same = CommaLocaleSettings();
    same.TimeSeparator = QLatin1Char('.');
    same.DateSeparator = QLatin1Char('.');
    ScopedFormatSettings s(same);
    EXPECT_EQ(StrToDateTime(U("5.3.2024")), D(2024, 3, 5));
    EXPECT_DOUBLE_EQ(StrToDateTime(U("23.59")), T(23, 59));
}
