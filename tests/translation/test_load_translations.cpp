#include "ExTranslation.h"
#include "Messages.h"

#include "QStringPrinter.h"
#include <QMap>

#include <gtest/gtest.h>
#include <stdexcept>

using namespace sw;

namespace {

// Messages of this test's own (made-up) library modules and one of the program's own.
const Message tInteger("tsysconst.sinvalidinteger", "\"%s\" is not a valid integer");
const Message tZeroDivide("tsysconst.szerodivide", "Division by zero");
const Message tCancel("tlclstrconsts.rsmbcancel", "Cancel");
const Message tSameSource("tother.scancelcaption", "Cancel");
const Message tLineBreak("tlclstrconsts.rslinebreak", "Line");
const Message tBadFormat("tdbconst.snotransactionregistered", "Transaction %s not registered");
const Message tFuzzy("tlclstrconsts.rsfuzzy", "Fuzzy");
const Message tBuiltinBreak("tlclstrconsts.rsbuiltinbreak", "Ends with a break\n");
const Message tOwn("umain.sinvalidfieldvalue", "Valor inválido no campo %s");

const char* const kHeader = "msgid \"\"\r\nmsgstr \"\"\r\n"
                            "\"Content-Type: text/plain; charset=UTF-8\\n\"\r\n"
                            "\"Language: pt_BR\\n\"\r\n";

QByteArray catalogue(const char* entries) {
    QByteArray text(kHeader);
    text += "\r\n";
    text += QByteArray(entries).replace("\n", "\r\n");
    return text;
}

// Resources listed in the order given, as the system would list them.
ResourceSource fakeResources(const QList<QPair<QString, QByteArray>>& resources) {
    ResourceSource source;
    source.names = [resources] {
        QStringList names;
        for (const auto& r : resources)
            names << r.first;
        return names;
    };
    source.read = [resources](const QString& name) {
        for (const auto& r : resources) {
            if (r.first == name)
                return r.second;
        }
        return QByteArray();
    };
    return source;
}

QString text(const Message& m) {
    return m.text();
}

class LoadTranslationsTest : public ::testing::Test {
protected:
    void SetUp() override { MessageTable::instance().resetAll(); }
    void TearDown() override { MessageTable::instance().resetAll(); }
};

const QByteArray kSysconst = catalogue(R"(#: tsysconst.sinvalidinteger
msgid "\"%s\" is not a valid integer"
msgstr "\"%s\" não é um inteiro válido"

#: tsysconst.szerodivide
msgid "Division by zero"
msgstr "Divisão por zero"
)");

} // namespace

