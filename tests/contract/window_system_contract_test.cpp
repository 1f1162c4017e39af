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

    WindowHandle ClosedWindowHandle() {
        WindowHandle gone = harness_->Create("Contract Gone", {10, 10, 110, 110}, true);
        harness_->Destroy(gone);
        return gone;
    }
};

TEST_F(WindowSystemContract, ReadsTitleVisibilityAndOuterRectangle) {
    WindowHandle window = harness_->Create("Contract Alpha - Internet Explorer", {100, 120, 500, 420}, true);
    EXPECT_GT(windows_.IsWindowVisible(window), 0);
    EXPECT_EQ(ReadWindowTitle(windows_, window), "Contract Alpha - Internet Explorer");
    WindowRect rect;
    EXPECT_NE(windows_.GetWindowRect(window, &rect), 0);
    EXPECT_EQ(rect.left, 100);
    EXPECT_EQ(rect.top, 120);
    EXPECT_EQ(rect.right, 500);
    EXPECT_EQ(rect.bottom, 420);
    EXPECT_EQ(MeasureSizeSum(windows_, window), 700);
}

TEST_F(WindowSystemContract, LongTitleIsCutTo254CharactersByTheBuffer) {
    const std::string longTitle(300, 'x');
    WindowHandle window = harness_->Create(longTitle, {50, 50, 350, 250}, true);
    char buffer[kTitleBufferSize];
    EXPECT_EQ(windows_.GetWindowTextA(window, buffer, kTitleMaxCount), 254);
    EXPECT_EQ(ReadWindowTitle(windows_, window), std::string(254, 'x'));
}

TEST_F(WindowSystemContract, HandleOfAClosedWindowReadsZerosAndLeavesRecordsAlone) {
    WindowHandle gone = ClosedWindowHandle();
    EXPECT_EQ(windows_.IsWindowVisible(gone), 0);

    char buffer[kTitleBufferSize] = "stale";
    EXPECT_EQ(windows_.GetWindowTextA(gone, buffer, kTitleMaxCount), 0);
    EXPECT_EQ(ReadWindowTitle(windows_, gone), "");

    WindowPlacement placement;
    EXPECT_EQ(windows_.GetWindowPlacement(gone, &placement), 0);
    EXPECT_EQ(placement.showCmd, 0u);

    WindowRect rect{1, 2, 3, 4};
    EXPECT_EQ(windows_.GetWindowRect(gone, &rect), 0);
    EXPECT_EQ(rect.left, 1);
    EXPECT_EQ(rect.bottom, 4);
    EXPECT_EQ(MeasureSizeSum(windows_, gone), 0);

    EXPECT_EQ(windows_.SetWindowTextA(gone, "Renamed"), 0);
    EXPECT_EQ(windows_.PostMessageA(gone, kWmClose, 0, 0), 0);
    EXPECT_EQ(windows_.FindWindowA(nullptr, "Contract Gone"), 0);
    EXPECT_EQ(windows_.FindWindowA(nullptr, "Renamed"), 0);
}

TEST_F(WindowSystemContract, NoForegroundWindowReadsAsEmpty) {
    EXPECT_EQ(windows_.IsWindowVisible(0), 0);
    EXPECT_EQ(ReadWindowTitle(windows_, 0), "");
}

TEST_F(WindowSystemContract, FindWindowMatchesWholeTitleIgnoringCaseAndFindsHiddenWindows) {
    WindowHandle hidden = harness_->Create("Contract Hidden Popup", {20, 20, 220, 220}, false);
    EXPECT_EQ(windows_.IsWindowVisible(hidden), 0);
    EXPECT_EQ(windows_.FindWindowA(nullptr, "Contract Hidden Popup"), hidden);
    EXPECT_EQ(windows_.FindWindowA(nullptr, "CONTRACT HIDDEN POPUP"), hidden);
    EXPECT_EQ(windows_.FindWindowA(nullptr, "Contract Hidden"), 0);
}

TEST_F(WindowSystemContract, HideThenRestoreShowsTheWindowAgain) {
    WindowHandle window = harness_->Create("Contract Restore", {30, 40, 330, 240}, true);
    windows_.ShowWindow(window, kSwHide);
    EXPECT_EQ(windows_.IsWindowVisible(window), 0);
    windows_.ShowWindow(window, kSwRestore);
    EXPECT_GT(windows_.IsWindowVisible(window), 0);
    EXPECT_EQ(MeasureSizeSum(windows_, window), 500);
}

TEST_F(WindowSystemContract, PlacementTellsMaximizedAndRestoreReturnsToNormalSize) {
    WindowHandle window = harness_->Create("Contract Max", {60, 70, 460, 370}, true);
    WindowPlacement normal;
    EXPECT_NE(windows_.GetWindowPlacement(window, &normal), 0);
    EXPECT_EQ(normal.showCmd, static_cast<std::uint32_t>(kSwShowNormal));

    harness_->Maximize(window);
    WindowPlacement maximized;
    windows_.GetWindowPlacement(window, &maximized);
    EXPECT_EQ(maximized.showCmd, static_cast<std::uint32_t>(kSwShowMaximized));

    windows_.ShowWindow(window, kSwRestore);
    WindowPlacement restored;
    windows_.GetWindowPlacement(window, &restored);
    EXPECT_EQ(restored.showCmd, static_cast<std::uint32_t>(kSwShowNormal));
    EXPECT_EQ(MeasureSizeSum(windows_, window), 700);
}

TEST_F(WindowSystemContract, SetWindowTextReplacesTheTitle) {
    WindowHandle window = harness_->Create("Contract Old - Internet Explorer", {0, 0, 300, 200}, true);
    EXPECT_NE(windows_.SetWindowTextA(window, "Vexor Allowed Popup"), 0);
    EXPECT_EQ(ReadWindowTitle(windows_, window), "Vexor Allowed Popup");
    EXPECT_EQ(windows_.FindWindowA(nullptr, "Vexor Allowed Popup"), window);
}

TEST_F(WindowSystemContract, EnableWindowTakesTheProgramsTruthValues) {
    WindowHandle window = harness_->Create("Contract Enable", {0, 0, 300, 200}, true);
    windows_.EnableWindow(window, kDisable);
    EXPECT_FALSE(harness_->IsEnabled(window));
    windows_.EnableWindow(window, kEnable);
    EXPECT_TRUE(harness_->IsEnabled(window));
}

TEST_F(WindowSystemContract, PostedCloseArrivesLaterAndDestroysTheWindow) {
    WindowHandle window = harness_->Create("Contract Close", {0, 0, 300, 200}, true);
    EXPECT_NE(windows_.PostMessageA(window, kWmClose, 0, 0), 0);
    EXPECT_TRUE(harness_->Exists(window));  // the caller does not wait
    harness_->DeliverPosted();
    EXPECT_FALSE(harness_->Exists(window));
}

TEST_F(WindowSystemContract, ShownWindowTakesTheForegroundAndHidingGivesItBack) {
    WindowHandle first = harness_->Create("Contract First", {0, 0, 300, 200}, true);
    EXPECT_EQ(windows_.GetForegroundWindow(), first);
    WindowHandle second = harness_->Create("Contract Second", {50, 50, 350, 250}, true);
    EXPECT_EQ(windows_.GetForegroundWindow(), second);
    windows_.ShowWindow(second, kSwHide);
    EXPECT_EQ(windows_.GetForegroundWindow(), first);
}

}  // namespace
}  // namespace vexor::contract
