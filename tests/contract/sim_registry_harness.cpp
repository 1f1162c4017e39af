#include <gtest/gtest.h>

#include <memory>

#include "sim/sim_registry.h"

namespace vexor::contract {

// Every case closes what it opened, also when write value raises.
struct ClosingCheckedRegistry : sim::SimRegistry {
    ~ClosingCheckedRegistry() override { EXPECT_EQ(OpenHandles(), 0) << "a key was left open"; }
};

std::unique_ptr<RegistryApi> MakeRegistry() { return std::make_unique<ClosingCheckedRegistry>(); }

}  // namespace vexor::contract
