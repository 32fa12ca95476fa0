// One full survey of this machine through the Linux drive service: list the
// drives, then ask each what a survey asks.
#include "os/linux/LinuxDriveServiceFactory.h"

#include <benchmark/benchmark.h>

namespace {

void LinuxSurvey(benchmark::State& state)
{
    const brelvon::DriveServiceFactory factory = brelvon::MakeLinuxDriveServiceFactory();
    for (auto _ : state) {
        const auto service = factory();
        for (const auto& drive : service->Drives()) {
            if (drive->IsReady()) {
                benchmark::DoNotOptimize(drive->VolumeName());
                benchmark::DoNotOptimize(drive->TotalSize());
                benchmark::DoNotOptimize(drive->FreeSpace());
            }
        }
    }
}
BENCHMARK(LinuxSurvey)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
