// The monitor as a whole: its state, with the foreground check on Timer1 and size learning on
// Timer2.
#pragma once

#include "monitor/foreground_check.h"
#include "monitor/monitor_state.h"
#include "monitor/size_learning.h"

namespace vexor {

class Monitor {
public:
    // The timers' ticks reach check_ and learning_ only through the event pump, never while this
    // constructor runs, so the timers may be made before the handlers they call.
    Monitor(Toolkit& toolkit, WindowSystem& windows)
        : state_(toolkit, [this] { check_.Tick(); }, [this] { learning_.Tick(); }),
          check_(state_, windows),
          learning_(state_, windows) {}

    Monitor(const Monitor&) = delete;
    Monitor& operator=(const Monitor&) = delete;

    MonitorState& State() { return state_; }
    MonitorLists& Lists() { return state_.lists; }
    ForegroundCheck& Check() { return check_; }
    SizeLearning& Learning() { return learning_; }

private:
    MonitorState state_;
    ForegroundCheck check_;
    SizeLearning learning_;
};

}  // namespace vexor
