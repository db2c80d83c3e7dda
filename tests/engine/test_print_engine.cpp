// The print engine's device-pixel arithmetic and job life cycle, on a recording printer.

#include "ExPreformattedPrinter.h"
#include "ExPrinterSettings.h"
#include "RecordingPrinter.h"

#include <QCoreApplication>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>

using namespace sw;
using testprint::Op;
using testprint::UseRecordingPrinter;

namespace {

TExPrinterField field(const char* name, double left, double top, double width = 0,
                      double height = 0, uint8_t horz = 1, uint8_t vert = 1) {
    TExPrinterField f = ZeroField();
    f.Name.assign(QString::fromUtf8(name));
    f.Left = left;
    f.Top = top;
    f.Width = width;
    f.Height = height;
    f.HorzAlignment = horz;
    f.VertAlignment = vert;
    f.FontName.assign(QStringLiteral("Courier New"));
    f.FontSize = 10;
    f.FontStyle = fsBold;
    f.FontColor = 0x0000FF;
    f.Print = 1;
    return f;
}

QString errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const Exception& e) {
        return e.message();
    }
    return {};
}

struct Job {
    UseRecordingPrinter use;
    testprint::RecordingPrinter& p = *use.printer;
    TExSlatewright doc;

    // The last text drawn in a box, after the job was opened.
    Op text() const {
        const auto ops = p.canvas.of(Op::TextRect);
        EXPECT_FALSE(ops.empty());
        return ops.empty() ? Op{} : ops.back();
    }
};

} // namespace

TEST(PrintEngine, AtSixHundredDpiATextSizedBoxStartsAtItsCorner) {
    Job j;
    j.p.dpiX = j.p.dpiY = 600;
    j.doc.AddField(field("Nome", 2.54, 1.27));
    j.doc.BeginPrint();
    j.doc.PrintField(QStringLiteral("Nome"), QStringLiteral("ABC"), false);
    const Op t = j.text();
    EXPECT_EQ(t.x, 600);
    EXPECT_EQ(t.y, 300);
    EXPECT_EQ(t.rect, QRect(600, 300, 30, 20)); // exactly as large as the text
    EXPECT_EQ(t.text, QStringLiteral("ABC"));
    EXPECT_EQ(t.font, (TExCanvasFont{QStringLiteral("Courier New"), 10, fsBold, 0x0000FF}));
    EXPECT_TRUE(j.p.canvas.of(Op::Rectangle).empty());
    j.doc.EndPrint();
}

TEST(PrintEngine, CentredBoxOfFiveCentimetresAtThreeHundredDpi) {
    Job j;
    j.p.canvas.widths.insert(QStringLiteral("Valor"), 101);
    j.doc.AddField(field("Valor", 1, 2, 5, 1, haCenter, vaCenter));
    j.doc.BeginPrint();
    j.doc.PrintField(QStringLiteral("Valor"), QStringLiteral("Valor"), true);
    const int x1 = 118, y1 = 236; // 1 cm and 2 cm
    const Op t = j.text();
    EXPECT_EQ(t.rect, QRect(x1, y1, 591, 118));
    EXPECT_EQ(t.x, x1 + 295 - 50);
    EXPECT_EQ(t.y, y1 + 59 - 10);
    // The frame runs one pixel outside the box on every side.
    const auto frames = j.p.canvas.of(Op::Rectangle);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].rect, QRect(x1 - 1, y1 - 1, 591 + 2, 118 + 2));
    j.doc.EndPrint();
}

TEST(PrintEngine, AlignmentsPlaceTheTextInItsBox) {
    // Box: x 118..118+591, y 236..236+118; text 50 x 20.
    struct Case {
        uint8_t horz, vert;
        int tx, ty;
    } cases[] = {
        {0, 0, 118, 236},              // a field the engine made itself
        {7, 7, 118, 236},              // out of range: left and top
        {haLeft, vaTop, 118, 236},     //
        {haRight, vaBottom, 659, 334}, // 709 - 50, 354 - 20
        {haCenter, vaCenter, 388, 285},
    };
    for (const Case& c : cases) {
        Job j;
        j.doc.AddField(field("F", 1, 2, 5, 1, c.horz, c.vert));
        j.doc.BeginPrint();
        j.doc.PrintField(QStringLiteral("F"), QStringLiteral("12345"), false);
        EXPECT_EQ(j.text().x, c.tx) << int(c.horz);
        EXPECT_EQ(j.text().y, c.ty) << int(c.vert);
        j.doc.EndPrint();
    }
}

