// What the window-system contract tests need beyond the interface itself: making real (or
// simulated) windows and looking at them from outside.
#pragma once

#include <memory>
#include <string>

#include "platform/window_system.h"

namespace vexor::contract {

class WindowHarness {
public:
    virtual ~WindowHarness() = default;
    virtual WindowSystem& Windows() = 0;
    // A top-level window whose outer rectangle is rect.
    virtual WindowHandle Create(const std::string& title, WindowRect rect, bool visible) = 0;
    virtual void Destroy(WindowHandle window) = 0;
    virtual void Maximize(WindowHandle window) = 0;
    virtual bool IsEnabled(WindowHandle window) = 0;
    virtual bool Exists(WindowHandle window) = 0;
    // Lets the messages posted so far arrive.
    virtual void DeliverPosted() = 0;
};

// Implemented once for the simulated and once for the real window system.
std::unique_ptr<WindowHarness> MakeWindowHarness();

}  // namespace vexor::contract
