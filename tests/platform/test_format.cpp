#include "Classes.h"
#include "SysUtils.h"

#include <gtest/gtest.h>

using namespace sw;

namespace {
QString F(const char* pattern, FormatArgs args) {
    return Format(pattern, args);
}
} // namespace

TEST(Format, DirectivesAsPascalWritesThem) {
    struct Case {
        QString got;
        const char* want;
    };
    const Case cases[] = {
        {F("Arquivo inválido: %s", {"a.swl"}), "Arquivo inválido: a.swl"},
        {F("%d/%d", {7, -12}), "7/-12"},
        {F("%5d|%-5d|", {42, 42}), "   42|42   |"},
        {F("%.4d", {7}), "0007"},
        {F("%x %.4x", {255, 10}), "FF 000A"},
        {F("%.2f", {3.14159}), "3.14"},
        {F("%f", {2.5}), "2.50"},
        {F("%n", {1234567.891}), "1,234,567.89"},
        {F("%.3s", {"abcdef"}), "abc"},
        {F("%1:s %0:s", {"a", "b"}), "b a"},
        {F("%*d", {4, 7}), "   7"},
        {F("100%%", {}), "100%"},
        {F("%e", {1234.5}), "1.23450000000000E+003"},
        {F("%g", {0.5}), "0.5"},
        {F("%u", {-1}), "4294967295"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.got, QString::fromUtf8(c.want));
}

TEST(Format, FloatsUseTheDecimalSeparatorOfTheSettings) {
    FormatSeparators saved = DefaultFormatSeparators();
    DefaultFormatSeparators() = {QLatin1Char(','), QLatin1Char('.')};
    EXPECT_EQ(F("%.2f %n", {1.5, 1234.5}), QStringLiteral("1,50 1.234,50"));
    DefaultFormatSeparators() = saved;
}

TEST(Format, MismatchedOrMissingArgumentsRaiseConvertError) {
    EXPECT_THROW(F("%d", {"text"}), EConvertError);
    EXPECT_THROW(F("%s", {3}), EConvertError);
    EXPECT_THROW(F("%s %s", {"one"}), EConvertError);
    EXPECT_THROW(F("%q", {1}), EConvertError);
    EXPECT_THROW(F("trailing %", {1}), EConvertError);
    EXPECT_THROW(F("%99999999d", {1}), EConvertError);
}

TEST(FileErrors, CarryTheLibraryTextsWithoutPrefix) {
    try {
        RaiseFOpenError(QStringLiteral("/x/y.swl"));
        FAIL();
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Unable to open file \"/x/y.swl\""));
    }
    try {
        RaiseListIndexError(3);
        FAIL();
    } catch (const EListError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("List index (3) out of bounds"));
    }
    EXPECT_THROW(RaiseReadError(), EReadError);
    EXPECT_THROW(RaiseWriteError(), EWriteError);
}
