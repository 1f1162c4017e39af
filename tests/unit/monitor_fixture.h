// A monitor over the simulated platform, with the sizes of a browsing window and a pop-up.
#pragma once

#include <gtest/gtest.h>

#include "monitor/monitor.h"
#include "sim/sim_platform.h"

namespace vexor::testing {

constexpr WindowRect kBrowserRect{100, 100, 900, 700};  // size sum 1400
constexpr WindowRect kPopupRect{200, 200, 600, 500};    // size sum 700

class MonitorTest : public ::testing::Test {
protected:
    MonitorTest() { SetLastPopup(0); }
    bool Visible(WindowHandle window) { return windows_.Window(window).visible; }

    sim::SimPlatform platform_;
    sim::SimWindowSystem& windows_ = platform_.windows;
    sim::SimToolkit& toolkit_ = platform_.toolkit;
    Monitor monitor_{toolkit_, windows_};
    MonitorLists& lists_ = monitor_.Lists();
};

}  // namespace vexor::testing
