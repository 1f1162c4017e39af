// What the window-system contract cases need beyond the interface: making real (or simulated)
// windows and letting posted messages arrive.
#pragma once

#include <memory>
#include <string>

#include "platform/window_system.h"

namespace vexor::contract {

class WindowHarness {
public:
    virtual ~WindowHarness() = default;
    virtual WindowSystem& Windows() = 0;
    // A top-level window whose outer rectangle is rect; a visible one is brought to the front.
    virtual WindowHandle Create(const std::string& title, WindowRect rect, bool visible) = 0;
    virtual void DeliverPosted() = 0;
};

// Implemented once for the simulated and once for the real window system.
std::unique_ptr<WindowHarness> MakeWindowHarness();

}  // namespace vexor::contract
