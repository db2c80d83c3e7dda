#include "LocaleSettings.h"
#include "Messages.h"
#include "NumberFormat.h"
#include "SysUtils.h"

#include <gtest/gtest.h>

#include <limits>

using namespace sw;

namespace {
QString U(const char* s) {
    return QString::fromUtf8(s);
}

// Runs fn under both locales; `want` gives the expected text with "." and "," of the point
// locale, swapped for the comma locale.
QString swapSeparators(const QString& s) {
    QString out = s;
    for (QChar& c : out)
        c = c == QLatin1Char('.') ? QLatin1Char(',') : c == QLatin1Char(',') ? QLatin1Char('.') : c;
    return out;
}

template <typename Check> void underBothLocales(Check check) {
    {
        ScopedFormatSettings point(PointLocaleSettings());
        check(false);
    }
    {
        ScopedFormatSettings comma(CommaLocaleSettings());
        check(true);
    }
}
} // namespace

TEST(NumberFormat, PatternsUnderBothLocales) {
    struct Case {
        const char* pattern;
        long double value;
        const char* point; // as the point locale writes it
    };
    const Case cases[] = {
        {"0.## cm", 2.5L, "2.5 cm"},
        {"0.## cm", 2.0L, "2 cm"},
        {"0.## cm", 2.675L, "2.68 cm"},
        {"0.## cm", 2.675, "2.68 cm"}, // a double's binary noise does not decide the rounding
        {"0.## cm", 0.004L, "0 cm"},
        {"0.## cm", -0.004L, "0 cm"}, // no "-0"
        {"0.## cm", -1.239L, "-1.24 cm"},
        {"0.##", 29.7L, "29.7"},
        {"#,##0.00", 1234567.891L, "1,234,567.89"},
        {"#,##0.00", 0.5L, "0.50"},
        {"#,##0.00", -1234.5L, "-1,234.50"},
        {"00", 5, "05"},
        {"00", 123, "123"},
        {"0", 2.5L, "3"},
        {"#", 0, ""},
        {"#.##", 0.5L, ".5"},
        {"0.00", 9.999L, "10.00"},
        {"0.000E+00", 12345.0L, "1.235E+04"},
        {"0.0E-0", 0.00012L, "1.2E-4"},
        {"0.0E+0", 0, "0.0E+0"},
        {"0.00;(0.00)", -3.5L, "(3.50)"},
        {"0.00;(0.00);\"zero\"", 0.001L, "zero"},
        {"\"R$ \"#,##0.00", 1500, "R$ 1,500.00"},
        {"'#'0", 7, "#7"},
        {"", 1.5L, "1.5"},
        {"abc", 1.5L, "abc"},
    };
    underBothLocales([&](bool comma) {
        for (const auto& c : cases) {
            const QString want = comma ? swapSeparators(U(c.point)) : U(c.point);
            EXPECT_EQ(FormatFloat(U(c.pattern), c.value), want) << c.pattern << " comma=" << comma;
        }
    });
}

TEST(NumberFormat, NonFiniteValuesAndHugeOnesDoNotBreakPatterns) {
    ScopedFormatSettings point(PointLocaleSettings());
    EXPECT_EQ(FormatFloat(U("0.00"), std::numeric_limits<long double>::quiet_NaN()), U("Nan"));
    EXPECT_EQ(FormatFloat(U("0.00"), -std::numeric_limits<long double>::infinity()), U("-Inf"));
    EXPECT_EQ(FormatFloat(U("0"), 1e30L).size(), 31);
    EXPECT_EQ(FormatFloat(U("#,##0"), 1e300L).count(QLatin1Char(',')), 100);
}

TEST(NumberFormat, GeneralWriterAndCurrencyWriter) {
    struct Case {
        long double value;
        const char* point;
    };
    const Case general[] = {
        {0, "0"},
        {2.5L, "2.5"},
        {-2.5L, "-2.5"},
        {0.1, "0.1"}, // the double's noise stays beyond 15 digits
        {1.0L / 3, "0.333333333333333"},
        {123456789012345.0L, "123456789012345"},
        {1234567890123456.0L, "1.23456789012346E15"},
        {1e20L, "1E20"},
        {0.0001L, "0.0001"},
        {0.00001L, "1E-5"},
        {1.5e-7L, "1.5E-7"},
    };
    underBothLocales([&](bool comma) {
        for (const auto& c : general) {
            const QString want = comma ? swapSeparators(U(c.point)) : U(c.point);
            EXPECT_EQ(FloatToStr(c.value), want) << c.point;
        }
        const QString dec = comma ? U(",") : U(".");
        EXPECT_EQ(CurrToStr(12346), U("1") + dec + U("2346"));
        EXPECT_EQ(CurrToStr(-15000), U("-1") + dec + U("5"));
        EXPECT_EQ(CurrToStr(30000), U("3"));
        EXPECT_EQ(CurrToStr(std::numeric_limits<TCurrency>::min()),
                  U("-922337203685477") + dec + U("5808"));
        EXPECT_EQ(FormatCurr(U("#,##0.00"), 12345678), comma ? U("1.234,57") : U("1,234.57"));
    });
}

