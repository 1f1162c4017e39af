// The whole program over the simulated platform, with a browser that opens its window a little
// after it is launched.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>

#include "sim/sim_platform.h"
#include "ui/application.h"

namespace vexor::testing {

constexpr WindowRect kLaunchedBrowserRect{50, 40, 850, 640};  // size sum 1400
constexpr TrayHostHandles kHostHandles{0x20044, 0x3007};

class AppTest : public ::testing::Test {
protected:
    AppTest() {
        SetLastPopup(0);
        app_.Tray().handles = kHostHandles;
        platform_.shell.onLaunch = [this] {
            toolkit_.After(300, [this] { browser_ = windows_.Create("Blank Page - Internet Explorer", kLaunchedBrowserRect); });
        };
    }

    // Start-up, the snapshot of the launched browser and its close.
    void StartAndSnapshot() {
        ASSERT_TRUE(app_.Start());
        toolkit_.RunFor(5000);
        ASSERT_EQ(lists_.OKWinSizes.Count(), 1);
    }

    // A pop-up that the next tick traps.
    WindowHandle TrapPopup(const std::string& title, WindowRect rect = {300, 300, 700, 600}) {
        WindowHandle popup = windows_.Create(title, rect);
        toolkit_.RunFor(1000);
        EXPECT_FALSE(windows_.Window(popup).visible) << title;
        return popup;
    }
    std::vector<std::string> Titles(const TextList& list) const {
        std::vector<std::string> titles;
        for (int i = 0; i < list.Count(); ++i) titles.push_back(list.At(i));
        return titles;
    }
    std::vector<std::string> Stored() { return registry_.TextValues(kWindowsKeyRoot, kWindowsKeyPath); }
    Timer& Timer1() { return app_.Viewer().GetMonitor().State().Timer1(); }

    sim::SimPlatform platform_;
    sim::SimToolkit& toolkit_ = platform_.toolkit;
    sim::SimWindowSystem& windows_ = platform_.windows;
    sim::SimShell& shell_ = platform_.shell;
    sim::SimRegistry& registry_ = platform_.registry;
    ProgramVersion version_{1, 1, 5};
    int versionReads_ = 0;
    Application app_{PlatformServices{platform_.toolkit, platform_.windows, platform_.registry, platform_.shell,
                                      [this] {
                                          ++versionReads_;
                                          return version_;
                                      }}};
    MonitorLists& lists_ = app_.Viewer().Lists();
    WindowHandle browser_ = 0;
};

}  // namespace vexor::testing
