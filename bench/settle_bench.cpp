// The settle delay's processor cost under the real message loop: the program's wait (sleeping in
// MsgWaitForMultipleObjectsEx between events) side by side with a wait written as a spinning
// PeekMessage loop, the way a DoEvents loop waits. Reports CPU time; never fails.
//   scripts/bench
#include <windows.h>

#include <cstdio>

#include "monitor/monitor_state.h"
#include "platform/win32/win32_toolkit.h"
#include "platform/win32/win32_window_system.h"

namespace {

double CpuMs() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto ms = [](const FILETIME& t) {
        return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e4;
    };
    return ms(kernel) + ms(user);
}

double WallMs() {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main() {
    using namespace vexor;
    win32::Win32Toolkit toolkit;
    win32::Win32WindowSystem windows;
    // The monitor's own timers run during the wait, as in the program.
    Monitor state(toolkit, windows);

    double cpu = CpuMs();
    double wall = WallMs();
    state.SettleDelay();
    const double blockingCpu = CpuMs() - cpu;
    const double blockingWall = WallMs() - wall;

    // The same wait, spinning: test the flag, let pending messages run, test again.
    cpu = CpuMs();
    wall = WallMs();
    state.Delaying().SetEnabled(true);
    while (state.Delaying().Enabled()) win32::DispatchPendingMessages();
    const double spinningCpu = CpuMs() - cpu;
    const double spinningWall = WallMs() - wall;

    std::printf("settle delay (2000 ms), CPU time of the process\n");
    std::printf("  blocking wait (the program's)  %7.1f ms CPU over %7.1f ms\n", blockingCpu, blockingWall);
    std::printf("  spinning PeekMessage loop      %7.1f ms CPU over %7.1f ms\n", spinningCpu, spinningWall);
    return 0;
}
