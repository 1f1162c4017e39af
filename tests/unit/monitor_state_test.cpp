#include <climits>

#include "unit/monitor_fixture.h"

namespace vexor::testing {
namespace {

// What a list control that mirrors the list is told.
struct Mirror : ListObserver {
    std::vector<std::string> told;
    void OnAppended(const std::string& text) override { told.push_back("+" + text); }
    void OnRemoved(int position) override { told.push_back("-" + std::to_string(position)); }
    void OnCleared() override { told.push_back("clear"); }
};

TEST(ListTest, FullListDropsItsOldestEntryFromTextValuesAndMirror) {
    NumberList list;
    for (int i = 0; i < kListCapacity; ++i) list.Append(i);
    Mirror mirror;
    list.SetObserver(&mirror);
    list.Append(-7);
    EXPECT_EQ(list.Count(), kListCapacity);
    EXPECT_EQ(list.At(0), "1");
    EXPECT_EQ(list.ValueAt(0), 1.0);
    EXPECT_FALSE(list.Contains(0));
    EXPECT_TRUE(list.Contains(-7));
    EXPECT_EQ(mirror.told, (std::vector<std::string>{"-0", "+-7"}));
}

TEST(ListTest, NumbersAreKeptAsDecimalTextAndComparedByValue) {
    NumberList list;
    for (std::int32_t value : {INT32_MIN, 0, 65556, 65556}) list.Append(value);
    EXPECT_EQ(list.At(0), "-2147483648");
    EXPECT_EQ(list.Count(), 4);  // duplicates stay
    EXPECT_TRUE(list.Contains(INT32_MIN));
    EXPECT_TRUE(list.Contains(65556));
    EXPECT_FALSE(list.Contains(65557));
}

TEST(ListTest, SelectionFollowsItsEntryAndGoesWithItOrWithAClear) {
    TextList list;
    Mirror mirror;
    list.SetObserver(&mirror);
    for (const char* text : {"a", "b", "c", "d"}) list.Append(text);
    list.Select(2);
    EXPECT_FALSE(list.RemoveAt(-1));
    EXPECT_FALSE(list.RemoveAt(4));
    EXPECT_TRUE(list.RemoveAt(3));  // after the selected entry
    EXPECT_EQ(list.Selected(), 2);
    EXPECT_TRUE(list.RemoveAt(0));  // before it
    EXPECT_EQ(list.Selected(), 1);
    EXPECT_TRUE(list.RemoveAt(1));  // the selected entry itself
    EXPECT_EQ(list.SelectedEntry(), nullptr);
    list.Select(0);
    list.Select(1);  // past the end
    EXPECT_EQ(list.Selected(), -1);
    list.Select(0);
    list.Clear();
    EXPECT_EQ(list.Selected(), -1);
    EXPECT_EQ(mirror.told, (std::vector<std::string>{"+a", "+b", "+c", "+d", "-3", "-0", "-1", "clear"}));
}

using MonitorStateTest = MonitorTest;

TEST_F(MonitorStateTest, SettleDelayLetsEventsRunUntilTheSettleTimersFirstTick) {
    EXPECT_FALSE(monitor_.State().Delaying().Enabled());
    std::vector<std::int64_t> ran;
    for (std::int64_t at : {700, 1999, 2001}) toolkit_.At(at, [&ran, at] { ran.push_back(at); });
    EXPECT_TRUE(monitor_.State().SettleDelay());
    EXPECT_EQ(toolkit_.Now(), kSettlePeriodMs);
    EXPECT_EQ(ran, (std::vector<std::int64_t>{700, 1999}));
    EXPECT_FALSE(monitor_.State().Delaying().Enabled());
}

TEST_F(MonitorStateTest, SnapshotWithoutItsSettleTimerEndsAtOnceAndSaysSo) {
    toolkit_.refuseStart = [this](const Timer& timer) { return &timer == &monitor_.State().Delaying(); };
    int told = 0;
    monitor_.State().settleTimerFailed = [&told] { ++told; };
    EXPECT_FALSE(monitor_.State().SettleDelay());
    WindowHandle browser = windows_.Create("Blank - Internet Explorer", kBrowserRect);
    monitor_.Check().Tick();
    EXPECT_EQ(toolkit_.Now(), 0);
    EXPECT_EQ(told, 1);
    EXPECT_TRUE(windows_.Window(browser).enabled);
    EXPECT_EQ(windows_.Calls().back().operation, "PostMessageA");
    EXPECT_EQ(lists_.OKWinSizes.Count(), 1);
}

}  // namespace
}  // namespace vexor::testing