TEST(NumberFormat, IntegerReader) {
    struct Case {
        const char* text;
        bool ok;
        int value;
    };
    const Case cases[] = {
        {"0", true, 0},
        {"12", true, 12},
        {"-12", true, -12},
        {"+7", true, 7},
        {"  42", true, 42},
        {"007", true, 7},
        {"2147483647", true, 2147483647},
        {"-2147483648", true, -2147483647 - 1},
        {"2147483648", false, 0},
        {"-2147483649", false, 0},
        {"99999999999999999999", false, 0},
        {"", false, 0},
        {"-", false, 0},
        {"12 ", false, 0},
        {"1.5", false, 0},
        {"abc", false, 0},
        {"1e3", false, 0},
        {"--1", false, 0},
        {"\xd9\xa3", false, 0}, // an Arabic-Indic three
    };
    for (const auto& c : cases) {
        int v = -99;
        EXPECT_EQ(TryStrToInt(U(c.text), v), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(v, c.value) << c.text;
        }
    }
    try {
        StrToInt(U("abc"));
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.message(), U("\"abc\" is an invalid integer"));
    }
}

TEST(NumberFormat, FloatReaderFollowsTheLocaleSeparators) {
    struct Case {
        const char* text; // written for the point locale; swapped for the comma locale
        bool ok;
        long double value;
    };
    const Case cases[] = {
        {"2.5", true, 2.5L},   {" 2.5 ", true, 2.5L}, {"-0.75", true, -0.75L},
        {"+3", true, 3},       {".5", true, 0.5L},    {"5.", true, 5},
        {"1.5e3", true, 1500}, {"1E-2", true, 0.01L}, {"2e+2", true, 200},
        {"1,000", false, 0},   {"1.2.3", false, 0},   {"", false, 0},
        {"   ", false, 0},     {".", false, 0},       {"e5", false, 0},
        {"1e", false, 0},      {"abc", false, 0},     {"1 000", false, 0},
        {"inf", false, 0},     {"nan", false, 0},     {"1e99999", false, 0},
        {"0x10", false, 0},
    };
    underBothLocales([&](bool comma) {
        for (const auto& c : cases) {
            const QString text = comma ? swapSeparators(U(c.text)) : U(c.text);
            long double v = -99;
            EXPECT_EQ(TryStrToFloat(text, v), c.ok) << c.text << " comma=" << comma;
            if (c.ok) {
                EXPECT_EQ(v, c.value) << c.text;
            }
        }
    });
    // Under the comma locale a point is refused outright, not taken as a thousands separator.
    ScopedFormatSettings comma(CommaLocaleSettings());
    long double v = 0;
    EXPECT_FALSE(TryStrToFloat(U("2.5"), v));
    EXPECT_EQ(StrToFloat(U("1,234567890123456789")), 1.234567890123456789L); // extended precision
    try {
        StrToFloat(U(" 2.5"));
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.message(), U("\" 2.5\" is an invalid float")); // the text as given
    }
}

TEST(NumberFormat, CurrencyReaderRoundsToFourDecimals) {
    ScopedFormatSettings point(PointLocaleSettings());
    EXPECT_EQ(StrToCurr(U("1.23456")), 12346);
    EXPECT_EQ(StrToCurr(U("-1.23454")), -12345);
    EXPECT_EQ(StrToCurr(U("922337203685477.5807")), std::numeric_limits<TCurrency>::max());
    TCurrency c = 0;
    EXPECT_FALSE(TryStrToCurr(U("922337203685478"), c));
    EXPECT_FALSE(TryStrToCurr(U("1e300"), c));
    EXPECT_THROW(StrToCurr(U("1,5")), EConvertError);
}

TEST(NumberFormat, MessagesAreNamedAndReplaceable) {
    auto& table = MessageTable::instance();
    table.setCurrentText("sysconst.sinvalidinteger", U("\"%s\" não é um inteiro válido"));
    try {
        StrToInt(U("x"));
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.message(), U("\"x\" não é um inteiro válido"));
    }
    table.resetAll();
    EXPECT_EQ(table.builtinText("sysconst.sinvalidfloat"), U("\"%s\" is an invalid float"));
}

TEST(LocaleSettings, FormatFollowsTheSnapshotSeparators) {
    {
        ScopedFormatSettings comma(CommaLocaleSettings());
        EXPECT_EQ(Format("%.2f %n", {1.5, 1234.5}), U("1,50 1.234,50"));
    }
    ScopedFormatSettings point(PointLocaleSettings());
    EXPECT_EQ(Format("%.2f %n", {1.5, 1234.5}), U("1.50 1,234.50"));
}

TEST(LocaleSettings, TakenFromAQtLocale) {
    const TFormatSettings de = FormatSettingsFromLocale(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(de.DecimalSeparator, QLatin1Char(','));
    EXPECT_EQ(de.ThousandSeparator, QLatin1Char('.'));
    EXPECT_EQ(de.DateSeparator, QLatin1Char('.'));
    EXPECT_EQ(de.ShortDateFormat, U("dd/mm/yy"));
    EXPECT_EQ(de.ShortTimeFormat, U("hh:nn"));
    EXPECT_EQ(de.LongMonthNames.value(2), U("März"));
    const TFormatSettings us =
        FormatSettingsFromLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(us.ShortTimeFormat, U("h:nn ampm"));
    EXPECT_EQ(us.ShortDayNames.value(0), U("Sun"));
}
