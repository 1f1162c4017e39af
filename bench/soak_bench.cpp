// The soak: many pop-ups, one at a time, among browsing windows of the learned size, with Show
// Last Popup, Delete, Delete All, pauses and Hide in between. Reports the running program's
// footprint after the first pop-ups and after the last, and the time it all took. Ends non-zero
// when a pop-up escaped, a title was lost or a figure grew; never on speed.
//   vexor_soak_bench [POPUPS]     500 when not given; scripts/bench runs it
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "e2e/driver.h"

using namespace vexor;
using namespace vexor::e2e;

namespace {

int g_failures = 0;

bool Check(bool ok, const std::string& what) {
    if (!ok) {
        std::printf("soak FAILED: %s\n", what.c_str());
        ++g_failures;
    }
    return ok;
}

// What the platform reports of the program's resources. Wine 8 answers 0 for the handle count,
// private bytes and GDI and USER objects; it does report the working set, and the program's
// windows can be counted from outside.
struct Footprint {
    DWORD handles = 0;
    SIZE_T privateKiB = 0;
    SIZE_T workingSetKiB = 0;
    DWORD gdiObjects = 0;
    DWORD userObjects = 0;
    int windows = 0;
};

BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

Footprint Measure(const Program& program) {
    Footprint f;
    GetProcessHandleCount(program.Handle(), &f.handles);
    PROCESS_MEMORY_COUNTERS_EX memory{};
    if (GetProcessMemoryInfo(program.Handle(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof(memory))) {
        f.privateKiB = memory.PrivateUsage / 1024;
        f.workingSetKiB = memory.WorkingSetSize / 1024;
    }
    f.gdiObjects = GetGuiResources(program.Handle(), GR_GDIOBJECTS);
    f.userObjects = GetGuiResources(program.Handle(), GR_USEROBJECTS);
    for (HWND window = GetTopWindow(nullptr); window != nullptr; window = GetWindow(window, GW_HWNDNEXT)) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process != program.Id()) continue;
        ++f.windows;
        EnumChildWindows(window, CountChild, reinterpret_cast<LPARAM>(&f.windows));
    }
    return f;
}

std::string Reported(unsigned long value, const char* unit) {
    return value == 0 ? std::string("not reported") : std::to_string(value) + unit;
}

void Report(const char* when, const Footprint& f) {
    std::printf("  %-26s working set %lu KiB, %d windows, handles %s, private %s, GDI objects %s, USER objects %s\n",
                when, static_cast<unsigned long>(f.workingSetKiB), f.windows, Reported(f.handles, "").c_str(),
                Reported(static_cast<unsigned long>(f.privateKiB), " KiB").c_str(), Reported(f.gdiObjects, "").c_str(),
                Reported(f.userObjects, "").c_str());
}

// Titles of every kind: plain, longer than the title buffer, with letters above 0x7F, and pairs
// that differ only in case.
std::string SoakTitle(int i) {
    switch (i % 4) {
        case 0:
            return "Soak offer " + std::to_string(i) + " - Internet Explorer";
        case 1:
            return "Soak " + std::to_string(i) + " Internet Explorer " + std::string(280, 'x');
        case 2:
            return "Soak caf\xE9 \xFC" "bersicht \xA9 " + std::to_string(i) + " - Internet Explorer";
        default:
            return std::string(i % 8 == 3 ? "SOAK CASE " : "soak case ") + std::to_string(i / 8) + " - Internet Explorer";
    }
}

// What the program reads of a title: at most 254 characters.
std::string AsRead(const std::string& title) { return title.substr(0, 254); }

}  // namespace

