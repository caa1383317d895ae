// Time to build and encode the largest page: a 31-day month in the Sunday-left
// week grid with six day rows, memo cells and kanji labels.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "html/file.h"
#include "html/page.h"

namespace {

// March 2025 begins on a Saturday: six lead-in cells and six day rows.
constexpr int kYear = 2025;
constexpr int kMonth = 3;

html::Lines Build() {
    std::int32_t youbiZero = 0, days = 0;
    model::DayTable dayTbl{};
    model::SetUpMonth(kYear, kMonth, youbiZero, days, dayTbl);
    const html::SampleColours samples{{model::clBlack, model::clWhite},
                                      {model::clBlack, model::clFuchsia},
                                      {model::clBlack, model::clAqua},
                                      {model::clBlack, model::clWhite}};
    html::ColourDaysByClass(dayTbl, youbiZero, samples);

    html::Lines doc{"<html>"};
    html::WriteHead(doc, "2025", "3");
    html::BodyInput in;
    in.typeNo = 2;
    in.youbiNo = 3;
    in.memoranNo = 1;
    in.youbi_zero = youbiZero;
    in.tuki_days = days;
    in.dayTbl = &dayTbl;
    in.youbiName = html::SetWeekdayLabels(in.youbiNo);
    html::PrepareColours(dayTbl, samples, in.classColour);
    html::WriteWeekGrid(doc, in);
    html::WriteTail(doc);
    return doc;
}

// The figure that counts: the lines built and encoded from scratch.
void BM_LargestPage(benchmark::State& state) {
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string page = html::EncodeDocument(Build());
        bytes = page.size();
        benchmark::DoNotOptimize(page);
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
// On a shared machine the least disturbed of several repetitions is the
// figure to compare: run with --benchmark_repetitions=N.
BENCHMARK(BM_LargestPage)->ComputeStatistics("min", [](const std::vector<double>& v) {
    return *std::min_element(v.begin(), v.end());
});

// The two halves on their own, to see which one dominates.
void BM_BuildLines(benchmark::State& state) {
    for (auto _ : state) {
        html::Lines doc = Build();
        benchmark::DoNotOptimize(doc);
    }
}
BENCHMARK(BM_BuildLines);

// What any writer of these lines pays at least: the finished lines copied into
// a fresh buffer.
void BM_CopyLines(benchmark::State& state) {
    const html::Lines doc = Build();
    for (auto _ : state) {
        html::Lines copy = doc;
        benchmark::DoNotOptimize(copy);
    }
}
BENCHMARK(BM_CopyLines);

void BM_EncodeLines(benchmark::State& state) {
    const html::Lines doc = Build();
    for (auto _ : state) {
        std::string page = html::EncodeDocument(doc);
        benchmark::DoNotOptimize(page);
    }
}
BENCHMARK(BM_EncodeLines);

}  // namespace
