#include "EditorTestSupport.h"
#include "FieldList.h"
#include "LocaleSettings.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace sw;
using edtest::Field;

TEST(FieldList, RowTextsInColumnOrder) {
    ScopedFormatSettings comma(CommaLocaleSettings());
    TExPrinterField f = Field(QStringLiteral("Total"));
    f.Size = 12;
    f.Left = 2.5;
    f.Top = 10.25;
    f.Width = 3;
    f.Height = 0;
    f.HorzAlignment = 3;
    f.VertAlignment = 2;
    f.FontName.assign(QStringLiteral("Arial"));
    f.FontSize = 9;
    f.FontStyle = fsBold | fsUnderline;
    f.Print = 0;
    EXPECT_EQ(
        FieldRowTexts(f),
        (QStringList{QStringLiteral("Total"), QStringLiteral("12"), QStringLiteral("2,5 cm"),
                     QStringLiteral("10,25 cm"), QStringLiteral("3 cm"), QStringLiteral("0 cm"),
                     QStringLiteral("Direita"), QStringLiteral("Centro"), QStringLiteral("Arial"),
                     QStringLiteral("9"), QStringLiteral("NS"), QString::fromUtf8("Não")}));
}

TEST(FieldList, AlignmentWordsStyleLettersAndPrintFlag) {
    struct Case {
        uint8_t horz, vert;
        uint32_t style;
        uint8_t print;
        const char *h, *v, *s, *p;
    } cases[] = {
        {1, 1, 0, 1, "Esquerda", "Topo", "", "Sim"},
        {2, 3, fsItalic | fsStrikeOut, 7, "Centro", "Rodapé", "IR", "Sim"},
        {0, 4, fsBold | fsItalic | fsUnderline | fsStrikeOut, 0, "", "", "NISR", "Não"},
    };
    for (const Case& c : cases) {
        TExPrinterField f = Field(QStringLiteral("A"));
        f.HorzAlignment = c.horz;
        f.VertAlignment = c.vert;
        f.FontStyle = c.style;
        f.Print = c.print;
        const QStringList t = FieldRowTexts(f);
        ASSERT_EQ(t.size(), 12); // an empty alignment cell keeps the next cells in their columns
        EXPECT_EQ(t[6], QString::fromUtf8(c.h));
        EXPECT_EQ(t[7], QString::fromUtf8(c.v));
        EXPECT_EQ(t[10], QString::fromUtf8(c.s));
        EXPECT_EQ(t[11], QString::fromUtf8(c.p));
    }
}

TEST(FieldList, FormatMeasureFollowsTheDecimalSeparator) {
    struct Case {
        double v;
        const char *comma, *point;
    } cases[] = {{0, "0 cm", "0 cm"},
                 {2.5, "2,5 cm", "2.5 cm"},
                 {10.25, "10,25 cm", "10.25 cm"},
                 {3, "3 cm", "3 cm"},
                 {-1.234, "-1,23 cm", "-1.23 cm"}};
    for (const Case& c : cases) {
        {
            ScopedFormatSettings comma(CommaLocaleSettings());
            EXPECT_EQ(FormatMeasure(c.v), QString::fromUtf8(c.comma)) << c.v;
        }
        ScopedFormatSettings point(PointLocaleSettings());
        EXPECT_EQ(FormatMeasure(c.v), QString::fromUtf8(c.point)) << c.v;
    }
}

TEST(FieldList, ColumnsHaveTheirCaptionsWidthsAndAlignments) {
    TFieldListModel m;
    const char* captions[] = {"Nome",    "Tamanho", "Esquerda",   "Superior",
                              "Largura", "Altura",  "Horizontal", "Vertical",
                              "Fonte",   "Tamanho", "Estilo",     "Imprimir?"};
    const int widths[] = {120, 60, 60, 60, 60, 60, 60, 60, 80, 50, 50, 50};
    ASSERT_EQ(m.columnCount(), 12);
    for (int c = 0; c < 12; ++c) {
        EXPECT_EQ(m.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(),
                  QString::fromUtf8(captions[c]));
        EXPECT_EQ(TFieldListModel::ColumnWidth(c), widths[c]);
        const bool right = c >= 1 && c <= 5 ? true : c == 9;
        EXPECT_EQ(bool(TFieldListModel::ColumnAlignment(c) & Qt::AlignRight), right) << c;
    }
}

TEST(FieldList, RowsOwnCopiesAndKeepTheSelectionOnItsRow) {
    TFieldListModel m;
    QSignalSpy selections(&m, &TFieldListModel::selectionChanged);
    TExPrinterField a = Field(QStringLiteral("A"));
    m.AddFieldRow(a, -1);
    m.AddFieldRow(Field(QStringLiteral("C")), -5);
    m.AddFieldRow(Field(QStringLiteral("B")), 1);
    a.Name.assign(QStringLiteral("changed")); // the row keeps its own copy
    EXPECT_EQ(m.Record(0).Name.toString(), QStringLiteral("A"));
    EXPECT_EQ(m.Texts(1).first(), QStringLiteral("B"));
    EXPECT_EQ(m.index(2, 0).data().toString(), QStringLiteral("C"));

    m.SelectFieldRow(5); // out of range: nothing
    m.SelectFieldRow(-1);
    EXPECT_EQ(m.Selected(), -1);
    m.SelectFieldRow(1);
    m.AddFieldRow(Field(QStringLiteral("Z")), 0); // inserted before: the selection moves along
    EXPECT_EQ(m.Selected(), 2);
    m.DeleteFieldRow(0);
    EXPECT_EQ(m.Selected(), 1);
    m.UpdateFieldRow(Field(QStringLiteral("B2")), 1);
    EXPECT_EQ(m.Texts(1).first(), QStringLiteral("B2"));
    EXPECT_EQ(selections.count(), 1);
    m.DeleteFieldRow(1); // the selected row goes: no selection, and it says so
    EXPECT_EQ(m.Selected(), -1);
    EXPECT_EQ(selections.count(), 2);
    m.Clear();
    EXPECT_EQ(m.Count(), 0);
}

TEST(FieldList, MakeUniqueFieldName) {
    struct Case {
        QStringList rows;
        const char *base, *expected;
    } cases[] = {
        {{}, "Campo", "Campo1"},
        {{QStringLiteral("Campo1"), QStringLiteral("campo2")}, "Campo", "Campo3"},
        {{QStringLiteral("Valor3"), QStringLiteral("Valor4")}, "Valor3", "Valor5"},
        {{}, "Campo007", "Campo8"},
        {{}, "12", "13"},
        {{QStringLiteral("x2147483648")}, "x2147483647", "x2147483649"},
        {{}, "", "1"},
    };
    for (const Case& c : cases) {
        TFieldListModel m;
        for (const QString& n : c.rows)
            m.AddFieldRow(Field(n), -1);
        EXPECT_EQ(m.MakeUniqueFieldName(QString::fromUtf8(c.base)), QString::fromUtf8(c.expected))
            << c.base;
    }
    TFieldListModel m;
    EXPECT_TRUE(!m.FieldNameExists(QStringLiteral("a")));
    m.AddFieldRow(Field(QString::fromUtf8("Ação")), -1);
    EXPECT_TRUE(m.FieldNameExists(QString::fromUtf8("AÇÃO")));
    try {
        m.MakeUniqueFieldName(QStringLiteral("Valor99999999999"));
        ADD_FAILURE() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("99999999999"))) << e.what();
    }
}
