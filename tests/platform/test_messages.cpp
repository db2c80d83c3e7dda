#include "Classes.h"
#include "Messages.h"

#include <gtest/gtest.h>

using namespace sw;

TEST(MessageTable, CurrentTextReplacesBuiltinUntilReset) {
    auto& table = MessageTable::instance();
    ASSERT_TRUE(table.contains("rtlconsts.sreaderror"));
    table.setCurrentText("rtlconsts.sreaderror", QStringLiteral("Erro ao ler stream"));
    try {
        RaiseReadError();
    } catch (const EReadError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Erro ao ler stream"));
    }
    EXPECT_EQ(table.builtinText("rtlconsts.sreaderror"), QStringLiteral("Stream read error"));
    table.resetAll();
    EXPECT_EQ(table.text("rtlconsts.sreaderror"), QStringLiteral("Stream read error"));
}

TEST(MessageTable, FirstRegistrationWinsAndUnknownIdsShowThemselves) {
    Message first("test.sdouble", "first");
    Message second("test.sdouble", "second");
    EXPECT_EQ(second.text(), QStringLiteral("first"));
    EXPECT_EQ(MessageTable::instance().text("test.nothere"), QStringLiteral("test.nothere"));
    MessageTable::instance().setCurrentText("test.nothere", QStringLiteral("x"));
    EXPECT_FALSE(MessageTable::instance().contains("test.nothere"));
}
