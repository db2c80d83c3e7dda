// swl print, test, grid and printers, end to end into PDF and on a recording printer.

#include "ExPreformattedPrinter.h"
#include "PdfProbe.h"
#include "RecordingPrinter.h"
#include "Swl.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace sw;
namespace pp = pdfprobe;
using testprint::Op;

namespace {

struct SwlRun {
    int status;
    QString out;
    QString err;
};

SwlRun runSwl(const QStringList& args) {
    SwlRun r{};
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    swl::Io io{out, err};
    r.status = swl::Run(args, io);
    out.flush();
    err.flush();
    return r;
}

TExPrinterField field(const char* name, double left, double top, double width, uint8_t horz,
                      const char* font, uint8_t print = 1) {
    TExPrinterField f = ZeroField();
    f.Name.assign(QString::fromUtf8(name));
    f.Left = left;
    f.Top = top;
    f.Width = width;
    f.Height = 1;
    f.HorzAlignment = horz;
    f.VertAlignment = 1;
    f.FontName.assign(QString::fromUtf8(font));
    f.FontSize = 12;
    f.Print = print;
    return f;
}

struct Files {
    QTemporaryDir dir;
    QString layout = dir.filePath(QStringLiteral("nota.swl"));
    QString pdf = dir.filePath(QStringLiteral("out.pdf"));

    Files() {
        TExSlatewright doc;
        doc.SetPaperSizeProperty(9);
        doc.AddField(field("Nome", 2, 3, 8, haLeft, "Courier New"));
        doc.AddField(field("Valor", 2, 5, 5, haRight, "Arial"));
        doc.AddField(field("Cidade", 2, 7, 6, haCenter, "Courier New"));
        doc.AddField(field("Oculto", 2, 9, 6, haLeft, "Times New Roman", 0));
        doc.SaveToFile(layout);
    }
    QString write(const char* name, const QByteArray& bytes) const {
        const QString path = dir.filePath(QString::fromUtf8(name));
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path;
    }
};

} // namespace

TEST(SwlPrint, SetValuesLandInTheirFieldsOnOnePage) {
    Files f;
    const SwlRun r = runSwl({QStringLiteral("print"), f.layout, QStringLiteral("--set"),
                             QStringLiteral("nome=Ana & Bia"), QStringLiteral("--set"),
                             QStringLiteral("Valor=1.234,56"), QStringLiteral("--set"),
                             QStringLiteral("Desconto=3"), QStringLiteral("--pdf"), f.pdf});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    int pages = 0;
    pp::pageSize(f.pdf, &pages);
    EXPECT_EQ(pages, 1);
    const auto words = pp::words(f.pdf);
    const pp::Word* ana = pp::find(words, QStringLiteral("Ana"));
    ASSERT_NE(ana, nullptr);
    EXPECT_NEAR(ana->xMin, 2 * pp::PointsPerCm, 0.3);
    EXPECT_NEAR(ana->yMin, 3 * pp::PointsPerCm, 1.0);
    EXPECT_NE(pp::find(words, QStringLiteral("&")), nullptr);
    const pp::Word* value = pp::find(words, QStringLiteral("1.234,56"));
    ASSERT_NE(value, nullptr);
    EXPECT_NEAR(value->xMax, 7 * pp::PointsPerCm, 0.3);

    EXPECT_TRUE(r.err.contains(QStringLiteral("no field named \"Desconto\"")));
    // Each substituted font is named once, with the face that prints in its place.
    EXPECT_EQ(r.err.count(QStringLiteral("font \"Courier New\" is not installed; \"Liberation "
                                         "Mono\" stands in")),
              1);
    EXPECT_EQ(r.err.count(QStringLiteral("font \"Arial\" is not installed; \"Liberation Sans\"")),
              1);
    EXPECT_FALSE(r.err.contains(QStringLiteral("Times"))); // that field does not print
}

