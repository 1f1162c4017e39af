// Cost of one foreground-check tick against the simulated window system, with N entries in each
// of the allowed-title, known-window and allowed-size lists. Reports; never fails on speed.
//   build/native-bench/vexor_bench
#include <benchmark/benchmark.h>

#include <chrono>

#include "monitor/monitor_state.h"
#include "sim/sim_platform.h"

namespace vexor {
namespace {

enum class Outcome { Known, SizeMatched, Trapped };

constexpr WindowRect kRect{0, 0, 640, 480};  // size sum 1120, learned last

void TickCost(benchmark::State& state, Outcome outcome) {
    const int entries = static_cast<int>(state.range(0));
    sim::SimPlatform platform;
    Monitor monitor(platform.toolkit, platform.windows);
    MonitorLists& lists = monitor.lists;

    // Titles that share the marker, so every comparison reads into the text.
    for (int i = 0; i < entries; ++i) lists.OKPopups.Append("Allowed page " + std::to_string(i) + " - Internet Explorer");
    for (int i = 0; i < entries; ++i) lists.OKWindows.Append(0x20000 + 4 * i);
    for (int i = 0; i < entries; ++i) lists.OKWinSizes.Append(2000 + i);
    if (outcome == Outcome::SizeMatched) lists.OKWinSizes.Append(1120);

    WindowHandle window = platform.windows.Create("Offer - Internet Explorer", kRect);
    if (outcome == Outcome::Known) lists.OKWindows.Append(window);
    const NumberList known = lists.OKWindows;
    const TextList trapped = lists.LContained;

    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        monitor.Timer1_Timer();
        auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        // Put back what the tick changed, outside the timed part.
        lists.OKWindows = known;
        lists.LContained = trapped;
        platform.windows.Window(window).visible = true;
        platform.windows.Activate(window);
    }
    if (outcome == Outcome::Trapped && platform.windows.Window(window).visible != true) state.SkipWithError("not restored");
}

BENCHMARK_CAPTURE(TickCost, known, Outcome::Known)->Arg(0)->Arg(100)->Arg(1000)->Arg(10000)->UseManualTime();
BENCHMARK_CAPTURE(TickCost, size_matched, Outcome::SizeMatched)->Arg(0)->Arg(100)->Arg(1000)->Arg(10000)->UseManualTime();
BENCHMARK_CAPTURE(TickCost, trapped, Outcome::Trapped)->Arg(0)->Arg(100)->Arg(1000)->Arg(10000)->UseManualTime();

}  // namespace
}  // namespace vexor

BENCHMARK_MAIN();
