// The monitor: its working data in four ordered text lists and the last pop-up, and three timers
// whose handlers are the foreground check, size learning and the end of the settle delay.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

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

constexpr int kSettlePeriodMs = 2000;  // Delaying

// Lists and timers as the Popup Viewer creates them: empty lists, Timer1 and Timer2 running, the
// settle timer stopped.
class Monitor {
public:
    Monitor(Toolkit& toolkit, WindowSystem& windows);
    Monitor(const Monitor&) = delete;
    Monitor& operator=(const Monitor&) = delete;

    MonitorLists lists;

    Timer& Timer1() { return *timer1_; }
    Timer& Timer2() { return *timer2_; }
    Timer& Delaying() { return *delaying_; }

    // The foreground check (foreground_check.cpp): decides whether the foreground window is a
    // browser pop-up.
    void Timer1_Timer();
    // Size learning (size_learning.cpp): known browsing windows that the user resized teach new
    // allowed sizes.
    void Timer2_Timer();
    // The settle timer's first tick ends the settle delay.
    void Delaying_Timer() { delaying_->SetEnabled(false); }

    // Enables the settle timer and lets pending events run until its first tick has stopped it.
    // False, at once, when the settle timer cannot be started.
    bool SettleDelay();

    // Told of every pop-up the foreground check hides, by its title.
    std::function<void(const std::string& title)> popupHidden;
    // Told when a snapshot had to go without its settle delay because the settle timer could not
    // be started.
    std::function<void()> settleTimerFailed;

private:
    void TakeSnapshot(WindowHandle window, std::int32_t sizeSum);

    Toolkit& toolkit_;
    WindowSystem& windows_;
    bool snapshotRunning_ = false;  // a snapshot waits out its settle delay
    std::unique_ptr<Timer> delaying_;
    std::unique_ptr<Timer> timer2_;
    std::unique_ptr<Timer> timer1_;
};

}  // namespace vexor
