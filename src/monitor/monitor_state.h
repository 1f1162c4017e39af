// The monitor's working data: four ordered text lists, the last pop-up, and three timers with the
// settle delay built on one of them.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <deque>

#include "monitor/lists.h"
#include "platform/toolkit.h"
#include "platform/window_system.h"

namespace vexor {

// The four lists, named after the list controls that hold them.
struct MonitorLists {
    TextList OKPopups;      // allowed titles; position = registry index
    NumberList OKWindows;   // known browsing-window handles
    NumberList OKWinSizes;  // allowed size sums; empty means a snapshot is pending
    TextList LContained;    // titles of trapped pop-ups
};

// The last trapped pop-up: one handle for the whole process, 0 at start, never reset.
WindowHandle LastPopup();
void SetLastPopup(WindowHandle window);

constexpr int kForegroundCheckPeriodMs = 1000;  // Timer1
constexpr int kSizeLearningPeriodMs = 2000;     // Timer2
constexpr int kSettlePeriodMs = 2000;           // Delaying

// Lists and timers as the Popup Viewer creates them: empty lists, Timer1 and Timer2 running,
// the settle timer stopped.
class MonitorState {
public:
    MonitorState(Toolkit& toolkit, std::function<void()> foregroundCheckTick,
                 std::function<void()> sizeLearningTick);

    MonitorLists lists;

    Timer& Timer1() { return *foregroundCheck_; }
    Timer& Timer2() { return *sizeLearning_; }
    Timer& Delaying() { return *settle_; }

    // Enables the settle timer and lets pending events run until its first tick has stopped it,
    // about 2000 ms later. False, at once, when the settle timer cannot be started.
    bool SettleDelay();

    // Told when a snapshot had to go without its settle delay because the settle timer could not
    // be started.
    std::function<void()> settleTimerFailed;

private:
    Toolkit& toolkit_;
    std::unique_ptr<Timer> settle_;
    std::unique_ptr<Timer> sizeLearning_;
    std::unique_ptr<Timer> foregroundCheck_;
};

}  // namespace vexor
