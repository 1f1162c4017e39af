// What the list commands work on: the monitor's lists and foreground-check timer, the window
// system, the allowed-title store and the toolkit for messages to the user.
#pragma once

#include "monitor/monitor_state.h"
#include "platform/toolkit.h"
#include "platform/window_system.h"
#include "store/allowed_titles.h"

namespace vexor {

constexpr char kSaveFailedMessage[] =
    "The allowed pop-ups could not be saved to the registry.\n\n"
    "Vexor 2003 may not have write access to HKEY_LOCAL_MACHINE\\SOFTWARE\\Tessaly\\Popup\\Windows. "
    "The list shows what is stored now.";

struct CommandContext {
    MonitorState& state;
    WindowSystem& windows;
    AllowedTitleStore& store;
    Toolkit& toolkit;

    TextList& AllowedTitles() { return state.lists.OKPopups; }
    // The allowed-title list refilled from the registry.
    void GetSettings() { store.Load(AllowedTitles()); }
    // Tells the user that the registry does not hold what the list holds.
    void ReportSaveFailure();
};

// Stops the foreground check for a command's edit and puts back the state it had before, so a
// paused monitor stays paused.
class ForegroundCheckHold {
public:
    explicit ForegroundCheckHold(Timer& timer) : timer_(timer), wasRunning_(timer.Enabled()) { timer_.SetEnabled(false); }
    ~ForegroundCheckHold() { timer_.SetEnabled(wasRunning_); }
    ForegroundCheckHold(const ForegroundCheckHold&) = delete;
    ForegroundCheckHold& operator=(const ForegroundCheckHold&) = delete;

private:
    Timer& timer_;
    bool wasRunning_;
};

}  // namespace vexor
