// links: sw_editor
// The editor's field list on large layouts: loading the rows, proposing a free field name, and
// saving the rows back, beside the engine's own load of the same file.

#include "MainLogic.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
class NoDialogs : public sw::TMainDialogs {
public:
    bool Confirm(const QString&) override { return false; }
    QString OpenFileName(const QString&, const QString&) override { return QString(); }
    QString SaveFileName(const QString&, const QString&) override { return QString(); }
    bool EditField(sw::TExPrinterField&) override { return true; }
    bool EditPaper(sw::TPaperInfo&) override { return false; }
    bool InputQuery(const QString&, const QString&, QString&) override { return false; }
    void Information(const QString&) override {}
    bool SelectPrinter() override { return false; }
    void Preview(const std::function<void()>&) override {}
};

// Fields named Campo1 .. CampoN, so a new field's name has to pass all of them.
QString layoutWith(int fields, QTemporaryDir& dir) {
    sw::TExSlatewright doc;
    sw::TExPrinterField f = sw::ZeroField();
    for (int i = 1; i <= fields; ++i) {
        f.Name.assign(QStringLiteral("Campo%1").arg(i));
        f.Left = i * 0.01;
        doc.AddField(f);
    }
    const QString path = dir.filePath(QStringLiteral("rows%1.swl").arg(fields));
    doc.SaveToFile(path);
    return path;
}

void BM_EngineLoad(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = layoutWith(static_cast<int>(state.range(0)), dir);
    sw::TExSlatewright doc;
    for (auto _ : state)
        doc.LoadFromFile(path);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_EngineLoad)->Arg(100)->Arg(5000)->Unit(benchmark::kMillisecond);

void BM_LoadLayoutIntoRows(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = layoutWith(static_cast<int>(state.range(0)), dir);
    NoDialogs dialogs;
    sw::TMainLogic logic(dialogs);
    for (auto _ : state)
        logic.LoadLayout(path);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_LoadLayoutIntoRows)->Arg(100)->Arg(5000)->Unit(benchmark::kMillisecond);

void BM_MakeUniqueFieldName(benchmark::State& state) {
    QTemporaryDir dir;
    NoDialogs dialogs;
    sw::TMainLogic logic(dialogs);
    logic.LoadLayout(layoutWith(static_cast<int>(state.range(0)), dir));
    for (auto _ : state)
        benchmark::DoNotOptimize(logic.Rows().MakeUniqueFieldName(QStringLiteral("Campo")));
}
BENCHMARK(BM_MakeUniqueFieldName)->Arg(100)->Arg(5000)->Unit(benchmark::kMillisecond);

void BM_SaveRows(benchmark::State& state) {
    QTemporaryDir dir;
    NoDialogs dialogs;
    sw::TMainLogic logic(dialogs);
    logic.LoadLayout(layoutWith(static_cast<int>(state.range(0)), dir));
    const QString out = dir.filePath(QStringLiteral("out.swl"));
    for (auto _ : state)
        logic.SaveLayout(out);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SaveRows)->Arg(100)->Arg(5000)->Unit(benchmark::kMillisecond);
} // namespace
