// The simulated platform in one piece: posted messages arrive at the next turn of the event pump.
#pragma once

#include "sim/sim_registry.h"
#include "sim/sim_shell.h"
#include "sim/sim_toolkit.h"
#include "sim/sim_window_system.h"

namespace vexor::sim {

struct SimPlatform {
    SimToolkit toolkit;
    SimWindowSystem windows;
    SimRegistry registry;
    SimShell shell;

    SimPlatform() {
        windows.SetPostHook([this](std::function<void()> deliver) { toolkit.After(0, std::move(deliver)); });
    }
};

}  // namespace vexor::sim