TEST(SwlPrint, EachRecordOfACsvFileIsAPage) {
    Files f;
    const QString csv = f.write("dados.csv", "\xEF\xBB\xBFNome,Extra,Cidade\r\n"
                                             "\"Silva, Jo\xC3\xA3o\",x,Recife\r\n"
                                             "\"Maria\nda Paz\",y,\"Ol\"\"inda\"\r\n"
                                             "\r\n"
                                             "Zeca,z,Natal");
    const SwlRun r = runSwl({QStringLiteral("print"), f.layout, QStringLiteral("--set"),
                             QStringLiteral("Cidade=Nenhuma"), QStringLiteral("--set"),
                             QStringLiteral("Valor=9"), QStringLiteral("--data"), csv,
                             QStringLiteral("--pdf"), f.pdf});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.err.count(QStringLiteral("column \"Extra\" names no field")), 1);
    int pages = 0;
    pp::pageSize(f.pdf, &pages);
    EXPECT_EQ(pages, 3);
    const auto words = pp::words(f.pdf);
    EXPECT_NE(pp::find(words, QString::fromUtf8("João"), 1), nullptr);
    EXPECT_NE(pp::find(words, QStringLiteral("Recife"), 1), nullptr);
    EXPECT_NE(pp::find(words, QStringLiteral("9"), 1), nullptr); // --set on every page
    EXPECT_NE(pp::find(words, QStringLiteral("9"), 3), nullptr);
    EXPECT_NE(pp::find(words, QStringLiteral("Ol\"inda"), 2), nullptr);
    EXPECT_NE(pp::find(words, QStringLiteral("Natal"), 3), nullptr);
    EXPECT_EQ(pp::find(words, QStringLiteral("Nenhuma"), 1), nullptr); // the record's value won
    for (const pp::Word& w : words)
        EXPECT_FALSE(w.text == QStringLiteral("x") || w.text == QStringLiteral("z"));
}

TEST(SwlPrint, BadInputFailsWithoutTouchingAnEarlierPdf) {
    Files f;
    const QByteArray earlier = "earlier";
    f.write("out.pdf", earlier);
    struct Case {
        QByteArray csv;
        QString error;
    } cases[] = {
        {"Nome,Cidade\nAna,Recife\nBia\n", QStringLiteral("dados.csv:3: 1 values where the header "
                                                          "has 2 columns")},
        {"Nome\nAna\n\"Bia\n", QStringLiteral("dados.csv:3: a quoted field is not closed")},
        {"Nome\nA\"na\n", QStringLiteral("dados.csv:2: a quote inside a field")},
        {"Nome\n\"Ana\"x\n", QStringLiteral("dados.csv:2: text after the closing quote")},
        {"Nome\n\xFF\xFE\n", QStringLiteral("dados.csv:2: the text is not UTF-8")},
        {"Nome,nome\nA,B\n", QStringLiteral("two columns name the field \"Nome\"")},
        {"Nome\n", QStringLiteral("no records to print")},
        {"", QStringLiteral("no header row")},
    };
    for (const Case& c : cases) {
        const QString csv = f.write("dados.csv", c.csv);
        const SwlRun r = runSwl({QStringLiteral("print"), f.layout, QStringLiteral("--data"), csv,
                                 QStringLiteral("--pdf"), f.pdf});
        EXPECT_EQ(r.status, 1) << c.csv.constData();
        EXPECT_TRUE(r.err.contains(c.error)) << r.err.toStdString();
        QFile pdf(f.pdf);
        pdf.open(QIODevice::ReadOnly);
        EXPECT_EQ(pdf.readAll(), earlier);
    }
    EXPECT_EQ(QDir(f.dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 3)
        << "a part file was left behind";

    const SwlRun missing =
        runSwl({QStringLiteral("print"), f.dir.filePath(QStringLiteral("no.swl")),
                QStringLiteral("--pdf"), f.pdf});
    EXPECT_EQ(missing.status, 1);
    const SwlRun unknownQueue = runSwl(
        {QStringLiteral("grid"), f.layout, QStringLiteral("--printer"), QStringLiteral("Nada")});
    EXPECT_EQ(unknownQueue.status, 1);
    EXPECT_TRUE(unknownQueue.err.contains(QStringLiteral("Impressora desconhecida: Nada")));
}

TEST(SwlPrint, UsageErrorsExitWithTwo) {
    Files f;
    const QStringList cases[] = {
        {QStringLiteral("print"), f.layout},
        {QStringLiteral("print"), QStringLiteral("--pdf"), f.pdf},
        {QStringLiteral("print"), f.layout, QStringLiteral("--pdf")},
        {QStringLiteral("print"), f.layout, QStringLiteral("--pdf"), f.pdf,
         QStringLiteral("--printer"), QStringLiteral("q")},
        {QStringLiteral("print"), f.layout, QStringLiteral("--set"), QStringLiteral("=1"),
         QStringLiteral("--pdf"), f.pdf},
        {QStringLiteral("test"), f.layout, QStringLiteral("--set"), QStringLiteral("a=1"),
         QStringLiteral("--pdf"), f.pdf},
        {QStringLiteral("grid"), f.layout, f.layout, QStringLiteral("--pdf"), f.pdf},
        {QStringLiteral("printers"), QStringLiteral("x")},
    };
    for (const QStringList& args : cases) {
        const SwlRun r = runSwl(args);
        EXPECT_EQ(r.status, 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("usage: swl ")));
    }
    EXPECT_FALSE(QFile::exists(f.pdf));
}

