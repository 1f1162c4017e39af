// A monitor over the simulated platform, with browser-window helpers.
#pragma once

#include <gtest/gtest.h>

#include "monitor/monitor.h"
#include "sim/sim_platform.h"

namespace vexor::testing {

constexpr WindowRect kBrowserRect{100, 100, 900, 700};  // size sum 1400
constexpr std::int32_t kBrowserSizeSum = 1400;
constexpr WindowRect kPopupRect{200, 200, 600, 500};    // size sum 700

class MonitorTest : public ::testing::Test {
protected:
    MonitorTest() { SetLastPopup(0); }

    sim::SimPlatform platform_;
    sim::SimWindowSystem& windows_ = platform_.windows;
    sim::SimToolkit& toolkit_ = platform_.toolkit;
    Monitor monitor_{platform_.toolkit, platform_.windows};
    MonitorLists& lists_ = monitor_.Lists();

    // A browser window that was measured by the snapshot, so sizes are learned.
    void LearnBrowserSize(std::int32_t sizeSum = kBrowserSizeSum) { lists_.OKWinSizes.Append(sizeSum); }

    bool Visible(WindowHandle window) const { return windows_.Window(window).visible; }
    const std::string& Title(WindowHandle window) const { return windows_.Window(window).title; }
};

}  // namespace vexor::testing
