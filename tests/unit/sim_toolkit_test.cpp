// The virtual clock must order events like the real event loop, or scenario tests prove nothing.
#include <gtest/gtest.h>

#include <stdexcept>

#include "sim/sim_toolkit.h"

namespace vexor::sim {
namespace {

TEST(SimToolkitTest, EventsRunInTimeOrderAndAtEqualTimesInTheOrderTheyWereSetUp) {
    SimToolkit toolkit;
    std::string log;
    auto fast = toolkit.CreateTimer(1000, true, [&] { log += 'f'; });
    auto slow = toolkit.CreateTimer(2000, true, [&] { log += 's'; });
    toolkit.At(2000, [&] { log += 'a'; });
    toolkit.After(1500, [&] { log += 'b'; });
    toolkit.RunFor(4000);
    EXPECT_EQ(log, "fbfsaffs");
}

TEST(SimToolkitTest, EnablingARunningTimerKeepsItsCountdownAndAStoppedOneStartsAFullPeriod) {
    SimToolkit toolkit;
    std::vector<std::int64_t> ticks;
    auto timer = toolkit.CreateTimer(2000, true, [&] { ticks.push_back(toolkit.Now()); });
    toolkit.RunFor(1500);
    timer->SetEnabled(true);
    toolkit.RunFor(1000);
    timer->SetEnabled(false);
    timer->SetEnabled(true);
    toolkit.RunUntil(4500);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{2000, 4500}));
}

TEST(SimToolkitTest, NestedPumpingRunsTheSameTimerAgainAndMissedPeriodsCoalesce) {
    SimToolkit toolkit;
    std::vector<std::int64_t> ticks;
    auto timer = toolkit.CreateTimer(1000, true, [&] {
        ticks.push_back(toolkit.Now());
        if (ticks.size() > 1) return;
        toolkit.PumpEvents();  // a settle delay inside a tick lets the same timer tick again
        toolkit.RunFor(3500);  // a long stay inside a handler
    });
    toolkit.RunUntil(7000);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{1000, 2000, 3000, 4000, 5000, 6000, 7000}));
}

TEST(SimToolkitTest, PumpingWithNothingDueFailsInsteadOfHanging) {
    SimToolkit toolkit;
    EXPECT_THROW(toolkit.PumpEvents(), std::logic_error);
}

TEST(SimToolkitTest, MessageBoxLetsEventsRunWhileTheUserThinksThenGivesTheScriptedAnswers) {
    SimToolkit toolkit;
    int ticks = 0;
    auto timer = toolkit.CreateTimer(1000, true, [&] { ++ticks; });
    toolkit.SetUserThinkingMs(3000);
    toolkit.ScriptAnswer(kIdYes);
    EXPECT_EQ(toolkit.ShowMessageBox("Sure?", "Vexor 2003", kMbYesNo), kIdYes);
    EXPECT_EQ(toolkit.ShowMessageBox("Again?", "Vexor 2003", kMbYesNo), kIdNo);  // none left
    EXPECT_EQ(ticks, 6);
    EXPECT_EQ(toolkit.MessageBoxes().size(), 2u);
}

}  // namespace
}  // namespace vexor::sim
