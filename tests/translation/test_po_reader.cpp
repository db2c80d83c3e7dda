#include "PoCatalogue.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>

using namespace sw;

namespace {

// PO text written with LF lines here; every line gets CR LF as in the carried catalogues.
QByteArray crlf(const char* text) {
    QByteArray bytes(text);
    bytes.replace("\n", "\r\n");
    return bytes;
}

const char* const kHeader = "msgid \"\"\n"
                            "msgstr \"\"\n"
                            "\"Content-Type: text/plain; charset=UTF-8\\n\"\n"
                            "\"Language: pt_BR\\n\"\n";

} // namespace

TEST(PoReader, ReadsEntriesWithContinuationsEscapesAndContext) {
    const PoIndex index = ReadPoCatalogue(crlf(R"(msgid ""
msgstr ""
"Content-Type: text/plain; charset=UTF-8\n"
"Language: pt_BR\n"

#: sysconst.sinvalidinteger
msgid "\"%s\" is not a valid integer"
msgstr "\"%s\" não é um inteiro válido"

#: Module:SEscapes
msgctxt "module.sescapes"
msgid ""
"Tab\there, "
"back\\slash"
msgstr ""
"Tab\taqui, "
"barra\\invertida\n"
"segunda linha\q"
)"));
    ASSERT_EQ(index.size(), 2);
    EXPECT_EQ(index.value("sysconst.sinvalidinteger").translation,
              QStringLiteral("\"%s\" não é um inteiro válido"));
    // The reference is read in lower case with its colon as a point.
    ASSERT_TRUE(index.contains("module.sescapes"));
    const PoEntry e = index.value("module.sescapes");
    EXPECT_EQ(e.context, QStringLiteral("module.sescapes"));
    EXPECT_EQ(e.source, QStringLiteral("Tab\there, back\\slash"));
    // \n becomes CR LF; an escape that is not known stays as written.
    EXPECT_EQ(e.translation, QStringLiteral("Tab\taqui, barra\\invertida\r\nsegunda linha\\q"));
    EXPECT_FALSE(e.fuzzy);
}

TEST(PoReader, HeaderOfTheNextCatalogueEndsThePreviousLastEntry) {
    // Two catalogues joined: the first ends right after its last msgstr, with no blank line.
    QByteArray joined = crlf(kHeader);
    joined += crlf("\n#: sysconst.szerodivide\nmsgid \"Division by zero\"\n"
                   "msgstr \"Divisão por zero\"\n");
    joined += crlf(kHeader);
    joined += crlf("\n#: variants.serrvarispempty\nmsgid \"Varispempty\"\nmsgstr \"Vazio\"\n");
    const PoIndex index = ReadPoCatalogue(joined);
    ASSERT_EQ(index.size(), 2);
    EXPECT_EQ(index.value("sysconst.szerodivide").translation, QStringLiteral("Divisão por zero"));
    EXPECT_EQ(index.value("sysconst.szerodivide").source, QStringLiteral("Division by zero"));
    EXPECT_EQ(index.value("variants.serrvarispempty").translation, QStringLiteral("Vazio"));
}

TEST(PoReader, FlagsCommentsAndEntryBoundaries) {
    const PoIndex index = ReadPoCatalogue(crlf(R"(# translator's comment
#. extracted comment
#: a.fuzzy
#, c-format, fuzzy
msgid "Old"
msgstr "Velho"
#: a.notfuzzy
#, c-format
msgid "New"
msgstr "Novo"
#: a.untranslated
msgid "Nothing"
msgstr ""

msgid "No reference"
msgstr "Sem referência"

#: a.twice
msgid "First"
msgstr "Primeiro"

#: A.TWICE
msgid "Second"
msgstr "Segundo"

#~ msgid "Obsolete"
#~ msgstr "Obsoleto"
#: a.plural
msgid "One"
msgid_plural "Many"
msgstr[0] "Um"
msgstr[1] "Muitos"
)"));
    // A comment line right after a msgstr opens the next entry.
    EXPECT_TRUE(index.value("a.fuzzy").fuzzy);
    EXPECT_EQ(index.value("a.fuzzy").translation, QStringLiteral("Velho"));
    EXPECT_FALSE(index.value("a.notfuzzy").fuzzy);
    EXPECT_EQ(index.value("a.notfuzzy").translation, QStringLiteral("Novo"));
    // Not indexed: empty translation, no reference line, plural forms.
    EXPECT_FALSE(index.contains("a.untranslated"));
    EXPECT_FALSE(index.contains("a.plural"));
    // The last entry read for an identifier wins, whatever its capitals.
    EXPECT_EQ(index.value("a.twice").translation, QStringLiteral("Segundo"));
    EXPECT_EQ(index.size(), 3);
}

TEST(PoReader, AcceptsLfLinesAByteOrderMarkAndAMissingFinalLineBreak) {
    const QByteArray text = "\xEF\xBB\xBF#: m.a\nmsgid \"A\"\nmsgstr \"Á\"\n\n#: m.b\r\n"
                            "msgid \"B\"\r\nmsgstr \"É\"";
    const PoIndex index = ReadPoCatalogue(text);
    EXPECT_EQ(index.value("m.a").translation, QStringLiteral("Á"));
    EXPECT_EQ(index.value("m.b").translation, QStringLiteral("É"));
}

TEST(PoReader, MalformedTextIsSkippedNotFatal) {
    const char* const cases[] = {
        "",
        "\"orphan continuation\"\n",
        "#: m.x\nmsgstr \"unterminated\n",
        "#: m.x\nmsgid \"a\\",
        "msgid\nmsgstr\n#:\n#,\n\"\"\n",
        "#: m.x\nmsgid \"a\" trailing\nmsgstr \"b\" \"c\"\n",
        "msgidx \"a\"\nmsgstrfoo \"b\"\n",
    };
    for (const char* text : cases) {
        SCOPED_TRACE(text);
        const PoIndex index = ReadPoCatalogue(QByteArray(text));
        for (auto it = index.cbegin(); it != index.cend(); ++it)
            EXPECT_FALSE(it->translation.isEmpty());
    }
    // An unterminated string runs to the end of its line; text after the closing quote is ignored.
    EXPECT_EQ(ReadPoCatalogue("#: m.x\nmsgstr \"unterminated\n").value("m.x").translation,
              QStringLiteral("unterminated"));
    EXPECT_EQ(ReadPoCatalogue("#: m.x\nmsgstr \"b\" \"c\"\n").value("m.x").translation,
              QStringLiteral("b"));
}

TEST(FormatConversions, ComparedInOrderWithoutRegardToCase) {
    struct Case {
        const char* source;
        const char* translation;
        bool same;
    };
    const Case cases[] = {
        {"\"%s\" is not a valid integer", "\"%s\" não é um inteiro válido", true},
        {"%s%sPress OK.%sPress Abort.", "%s%sPressione OK.%sPressione Abortar.", true},
        {"Value %d of %s", "Valor %D de %S", true},
        {"Index %0:d, name %1:-10.3s", "Nome %1:s, índice %0:d", false},
        {"Width %5.2f", "Largura %.2f", true},
        {"100%% done: %s", "%s: 100%% feito", true},
        {"100%% done", "100% feito", false},
        {"%s", "", false},
        {"%s and %d", "%s e %d e %d", false},
        {"No conversion", "Sem conversão", true},
        {"Trailing %", "Final %", true},
        {"%d items", "%s itens", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source);
        EXPECT_EQ(
            SameFormatConversions(QString::fromUtf8(c.source), QString::fromUtf8(c.translation)),
            c.same);
    }
}