TEST(TranslationResourceName, MatchedOnThePartBeforeTheFirstUnderscore) {
    struct Case {
        const char* name;
        bool collected;
    };
    const Case cases[] = {
        {"EXTRANSLATION_SYSCONST", true},
        {"ExTranslation_x", true},
        {"extranslation_a_b", true},
        {"EXTRANSLATION_", true},
        {"EXTRANSLATION", true},
        {"EXTRANSLATIONS_X", false},
        {"DBNAVCANCEL_150", false},
        {"TFRMMAIN", false},
        {"X_EXTRANSLATION_SYSCONST", false},
        {"", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsTranslationResource(QString::fromUtf8(c.name)), c.collected) << c.name;
}

TEST(TranslationResourceName, OnlyCollectedResourcesAreJoinedInListedOrder) {
    const ResourceSource source = fakeResources({
        {QStringLiteral("DBNAVCANCEL_150"), "not a catalogue\r\n"},
        {QStringLiteral("EXTRANSLATION_A"), "a\r\n"},
        {QStringLiteral("EXTRANSLATIONS_X"), "x\r\n"},
        {QStringLiteral("ExTranslation_b"), "b"},
        {QStringLiteral("EXTRANSLATION_EMPTY"), ""},
        {QStringLiteral("EXTRANSLATION_C"), "c\n"},
        {QStringLiteral("TFRMMAIN"), "form\r\n"},
    });
    // A catalogue without a final line break still ends its last line before the next one.
    EXPECT_EQ(JoinTranslationResources(source), QByteArray("a\r\nb\r\nc\n"));
}

TEST(CarriedResources, ListedSortedInCapitalsAndReadable) {
    const ResourceSource carried = CarriedResources();
    const QStringList names = carried.names();
    for (const char* module :
         {"EXTRANSLATION_LCLSTRCONSTS", "EXTRANSLATION_RTLCONSTS", "EXTRANSLATION_SYSCONST"})
        EXPECT_TRUE(names.contains(QString::fromUtf8(module))) << module;
    QStringList sorted = names;
    std::sort(sorted.begin(), sorted.end(),
              [](const QString& a, const QString& b) { return a.toUpper() < b.toUpper(); });
    EXPECT_EQ(names, sorted);
    EXPECT_TRUE(
        carried.read(QStringLiteral("EXTRANSLATION_SYSCONST")).startsWith("msgid \"\"\r\n"));
    EXPECT_TRUE(carried.read(QStringLiteral("EXTRANSLATION_NOTTHERE")).isEmpty());
    // Every carried catalogue: a UTF-8 pt_BR header first, CR LF lines, a final line break.
    for (const QString& name : names) {
        if (!IsTranslationResource(name))
            continue;
        SCOPED_TRACE(name.toStdString());
        const QByteArray po = carried.read(name);
        EXPECT_TRUE(po.startsWith("msgid \"\"\r\nmsgstr \"\"\r\n"));
        EXPECT_TRUE(po.contains("\"Content-Type: text/plain; charset=UTF-8\\n\"\r\n"));
        EXPECT_TRUE(po.contains("\"Language: pt_BR\\n\"\r\n"));
        EXPECT_EQ(po.count('\n'), po.count("\r\n"));
        EXPECT_TRUE(po.endsWith("\"\r\n"));
    }
}

TEST(FinalLineBreak, OneBreakRemovedFromTextsLongerThanOneCharacter) {
    struct Case {
        const char* in;
        const char* out;
    };
    const Case cases[] = {
        {"Linha\r\n", "Linha"},
        {"Linha\n", "Linha"},
        {"Linha\r", "Linha"},
        {"Linha\n\n", "Linha\n"},
        {"Linha\r\n\r\n", "Linha\r\n"},
        {"\n", "\n"},
        {"\r\n", "\r"},
        {"a\n", "a"},
        {"Sem quebra", "Sem quebra"},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WithoutFinalLineBreak(QString::fromUtf8(c.in)), QString::fromUtf8(c.out))
            << QByteArray(c.in).toPercentEncoding().constData();
    }
}

TEST_F(LoadTranslationsTest, TranslatesByIdentifierAndKeepsWhatItMustNot) {
    const QByteArray lcl = catalogue(R"(#: tlclstrconsts.rsmbcancel
msgid "Cancel"
msgstr "Cancelar"

#: tlclstrconsts.rslinebreak
msgid "Line\n"
msgstr "Linha\n"

#: tlclstrconsts.rsfuzzy
#, fuzzy
msgid "Fuzzy"
msgstr "Difuso"

#: umain.sinvalidfieldvalue
msgid ""
msgstr ""
)");
    const QByteArray db = catalogue(R"(#: tdbconst.snotransactionregistered
msgid "Transaction %s not registered"
msgstr "Transação não registrada"
)");
    LoadTranslations(fakeResources({{QStringLiteral("EXTRANSLATION_TDBCONST"), db},
                                    {QStringLiteral("EXTRANSLATION_TLCLSTRCONSTS"), lcl},
                                    {QStringLiteral("EXTRANSLATION_TSYSCONST"), kSysconst}}));
    EXPECT_EQ(text(tInteger), QStringLiteral("\"%s\" não é um inteiro válido"));
    EXPECT_EQ(text(tCancel), QStringLiteral("Cancelar"));
    // Same source text, other identifier: untouched.
    EXPECT_EQ(text(tSameSource), QStringLiteral("Cancel"));
    EXPECT_EQ(text(tLineBreak), QStringLiteral("Linha"));
    EXPECT_EQ(text(tBadFormat), QStringLiteral("Transaction %s not registered"));
    EXPECT_EQ(text(tFuzzy), QStringLiteral("Fuzzy"));
    // Built-in texts lose one final line break too.
    EXPECT_EQ(text(tBuiltinBreak), QStringLiteral("Ends with a break"));
    EXPECT_EQ(text(tOwn), QStringLiteral("Valor inválido no campo %s"));
}

