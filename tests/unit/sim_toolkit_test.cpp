// The virtual clock must order events like the real event loop, or scenario tests prove nothing.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "sim/sim_toolkit.h"

namespace vexor::sim {
namespace {

TEST(SimToolkitTest, TimersTickAtTheirPeriodsInTimeOrder) {
    SimToolkit toolkit;
    std::vector<std::pair<std::int64_t, char>> ticks;
    auto fast = toolkit.CreateTimer(1000, true, [&] { ticks.emplace_back(toolkit.Now(), 'f'); });
    auto slow = toolkit.CreateTimer(2000, true, [&] { ticks.emplace_back(toolkit.Now(), 's'); });
    toolkit.RunFor(4000);
    EXPECT_EQ(ticks, (std::vector<std::pair<std::int64_t, char>>{
                         {1000, 'f'}, {2000, 'f'}, {2000, 's'}, {3000, 'f'}, {4000, 'f'}, {4000, 's'}}));
}

TEST(SimToolkitTest, ReenablingARunningTimerKeepsItsCountdown) {
    SimToolkit toolkit;
    int ticks = 0;
    auto timer = toolkit.CreateTimer(2000, true, [&] { ++ticks; });
    toolkit.RunFor(1500);
    timer->SetEnabled(true);
    toolkit.RunFor(500);
    EXPECT_EQ(ticks, 1);
    timer->SetEnabled(false);
    toolkit.RunFor(1000);
    timer->SetEnabled(true);  // a stopped timer starts a full period
    toolkit.RunFor(1999);
    EXPECT_EQ(ticks, 1);
    toolkit.RunFor(1);
    EXPECT_EQ(ticks, 2);
}

TEST(SimToolkitTest, NestedPumpingRunsTheSameTimerAgainAndMissedPeriodsCoalesce) {
    SimToolkit toolkit;
    std::vector<std::int64_t> ticks;
    bool nested = false;
    auto timer = toolkit.CreateTimer(1000, true, [&] {
        ticks.push_back(toolkit.Now());
        if (!nested) {
            nested = true;
            toolkit.PumpEvents();  // a settle delay inside a tick lets the same timer tick again
            toolkit.RunFor(3500);  // a long stay inside a handler
        }
    });
    toolkit.RunUntil(7000);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{1000, 2000, 3000, 4000, 5000, 6000, 7000}));
}

TEST(SimToolkitTest, PumpingWithNothingDueFailsInsteadOfHanging) {
    SimToolkit toolkit;
    EXPECT_THROW(toolkit.PumpEvents(), std::logic_error);
}

TEST(SimToolkitTest, MessageBoxLetsEventsRunWhileTheUserThinks) {
    SimToolkit toolkit;
    int ticks = 0;
    auto timer = toolkit.CreateTimer(1000, true, [&] { ++ticks; });
    toolkit.SetUserThinkingMs(3000);
    toolkit.ScriptAnswer(kIdYes);
    EXPECT_EQ(toolkit.ShowMessageBox("Sure?", "Vexor 2003", 36), kIdYes);
    EXPECT_EQ(toolkit.ShowMessageBox("Again?", "Vexor 2003", 36), kIdNo);
    EXPECT_EQ(ticks, 6);
    ASSERT_EQ(toolkit.MessageBoxes().size(), 2u);
    EXPECT_EQ(toolkit.MessageBoxes()[0].style, 36u);
}

}  // namespace
}  // namespace vexor::sim
