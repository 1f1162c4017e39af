// The simulated toolkit and window system wired together: messages posted to a window are
// delivered at the next turn of the event pump, as another process would handle them.
#pragma once

#include "sim/sim_toolkit.h"
#include "sim/sim_window_system.h"

namespace vexor::sim {

struct SimPlatform {
    SimToolkit toolkit;
    SimWindowSystem windows;

    SimPlatform() {
        windows.SetPostHook([this](std::function<void()> deliver) { toolkit.After(0, std::move(deliver)); });
    }
};

}  // namespace vexor::sim
