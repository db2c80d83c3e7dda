// links: sw_engine
// Loading and saving layouts of many fields, beside a plain read of the same file.

#include "ExPreformattedPrinter.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
QString layoutWith(int fields, QTemporaryDir& dir) {
    sw::TExSlatewright doc;
    sw::TExPrinterField f = sw::ZeroField();
    for (int i = 0; i < fields; ++i) {
        f.Name.assign(QStringLiteral("Campo%1").arg(i));
        f.Left = i * 0.01;
        doc.AddField(f);
    }
    const QString path = dir.filePath(QStringLiteral("bench%1.swl").arg(fields));
    doc.SaveToFile(path);
    return path;
}

void BM_LoadFromFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = layoutWith(static_cast<int>(state.range(0)), dir);
    sw::TExSlatewright doc;
    for (auto _ : state) {
        doc.LoadFromFile(path);
        benchmark::DoNotOptimize(doc.FieldCount());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_SaveToFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = layoutWith(static_cast<int>(state.range(0)), dir);
    sw::TExSlatewright doc;
    doc.LoadFromFile(path);
    const QString out = dir.filePath(QStringLiteral("out.swl"));
    for (auto _ : state)
        doc.SaveToFile(out);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The floor: the same bytes read into memory, nothing checked.
void BM_PlainRead(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = layoutWith(static_cast<int>(state.range(0)), dir);
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        QByteArray bytes = file.readAll();
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
} // namespace

BENCHMARK(BM_LoadFromFile)->Arg(1000)->Arg(10000)->Arg(60000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveToFile)->Arg(1000)->Arg(10000)->Arg(60000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlainRead)->Arg(1000)->Arg(10000)->Arg(60000)->Unit(benchmark::kMicrosecond);