TEST(PrintEngine, ValuesAreCutToSizeBytesAndOverflowStaysClippedInTheBox) {
    struct Case {
        uint16_t size;
        QString value, printed;
    } cases[] = {
        {3, QStringLiteral("Total"), QStringLiteral("Tot")},
        {0, QStringLiteral("Total geral"), QStringLiteral("Total geral")},
        {5, QStringLiteral("Tot"), QStringLiteral("Tot")},
        // A character the cut would split is left out whole.
        {4, QString::fromUtf8("Ação"), QString::fromUtf8("Aç")},
    };
    for (const Case& c : cases) {
        Job j;
        TExPrinterField f = field("Total", 0, 0, 1, 0);
        f.Size = c.size;
        j.doc.AddField(f);
        j.doc.BeginPrint();
        j.doc.PrintField(QStringLiteral("Total"), c.value, false);
        const Op t = j.text();
        EXPECT_EQ(t.text, c.printed);
        // Width 1 cm: the clip is 118 pixels wide whatever the text's width.
        EXPECT_EQ(t.rect, QRect(0, 0, 118, 20));
        j.doc.EndPrint();
    }
}

TEST(PrintEngine, UnprintedFieldDrawsNothingWithOrWithoutFrame) {
    Job j;
    TExPrinterField f = field("Oculto", 1, 1, 2, 1);
    f.Print = 0;
    j.doc.AddField(f);
    j.doc.BeginPrint();
    const size_t before = j.p.canvas.ops.size();
    j.doc.PrintField(QStringLiteral("Oculto"), QStringLiteral("x"), false);
    j.doc.PrintField(QStringLiteral("Oculto"), QStringLiteral("x"), true);
    EXPECT_EQ(j.p.canvas.ops.size(), before);
    j.doc.EndPrint();
}

TEST(PrintEngine, NamesMatchWithoutRegardToCaseAndUnknownNamesJoinUnprinted) {
    Job j;
    j.doc.AddField(field("Nome", 1, 1));
    j.doc.BeginPrint();
    j.doc.PrintField(QStringLiteral("NOME"), QStringLiteral("Ana"), false);
    EXPECT_EQ(j.text().text, QStringLiteral("Ana"));

    const size_t before = j.p.canvas.ops.size();
    j.doc.PrintField(QStringLiteral("Cidade"), QStringLiteral("Recife"), true);
    EXPECT_EQ(j.p.canvas.ops.size(), before);
    ASSERT_EQ(j.doc.FieldCount(), 2);
    TExPrinterField added;
    j.doc.GetField(1, added);
    EXPECT_EQ(added.Name.toString(), QStringLiteral("Cidade"));
    EXPECT_EQ(added.Print, 0);
    EXPECT_EQ(added.HorzAlignment, 0);

    // A name that is no identifier is refused, cut to 30 bytes, and the job stays open.
    const QString bad = QStringLiteral("1") + QString(40, QLatin1Char('a'));
    EXPECT_EQ(errorOf([&] { j.doc.PrintField(bad, QStringLiteral("x"), false); }),
              QStringLiteral("ExSlatewright - Nome de campo inválido: ") + bad.left(30));
    EXPECT_EQ(j.doc.FieldCount(), 2);
    EXPECT_TRUE(j.doc.IsPrinting());
    j.doc.EndPrint();
}

