// Start-up cost of the hardware tester: identifying the card (a hidden window
// with an accelerated renderer) and drawing and reading back the test
// pictures. Run it on a display (DISPLAY set, SDL_VIDEODRIVER unset) to time
// a real driver; on the dummy driver it times the path without acceleration.
// Target: well under a second per start.
#include <benchmark/benchmark.h>

#include "platform/HardwareTester.h"

namespace {
void IdentifyAndCheck(benchmark::State& state) {
    bool accelerated = false;
    for (auto _ : state) {
        HardwareTester tester;
        accelerated = tester.Identify().accelerated;
        benchmark::DoNotOptimize(tester.RunChecks());
    }
    state.SetLabel(accelerated ? "accelerated" : "no accelerated renderer");
}
BENCHMARK(IdentifyAndCheck)->Unit(benchmark::kMillisecond);
}  // namespace
