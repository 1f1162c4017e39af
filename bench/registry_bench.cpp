// Registry cost against the real registry (run under Wine): the allowed-title load by one
// enumeration against the pattern of 1000 separate read-value calls, and rewrites of 1000 titles.
// Reports numbers; never fails on speed.
//   scripts/bench
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "commands/release_popup.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_toolkit.h"
#include "platform/win32/win32_window_system.h"
#include "store/allowed_titles.h"

namespace {

using namespace vexor;

double MedianMs(int runs, const std::function<void()>& prepare, const std::function<void()>& work) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        prepare();
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        work();
        QueryPerformanceCounter(&end);
        times.push_back(1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main() {
    win32::Win32RegistryApi api;
    RegistryModule registry(api);
    AllowedTitleStore store(registry);
    constexpr int kTitles = 1000;
    constexpr int kRuns = 5;

    TextList titles;
    for (int i = 0; i < kTitles; ++i) titles.Append("Allowed page number " + std::to_string(i) + " - Internet Explorer");
    auto fill = [&] { store.Rewrite(titles); };
    auto erase = [&] { store.Erase(); };

    TextList loaded;
    // The load as first written: 1000 read-value calls, each opening and closing the key.
    auto loadByReads = [&] {
        loaded.Clear();
        for (int i = 0; i < kTitles; ++i) {
            std::string title = TitleText(registry.ReadValue(kWindowsKeyRoot, kWindowsKeyPath, "Window" + std::to_string(i)));
            if (!title.empty()) loaded.Append(title);
        }
    };
    auto loadByEnumeration = [&] { store.Load(loaded); };
    // The rewrite as first written: delete the key, then one write-value call per title.
    auto rewriteByDeleteAndWrites = [&] {
        registry.DeleteKey(kWindowsKeyRoot, kWindowsKeyPath);
        for (int i = 0; i < titles.Count(); ++i) registry.WriteValue(kWindowsKeyRoot, kWindowsKeyPath, "Window" + std::to_string(i), titles.At(i));
    };
    auto rewrite = [&] { store.Rewrite(titles); };

    const double enumerate = MedianMs(kRuns, fill, loadByEnumeration);
    const double reads = MedianMs(kRuns, fill, loadByReads);
    const double enumerateMissing = MedianMs(kRuns, erase, loadByEnumeration);
    const double readsMissing = MedianMs(kRuns, erase, loadByReads);
    const double rewriteSame = MedianMs(kRuns, fill, rewrite);
    const double rewriteFresh = MedianMs(kRuns, erase, rewrite);
    const double rewriteOld = MedianMs(kRuns, fill, rewriteByDeleteAndWrites);

    // Show Last Popup with 1000 titles stored: append, retitle, restore, rewrite 1001 titles.
    win32::Win32Toolkit toolkit;
    win32::Win32WindowSystem windows;
    MonitorState state(toolkit, [] {}, [] {});
    state.Timer1().SetEnabled(false);
    state.Timer2().SetEnabled(false);
    CommandContext context{state, windows, store, toolkit};
    HWND popup = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    SetLastPopup(win32::FromHwnd(popup));
    const double showLast = MedianMs(
        kRuns,
        [&] {
            fill();
            store.Load(state.lists.OKPopups);
            SetWindowTextA(popup, "A pop-up the user wants - Internet Explorer");
            ShowWindow(popup, SW_HIDE);
        },
        [&] { ShowLastPopup(context); });
    DestroyWindow(popup);
    store.Erase();

    std::printf("registry cost, %d titles, median of %d runs (ms)\n", kTitles, kRuns);
    std::printf("  load, one enumeration          %9.2f\n", enumerate);
    std::printf("  load, 1000 read-value calls    %9.2f   (%.1fx the enumeration)\n", reads, reads / enumerate);
    std::printf("  load, key missing, enumeration %9.2f\n", enumerateMissing);
    std::printf("  load, key missing, 1000 reads  %9.2f\n", readsMissing);
    std::printf("  rewrite over the same titles   %9.2f\n", rewriteSame);
    std::printf("  rewrite into a missing key     %9.2f\n", rewriteFresh);
    std::printf("  delete key + 1000 writes       %9.2f   (the unsafe pattern, for comparison)\n", rewriteOld);
    std::printf("  Show Last Popup, 1000 stored   %9.2f\n", showLast);
    return 0;
}
