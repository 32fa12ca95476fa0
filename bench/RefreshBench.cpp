// One full refresh of the main window model with 29 rows (24 drives of every
// category, four subtotals and the total): survey, thresholds, row removal and
// creation, texts, styles and bars.
#include "drives/RecordedDriveService.h"
#include "os/SystemDriveFile.h"
#include "model/MemoryClipboard.h"
#include "refresh/MainForm.h"

#include <benchmark/benchmark.h>

namespace {

brelvon::Services BenchServices(brelvon::Clipboard& clipboard)
{
    brelvon::Services services;
    services.Drives =
        brelvon::RecordedDriveService::Factory(brelvon::LoadDriveFile(BRELVON_BENCH_DATA "/twenty-four-drives.json"));
    services.SystemClipboard = &clipboard;
    services.Application.ArgumentText = "-Rd1 -Cd1 -Nd1";
    return services;
}

void RefreshWith29Rows(benchmark::State& state)
{
    brelvon::MemoryClipboard clipboard;
    brelvon::MainForm form(BenchServices(clipboard));
    form.Initialize();
    if (form.LastTable().DriveRowCount != 29) state.SkipWithError("expected 29 rows");
    for (auto _ : state) {
        form.Click(form.Window().ButFocus);
        benchmark::DoNotOptimize(form.Window().Text3(29).Text.data());
    }
}
BENCHMARK(RefreshWith29Rows)->Repetitions(10)->ReportAggregatesOnly(true);

void LayoutRefreshWith29Rows(benchmark::State& state)
{
    brelvon::MemoryClipboard clipboard;
    brelvon::MainForm form(BenchServices(clipboard));
    form.Initialize();
    for (auto _ : state) {
        // Two clicks: the network rows go and come back, each with a new layout.
        form.Click(form.Window().CheckNet);
        form.Click(form.Window().CheckNet);
    }
}
BENCHMARK(LayoutRefreshWith29Rows)->Repetitions(10)->ReportAggregatesOnly(true);

void CopyRefreshWith29Rows(benchmark::State& state)
{
    brelvon::MemoryClipboard clipboard;
    brelvon::MainForm form(BenchServices(clipboard));
    form.Initialize();
    for (auto _ : state) form.Click(form.Window().ButCopy);
}
BENCHMARK(CopyRefreshWith29Rows)->Repetitions(10)->ReportAggregatesOnly(true);

// What the window does every few seconds while it is shown: a refresh the
// machine causes, with the same rows (no new layout).
void MachineRefreshWith29Rows(benchmark::State& state)
{
    brelvon::MemoryClipboard clipboard;
    brelvon::MainForm form(BenchServices(clipboard));
    form.Initialize();
    for (auto _ : state) {
        form.MachineChanged();
        benchmark::DoNotOptimize(form.Window().Text3(29).Text.data());
    }
}
BENCHMARK(MachineRefreshWith29Rows)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