TEST(PrintEngine, GridCoversThePrintableAreaEveryCentimetre) {
    Job j; // 2400 x 3300 pixels at 300 dpi
    j.doc.BeginPrint();
    j.p.canvas.ops.clear();
    j.doc.PrintGrid();
    const auto& ops = j.p.canvas.ops;
    ASSERT_FALSE(ops.empty());
    EXPECT_EQ(ops[0].font, (TExCanvasFont{QStringLiteral("Arial"), 8, 0, 0}));

    std::vector<int> vertical, horizontal;
    for (size_t i = 0; i + 1 < ops.size(); ++i) {
        if (ops[i].kind != Op::MoveTo || ops[i + 1].kind != Op::LineTo)
            continue;
        if (ops[i].x == ops[i + 1].x) {
            EXPECT_EQ(ops[i].y, 0);
            EXPECT_EQ(ops[i + 1].y, 3300);
            vertical.push_back(ops[i].x);
        } else {
            EXPECT_EQ(ops[i].x, 0);
            EXPECT_EQ(ops[i + 1].x, 2400);
            EXPECT_EQ(ops[i].y, ops[i + 1].y);
            horizontal.push_back(ops[i].y);
        }
    }
    ASSERT_EQ(vertical.size(), 21u);
    EXPECT_EQ(vertical.front(), 0);
    EXPECT_EQ(vertical[1], 118);
    EXPECT_EQ(vertical.back(), 2362);
    ASSERT_EQ(horizontal.size(), 28u);
    EXPECT_EQ(horizontal.back(), 3189); // 27 cm

    // Labels: 1..20 along the top, 1..27 down the side, none at 0 cm.
    const auto labels = j.p.canvas.of(Op::TextOut);
    ASSERT_EQ(labels.size(), 20u + 27u);
    EXPECT_EQ(labels[0].text, QStringLiteral("1"));
    EXPECT_EQ(labels[0].x, 118 - 5); // half of the 10-pixel label
    EXPECT_EQ(labels[0].y, 12);      // 0.1 cm
    EXPECT_EQ(labels[19].text, QStringLiteral("20"));
    EXPECT_EQ(labels[19].x, 2362 - 10);
    EXPECT_EQ(labels[20].text, QStringLiteral("1"));
    EXPECT_EQ(labels[20].x, 12);
    EXPECT_EQ(labels[20].y, 118 - 10);
    EXPECT_EQ(labels.back().text, QStringLiteral("27"));
    EXPECT_EQ(labels.back().y, 3189 - 10);
    j.doc.EndPrint();
}

TEST(PrintEngine, CentimetresRoundToTheNearestPixel) {
    Job j;
    j.doc.BeginPrint();
    EXPECT_EQ(j.doc.CmToPixelX(1), 118);
    EXPECT_EQ(j.doc.CmToPixelX(2), 236);
    EXPECT_EQ(j.doc.CmToPixelY(-1), -118);
    EXPECT_EQ(j.doc.CmToPixelX(0), 0);
    // Lengths no paper has stay finite instead of overflowing.
    EXPECT_EQ(j.doc.CmToPixelX(1e300), 1000000000);
    EXPECT_EQ(j.doc.CmToPixelY(-1e300), -1000000000);
    EXPECT_EQ(j.doc.CmToPixelX(std::numeric_limits<double>::quiet_NaN()), 0);
    j.doc.EndPrint();
    // Each axis has its own resolution.
    j.p.dpiX = 600;
    j.p.dpiY = 200;
    j.doc.BeginPrint();
    EXPECT_EQ(j.doc.CmToPixelX(2.54), 600);
    EXPECT_EQ(j.doc.CmToPixelY(2.54), 200);
    j.doc.EndPrint();
}

TEST(PrintEngine, PrintingStateGuardsEveryCall) {
    Job j;
    j.doc.AddField(field("Nome", 1, 1));
    const QString notPrinting = QStringLiteral("ExSlatewright - A impressão não foi inicializada");
    EXPECT_EQ(errorOf([&] { j.doc.PrintField(QStringLiteral("Nome"), QStringLiteral("x"), true); }),
              notPrinting);
    EXPECT_EQ(errorOf([&] { j.doc.PrintGrid(); }), notPrinting);
    EXPECT_EQ(errorOf([&] { j.doc.NewPage(); }), notPrinting);
    EXPECT_EQ(errorOf([&] { j.doc.EndPrint(); }), notPrinting);
    EXPECT_TRUE(j.p.canvas.ops.empty());
    EXPECT_EQ(j.p.begins + j.p.ends, 0);

    j.doc.BeginPrint();
    EXPECT_TRUE(j.doc.IsPrinting());
    // The state belongs to the printer: a second document is blocked as well.
    TExSlatewright other;
    for (TExPreformattedPrinter* d : {static_cast<TExPreformattedPrinter*>(&j.doc),
                                      static_cast<TExPreformattedPrinter*>(&other)}) {
        EXPECT_EQ(errorOf([&] { d->BeginPrint(); }),
                  QStringLiteral("ExSlatewright - A impressora está imprimindo"));
        EXPECT_TRUE(other.IsPrinting());
    }
    EXPECT_EQ(j.p.begins, 1);
    j.doc.NewPage();
    EXPECT_EQ(j.p.pages, 2);
    j.doc.EndPrint();
    EXPECT_FALSE(j.doc.IsPrinting());
    EXPECT_EQ(j.p.ends, 1);
}

