// The simulated registry's own behaviours that the contract cases cannot show on a real one.
#include <gtest/gtest.h>

#include "sim/sim_registry.h"

namespace vexor::sim {
namespace {

constexpr char kPath[] = "SOFTWARE\\Test";

TEST(SimRegistryTest, ValueThatGrowsBetweenTheTwoQueriesGivesTheFallback) {
    SimRegistry registry;
    RegistryModule module(registry);
    registry.PutText(kHkeyLocalMachine, kPath, "Grows", std::string(2000, 'a'));
    int queries = 0;
    registry.SetBeforeQuery([&] {
        if (++queries == 2) registry.PutText(kHkeyLocalMachine, kPath, "Grows", std::string(4000, 'b'));
    });
    EXPECT_EQ(module.ReadValue(kHkeyLocalMachine, kPath, "Grows", std::string("fallback")),
              RegistryValue(std::string("fallback")));
    EXPECT_EQ(registry.OpenHandles(), 0);
}

TEST(SimRegistryTest, DeniedMachineWritesFailEveryChangeButReadsWork) {
    SimRegistry registry;
    RegistryModule module(registry);
    registry.PutText(kHkeyLocalMachine, kPath, "Window0", "t");
    registry.DenyMachineWrites(true);
    EXPECT_FALSE(module.WriteValue(kHkeyLocalMachine, kPath, "Window1", std::string("u")));
    EXPECT_FALSE(module.WriteValue(kHkeyLocalMachine, "SOFTWARE\\New", "Window0", std::string("u")));
    EXPECT_FALSE(registry.KeyExists(kHkeyLocalMachine, "SOFTWARE\\New"));
    EXPECT_FALSE(module.DeleteKey(kHkeyLocalMachine, kPath));
    EXPECT_EQ(module.ReadValue(kHkeyLocalMachine, kPath, "Window0"), RegistryValue(std::string("t")));
    EXPECT_TRUE(module.WriteValue(kHkeyCurrentUser, kPath, "Window0", std::string("u")));
    EXPECT_EQ(registry.OpenHandles(), 0);
}

TEST(SimRegistryTest, StoppedRegistryChangesNothingMore) {
    SimRegistry registry;
    RegistryModule module(registry);
    registry.StopAnsweringAfter(2);  // open fails, create succeeds, then silence
    EXPECT_FALSE(module.WriteValue(kHkeyLocalMachine, kPath, "Window0", std::string("t")));
    EXPECT_TRUE(registry.KeyExists(kHkeyLocalMachine, kPath));
    EXPECT_EQ(registry.Find(kHkeyLocalMachine, kPath, "Window0"), nullptr);
}

TEST(SimRegistryTest, RefusedKindClosesTheKeyBeforeRaising) {
    SimRegistry registry;
    RegistryModule module(registry);
    EXPECT_THROW(module.WriteValue(kHkeyLocalMachine, kPath, "B", OtherKind::Boolean), RuntimeError);
    EXPECT_EQ(registry.OpenHandles(), 0);
}

}  // namespace
}  // namespace vexor::sim
