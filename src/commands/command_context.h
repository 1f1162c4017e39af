// What the list commands work on: the monitor's lists and foreground-check timer, the window
// system and the allowed-title store. A command shows nothing: it returns what happened, and the
// windows turn that into captions and messages.
#pragma once

#include "monitor/monitor_state.h"
#include "platform/window_system.h"
#include "store/allowed_titles.h"

namespace vexor {

struct CommandContext {
    Monitor& monitor;
    WindowSystem& windows;
    AllowedTitleStore& store;

    TextList& AllowedTitles() { return monitor.lists.OKPopups; }
};

// What a command did that the user must hear of.
struct CommandOutcome {
    bool saved = true;          // false: the registry does not hold what the list holds
    bool checkStopped = false;  // the foreground check should run again but could not be started
};

// Refills the allowed-title list from the registry: the Popup Viewer's GetSettings, and the
// reload that follows a command's save.
void LoadAllowedTitles(TextList& titles, AllowedTitleStore& store);

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
