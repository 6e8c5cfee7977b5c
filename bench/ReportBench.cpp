// The heaviest views over the shipped data set: the Year view, a Selection over the year, and
// reading the Year document back. Run: build/veltrin-bench

#include <benchmark/benchmark.h>

#include "reckoning/Calculate.h"
#include "reports/CalendarSystem.h"
#include "reports/RtfReader.h"

namespace veltrin {
namespace {

class YearPanes : public ReportPanes {
  public:
    int VisibleTab() override { return kYearTab; }
};

struct Loaded {
    Loaded() {
        sys.LoadData(VELTRIN_DATA_DIR);
        sys.reports.panes = &panes;
        GoToDate(sys.calendar, kJulian, 1, 6, 2025);
    }
    CalendarSystem sys;
    YearPanes panes;
};

void YearView(benchmark::State& state) {
    Loaded l;
    for (auto _ : state) {
        l.sys.reports.Shown.MakeAllStale();
        l.sys.reports.BuildYearView();
        benchmark::DoNotOptimize(l.sys.reports.Document(kYearTab).size());
    }
}
BENCHMARK(YearView)->Unit(benchmark::kMillisecond);

// The Year view as it was before the fasting line and the readings: the yardstick of their cost.
void YearViewPlain(benchmark::State& state) {
    Loaded l;
    l.sys.settings.ShowFasting = false;
    l.sys.settings.ShowReadings = false;
    for (auto _ : state) {
        l.sys.reports.Shown.MakeAllStale();
        l.sys.reports.BuildYearView();
        benchmark::DoNotOptimize(l.sys.reports.Document(kYearTab).size());
    }
}
BENCHMARK(YearViewPlain)->Unit(benchmark::kMillisecond);

void SelectionOverTheYear(benchmark::State& state) {
    Loaded l;
    for (auto _ : state) {
        l.sys.reports.BuildSelection("мч");
        benchmark::DoNotOptimize(l.sys.reports.Document(kSelectionTab).size());
    }
}
BENCHMARK(SelectionOverTheYear)->Unit(benchmark::kMillisecond);

void ParseYearDocument(benchmark::State& state) {
    Loaded l;
    l.sys.reports.BuildYearView();
    const std::string document = l.sys.reports.Document(kYearTab);
    state.counters["bytes"] = static_cast<double>(document.size());
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseRtf(document).paragraphs.size());
}
BENCHMARK(ParseYearDocument)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace veltrin

BENCHMARK_MAIN();
