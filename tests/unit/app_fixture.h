// The whole program over the simulated platform, not started: tests start it only where start-up
// is what they prove. Controls and menu items are worked through the program's event tables.
#pragma once

#include <gtest/gtest.h>

#include "sim/sim_platform.h"
#include "ui/application.h"

namespace vexor::testing {

using Texts = std::vector<std::string>;
constexpr WindowRect kLaunchedBrowserRect{50, 40, 850, 640};  // size sum 1400

// The rows a list box shows, kept by the changes a list reports, as the viewer's list boxes are.
struct RowMirror : ListObserver {
    Texts rows;
    void OnAppended(const std::string& text) override { rows.push_back(text); }
    void OnRemoved(int position) override { rows.erase(rows.begin() + position); }
    void OnCleared() override { rows.clear(); }
};

struct SimApp : sim::SimPlatform {
    SimApp() {
        SetLastPopup(0);
        app.Tray().handles = {0x20044, 0x3007};
        app.Tray().changed = [this] { ++trayChanges; };
        lists.OKPopups.SetObserver(&allowedRows);
        lists.LContained.SetObserver(&trappedRows);
    }
    // Whatever a test did, the rows on screen are the lists' entries.
    ~SimApp() {
        EXPECT_EQ(allowedRows.rows, lists.OKPopups.Entries());
        EXPECT_EQ(trappedRows.rows, lists.LContained.Entries());
    }

    // A pop-up that the next tick traps, once a browsing size is learned.
    WindowHandle TrapPopup(const std::string& title) {
        if (lists.OKWinSizes.Count() == 0) lists.OKWinSizes.Append(1400);
        WindowHandle popup = windows.Create(title, {300, 300, 700, 600});
        toolkit.RunFor(1000);
        return popup;
    }
    // Titles as an earlier run stored them, loaded into the list.
    void Store(const std::vector<std::pair<std::string, std::string>>& values) {
        for (const auto& [name, title] : values) registry.PutText(sim::kMachine, sim::kTitlesKey, name, title);
        app.Viewer().GetSettings();
    }
    Texts Stored() { return registry.TextValues(sim::kMachine, sim::kTitlesKey); }
    int Told(const std::string& part) const {
        return static_cast<int>(std::count_if(toolkit.boxes.begin(), toolkit.boxes.end(),
                                              [&](auto& box) { return box.text.find(part) != std::string::npos; }));
    }
    Timer& Timer1() { return app.Viewer().GetMonitor().Timer1(); }
    void Fire(int control, ControlEvent event = ControlEvent::Click) { app.Viewer_ControlEvent(control, event); }
    // An event of the tray host window: from the host itself (0), or the icon's notification.
    void Host(ControlEvent event, int source = 0) { app.TrayHost_Event(source, event); }

    ProgramVersion version{1, 1, 5};
    int versionReads = 0, trayChanges = 0;
    Application app{PlatformServices{toolkit, windows, registry, shell, [this] { ++versionReads; return version; }}};
    MonitorLists& lists = app.Viewer().Lists();
    RowMirror allowedRows, trappedRows;
};

struct AppTest : ::testing::Test, SimApp {};

}  // namespace vexor::testing