TEST_F(LoadTranslationsTest, LastEntryOfACatalogueKeepsItsTextBeforeTheNextHeader) {
    // The first catalogue ends with its last msgstr; the second begins with its header at once.
    const QByteArray variants = catalogue("#: tvariants.sx\nmsgid \"X\"\nmsgstr \"Xis\"\n");
    QByteArray truncated = kSysconst;
    ASSERT_TRUE(truncated.endsWith("\"Divisão por zero\"\r\n"));
    truncated.chop(2); // and even without its final line break
    for (const QByteArray& sysconst : {kSysconst, truncated}) {
        MessageTable::instance().resetAll();
        LoadTranslations(fakeResources({{QStringLiteral("EXTRANSLATION_TSYSCONST"), sysconst},
                                        {QStringLiteral("EXTRANSLATION_TVARIANTS"), variants}}));
        EXPECT_EQ(text(tZeroDivide), QStringLiteral("Divisão por zero"));
    }
}

TEST_F(LoadTranslationsTest, LaterCatalogueInListOrderWins) {
    const QByteArray other =
        catalogue("#: tsysconst.szerodivide\nmsgid \"Division by zero\"\nmsgstr \"Zero!\"\n");
    LoadTranslations(fakeResources({{QStringLiteral("EXTRANSLATION_A"), kSysconst},
                                    {QStringLiteral("EXTRANSLATION_B"), other}}));
    EXPECT_EQ(text(tZeroDivide), QStringLiteral("Zero!"));
}

TEST_F(LoadTranslationsTest, MissingEmptyOrBrokenCataloguesLeaveBuiltinTexts) {
    const QList<ResourceSource> sources = {
        ResourceSource{},
        fakeResources({}),
        fakeResources({{QStringLiteral("TFRMMAIN"), kSysconst}}),
        fakeResources({{QStringLiteral("EXTRANSLATION_SYSCONST"), QByteArray()}}),
        fakeResources({{QStringLiteral("EXTRANSLATION_SYSCONST"), QByteArray("\x00\xff\"#:", 5)}}),
        fakeResources({{QStringLiteral("EXTRANSLATION_SYSCONST"), kSysconst.left(40)}}),
    };
    for (const ResourceSource& source : sources) {
        LoadTranslations(source);
        EXPECT_EQ(text(tInteger), QStringLiteral("\"%s\" is not a valid integer"));
        EXPECT_EQ(text(tOwn), QStringLiteral("Valor inválido no campo %s"));
    }
}

TEST_F(LoadTranslationsTest, ErrorWhileApplyingStopsQuietlyKeepingWhatWasSet) {
    QMap<QByteArray, QString> set;
    int calls = 0;
    const MessageTextSetter failing = [&](const QByteArray& id, const QString& value) {
        if (++calls == 3)
            throw std::runtime_error("no more");
        set.insert(id, value);
        MessageTable::instance().setCurrentText(id, value);
    };
    const auto source = fakeResources({{QStringLiteral("EXTRANSLATION_TSYSCONST"), kSysconst}});
    EXPECT_NO_THROW(LoadTranslations(source, failing));
    EXPECT_EQ(calls, 3);
    EXPECT_EQ(set.size(), 2);
    // What was set before the error stays; nothing after it was set.
    for (const QByteArray& id : MessageTable::instance().ids()) {
        const QString current = MessageTable::instance().text(id);
        if (set.contains(id))
            EXPECT_EQ(current, set.value(id)) << id.constData();
        else
            EXPECT_EQ(current, MessageTable::instance().builtinText(id)) << id.constData();
    }
    // A failing resource reader stops nothing either.
    ResourceSource throwing = source;
    throwing.read = [](const QString&) -> QByteArray { throw std::runtime_error("unreadable"); };
    EXPECT_NO_THROW(LoadTranslations(throwing));
}
