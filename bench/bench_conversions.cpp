// links: sw_controls
// The conversions a field list and the typed edits run for every value shown or typed.

#include "DateTimeFormat.h"
#include "ExConvert.h"
#include "ExDateUtils.h"
#include "LocaleSettings.h"
#include "NumberFormat.h"

#include <benchmark/benchmark.h>

namespace {
const sw::ScopedFormatSettings comma(sw::CommaLocaleSettings());

void BM_FormatFloatLength(benchmark::State& state) {
    const QString pattern = QStringLiteral("0.## cm");
    double v = 0.01;
    for (auto _ : state) {
        benchmark::DoNotOptimize(sw::FormatFloat(pattern, v));
        v += 0.37;
    }
}
BENCHMARK(BM_FormatFloatLength);

void BM_FloatToStr(benchmark::State& state) {
    double v = 0.01;
    for (auto _ : state) {
        benchmark::DoNotOptimize(sw::FloatToStr(v));
        v += 0.37;
    }
}
BENCHMARK(BM_FloatToStr);

void BM_StrToFloat(benchmark::State& state) {
    const QString text = QStringLiteral("12,75");
    for (auto _ : state)
        benchmark::DoNotOptimize(sw::StrToFloat(text));
}
BENCHMARK(BM_StrToFloat);

void BM_StrToDateEx(benchmark::State& state) {
    const QString digits = QStringLiteral("071223");
    const QString locale = QStringLiteral("7/12/2023");
    for (auto _ : state) {
        benchmark::DoNotOptimize(sw::StrToDateEx(digits));
        benchmark::DoNotOptimize(sw::StrToDateEx(locale));
    }
}
BENCHMARK(BM_StrToDateEx);

void BM_DateTimeToStr(benchmark::State& state) {
    const sw::TDateTime v = 45351.5;
    for (auto _ : state)
        benchmark::DoNotOptimize(sw::DateTimeToStr(v));
}
BENCHMARK(BM_DateTimeToStr);

void BM_NormalizeFloat(benchmark::State& state) {
    const QString text = QStringLiteral("2,50");
    for (auto _ : state)
        benchmark::DoNotOptimize(sw::NormalizeValueText(sw::dtFloat, text));
}
BENCHMARK(BM_NormalizeFloat);
} // namespace
