// The whole program over the simulated platform, not started: tests start it only where start-up
// is what they prove. Controls and menu items are worked through the program's event tables.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>

#include "sim/sim_platform.h"
#include "ui/application.h"

namespace vexor::testing {

constexpr WindowRect kLaunchedBrowserRect{50, 40, 850, 640};  // size sum 1400

// The rows a list box shows, kept by the changes a list reports, as the viewer's list boxes are.
struct RowMirror : ListObserver {
    std::vector<std::string> rows;
    void OnAppended(const std::string& text) override { rows.push_back(text); }
    void OnRemoved(int position) override { rows.erase(rows.begin() + position); }
    void OnCleared() override { rows.clear(); }
};

struct SimApp {
    SimApp() {
        SetLastPopup(0);
        app_.Tray().handles = {0x20044, 0x3007};
        app_.Tray().changed = [this] { ++trayChanges_; };
        lists_.OKPopups.SetObserver(&allowedRows_);
        lists_.LContained.SetObserver(&trappedRows_);
    }
    // Whatever a test did, the rows on screen are the lists' entries.
    ~SimApp() {
        EXPECT_EQ(allowedRows_.rows, lists_.OKPopups.Entries());
        EXPECT_EQ(trappedRows_.rows, lists_.LContained.Entries());
    }

    // A pop-up that the next tick traps, once a browsing size is learned.
    WindowHandle TrapPopup(const std::string& title) {
        if (lists_.OKWinSizes.Count() == 0) lists_.OKWinSizes.Append(1400);
        WindowHandle popup = windows_.Create(title, {300, 300, 700, 600});
        toolkit_.RunFor(1000);
        return popup;
    }
    // Titles as an earlier run stored them, loaded into the list.
    void Store(const std::vector<std::pair<std::string, std::string>>& values) {
        for (const auto& [name, title] : values) registry_.PutText(sim::kMachine, sim::kTitlesKey, name, title);
        app_.Viewer().GetSettings();
    }
    std::vector<std::string> Stored() { return registry_.TextValues(sim::kMachine, sim::kTitlesKey); }
    int Told(const std::string& part) const {
        const auto& boxes = toolkit_.MessageBoxes();
        return static_cast<int>(std::count_if(boxes.begin(), boxes.end(), [&](auto& box) { return box.text.find(part) != std::string::npos; }));
    }
    Timer& Timer1() { return app_.Viewer().GetMonitor().Timer1(); }
    void Fire(int control, ControlEvent event = ControlEvent::Click) { app_.Viewer_ControlEvent(control, event); }
    // An event of the tray host window: from the host itself (0), or the icon's notification.
    void Host(ControlEvent event, int source = 0) { app_.TrayHost_Event(source, event); }

    sim::SimPlatform platform_;
    sim::SimToolkit& toolkit_ = platform_.toolkit;
    sim::SimWindowSystem& windows_ = platform_.windows;
    sim::SimShell& shell_ = platform_.shell;
    sim::SimRegistry& registry_ = platform_.registry;
    ProgramVersion version_{1, 1, 5};
    int versionReads_ = 0;
    Application app_{PlatformServices{toolkit_, windows_, registry_, shell_, [this] {
                                          ++versionReads_;
                                          return version_;
                                      }}};
    MonitorLists& lists_ = app_.Viewer().Lists();
    RowMirror allowedRows_, trappedRows_;
    int trayChanges_ = 0;
};

struct AppTest : ::testing::Test, SimApp {};

}  // namespace vexor::testing
