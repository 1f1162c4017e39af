// Size learning: known browsing windows that the user resizes teach new allowed sizes.
#pragma once

#include "monitor/monitor_state.h"
#include "platform/window_system.h"

namespace vexor {

class SizeLearning {
public:
    SizeLearning(MonitorState& state, WindowSystem& windows) : state_(state), windows_(windows) {}

    // Timer2's tick: every known window whose current size sum is non-zero and not yet allowed
    // adds that sum. Closed windows measure 0 and add nothing.
    void Tick();

private:
    MonitorState& state_;
    WindowSystem& windows_;
};

}  // namespace vexor
