// What the list commands work on: the monitor's lists and foreground-check timer, the window
// system, the allowed-title store and the toolkit for messages to the user.
#pragma once

#include <functional>

#include "monitor/monitor_state.h"
#include "platform/toolkit.h"
#include "platform/window_system.h"
#include "store/allowed_titles.h"

namespace vexor {

class ForegroundCheckHold;

struct CommandContext {
    MonitorState& state;
    WindowSystem& windows;
    AllowedTitleStore& store;
    Toolkit& toolkit;
    // The Popup Viewer's GetSettings: the allowed-title list refilled from the registry.
    std::function<void()> getSettings;
    // Told when the foreground check could not be started again, so the pause captions can say
    // that monitoring is paused.
    std::function<void()> foregroundCheckStopped;

    TextList& AllowedTitles() { return state.lists.OKPopups; }
    // Ends a command's edit: the foreground check is put back first, then the user hears of what
    // failed, so that no message waits for an answer while monitoring is held.
    void EndEdit(ForegroundCheckHold& hold, bool saved);
    // Tells the user that the registry does not hold what the list holds.
    void ReportSaveFailure();
    // Tells the user that the foreground check's timer could not be started: monitoring is paused.
    void ReportForegroundCheckFailure();
};

// Stops the foreground check for a command's edit and puts back the state it had before, so a
// paused monitor stays paused.
class ForegroundCheckHold {
public:
    explicit ForegroundCheckHold(Timer& timer) : timer_(timer), wasRunning_(timer.Enabled()) { timer_.SetEnabled(false); }
    ~ForegroundCheckHold() { Release(); }
    ForegroundCheckHold(const ForegroundCheckHold&) = delete;
    ForegroundCheckHold& operator=(const ForegroundCheckHold&) = delete;

    // False when the check should run again but could not be started.
    bool Release() {
        if (released_) return true;
        released_ = true;
        return timer_.SetEnabled(wasRunning_);
    }

private:
    Timer& timer_;
    bool wasRunning_;
    bool released_ = false;
};

}  // namespace vexor
