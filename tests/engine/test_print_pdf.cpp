// The print engine end to end through Qt: PDF output read back with poppler's tools.

#include "ExPreformattedPrinter.h"
#include "ExPrinterSettings.h"
#include "PdfProbe.h"

#include <QCoreApplication>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace sw;
namespace pp = pdfprobe;

namespace {

TExPrinterField field(const char* name, double left, double top, double width, double height,
                      uint8_t horz = 1, int fontSize = 12) {
    TExPrinterField f = ZeroField();
    f.Name.assign(QString::fromUtf8(name));
    f.Left = left;
    f.Top = top;
    f.Width = width;
    f.Height = height;
    f.HorzAlignment = horz;
    f.VertAlignment = 1;
    f.FontName.assign(QStringLiteral("Courier New"));
    f.FontSize = fontSize;
    f.Print = 1;
    return f;
}

// Selects a PDF file as the printer for one test and forgets it afterwards.
struct PdfOutput {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("out.pdf"));
    PdfOutput() { Printer().SetOutputFileName(path); }
    ~PdfOutput() { Printer().SetOutputFileName(QString()); }
};

} // namespace

TEST(PrintPdf, TextsLandWhereTheLayoutSays) {
    QCoreApplication::setApplicationName(QStringLiteral("Slatewright Editor"));
    PdfOutput out;
    TExSlatewright doc;
    doc.SetPaperSizeProperty(9); // A4
    doc.AddField(field("Cidade", 2, 3, 0, 0));
    doc.AddField(field("Valor", 2, 5, 5, 1, haRight));
    doc.AddField(field("Canto", 0, 0, 0, 0));
    doc.BeginPrint();
    // A PDF page has no unprintable margin: the printable area is the whole A4 sheet (which
    // Qt's PDF writer keeps in whole points, 595 x 842).
    EXPECT_NEAR(Printer().PageWidth(), 595 / 72.0 * 1200, 1);
    EXPECT_NEAR(Printer().PageHeight(), 842 / 72.0 * 1200, 1);
    doc.PrintField(QStringLiteral("Cidade"), QStringLiteral("Recife"), false);
    doc.PrintField(QStringLiteral("Valor"), QStringLiteral("1.234,56"), true);
    doc.PrintField(QStringLiteral("Canto"), QStringLiteral("A&B"), false);
    doc.NewPage();
    doc.PrintField(QStringLiteral("Cidade"), QStringLiteral("Olinda"), false);
    doc.EndPrint();

    int pages = 0;
    const QSizeF size = pp::pageSize(out.path, &pages);
    EXPECT_EQ(pages, 2);
    EXPECT_EQ(pp::info(out.path, QStringLiteral("Title")),
              QStringLiteral("Slatewright Editor - Slatewright")); // the job's name
    EXPECT_NEAR(size.width(), 595.28, 0.5);
    EXPECT_NEAR(size.height(), 841.89, 0.5);

    const auto words = pp::words(out.path);
    const pp::Word* city = pp::find(words, QStringLiteral("Recife"));
    ASSERT_NE(city, nullptr);
    EXPECT_NEAR(city->xMin, 2 * pp::PointsPerCm, 0.3);
    EXPECT_NEAR(city->yMin, 3 * pp::PointsPerCm, 1.0);
    const pp::Word* value = pp::find(words, QStringLiteral("1.234,56"));
    ASSERT_NE(value, nullptr);
    EXPECT_NEAR(value->xMax, 7 * pp::PointsPerCm, 0.3);
    EXPECT_NEAR(value->yMin, 5 * pp::PointsPerCm, 1.0);
    const pp::Word* corner = pp::find(words, QStringLiteral("A&B"));
    ASSERT_NE(corner, nullptr); // the ampersand is drawn, not taken as a mnemonic
    EXPECT_NEAR(corner->xMin, 0, 0.3);
    EXPECT_NEAR(corner->yMin, 0, 1.0);
    const pp::Word* second = pp::find(words, QStringLiteral("Olinda"), 2);
    ASSERT_NE(second, nullptr);
    EXPECT_NEAR(second->xMin, 2 * pp::PointsPerCm, 0.3);
}

