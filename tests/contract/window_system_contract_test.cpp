// One set of cases for the window-system operations, run against the simulated window system
// natively and against user32 under Wine: the simulation must not drift from the platform.
#include <gtest/gtest.h>

#include "contract/window_harness.h"

namespace vexor::contract {
namespace {

class WindowSystemContract : public ::testing::Test {
protected:
    std::unique_ptr<WindowHarness> harness_ = MakeWindowHarness();
    WindowSystem& windows_ = harness_->Windows();

    std::uint32_t ShowState(WindowHandle window) {
        WindowPlacement placement;
        windows_.GetWindowPlacement(window, &placement);
        return placement.showCmd;
    }
};

TEST_F(WindowSystemContract, ReadsTitleVisibilityAndOuterRectangle) {
    WindowHandle window = harness_->Create("Contract Alpha - Internet Explorer", {100, 120, 500, 420}, true);
    EXPECT_GT(windows_.IsWindowVisible(window), 0);
    EXPECT_EQ(ReadWindowTitle(windows_, window), "Contract Alpha - Internet Explorer");
    WindowRect rect;
    EXPECT_NE(windows_.GetWindowRect(window, &rect), 0);
    EXPECT_EQ((std::vector<int>{rect.left, rect.top, rect.right, rect.bottom}), (std::vector<int>{100, 120, 500, 420}));
    EXPECT_EQ(MeasureSizeSum(windows_, window), 700);
}

TEST_F(WindowSystemContract, LongTitleIsCutTo254CharactersByTheBuffer) {
    WindowHandle window = harness_->Create(std::string(300, 'x'), {50, 50, 350, 250}, true);
    char buffer[kTitleBufferSize];
    EXPECT_EQ(windows_.GetWindowTextA(window, buffer, kTitleMaxCount), 254);
    EXPECT_EQ(ReadWindowTitle(windows_, window), std::string(254, 'x'));
}

TEST_F(WindowSystemContract, PostedCloseArrivesLaterAndLeavesAHandleThatReadsZeros) {
    WindowHandle gone = harness_->Create("Contract Gone", {10, 10, 110, 110}, true);
    EXPECT_NE(windows_.PostMessageA(gone, kWmClose, 0, 0), 0);
    EXPECT_EQ(MeasureSizeSum(windows_, gone), 200);  // the caller does not wait
    harness_->DeliverPosted();

    for (WindowHandle window : {gone, WindowHandle{0}}) {  // 0: no foreground window
        EXPECT_EQ(windows_.IsWindowVisible(window), 0);
        EXPECT_EQ(ReadWindowTitle(windows_, window), "");
    }
    WindowPlacement placement;
    EXPECT_EQ(windows_.GetWindowPlacement(gone, &placement), 0);
    EXPECT_EQ(placement.showCmd, 0u);
    WindowRect rect{1, 2, 3, 4};
    EXPECT_EQ(windows_.GetWindowRect(gone, &rect), 0);
    EXPECT_EQ(rect.left + rect.bottom, 5);
    EXPECT_EQ(MeasureSizeSum(windows_, gone), 0);
    EXPECT_EQ(windows_.SetWindowTextA(gone, "Renamed"), 0);
    EXPECT_EQ(windows_.PostMessageA(gone, kWmClose, 0, 0), 0);
    EXPECT_EQ(windows_.FindWindowA(nullptr, "Contract Gone"), 0);
}

TEST_F(WindowSystemContract, FindWindowMatchesTheWholeTitleIgnoringCaseAndFindsHiddenWindows) {
    WindowHandle hidden = harness_->Create("Contract Hidden Popup", {20, 20, 220, 220}, false);
    EXPECT_EQ(windows_.IsWindowVisible(hidden), 0);
    EXPECT_EQ(windows_.FindWindowA(nullptr, "CONTRACT hidden Popup"), hidden);
    EXPECT_EQ(windows_.FindWindowA(nullptr, "Contract Hidden"), 0);
    EXPECT_NE(windows_.SetWindowTextA(hidden, "Vexor Allowed Popup"), 0);
    EXPECT_EQ(ReadWindowTitle(windows_, hidden), "Vexor Allowed Popup");
    EXPECT_EQ(windows_.FindWindowA(nullptr, "Vexor Allowed Popup"), hidden);
}

TEST_F(WindowSystemContract, HiddenWindowGivesTheForegroundBackAndRestoreBringsItToTheFront) {
    WindowHandle first = harness_->Create("Contract First", {0, 0, 300, 200}, true);
    WindowHandle second = harness_->Create("Contract Second", {30, 40, 330, 240}, true);
    EXPECT_EQ(windows_.GetForegroundWindow(), second);
    windows_.ShowWindow(second, kSwHide);
    EXPECT_EQ(windows_.IsWindowVisible(second), 0);
    EXPECT_EQ(windows_.GetForegroundWindow(), first);
    windows_.ShowWindow(second, kSwRestore);
    EXPECT_GT(windows_.IsWindowVisible(second), 0);
    EXPECT_EQ(windows_.GetForegroundWindow(), second);
    EXPECT_EQ(MeasureSizeSum(windows_, second), 500);
}

TEST_F(WindowSystemContract, PlacementTellsMaximizedAndRestoreReturnsToTheNormalSize) {
    WindowHandle window = harness_->Create("Contract Max", {60, 70, 460, 370}, true);
    EXPECT_EQ(ShowState(window), static_cast<std::uint32_t>(kSwShowNormal));
    windows_.ShowWindow(window, kSwShowMaximized);
    EXPECT_EQ(ShowState(window), static_cast<std::uint32_t>(kSwShowMaximized));
    EXPECT_NE(MeasureSizeSum(windows_, window), 700);
    windows_.ShowWindow(window, kSwRestore);
    EXPECT_EQ(ShowState(window), static_cast<std::uint32_t>(kSwShowNormal));
    EXPECT_EQ(MeasureSizeSum(windows_, window), 700);
}

TEST_F(WindowSystemContract, EnableWindowTakesTheProgramsTruthValues) {
    WindowHandle window = harness_->Create("Contract Enable", {0, 0, 300, 200}, true);
    // Each call answers whether the window was disabled before it.
    EXPECT_EQ(windows_.EnableWindow(window, kDisable), 0);
    EXPECT_NE(windows_.EnableWindow(window, kEnable), 0);
    EXPECT_EQ(windows_.EnableWindow(window, kDisable), 0);
}

}  // namespace
}  // namespace vexor::contract
