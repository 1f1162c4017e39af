#include "contract/window_harness.h"
#include "sim/sim_window_system.h"

namespace vexor::contract {
namespace {

class SimWindowHarness : public WindowHarness {
public:
    WindowSystem& Windows() override { return windows_; }
    WindowHandle Create(const std::string& title, WindowRect rect, bool visible) override {
        return windows_.Create(title, rect, visible);
    }
    void Destroy(WindowHandle window) override { windows_.Destroy(window); }
    void Maximize(WindowHandle window) override { windows_.Maximize(window); }
    bool IsEnabled(WindowHandle window) override { return windows_.Window(window).enabled; }
    bool Exists(WindowHandle window) override { return windows_.Exists(window); }
    void DeliverPosted() override { windows_.DeliverPostedMessages(); }

private:
    sim::SimWindowSystem windows_;
};

}  // namespace

std::unique_ptr<WindowHarness> MakeWindowHarness() { return std::make_unique<SimWindowHarness>(); }

}  // namespace vexor::contract
