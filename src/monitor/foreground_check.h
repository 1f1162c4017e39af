// The foreground check: once a second, decide whether the foreground window is a browser pop-up.
#pragma once

#include "monitor/monitor_state.h"
#include "platform/window_system.h"
#include "ui/texts.h"

namespace vexor {

constexpr char kCandidateMarker[] = "Internet Explorer";

class ForegroundCheck {
public:
    ForegroundCheck(MonitorState& state, WindowSystem& windows) : state_(state), windows_(windows) {}

    // Timer1's tick. Classifies the foreground browser window: allowed by title, snapshot,
    // known by handle, accepted by size, else trapped.
    void Tick();

    // True while a snapshot waits out its settle delay.
    bool SnapshotRunning() const { return snapshotRunning_; }

private:
    void TakeSnapshot(WindowHandle window, std::int32_t sizeSum);

    MonitorState& state_;
    WindowSystem& windows_;
    bool snapshotRunning_ = false;
};

}  // namespace vexor
