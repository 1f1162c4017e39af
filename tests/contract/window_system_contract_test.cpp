// One set of cases for the window-system operations, run against the simulated window system
// natively and against user32 under Wine: the simulation must not drift from the platform.
#include <gtest/gtest.h>

#ifdef _WIN32
#include <vector>

#include "platform/win32/win32_window_system.h"
#else
#include "sim/sim_platform.h"
#endif

namespace vexor::contract {
namespace {

#ifdef _WIN32
// Plain top-level windows of a system class, destroyed after each case.
struct Harness {
    win32::Win32WindowSystem windows;
    std::vector<HWND> created;

    ~Harness() { for (HWND window : created) DestroyWindow(window); }  // closed ones fail harmlessly
    WindowHandle Create(const std::string& title, WindowRect r, bool visible) {
        created.push_back(CreateWindowExA(0, "STATIC", title.c_str(), WS_OVERLAPPEDWINDOW | (visible ? WS_VISIBLE : 0),
                                          r.left, r.top, r.right - r.left, r.bottom - r.top, nullptr, nullptr,
                                          nullptr, nullptr));
        DeliverPosted();
        return win32::FromHwnd(created.back());
    }
    void DeliverPosted() {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    }
};
#else
struct Harness : sim::SimPlatform {
    WindowHandle Create(const std::string& title, WindowRect rect, bool visible) {
        return windows.Create(title, rect, visible);
    }
    void DeliverPosted() { toolkit.RunFor(0); }
};
#endif

class WindowSystemContract : public ::testing::Test, protected Harness {
protected:
    int ShowState(WindowHandle window) {
        WindowPlacement placement;
        windows.GetWindowPlacement(window, &placement);
        return static_cast<int>(placement.showCmd);
    }
};

TEST_F(WindowSystemContract, ReadsTheFirst254CharactersOfTheTitleAndTheOuterSizeAndTakesTruthValues) {
    WindowHandle window = Create(std::string(300, 'x'), {100, 120, 500, 420}, true);
    EXPECT_GT(windows.IsWindowVisible(window), 0);
    char buffer[kTitleBufferSize];
    EXPECT_EQ(windows.GetWindowTextA(window, buffer, kTitleMaxCount), 254);
    EXPECT_EQ(ReadWindowTitle(windows, window), std::string(254, 'x'));
    EXPECT_EQ(MeasureSizeSum(windows, window), 700);
    // EnableWindow answers whether the window was disabled before.
    EXPECT_EQ(windows.EnableWindow(window, kDisable), 0);
    EXPECT_NE(windows.EnableWindow(window, kEnable), 0);
    EXPECT_EQ(windows.EnableWindow(window, kDisable), 0);
}

TEST_F(WindowSystemContract, PostedCloseArrivesLaterAndLeavesAHandleThatReadsZerosAndChangesNothing) {
    WindowHandle gone = Create("Contract Gone", {10, 10, 310, 210}, true);
    EXPECT_NE(windows.PostMessageA(gone, kWmClose, 0, 0), 0);
    EXPECT_EQ(MeasureSizeSum(windows, gone), 500);  // the caller does not wait
    DeliverPosted();
    for (WindowHandle window : {gone, WindowHandle{0}}) {  // 0: no foreground window
        EXPECT_EQ(windows.IsWindowVisible(window), 0);
        EXPECT_EQ(ReadWindowTitle(windows, window), "");
    }
    WindowPlacement placement;
    EXPECT_EQ(windows.GetWindowPlacement(gone, &placement), 0);
    EXPECT_EQ(placement.showCmd, 0u);
    EXPECT_EQ(MeasureSizeSum(windows, gone), 0);  // the zero rectangle left as it was
    EXPECT_EQ(windows.SetWindowTextA(gone, "Renamed"), 0);
    EXPECT_EQ(windows.PostMessageA(gone, kWmClose, 0, 0), 0);
    EXPECT_EQ(windows.FindWindowA(nullptr, "Contract Gone"), 0);
}

TEST_F(WindowSystemContract, RetitledHiddenWindowIsFoundByItsWholeTitleInAnyCase) {
    WindowHandle hidden = Create("Contract Hidden Popup", {20, 20, 220, 220}, false);
    EXPECT_NE(windows.SetWindowTextA(hidden, "Vexor Allowed Popup"), 0);
    EXPECT_EQ(ReadWindowTitle(windows, hidden), "Vexor Allowed Popup");
    EXPECT_EQ(windows.FindWindowA(nullptr, "Vexor Allowed"), 0);
    EXPECT_EQ(windows.FindWindowA(nullptr, "vexor allowed popup"), hidden);
}

TEST_F(WindowSystemContract, HidingPassesTheForegroundOnAndRestoreBringsBackTheNormalWindow) {
    WindowHandle first = Create("Contract First", {0, 0, 300, 200}, true);
    WindowHandle second = Create("Contract Second", {30, 40, 330, 240}, true);
    EXPECT_EQ(windows.GetForegroundWindow(), second);
    EXPECT_EQ(ShowState(second), kSwShowNormal);
    windows.ShowWindow(second, kSwShowMaximized);
    EXPECT_EQ(ShowState(second), kSwShowMaximized);
    EXPECT_NE(MeasureSizeSum(windows, second), 500);
    windows.ShowWindow(second, kSwHide);
    EXPECT_EQ(windows.IsWindowVisible(second), 0);
    EXPECT_EQ(windows.GetForegroundWindow(), first);
    windows.ShowWindow(second, kSwRestore);
    EXPECT_GT(windows.IsWindowVisible(second), 0);
    EXPECT_EQ(windows.GetForegroundWindow(), second);
    EXPECT_EQ(ShowState(second), kSwShowNormal);
    EXPECT_EQ(MeasureSizeSum(windows, second), 500);
}

}  // namespace
}  // namespace vexor::contract
