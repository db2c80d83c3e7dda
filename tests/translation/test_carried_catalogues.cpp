// The catalogues carried in the program, against every message the program's libraries register.
#include "ExTranslation.h"
#include "Messages.h"

#include "QStringPrinter.h"
#include <QSet>

#include <gtest/gtest.h>

using namespace sw;

namespace {

// The program's own modules: written in Portuguese, no catalogue entries.
const QSet<QByteArray> kOwnModules = {
    "umain",        "expreformattedprinter", "exstdctrls",     "exconsts",
    "ufieldeditor", "upapereditor",          "umeasureeditor", "exprinter"};

QByteArray moduleOf(const QByteArray& id) {
    const qsizetype point = id.indexOf('.');
    return point < 0 ? id : id.left(point);
}

QString current(const char* id) {
    return MessageTable::instance().text(id);
}

class CarriedCatalogues : public ::testing::Test {
protected:
    void SetUp() override { MessageTable::instance().resetAll(); }
    void TearDown() override { MessageTable::instance().resetAll(); }
};

} // namespace

TEST_F(CarriedCatalogues, EveryLibraryMessageHasAUsableEntry) {
    const PoIndex index = ReadPoCatalogue(JoinTranslationResources(CarriedResources()));
    const MessageTable& table = MessageTable::instance();
    int libraryMessages = 0;
    for (const QByteArray& id : table.ids()) {
        if (kOwnModules.contains(moduleOf(id)))
            continue;
        ++libraryMessages;
        SCOPED_TRACE(id.constData());
        if (!index.contains(id)) {
            ADD_FAILURE() << "no catalogue entry";
            continue;
        }
        const PoEntry e = index.value(id);
        EXPECT_FALSE(e.fuzzy);
        // The entry's source is the text the code shows, so the translation is not stale...
        EXPECT_EQ(e.source, table.builtinText(id));
        // ...and the translation fills the same placeholders.
        EXPECT_TRUE(SameFormatConversions(e.source, e.translation)) << e.translation.toStdString();
    }
    EXPECT_GT(libraryMessages, 0);
}

TEST_F(CarriedCatalogues, LibraryMessagesReadPortugueseAfterStartUp) {
    LoadTranslations();
    struct Case {
        const char* id;
        const char* text;
    };
    const Case cases[] = {
        {"sysconst.sinvalidinteger", "\"%s\" não é um inteiro válido"},
        {"sysconst.sinvalidfloat", "\"%s\" não é um valor de ponto flutuante válido"},
        {"rtlconsts.sreaderror", "Erro ao ler stream"},
        {"rtlconsts.swriteerror", "Erro de gravação no stream"},
        {"rtlconsts.sfopenerror", "Não é possível abrir o arquivo \"%s\""},
        {"rtlconsts.slistindexerror", "Índice da lista (%d) fora dos limites"},
    };
    for (const Case& c : cases) {
        if (!MessageTable::instance().contains(c.id))
            continue; // not registered by the libraries linked here
        EXPECT_EQ(current(c.id), QString::fromUtf8(c.text)) << c.id;
    }
    EXPECT_EQ(current("rtlconsts.sreaderror"), QStringLiteral("Erro ao ler stream"));
}