int main(int argc, char** argv) {
    const int popups = argc > 1 ? std::atoi(argv[1]) : 500;
    const DWORD start = GetTickCount();
    CleanSlate();
    Vexor vexor;
    const std::string startup = vexor.AwaitStartup();
    if (!Check(startup.empty(), startup)) return 1;

    std::vector<win32::ScopedWindow> browsing;
    for (const char* title : {"Soak browsing A - Internet Explorer", "Soak browsing B - Internet Explorer"}) {
        browsing.push_back(OpenWindow(title, 800, 600));  // the demo browser's learned size
        Pause(1500);           // a tick sees it and learns its handle
    }

    std::vector<std::string> allowed;
    std::vector<std::string> trapped;
    std::vector<win32::ScopedWindow> hidden;  // pop-ups that must stay hidden
    bool lastIsHidden = false;
    bool paused = false;
    Footprint early;
    const int earlyMark = std::min(100, popups / 4);

    for (int i = 0; i < popups && g_failures == 0; ++i) {
        const std::string title = SoakTitle(i);
        // Width + height from 500 to 647: never the learned 1400.
        win32::ScopedWindow popup = OpenWindow(title, 300 + (i % 50) * 3, 200);
        if (paused) {
            Check(!WaitUntil([&] { return !IsWindowVisible(popup.Get()); }, 1300), "trapped while paused: " + title);
        } else if (Check(WaitUntil([&] { return !IsWindowVisible(popup.Get()); }, 5000), "escaped: " + title)) {
            trapped.push_back(AsRead(title));
            hidden.push_back(std::move(popup));
            lastIsHidden = true;
        }

        if (i % 10 == 3 && lastIsHidden) {  // Show Last Popup from the tray
            HWND last = hidden.back().Get();
            vexor.Choose("Show Last Popup");
            Check(WaitUntil([&] { return IsWindowVisible(last) != FALSE; }), "not shown again: " + trapped.back());
            Check(TextOf(last) == "Vexor Allowed Popup", "not retitled: " + trapped.back());
            allowed.push_back(trapped.back());
            hidden.pop_back();
            lastIsHidden = false;
        }
        if (i % 25 == 7 && !allowed.empty() && Check(vexor.ShowViewer(), "viewer not shown")) {  // Delete the first
            ClickListRow(vexor.viewer, kAllowedList, 0);
            Pause(200);
            ClickControl(vexor.viewer, kDeleteLabel);
            allowed.erase(allowed.begin());
            Check(WaitUntil([&] { return ListRows(vexor.viewer, kAllowedList) == allowed; }), "Delete at " + title);
            Check(vexor.HideViewer(), "viewer not hidden");
        }
        if (i % 50 == 20 && Check(vexor.ShowViewer(), "viewer not shown")) {  // Delete All, confirmed
            ClickControl(vexor.viewer, kDeleteAllLabel);
            HWND box = vexor.AwaitBox();
            Check(box != nullptr && AnswerMessageBox(box, IDYES), "no Delete All question with a Yes");
            allowed.clear();
            Check(WaitUntil([&] { return ListRows(vexor.viewer, kAllowedList).empty(); }), "Delete All at " + title);
            Check(vexor.HideViewer(), "viewer not hidden");
        }
        if (i % 30 == 15 || i % 30 == 18) {  // pause, and three pop-ups later resume
            paused = !paused;
            vexor.Choose("Pause");
            const char* caption = paused ? "Resume" : "Pause";
            Check(WaitUntil([&] { return ControlText(vexor.viewer, kPauseLabel) == caption; }), "pause not toggled");
        }
        if (i % 40 == 33) Check(vexor.ShowViewer() && vexor.HideViewer(), "Hide at " + title);
        if (i + 1 == earlyMark) early = Measure(vexor);
    }
    const Footprint late = Measure(vexor);

    for (const auto& popup : hidden) Check(!IsWindowVisible(popup.Get()), "shown again: " + TextOf(popup.Get()));
    for (const auto& window : browsing) {
        Check(IsWindowVisible(window.Get()) && IsWindowEnabled(window.Get()) &&
                  TextOf(window.Get()).find("Soak browsing") == 0,
              "browsing window touched: " + TextOf(window.Get()));
    }
    if (Check(vexor.ShowViewer(), "viewer not shown")) {
        Check(ListRows(vexor.viewer, kTrappedList) == trapped, "the trapped list lost a title");
        Check(ListRows(vexor.viewer, kAllowedList) == allowed, "the allowed list lost a title");
    }
    std::vector<std::string> stored;
    for (std::size_t i = 0; i < allowed.size(); ++i) stored.push_back("Window" + std::to_string(i) + "=" + allowed[i]);
    std::sort(stored.begin(), stored.end());
    Check(StoredValues() == stored, "the registry does not hold the allowed list");
    // Flat: the lists grow with their entries, the windows and handles do not.
    Check(late.windows == early.windows, "the program's windows grew");
    Check(late.handles <= early.handles + 10, "the handle count grew");
    Check(late.gdiObjects <= early.gdiObjects + 10 && late.userObjects <= early.userObjects + 10, "GDI or USER objects grew");
    Check(late.workingSetKiB <= early.workingSetKiB + 16 * 1024, "the working set grew by more than 16 MiB");

    std::printf("soak of %d pop-ups (%zu trapped and listed, %zu allowed at the end) in %lu s\n", popups, trapped.size(),
                allowed.size(), static_cast<unsigned long>((GetTickCount() - start) / 1000));
    Report("after the first pop-ups:", early);
    Report("after the last pop-up:", late);
    vexor.Kill();
    CleanSlate();
    std::printf(g_failures == 0 ? "soak passed\n" : "soak FAILED (%d)\n", g_failures);
    return g_failures == 0 ? 0 : 1;
}
