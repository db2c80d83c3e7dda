#include "DateTimeValue.h"
#include "ExConvert.h"
#include "LocaleSettings.h"
#include "SysUtils.h"

#include <gtest/gtest.h>

using namespace sw;

namespace {
QString U(const char* s) {
    return QString::fromUtf8(s);
}

class Convert : public ::testing::Test {
protected:
    ScopedFixedNow now{QDateTime(QDate(2024, 6, 15), QTime(10, 20, 30))};
    ScopedFormatSettings comma{CommaLocaleSettings()};
};

QString normalizeError(TExDataType t, const char* text) {
    try {
        NormalizeValueText(t, U(text));
    } catch (const EConvertError& e) {
        return e.message();
    }
    return U("<no error>");
}
} // namespace

TEST_F(Convert, NormalisedTextPerType) {
    struct Case {
        TExDataType type;
        const char* text;
        const char* normal;
    };
    const Case cases[] = {
        {dtCurrency, "1,23456", "1,2346"},
        {dtCurrency, "-0,5", "-0,5"},
        {dtCurrency, "3,0000", "3"},
        {dtDate, "071223", "07/12/2023"},
        {dtDate, "7/12", "07/12/2024"},
        {dtDateTime, "14:30", "30/12/1899 14:30:00"},
        {dtDateTime, "31/12/2023 23:59", "31/12/2023 23:59:00"},
        {dtDateTime, "31/12/2023", "31/12/2023"},
        {dtFloat, "2,50", "2,5"},
        {dtFloat, "1e3", "1000"},
        {dtFloat, "+0,1", "0,1"},
        {dtInteger, "007", "7"},
        {dtInteger, "+12", "12"},
        {dtString, " a b ", " a b "},
        {dtTime, "0930", "09:30:00"},
        {dtTime, "9:30", "09:30:00"},
        {dtShortTime, "093015", "09:30"},
        {dtTimeZone, "-0330", "-03:30"},
        {dtTimeZone, "3", "+03:00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NormalizeValueText(c.type, U(c.text)), U(c.normal)) << c.text;
}

TEST_F(Convert, NormaliserErrors) {
    EXPECT_EQ(normalizeError(dtInteger, "1,5"), U("\"1,5\" is an invalid integer"));
    EXPECT_EQ(normalizeError(dtFloat, "abc"), U("\"abc\" is an invalid float"));
    EXPECT_EQ(normalizeError(dtCurrency, "1.000"), U("\"1.000\" is an invalid float"));
    EXPECT_EQ(normalizeError(dtDate, "32122023"), U("\"32122023\" is not a valid date"));
    EXPECT_EQ(normalizeError(dtTime, "2400"), U("\"2400\" is not a valid time"));
    // The dtDateTime reader takes plain digits; its normaliser uses the locale reader and
    // does not.
    EXPECT_EQ(normalizeError(dtDateTime, "25122023"),
              U("\"25122023\" is not a valid date and time"));
    EXPECT_EQ(DisplayValueText(dtDateTime, U("25122023"), QString()), U("25/12/2023"));
    EXPECT_EQ(normalizeError(dtTimeZone, "--0330"), U("'--0330' não é um fuso horário válido."));
}

TEST_F(Convert, DisplayTextPerType) {
    struct Case {
        TExDataType type;
        const char* text;
        const char* format;
        const char* shown;
    };
    const Case cases[] = {
        {dtCurrency, "1234,5", "", "1234,5"},
        {dtCurrency, "1234,5", "#,##0.00", "1.234,50"},
        {dtDate, "071223", "", "07/12/2023"},
        {dtDate, "071223", "yyyy-mm-dd", "2023-12-07"},
        {dtDateTime, "311223 2359", "", "31/12/2023 23:59:00"},
        {dtDateTime, "311223 2359", "dd/mm hh:nn", "31/12 23:59"},
        {dtFloat, "2,5", "", "2,5"},
        {dtFloat, "2,5", "0.## cm", "2,5 cm"},
        {dtFloat, "0,1", "", "0,1"},
        {dtInteger, "1234", "", "1234"},
        {dtInteger, "1234", "#,##0", "1.234"},
        {dtInteger, "5", "00", "05"},
        {dtString, "abc", "0.00", "abc"},
        {dtTime, "0930", "", "09:30:00"},
        {dtTime, "0930", "h:nn am/pm", "9:30 am"},
        {dtShortTime, "0930", "", "09:30"},
        {dtTimeZone, "-0130", "", "-01:30"},
        {dtTimeZone, "-0130", "hh:nn", "-01:30"},
        // What does not read is shown as it stands.
        {dtFloat, "abc", "", "abc"},
        {dtFloat, "abc", "0.00", "abc"},
        {dtInteger, " 12 ", "", " 12 "},
        {dtDate, "", "", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DisplayValueText(c.type, U(c.text), U(c.format)), U(c.shown))
            << c.text << " / " << c.format;
}