TEST(PrintPdf, TextBeyondAFixedWidthIsClippedAtTheBoxEdge) {
    PdfOutput out;
    TExSlatewright doc;
    doc.AddField(field("Nome", 2, 6, 2, 1, haLeft, 14));
    doc.BeginPrint();
    doc.PrintField(QStringLiteral("Nome"), QStringLiteral("WWWWWWWWWWWWWWWWWWWW"), false);
    doc.EndPrint();

    // The clipped word is still whole in the text layer: only a raster shows the cut.
    const QImage page = pp::raster(out.path, 150);
    ASSERT_FALSE(page.isNull());
    const auto px = [](double cm) { return static_cast<int>(cm / 2.54 * 150); };
    EXPECT_TRUE(pp::inked(page, px(2) + 2, px(6), px(4) - 2, px(7)));
    EXPECT_FALSE(pp::inked(page, px(4) + 2, px(5.5), px(12), px(7.5)));
}

TEST(PrintPdf, PaperIsExactEvenNearAStandardSizeAndKeepsItsOrientation) {
    struct Case {
        uint16_t code;
        double w, h;
        double ptW, ptH;
    } cases[] = {
        {0, 21.0, 29.6, 595.28, 839.06}, // a millimetre short of A4 stays short
        {0, 21.59, 8.5, 612.0, 240.94},
        {11 | 0x8000, 0, 0, 595.28, 419.53}, // A5 landscape
    };
    for (const Case& c : cases) {
        PdfOutput out;
        TExSlatewright doc;
        doc.SetPaperSizeProperty(c.code);
        doc.SetPaperWidth(c.w);
        doc.SetPaperHeight(c.h);
        doc.BeginPrint();
        doc.PrintGrid();
        doc.EndPrint();
        const QSizeF size = pp::pageSize(out.path);
        // Qt's PDF writer keeps page sizes in whole points.
        EXPECT_NEAR(size.width(), c.ptW, 0.5) << c.code;
        EXPECT_NEAR(size.height(), c.ptH, 0.5) << c.code;
        // The grid's label for 1 cm sits at the 1 cm line.
        const auto words = pp::words(out.path);
        const pp::Word* one = pp::find(words, QStringLiteral("1"));
        ASSERT_NE(one, nullptr);
        EXPECT_NEAR((one->xMin + one->xMax) / 2, pp::PointsPerCm, 0.5);
    }
}

TEST(PrintPdf, ACallersQPrinterGetsTheSamePages) {
    QTemporaryDir dir;
    const QString own = dir.filePath(QStringLiteral("own.pdf"));
    const QString theirs = dir.filePath(QStringLiteral("theirs.pdf"));
    Printer().SetOutputFileName(own);
    QPrinter preview(QPrinter::HighResolution);
    preview.setOutputFormat(QPrinter::PdfFormat);
    preview.setOutputFileName(theirs);
    TExSlatewright doc;
    doc.SetPaperSizeProperty(0);
    doc.SetPaperWidth(15);
    doc.SetPaperHeight(10);
    doc.AddField(field("Nome", 3, 4, 0, 0));
    {
        TExPrinterAttachment attach(&preview);
        doc.BeginPrint();
        doc.PrintField(QStringLiteral("Nome"), QStringLiteral("Prévia"), false);
        doc.EndPrint();
    }
    EXPECT_EQ(Printer().AttachedPrinter(), nullptr);
    Printer().SetOutputFileName(QString());
    EXPECT_FALSE(QFile::exists(own));
    const QSizeF size = pp::pageSize(theirs);
    EXPECT_NEAR(size.width(), 15 * pp::PointsPerCm, 0.5);
    EXPECT_NEAR(size.height(), 10 * pp::PointsPerCm, 0.5);
    const auto words = pp::words(theirs);
    const pp::Word* w = pp::find(words, QString::fromUtf8("Prévia"));
    ASSERT_NE(w, nullptr);
    EXPECT_NEAR(w->xMin, 3 * pp::PointsPerCm, 0.3);
    EXPECT_NEAR(w->yMin, 4 * pp::PointsPerCm, 1.0);
}

TEST(PrintPdf, AnUnwritablePdfFailsBeginPrintAndLeavesNoJobOpen) {
    Printer().SetOutputFileName(QStringLiteral("/nonexistent-dir/out.pdf"));
    TExSlatewright doc;
    doc.SetPaperSizeProperty(5);
    try {
        doc.BeginPrint();
        ADD_FAILURE() << "BeginPrint succeeded";
    } catch (const EPrinter& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("/nonexistent-dir/out.pdf")));
    }
    EXPECT_FALSE(doc.IsPrinting());
    TDevicePaper paper;
    GetPrinterPaper(paper);
    EXPECT_EQ(paper.PaperSize, 9); // the PDF's A4, not the layout's Legal
    Printer().SetOutputFileName(QString());
}
