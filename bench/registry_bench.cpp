// Registry cost against the real registry (run under Wine): the allowed-title load in one pass
// against the pattern of 1000 separate read-value calls, and rewrites of 1000 titles, each with
// the number of registry calls it makes. Reports numbers; never fails on speed.
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

// The real registry, counting the calls made through it.
class CountingRegistryApi : public RegistryApi {
public:
    long Calls() const { return calls_; }

    long RegOpenKeyExA(RegistryKey root, const std::string& path, std::uint32_t access, RegistryKey* key) override {
        ++calls_;
        return real_.RegOpenKeyExA(root, path, access, key);
    }
    long RegCreateKeyExA(RegistryKey root, const std::string& path, RegistryKey* key) override {
        ++calls_;
        return real_.RegCreateKeyExA(root, path, key);
    }
    long RegQueryValueExA(RegistryKey key, const std::string& name, std::uint32_t* type, std::uint8_t* data,
                          std::uint32_t* length) override {
        ++calls_;
        return real_.RegQueryValueExA(key, name, type, data, length);
    }
    long RegSetValueExA(RegistryKey key, const std::string& name, std::uint32_t type, const std::uint8_t* data,
                        std::uint32_t length) override {
        ++calls_;
        return real_.RegSetValueExA(key, name, type, data, length);
    }
    long RegDeleteKeyA(RegistryKey root, const std::string& path) override {
        ++calls_;
        return real_.RegDeleteKeyA(root, path);
    }
    long RegCloseKey(RegistryKey key) override {
        ++calls_;
        return real_.RegCloseKey(key);
    }
    long RegEnumValueA(RegistryKey key, std::uint32_t index, char* name, std::uint32_t* nameLength, std::uint32_t* type,
                       std::uint8_t* data, std::uint32_t* dataLength) override {
        ++calls_;
        return real_.RegEnumValueA(key, index, name, nameLength, type, data, dataLength);
    }
    long RegQueryInfoKeyA(RegistryKey key, std::uint32_t* values, std::uint32_t* longestName,
                          std::uint32_t* longestData) override {
        ++calls_;
        return real_.RegQueryInfoKeyA(key, values, longestName, longestData);
    }
    long RegDeleteValueA(RegistryKey key, const std::string& name) override {
        ++calls_;
        return real_.RegDeleteValueA(key, name);
    }

private:
    win32::Win32RegistryApi real_;
    long calls_ = 0;
};

struct Cost {
    double ms;
    long calls;  // of one run; every run makes the same
};

Cost Median(CountingRegistryApi& api, int runs, const std::function<void()>& prepare, const std::function<void()>& work) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> times;
    long calls = 0;
    for (int i = 0; i < runs; ++i) {
        prepare();
        const long callsBefore = api.Calls();
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        work();
        QueryPerformanceCounter(&end);
        calls = api.Calls() - callsBefore;
        times.push_back(1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart));
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], calls};
}

void Report(const char* what, Cost cost, const char* note = "") {
    std::printf("  %-32s %9.2f %6ld%s\n", what, cost.ms, cost.calls, note);
}

}  // namespace

int main() {
    CountingRegistryApi api;
    RegistryModule registry(api);
    AllowedTitleStore store(registry, kListCapacity);
    constexpr int kTitles = 1000;
    constexpr int kRuns = 5;

    std::vector<std::string> titles;
    for (int i = 0; i < kTitles; ++i) titles.push_back("Allowed page number " + std::to_string(i) + " - Internet Explorer");
    auto fill = [&] { store.Rewrite(titles); };
    auto erase = [&] { store.Erase(); };

    std::vector<std::string> loaded;
    // The load as first written: 1000 read-value calls, each opening and closing the key.
    auto loadByReads = [&] {
        loaded.clear();
        for (int i = 0; i < kTitles; ++i) {
            std::string title = TitleText(registry.ReadValue(kWindowsKeyRoot, kWindowsKeyPath, "Window" + std::to_string(i)));
            if (!title.empty()) loaded.push_back(title);
        }
    };
    auto loadInOnePass = [&] { loaded = store.Load(); };
    // The rewrite as first written: delete the key, then one write-value call per title.
    auto rewriteByDeleteAndWrites = [&] {
        registry.DeleteKey(kWindowsKeyRoot, kWindowsKeyPath);
        for (std::size_t i = 0; i < titles.size(); ++i) registry.WriteValue(kWindowsKeyRoot, kWindowsKeyPath, "Window" + std::to_string(i), titles[i]);
    };
    auto rewrite = [&] { store.Rewrite(titles); };

    const Cost onePass = Median(api, kRuns, fill, loadInOnePass);
    const Cost reads = Median(api, kRuns, fill, loadByReads);
    const Cost onePassMissing = Median(api, kRuns, erase, loadInOnePass);
    const Cost readsMissing = Median(api, kRuns, erase, loadByReads);
    const Cost rewriteSame = Median(api, kRuns, fill, rewrite);
    const Cost rewriteFresh = Median(api, kRuns, erase, rewrite);
    const Cost rewriteOld = Median(api, kRuns, fill, rewriteByDeleteAndWrites);

    // Show Last Popup with 1000 titles stored: append, retitle, restore, rewrite 1001 titles.
    win32::Win32Toolkit toolkit;
    win32::Win32WindowSystem windows;
    Monitor monitor(toolkit, windows);
    monitor.Timer1().SetEnabled(false);
    monitor.Timer2().SetEnabled(false);
    CommandContext context{monitor, windows, store};
    HWND popup = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    SetLastPopup(win32::FromHwnd(popup));
    const Cost showLast = Median(
        api, kRuns,
        [&] {
            fill();
            LoadAllowedTitles(monitor.lists.OKPopups, store);
            SetWindowTextA(popup, "A pop-up the user wants - Internet Explorer");
            ShowWindow(popup, SW_HIDE);
        },
        [&] { ShowLastPopup(context); });
    DestroyWindow(popup);
    store.Erase();

    char ratio[64];
    std::snprintf(ratio, sizeof(ratio), "   (%.1fx the one pass)", reads.ms / onePass.ms);
    std::printf("registry cost, %d titles, median of %d runs        ms  calls\n", kTitles, kRuns);
    Report("load, one pass (the program's)", onePass);
    Report("load, 1000 read-value calls", reads, ratio);
    Report("load, key missing, one pass", onePassMissing);
    Report("load, key missing, 1000 reads", readsMissing);
    Report("rewrite over the same titles", rewriteSame);
    Report("rewrite into a missing key", rewriteFresh);
    Report("delete key + 1000 writes", rewriteOld, "   (the unsafe pattern, for comparison)");
    Report("Show Last Popup, 1000 stored", showLast);
    return 0;
}
