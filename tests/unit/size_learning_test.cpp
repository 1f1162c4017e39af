#include <gtest/gtest.h>

#include "unit/monitor_fixture.h"

namespace vexor::testing {
namespace {

using SizeLearningTest = MonitorTest;

TEST_F(SizeLearningTest, EmptyKnownListLearnsNothing) {
    windows_.Create("Home - Internet Explorer", kBrowserRect);
    monitor_.Learning().Tick();
    EXPECT_EQ(lists_.OKWinSizes.Count(), 0);
}

TEST_F(SizeLearningTest, ResizedKnownWindowAddsItsNewSumOnce) {
    LearnBrowserSize(700);
    WindowHandle browser = windows_.Create("Home - Internet Explorer", {0, 0, 400, 300});
    lists_.OKWindows.Append(browser);
    monitor_.Learning().Tick();
    EXPECT_EQ(lists_.OKWinSizes.Count(), 1);

    windows_.Resize(browser, {0, 0, 500, 300});
    monitor_.Learning().Tick();
    monitor_.Learning().Tick();
    ASSERT_EQ(lists_.OKWinSizes.Count(), 2);
    EXPECT_EQ(lists_.OKWinSizes.At(1), "800");

    // Same width + height in another shape teaches nothing new.
    windows_.Resize(browser, {0, 0, 600, 200});
    monitor_.Learning().Tick();
    EXPECT_EQ(lists_.OKWinSizes.Count(), 2);
}

TEST_F(SizeLearningTest, ZeroSizedAndClosedWindowsAddNothing) {
    LearnBrowserSize();
    WindowHandle empty = windows_.Create("Zero - Internet Explorer", {50, 50, 50, 50});
    WindowHandle closed = windows_.Create("Gone - Internet Explorer", {0, 0, 300, 300});
    lists_.OKWindows.Append(empty);
    lists_.OKWindows.Append(closed);
    windows_.Destroy(closed);
    monitor_.Learning().Tick();
    EXPECT_EQ(lists_.OKWinSizes.Count(), 1);
}

TEST_F(SizeLearningTest, MinimizedWindowTeachesTheRectangleThePlatformReports) {
    LearnBrowserSize();
    WindowHandle browser = windows_.Create("Home - Internet Explorer", kBrowserRect);
    lists_.OKWindows.Append(browser);
    windows_.Minimize(browser);
    monitor_.Learning().Tick();
    ASSERT_EQ(lists_.OKWinSizes.Count(), 2);
    const WindowRect m = sim::kSimMinimizedRect;
    EXPECT_EQ(lists_.OKWinSizes.At(1), std::to_string((m.right - m.left) + (m.bottom - m.top)));
}

TEST_F(SizeLearningTest, RunsEveryTwoSecondsFromCreation) {
    LearnBrowserSize();
    WindowHandle browser = windows_.Create("Notepad", {0, 0, 100, 100});
    lists_.OKWindows.Append(browser);
    toolkit_.RunFor(1999);
    EXPECT_EQ(lists_.OKWinSizes.Count(), 1);
    toolkit_.RunFor(1);
    EXPECT_EQ(lists_.OKWinSizes.Count(), 2);
}

}  // namespace
}  // namespace vexor::testing
