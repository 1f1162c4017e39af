// Pop-up exposure under Wine: the time from a pop-up's showing to its hiding by the running
// program, over many pop-ups opened at random moments. Expected: spread over one tick (1000 ms)
// plus the platform's latency. Reports p50, p95 and max; never fails.
//   scripts/bench  (runs vexor.exe itself)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "e2e/driver.h"

using namespace vexor;
using namespace vexor::e2e;

namespace {
double NowMs() {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}
}  // namespace

int main(int argc, char** argv) {
    const int popups = argc > 1 ? std::atoi(argv[1]) : 200;
    CleanSlate();
    Vexor vexor;
    const std::string startup = vexor.AwaitStartup();
    if (!startup.empty()) {
        std::printf("start-up: %s\n", startup.c_str());
        return 1;
    }
    std::mt19937 random(2003);
    std::uniform_int_distribution<int> gap(0, 1000);
    std::vector<double> exposure;
    int missed = 0;
    for (int i = 0; i < popups; ++i) {
        Pause(static_cast<DWORD>(gap(random)));  // a random moment relative to the program's tick
        HWND popup = CreateWindowExA(0, "STATIC", ("Exposure " + std::to_string(i) + " - Internet Explorer").c_str(),
                                     WS_OVERLAPPEDWINDOW, 100, 100, 400, 300, nullptr, nullptr, GetModuleHandleA(nullptr),
                                     nullptr);
        const double shown = NowMs();
        ShowWindow(popup, SW_SHOWNORMAL);
        SetForegroundWindow(popup);
        double hidden = 0;
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < 5000) {
            if (!IsWindowVisible(popup)) {
                hidden = NowMs();
                break;
            }
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
            MSG message;
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        }
        if (hidden == 0) {
            ++missed;
        } else {
            exposure.push_back(hidden - shown);
        }
        DestroyWindow(popup);
    }
    vexor.Kill();
    CleanSlate();
    std::sort(exposure.begin(), exposure.end());
    auto at = [&](double q) { return exposure.empty() ? 0.0 : exposure[static_cast<std::size_t>(q * static_cast<double>(exposure.size() - 1))]; };
    std::printf("pop-up exposure over %d pop-ups (%d not hidden within 5 s), ms from showing to hidden\n", popups, missed);
    std::printf("  min %7.1f   p50 %7.1f   p95 %7.1f   max %7.1f\n", at(0), at(0.5), at(0.95), exposure.empty() ? 0.0 : exposure.back());
    return 0;
}
