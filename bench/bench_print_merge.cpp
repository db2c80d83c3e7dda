// links: sw_tools sw_engine sw_platform Qt6::Gui Qt6::PrintSupport
// A 10-field layout merged with 1,000 CSV records into one PDF through swl print, beside a bare
// QPainter drawing the same texts at the same places into a PDF: pages per second of each.

#include "ExPreformattedPrinter.h"
#include "Swl.h"

#include <QFile>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>
#include <memory>

namespace {

constexpr int Records = 1000;
constexpr int Fields = 10;

void ensureApp() {
    static int argc = 1;
    static char name[] = "bench_print_merge";
    static char* argv[] = {name, nullptr};
    static std::unique_ptr<QGuiApplication> app;
    if (!app) {
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
}

struct FieldSpec {
    const char* name;
    double left, top;
    const char* font;
    int size;
};

const FieldSpec specs[Fields] = {
    {"Nome", 2, 3, "Courier New", 12},      {"Endereco", 2, 4, "Courier New", 10},
    {"Cidade", 2, 5, "Arial", 10},          {"Estado", 12, 5, "Arial", 10},
    {"Cep", 15, 5, "Courier New", 10},      {"Data", 15, 2, "Times New Roman", 11},
    {"Valor", 15, 8, "Arial", 12},          {"Extenso", 2, 9, "Times New Roman", 10},
    {"Documento", 2, 11, "Courier New", 9}, {"Observacao", 2, 13, "Arial", 8},
};

QString valueOf(int record, int field) {
    return QStringLiteral("%1 %2-%3")
        .arg(QString::fromUtf8(specs[field].name))
        .arg(record)
        .arg(field * 7919 % 1000);
}

struct Inputs {
    QTemporaryDir dir;
    QString layout = dir.filePath(QStringLiteral("merge.swl"));
    QString csv = dir.filePath(QStringLiteral("records.csv"));
    QString pdf = dir.filePath(QStringLiteral("out.pdf"));

    Inputs() {
        sw::TExSlatewright doc;
        doc.SetPaperSizeProperty(9);
        for (const FieldSpec& s : specs) {
            sw::TExPrinterField f = sw::ZeroField();
            f.Name.assign(QString::fromUtf8(s.name));
            f.Left = s.left;
            f.Top = s.top;
            f.HorzAlignment = 1;
            f.VertAlignment = 1;
            f.FontName.assign(QString::fromUtf8(s.font));
            f.FontSize = s.size;
            f.Print = 1;
            doc.AddField(f);
        }
        doc.SaveToFile(layout);
        QFile out(csv);
        out.open(QIODevice::WriteOnly);
        QStringList header;
        for (const FieldSpec& s : specs)
            header << QString::fromUtf8(s.name);
        out.write(header.join(QLatin1Char(',')).toUtf8() + "\r\n");
        for (int r = 0; r < Records; ++r) {
            QStringList row;
            for (int f = 0; f < Fields; ++f)
                row << valueOf(r, f);
            out.write(row.join(QLatin1Char(',')).toUtf8() + "\r\n");
        }
    }
};

void BM_SwlPrintMerge(benchmark::State& state) {
    ensureApp();
    Inputs in;
    for (auto _ : state) {
        QString outText, errText;
        QTextStream out(&outText), err(&errText);
        sw::swl::Io io{out, err};
        const int status =
            sw::swl::Run({QStringLiteral("print"), in.layout, QStringLiteral("--data"), in.csv,
                          QStringLiteral("--pdf"), in.pdf},
                         io);
        if (status != 0) {
            err.flush();
            state.SkipWithError(errText.toUtf8().constData());
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * Records);
    state.counters["pages/s"] = benchmark::Counter(static_cast<double>(Records),
                                                   benchmark::Counter::kIsIterationInvariantRate);
}

void BM_BareQPainter(benchmark::State& state) {
    ensureApp();
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("bare.pdf"));
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        QPainter painter(&printer);
        const double perCm = printer.resolution() / 2.54;
        QFont fonts[Fields];
        QPoint places[Fields];
        for (int f = 0; f < Fields; ++f) {
            fonts[f] = QFont(QString::fromUtf8(specs[f].font));
            fonts[f].setPointSize(specs[f].size);
            painter.setFont(fonts[f]);
            places[f] = QPoint(static_cast<int>(std::lround(specs[f].left * perCm)),
                               static_cast<int>(std::lround(specs[f].top * perCm)) +
                                   painter.fontMetrics().ascent());
        }
        for (int r = 0; r < Records; ++r) {
            if (r > 0)
                printer.newPage();
            for (int f = 0; f < Fields; ++f) {
                painter.setFont(fonts[f]);
                painter.drawText(places[f], valueOf(r, f));
            }
        }
        painter.end();
    }
    state.SetItemsProcessed(state.iterations() * Records);
    state.counters["pages/s"] = benchmark::Counter(static_cast<double>(Records),
                                                   benchmark::Counter::kIsIterationInvariantRate);
}

} // namespace

BENCHMARK(BM_SwlPrintMerge)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BareQPainter)->Unit(benchmark::kMillisecond)->UseRealTime();