TEST(PrintEngine, BeginPrintPutsTheLayoutsPaperOnAndEndPrintPutsTheOldOneBack) {
    QCoreApplication::setApplicationName(QStringLiteral("Slatewright Editor"));
    Job j;
    // The printer starts out in landscape A5 (code 11).
    SetPrinterPaper(TDevicePaper{uint16_t(11 | 0x8000), 1480, 2100, DevicePortrait});
    j.doc.SetPaperSizeProperty(0);
    j.doc.SetPaperWidth(21.59);
    j.doc.SetPaperHeight(8.5);
    j.doc.BeginPrint();
    EXPECT_EQ(j.p.titleAtBegin, QStringLiteral("Slatewright Editor - Slatewright"));
    EXPECT_EQ(j.p.paperAtBegin.PaperSize, 0);
    EXPECT_EQ(j.p.paperAtBegin.PaperWidth, 2159); // not 2158: 21.59 x 100 is 2158.99...
    EXPECT_EQ(j.p.paperAtBegin.PaperLength, 850);
    EXPECT_EQ(j.p.paperAtBegin.Orientation, DevicePortrait);
    // Only the brush changes when the job opens: no background behind texts and frames.
    EXPECT_EQ(j.p.canvas.BrushStyle(), bsClear);
    j.doc.EndPrint();

    TDevicePaper after;
    GetPrinterPaper(after);
    EXPECT_EQ(after.PaperSize, 11);
    EXPECT_EQ(after.PaperWidth, 1480);
    EXPECT_EQ(after.PaperLength, 2100);
    EXPECT_EQ(after.Orientation, DeviceLandscape); // the previous orientation, not portrait

    // A landscape layout on a portrait printer: the job is landscape, the printer portrait after.
    SetPrinterPaper(TDevicePaper{9, 2100, 2970, DevicePortrait});
    j.doc.SetPaperSizeProperty(9 | 0x8000);
    j.doc.SetPaperWidth(0);
    j.doc.SetPaperHeight(0);
    j.doc.Title.clear();
    j.doc.BeginPrint();
    EXPECT_EQ(j.p.titleAtBegin, QStringLiteral("Slatewright Editor"));
    EXPECT_EQ(j.p.paperAtBegin.PaperSize, 9);
    EXPECT_EQ(j.p.paperAtBegin.Orientation, DeviceLandscape);
    j.doc.EndPrint();
    GetPrinterPaper(after);
    EXPECT_EQ(after.PaperSize, 9);
    EXPECT_EQ(after.Orientation, DevicePortrait);
}

TEST(PrintEngine, FailedBeginPrintPutsThePreviousPaperBack) {
    Job j;
    j.p.failBegin = true;
    j.doc.SetPaperSizeProperty(5 | 0x8000);
    // The printer's own error passes through without the document's prefix.
    EXPECT_EQ(errorOf([&] { j.doc.BeginPrint(); }), QStringLiteral("no job today"));
    EXPECT_FALSE(j.doc.IsPrinting());
    TDevicePaper paper;
    GetPrinterPaper(paper);
    EXPECT_EQ(paper.PaperSize, 1);
    EXPECT_EQ(paper.PaperWidth, 2159);
    EXPECT_EQ(paper.Orientation, DevicePortrait);
}

TEST(PrintEngine, FailedEndOfDocumentStillPutsThePaperBack) {
    Job j;
    j.p.failEnd = true;
    j.doc.SetPaperSizeProperty(5);
    j.doc.BeginPrint();
    EXPECT_EQ(errorOf([&] { j.doc.EndPrint(); }), QStringLiteral("spooler gone"));
    EXPECT_FALSE(j.doc.IsPrinting());
    TDevicePaper paper;
    GetPrinterPaper(paper);
    EXPECT_EQ(paper.PaperSize, 1);
}

