#include <gtest/gtest.h>

#include <climits>

#include "unit/monitor_fixture.h"

namespace vexor::testing {
namespace {

TEST(TextListTest, FullListDropsItsOldestEntryToStayWithinSixteenBits) {
    TextList list;
    for (int i = 0; i < kListCapacity; ++i) list.Append(std::to_string(i));
    EXPECT_EQ(list.Count(), 32767);
    list.Append("newest");
    EXPECT_EQ(list.Count(), 32767);
    EXPECT_EQ(list.At(0), "1");
    EXPECT_EQ(list.At(32766), "newest");
}

TEST(TextListTest, RemoveAtAnInvalidPositionChangesNothing) {
    TextList list;
    list.Append("a");
    EXPECT_FALSE(list.RemoveAt(-1));
    EXPECT_FALSE(list.RemoveAt(1));
    EXPECT_EQ(list.Count(), 1);
}

TEST(TextListTest, SelectionFollowsItsEntryAndGoesWithIt) {
    TextList list;
    for (const char* text : {"a", "b", "c"}) list.Append(text);
    list.Select(2);
    list.RemoveAt(0);
    EXPECT_EQ(list.Selected(), 1);
    EXPECT_EQ(*list.SelectedEntry(), "c");
    list.RemoveAt(1);
    EXPECT_EQ(list.Selected(), -1);
    EXPECT_EQ(list.SelectedEntry(), nullptr);
    list.Select(5);
    EXPECT_EQ(list.Selected(), -1);
}

TEST(NumberListTest, WritesDecimalTextAndComparesNumerically) {
    NumberList list;
    list.Append(-2147483647 - 1);
    list.Append(0);
    list.Append(65556);
    list.Append(65556);  // duplicates stay
    EXPECT_EQ(list.At(0), "-2147483648");
    EXPECT_EQ(list.At(1), "0");
    EXPECT_EQ(list.Count(), 4);
    EXPECT_TRUE(list.Contains(INT32_MIN));
    EXPECT_TRUE(list.Contains(65556));
    EXPECT_FALSE(list.Contains(65557));
}

TEST(NumberListTest, FullListKeepsTextAndValuesInStep) {
    NumberList list;
    for (int i = 0; i <= kListCapacity; ++i) list.Append(i);
    EXPECT_EQ(list.Count(), 32767);
    EXPECT_EQ(list.At(0), "1");
    EXPECT_EQ(list.ValueAt(0), 1.0);
    EXPECT_EQ(list.ValueAt(32766), 32767.0);
    EXPECT_FALSE(list.Contains(0));
}

using MonitorStateTest = MonitorTest;

TEST_F(MonitorStateTest, StartsEmptyWithTheCheckAndLearningRunningAndTheSettleTimerStopped) {
    MonitorState& state = monitor_.State();
    EXPECT_EQ(lists_.OKPopups.Count() + lists_.OKWindows.Count() + lists_.OKWinSizes.Count() +
                  lists_.LContained.Count(),
              0);
    EXPECT_TRUE(state.Timer1().Enabled());
    EXPECT_EQ(state.Timer1().IntervalMs(), 1000);
    EXPECT_TRUE(state.Timer2().Enabled());
    EXPECT_EQ(state.Timer2().IntervalMs(), 2000);
    EXPECT_FALSE(state.Delaying().Enabled());
    EXPECT_EQ(state.Delaying().IntervalMs(), 2000);
    EXPECT_EQ(LastPopup(), 0);
}

TEST_F(MonitorStateTest, SettleDelayLetsEventsRunForTwoSecondsAndStopsItsTimer) {
    int ticksDuringDelay = 0;
    toolkit_.At(700, [&] { ++ticksDuringDelay; });
    toolkit_.At(1999, [&] { ++ticksDuringDelay; });
    toolkit_.At(2001, [&] { ++ticksDuringDelay; });
    monitor_.State().SettleDelay();
    EXPECT_EQ(toolkit_.Now(), 2000);
    EXPECT_EQ(ticksDuringDelay, 2);
    EXPECT_FALSE(monitor_.State().Delaying().Enabled());
}

TEST_F(MonitorStateTest, LastPopupOutlivesTheMonitorThatSetItAsOneProcessWideHandle) {
    SetLastPopup(-42);
    {
        sim::SimPlatform other;
        Monitor fresh(other.toolkit, other.windows);
        EXPECT_EQ(LastPopup(), -42);
    }
    EXPECT_EQ(LastPopup(), -42);
}

}  // namespace
}  // namespace vexor::testing
