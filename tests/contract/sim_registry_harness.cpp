#include "contract/registry_harness.h"
#include "sim/sim_registry.h"

namespace vexor::contract {
namespace {

class SimRegistryHarness : public RegistryHarness {
public:
    RegistryApi& Api() override { return registry_; }

private:
    sim::SimRegistry registry_;
};

}  // namespace

std::unique_ptr<RegistryHarness> MakeRegistryHarness() { return std::make_unique<SimRegistryHarness>(); }

}  // namespace vexor::contract
