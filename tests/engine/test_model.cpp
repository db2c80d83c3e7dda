#include "Classes.h"
#include "ExPreformattedPrinter.h"

#include <gtest/gtest.h>

using namespace sw;

namespace {
TExPrinterField named(const char* name) {
    TExPrinterField f = ZeroField();
    f.Name.assignBytes(QByteArray(name));
    return f;
}

QString errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Exception& e) {
        return e.message();
    }
    return QStringLiteral("<no error>");
}
} // namespace

TEST(LayoutModel, NewDocumentHoldsTheDefaults) {
    TExSlatewright doc;
    EXPECT_EQ(doc.FieldCount(), 0);
    EXPECT_EQ(doc.FormName(), QString());
    EXPECT_EQ(doc.PaperSize(), 1);
    EXPECT_EQ(doc.PaperOrientation(), poPortrait);
    EXPECT_EQ(doc.PaperWidth(), 0.0);
    EXPECT_EQ(doc.PaperHeight(), 0.0);
    EXPECT_EQ(doc.Version(), 2);
    EXPECT_EQ(doc.Title, QStringLiteral("Slatewright"));
    EXPECT_TRUE(doc.FileName.isEmpty());
    // Every byte no member uses is zero, so a new layout's file is fully determined.
    const auto& h = doc.Header();
    const auto* bytes = reinterpret_cast<const unsigned char*>(&h);
    for (int i = 14; i <= 21; ++i)
        EXPECT_EQ(bytes[i], 0) << i;
    EXPECT_EQ(h.Signature.bytes(), QByteArray("QZSlatewright"));
}

TEST(LayoutModel, NameRules) {
    TExSlatewright doc;
    for (const char* ok : {"Campo1", "_x", "a_1", "Z"})
        EXPECT_NO_THROW(doc.AddField(named(ok))) << ok;
    for (const char* bad : {"", "1a", "a b", "a-b", "a.b", "ação"}) {
        EXPECT_EQ(errorOf([&] { doc.AddField(named(bad)); }),
                  QStringLiteral("ExSlatewright - Nome de campo inválido: ") +
                      QString::fromUtf8(bad))
            << bad;
    }
    EXPECT_EQ(doc.FieldCount(), 4); // refused fields leave the list as it was
}

TEST(LayoutModel, NamesAreUniqueAndFoundWithoutRegardToCase) {
    TExSlatewright doc;
    doc.AddField(named("Campo1"));
    doc.AddField(named("STRASSE"));
    EXPECT_EQ(errorOf([&] { doc.AddField(named("CAMPO1")); }),
              QStringLiteral("ExSlatewright - Já existe um campo com este nome: CAMPO1"));
    EXPECT_EQ(doc.FieldCount(), 2);
    EXPECT_EQ(doc.IndexOfField(QStringLiteral("campo1")), 0);
    // The full upper-case mapping may change a name's length: ß becomes SS.
    EXPECT_EQ(doc.IndexOfField(QStringLiteral("straße")), 1);
    EXPECT_EQ(doc.IndexOfField(QStringLiteral("strasse")), 1);
    // The sought name is used whole, never cut to the record's 30 bytes.
    doc.AddField(named("A23456789012345678901234567890"));
    EXPECT_EQ(doc.IndexOfField(QStringLiteral("a23456789012345678901234567890")), 2);
    EXPECT_EQ(doc.IndexOfField(QStringLiteral("a23456789012345678901234567890X")), -1);
    EXPECT_FALSE(doc.FieldExists(QString()));
}

TEST(LayoutModel, GetFieldCopiesAndChecksItsIndex) {
    TExSlatewright doc;
    TExPrinterField f = named("Valor");
    f.FontColor = 0x00123456;
    doc.AddField(f);
    TExPrinterField out = ZeroField();
    doc.GetField(0, out);
    EXPECT_EQ(std::memcmp(&out, &f, sizeof f), 0);
    doc.ClearFields();
    EXPECT_EQ(doc.FieldCount(), 0);
    EXPECT_EQ(errorOf([&] { doc.GetField(0, out); }),
              QStringLiteral("List index (0) out of bounds"));
    EXPECT_THROW(doc.GetField(-1, out), EListError);
    // After clearing, the same name may come back.
    EXPECT_NO_THROW(doc.AddField(f));
}

TEST(LayoutModel, OrientationLivesInBit15) {
    TExSlatewright doc;
    doc.SetPaperOrientation(poReversePortrait);
    EXPECT_EQ(doc.PaperOrientation(), poLandscape);
    EXPECT_EQ(doc.PaperSize(), 0x8001);
    doc.SetPaperOrientation(poPortrait);
    EXPECT_EQ(doc.PaperSize(), 1);
    doc.SetPaperSizeProperty(9 | 0x8000);
    EXPECT_EQ(doc.PaperOrientation(), poLandscape);
    EXPECT_EQ(doc.PaperSize() & 0x7FFF, 9);
}

TEST(LayoutModel, FormNameIsCutTo30BytesWithoutSplittingACharacter) {
    TExSlatewright doc;
    doc.SetFormName(QString(35, QLatin1Char('x')));
    EXPECT_EQ(doc.FormName(), QString(30, QLatin1Char('x')));
    // 29 bytes then a two-byte character: keeping one of its bytes would corrupt the text.
    doc.SetFormName(QString(29, QLatin1Char('y')) + QStringLiteral("é"));
    EXPECT_EQ(doc.FormName(), QString(29, QLatin1Char('y')));
    doc.SetFormName(QStringLiteral("Nota fiscal é"));
    EXPECT_EQ(doc.FormName(), QStringLiteral("Nota fiscal é"));
}

TEST(LayoutModel, LongListsFindEveryNameAndRefuseEveryRepeat) {
    TExSlatewright doc;
    for (int i = 0; i < 3000; ++i)
        doc.AddField(named(QStringLiteral("Campo%1").arg(i).toLatin1().constData()));
    for (int i = 0; i < 3000; i += 7) {
        EXPECT_EQ(doc.IndexOfField(QStringLiteral("CAMPO%1").arg(i)), i);
        EXPECT_THROW(doc.AddField(named(QStringLiteral("campo%1").arg(i).toLatin1().constData())),
                     EExPrinterError);
    }
    EXPECT_EQ(doc.IndexOfField(QStringLiteral("Campo3000")), -1);
    EXPECT_EQ(doc.FieldCount(), 3000);
}
