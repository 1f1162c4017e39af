#include "contract/window_harness.h"
#include "sim/sim_platform.h"

namespace vexor::contract {
namespace {

class SimWindowHarness : public WindowHarness {
public:
    WindowSystem& Windows() override { return platform_.windows; }
    WindowHandle Create(const std::string& title, WindowRect rect, bool visible) override {
        return platform_.windows.Create(title, rect, visible);
    }
    void DeliverPosted() override { platform_.toolkit.RunFor(0); }

private:
    sim::SimPlatform platform_;
};

}  // namespace

std::unique_ptr<WindowHarness> MakeWindowHarness() { return std::make_unique<SimWindowHarness>(); }

}  // namespace vexor::contract