TEST(SwlPrint, TestPageFramesEachPrintedFieldsNameAndGridNumbersTheCentimetres) {
    Files f;
    ASSERT_EQ(runSwl({QStringLiteral("test"), f.layout, QStringLiteral("--pdf"), f.pdf}).status, 0);
    const auto words = pp::words(f.pdf);
    const pp::Word* city = pp::find(words, QStringLiteral("Cidade"));
    ASSERT_NE(city, nullptr);
    EXPECT_NEAR((city->xMin + city->xMax) / 2, 5 * pp::PointsPerCm, 0.5); // centred in 2..8 cm
    EXPECT_NE(pp::find(words, QStringLiteral("Nome")), nullptr);
    EXPECT_EQ(pp::find(words, QStringLiteral("Oculto")), nullptr);
    // The frame of Nome (2..10 cm across, 3..4 cm down) is drawn; Oculto's box stays empty.
    const QImage page = pp::raster(f.pdf, 150);
    const auto px = [](double cm) { return static_cast<int>(cm / 2.54 * 150 + 0.5); };
    EXPECT_TRUE(pp::inked(page, px(6), px(3) - 2, px(7), px(3) + 1));
    EXPECT_FALSE(pp::inked(page, px(1.5), px(8.5), px(9), px(10.5)));

    ASSERT_EQ(runSwl({QStringLiteral("grid"), f.layout, QStringLiteral("--pdf"), f.pdf}).status, 0);
    const auto grid = pp::words(f.pdf);
    EXPECT_EQ(grid.size(), 20u + 29u); // A4: 1..20 across, 1..29 down
    const pp::Word* twenty = nullptr;  // the one along the top, not the one down the side
    for (const pp::Word& w : grid)
        if (w.text == QStringLiteral("20") && w.yMin < pp::PointsPerCm)
            twenty = &w;
    ASSERT_NE(twenty, nullptr);
    EXPECT_NEAR((twenty->xMin + twenty->xMax) / 2, 20 * pp::PointsPerCm, 0.5);
}

TEST(SwlPrint, APrinterQueueGetsTheSameJobAndAFailedMergeEndsIt) {
    Files f;
    testprint::UseRecordingPrinter use;
    const SwlRun list = runSwl({QStringLiteral("printers")});
    EXPECT_EQ(list.status, 0);
    EXPECT_EQ(list.out,
              QStringLiteral("Fila (default): Letter / ANSI A, 215.9 x 279.4 mm, portrait\n"
                             "Outra: Letter / ANSI A, 215.9 x 279.4 mm, portrait\n"));

    const SwlRun ok =
        runSwl({QStringLiteral("print"), f.layout, QStringLiteral("--set"),
                QStringLiteral("Nome=Ana"), QStringLiteral("--printer"), QStringLiteral("Outra")});
    ASSERT_EQ(ok.status, 0) << ok.err.toStdString();
    EXPECT_EQ(use.printer->PrinterName(), QStringLiteral("Outra"));
    EXPECT_EQ(use.printer->paperAtBegin.PaperSize, 9); // the layout's A4
    const auto texts = use.printer->canvas.of(Op::TextRect);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, QStringLiteral("Ana"));
    EXPECT_EQ(texts[0].x, 236); // 2 cm at 300 dpi

    const QString csv = f.write("dados.csv", "Nome\nAna\nBia\n\"Cid\n");
    const SwlRun bad = runSwl({QStringLiteral("print"), f.layout, QStringLiteral("--data"), csv,
                               QStringLiteral("--printer"), QStringLiteral("Fila")});
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(use.printer->begins, 2);
    EXPECT_EQ(use.printer->ends, 2); // the broken merge's job was ended, not left open
    EXPECT_FALSE(use.printer->Printing());
}

TEST(SwlPrint, TheProgramPrintsFromStdinWithoutADisplay) {
    Files f;
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(SW_BINARY_DIR "/tools/swl"),
            {QStringLiteral("print"), f.layout, QStringLiteral("--data"), QStringLiteral("-"),
             QStringLiteral("--pdf"), f.pdf});
    ASSERT_TRUE(p.waitForStarted());
    p.write("Nome,Cidade\nAna,Recife\nBia,Natal\n");
    p.closeWriteChannel();
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    int pages = 0;
    pp::pageSize(f.pdf, &pages);
    EXPECT_EQ(pages, 2);
    const auto words = pp::words(f.pdf);
    EXPECT_NE(pp::find(words, QStringLiteral("Natal"), 2), nullptr);
}