TEST(PrintEngine, CustomPaperThePrinterCannotHoldIsRefusedBeforeTheJob) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double w, h;
        bool ok;
    } cases[] = {
        {327.67, 0.01, true}, {327.68, 10, false}, {10, 500, false}, {0, 10, false},
        {10, -2, false},      {0.001, 10, false},  {nan, 10, false},
    };
    for (const Case& c : cases) {
        Job j;
        j.doc.SetPaperSizeProperty(0 | 0x8000);
        j.doc.SetPaperWidth(c.w);
        j.doc.SetPaperHeight(c.h);
        const QString error = errorOf([&] { j.doc.BeginPrint(); });
        if (c.ok) {
            EXPECT_TRUE(error.isEmpty()) << error.toStdString();
            j.doc.EndPrint();
            continue;
        }
        EXPECT_TRUE(
            error.startsWith(QStringLiteral("ExSlatewright - Papel personalizado inválido")))
            << c.w << " " << error.toStdString();
        EXPECT_FALSE(j.doc.IsPrinting());
        EXPECT_EQ(j.p.begins, 0);
        TDevicePaper paper;
        GetPrinterPaper(paper);
        EXPECT_EQ(paper.PaperSize, 1) << c.w;
    }
    // A standard code keeps working whatever dimensions the layout carries beside it.
    Job j;
    j.doc.SetPaperSizeProperty(9);
    j.doc.SetPaperWidth(1e6);
    j.doc.BeginPrint();
    EXPECT_EQ(j.p.paperAtBegin.PaperSize, 9);
    EXPECT_EQ(j.p.paperAtBegin.PaperWidth, 0);
    j.doc.EndPrint();
}

TEST(PrinterSettings, PaperIsKeptPerPrinterAndAMissingPrinterFailsWithoutPrefix) {
    UseRecordingPrinter use;
    SetPrinterPaper(TDevicePaper{uint16_t(0x8000 | 5), 100, 200, DevicePortrait});
    TDevicePaper paper;
    GetPrinterPaper(paper);
    EXPECT_EQ(paper.PaperSize, 5);
    EXPECT_EQ(paper.Orientation, DeviceLandscape);
    Printer().SetPrinterName(QStringLiteral("Outra"));
    GetPrinterPaper(paper);
    EXPECT_EQ(paper.PaperSize, 1); // its own default
    EXPECT_EQ(GetPrinterPixelsPerInchX(), 300);

    use.printer->queues.clear();
    use.printer->defaultQueue.clear();
    Printer().SetPrinterIndex(-1);
    EXPECT_EQ(errorOf([&] { GetPrinterPaper(paper); }),
              QStringLiteral("Nenhuma impressora selecionada"));
    TExSlatewright doc;
    EXPECT_EQ(errorOf([&] { doc.BeginPrint(); }), QStringLiteral("Nenhuma impressora selecionada"));
    EXPECT_FALSE(doc.IsPrinting());
}

TEST(PrintEngine, GridOnADeviceWithoutResolutionStillEnds) {
    Job j;
    j.p.dpiX = j.p.dpiY = 0; // every centimetre would be pixel 0
    j.doc.BeginPrint();
    j.p.canvas.ops.clear();
    j.doc.PrintGrid();
    EXPECT_EQ(j.p.canvas.of(Op::LineTo).size(), 2u); // the two lines at 0 cm
    EXPECT_TRUE(j.p.canvas.of(Op::TextOut).empty());
    j.doc.EndPrint();
}

TEST(PrintEngine, BoxesStayFiniteForLengthsAndTextsNoPaperHas) {
    Job j;
    j.p.canvas.widths.insert(QStringLiteral("huge"), std::numeric_limits<int>::max());
    j.doc.AddField(field("Longe", 1e300, 1e300, 0, 0, haCenter, vaBottom));
    j.doc.BeginPrint();
    j.doc.PrintField(QStringLiteral("Longe"), QStringLiteral("huge"), true);
    const Op t = j.text();
    EXPECT_EQ(t.rect.left(), 1000000000);
    EXPECT_EQ(t.rect.width(), 1000000000);
    j.doc.EndPrint();
}
