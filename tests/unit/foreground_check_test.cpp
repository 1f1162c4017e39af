#include <gtest/gtest.h>

#include "unit/monitor_fixture.h"

namespace vexor::testing {
namespace {

using ForegroundCheckTest = MonitorTest;

TEST_F(ForegroundCheckTest, OnlyVisibleWindowsWithTheCaseSensitiveMarkerAreCandidates) {
    LearnBrowserSize();
    monitor_.Check().Tick();  // no foreground window at all
    WindowHandle lower = windows_.Create("ad - internet explorer", kPopupRect);
    monitor_.Check().Tick();
    WindowHandle other = windows_.Create("Notepad", kPopupRect);
    monitor_.Check().Tick();
    WindowHandle hidden = windows_.Create("ad - Internet Explorer", kPopupRect, /*visible=*/false);
    windows_.Activate(hidden);
    monitor_.Check().Tick();

    EXPECT_TRUE(windows_.Calls().empty());
    EXPECT_EQ(lists_.LContained.Count(), 0);
    EXPECT_TRUE(Visible(lower));
    EXPECT_TRUE(Visible(other));
}

TEST_F(ForegroundCheckTest, MarkerAnywhereInTheTitleMakesACandidate) {
    LearnBrowserSize();
    WindowHandle popup = windows_.Create("Internet Explorer", kPopupRect);
    monitor_.Check().Tick();
    EXPECT_FALSE(Visible(popup));
}

TEST_F(ForegroundCheckTest, MaximizedBrowserIsRestoredOnlyWhileTheSnapshotIsPending) {
    WindowHandle browser = windows_.Create("Home - Internet Explorer", kBrowserRect);
    windows_.Maximize(browser);
    monitor_.Check().Tick();
    // Restored, but not measured by this tick.
    EXPECT_EQ(windows_.Window(browser).showCmd, static_cast<std::uint32_t>(kSwShowNormal));
    EXPECT_EQ(lists_.OKWinSizes.Count(), 0);
    EXPECT_EQ(Title(browser), "Home - Internet Explorer");

    monitor_.Check().Tick();  // the next tick takes the snapshot
    ASSERT_EQ(lists_.OKWinSizes.Count(), 1);
    EXPECT_EQ(lists_.OKWinSizes.At(0), "1400");

    WindowHandle maximizedPopup = windows_.Create("Ad - Internet Explorer", kPopupRect);
    windows_.Maximize(maximizedPopup);
    windows_.ClearCalls();
    monitor_.Check().Tick();
    EXPECT_TRUE(windows_.Calls().empty());  // neither restored, measured, learned nor trapped
    EXPECT_TRUE(Visible(maximizedPopup));
    EXPECT_EQ(lists_.OKWindows.Count(), 1);
}

TEST_F(ForegroundCheckTest, AllowedTitleIsRetitledBeforeAnyMeasuringOrSnapshot) {
    lists_.OKPopups.Append("Other");
    lists_.OKPopups.Append("News - Internet Explorer");
    WindowHandle window = windows_.Create("News - Internet Explorer", kBrowserRect);
    monitor_.Check().Tick();
    EXPECT_EQ(Title(window), kAllowedMarkerTitle);
    // The pending snapshot restores first, but nothing is measured or learned.
    ASSERT_EQ(windows_.Calls().size(), 2u);
    EXPECT_EQ(windows_.Calls()[0].operation, "ShowWindow");
    EXPECT_EQ(windows_.Calls()[1].operation, "SetWindowTextA");
    EXPECT_EQ(lists_.OKWinSizes.Count(), 0);
    EXPECT_EQ(lists_.OKWindows.Count(), 0);

    // Titles compare exactly: another case is not allowed.
    LearnBrowserSize();
    WindowHandle popup = windows_.Create("NEWS - Internet Explorer", kPopupRect);
    monitor_.Check().Tick();
    EXPECT_FALSE(Visible(popup));
}

TEST_F(ForegroundCheckTest, SnapshotRetitlesDisablesWaitsRecordsEnablesAndCloses) {
    WindowHandle browser = windows_.Create("Blank - Internet Explorer", kBrowserRect);
    bool checkedDuringDelay = false;
    toolkit_.At(1000, [&] {
        checkedDuringDelay = true;
        EXPECT_EQ(Title(browser), kSnapshotTitle);
        EXPECT_FALSE(windows_.Window(browser).enabled);
        EXPECT_EQ(lists_.OKWindows.Count(), 0);
        EXPECT_EQ(lists_.OKWinSizes.Count(), 0);
        windows_.Resize(browser, {0, 0, 100, 100});  // the size counts as measured before the delay
    });

    monitor_.Check().Tick();

    EXPECT_TRUE(checkedDuringDelay);
    EXPECT_EQ(toolkit_.Now(), kSettlePeriodMs);
    ASSERT_EQ(lists_.OKWindows.Count(), 1);
    EXPECT_EQ(lists_.OKWindows.ValueAt(0), browser);
    ASSERT_EQ(lists_.OKWinSizes.Count(), 1);
    EXPECT_EQ(lists_.OKWinSizes.At(0), "1400");

    std::vector<std::string> operations;
    for (const auto& call : windows_.Calls()) operations.push_back(call.operation + " " + std::to_string(call.number));
    EXPECT_EQ(operations, (std::vector<std::string>{"ShowWindow 9", "SetWindowTextA 0", "EnableWindow 0",
                                                    "EnableWindow -1", "PostMessageA 16"}));
    EXPECT_TRUE(windows_.Window(browser).enabled);
    EXPECT_TRUE(windows_.Exists(browser));  // the close request arrives at the next turn
    toolkit_.RunFor(1);
    EXPECT_FALSE(windows_.Exists(browser));
    EXPECT_EQ(lists_.OKWindows.Count(), 1);  // the closed window's handle stays known
}

TEST_F(ForegroundCheckTest, TickDuringTheSnapshotDelayLeavesTheUsersNewBrowserAlone) {
    WindowHandle first = windows_.Create("Blank - Internet Explorer", kBrowserRect);
    WindowHandle users = 0;
    toolkit_.At(1500, [&] { users = windows_.Create("Mail - Internet Explorer", {0, 0, 640, 480}); });

    toolkit_.RunFor(1000);  // Timer1's first tick snapshots `first`; its delay runs to 3000

    EXPECT_EQ(lists_.OKWinSizes.Count(), 1);
    EXPECT_EQ(lists_.OKWindows.Count(), 1);
    EXPECT_EQ(lists_.OKWindows.ValueAt(0), first);
    ASSERT_TRUE(windows_.Exists(users));
    EXPECT_EQ(Title(users), "Mail - Internet Explorer");
    EXPECT_TRUE(windows_.Window(users).enabled);
    for (const auto& call : windows_.Calls()) EXPECT_NE(call.window, users) << call.operation;
}

TEST_F(ForegroundCheckTest, TicksInsideAnOuterSettleDelayTakeTheSnapshot) {
    WindowHandle browser = windows_.Create("Blank - Internet Explorer", kBrowserRect);
    monitor_.State().SettleDelay();  // as start-up waits
    EXPECT_EQ(lists_.OKWinSizes.Count(), 1);
    EXPECT_EQ(lists_.OKWindows.ValueAt(0), browser);
    // Both waits ended with the same settle tick.
    EXPECT_EQ(toolkit_.Now(), kSettlePeriodMs);
}

TEST_F(ForegroundCheckTest, KnownHandlePassesWhateverItsSize) {
    LearnBrowserSize();
    WindowHandle browser = windows_.Create("Home - Internet Explorer", kPopupRect);
    lists_.OKWindows.Append(browser);
    monitor_.Check().Tick();
    EXPECT_TRUE(Visible(browser));
    EXPECT_TRUE(windows_.Calls().empty());
    EXPECT_EQ(lists_.OKWindows.Count(), 1);
}

TEST_F(ForegroundCheckTest, NewWindowOfALearnedSizeBecomesKnownOncePerEqualSizeEntry) {
    LearnBrowserSize(700);
    LearnBrowserSize(kBrowserSizeSum);
    LearnBrowserSize(kBrowserSizeSum);
    // Another shape with the same width + height counts as the same size.
    WindowHandle second = windows_.Create("Two - Internet Explorer", {0, 0, 1000, 400});
    monitor_.Check().Tick();
    EXPECT_TRUE(Visible(second));
    ASSERT_EQ(lists_.OKWindows.Count(), 2);
    EXPECT_EQ(lists_.OKWindows.ValueAt(0), second);
    EXPECT_EQ(lists_.OKWindows.ValueAt(1), second);
    EXPECT_EQ(LastPopup(), 0);

    // Once known it passes even after a resize.
    windows_.Resize(second, {0, 0, 10, 10});
    monitor_.Check().Tick();
    EXPECT_TRUE(Visible(second));
    EXPECT_EQ(lists_.OKWindows.Count(), 2);
}

TEST_F(ForegroundCheckTest, AnyOtherBrowserWindowIsTrappedListedAndRemembered) {
    LearnBrowserSize();
    WindowHandle browser = windows_.Create("Home - Internet Explorer", kBrowserRect);
    monitor_.Check().Tick();
    WindowHandle popup = windows_.Create("Win a prize - Internet Explorer", kPopupRect);
    monitor_.Check().Tick();

    EXPECT_FALSE(Visible(popup));
    EXPECT_EQ(LastPopup(), popup);
    ASSERT_EQ(lists_.LContained.Count(), 1);
    EXPECT_EQ(lists_.LContained.At(0), "Win a prize - Internet Explorer");
    EXPECT_EQ(windows_.GetForegroundWindow(), browser);  // focus goes back to the browser
    EXPECT_EQ(lists_.OKWindows.Count(), 1);               // only the browser became known

    // Re-opened with the same title: listed twice, the newer handle remembered.
    WindowHandle again = windows_.Create("Win a prize - Internet Explorer", kPopupRect);
    monitor_.Check().Tick();
    EXPECT_EQ(lists_.LContained.Count(), 2);
    EXPECT_EQ(LastPopup(), again);

    // The hidden pop-up never becomes a candidate again by itself.
    windows_.ClearCalls();
    monitor_.Check().Tick();
    EXPECT_TRUE(windows_.Calls().empty());
}

TEST_F(ForegroundCheckTest, TrappedTitleIsTheCutTitleOfALongWindowTitle) {
    LearnBrowserSize();
    const std::string longTitle = std::string(300, 'a') + " - Internet Explorer";
    const std::string shortTitle = "Internet Explorer" + std::string(300, 'b');
    WindowHandle hidden = windows_.Create(longTitle, kPopupRect);
    monitor_.Check().Tick();
    EXPECT_TRUE(Visible(hidden));  // the marker lies beyond the 254 characters that are read
    WindowHandle popup = windows_.Create(shortTitle, kPopupRect);
    monitor_.Check().Tick();
    EXPECT_FALSE(Visible(popup));
    EXPECT_EQ(lists_.LContained.At(0), shortTitle.substr(0, 254));
}

TEST_F(ForegroundCheckTest, NegativeAndReusedHandlesCompareByValue) {
    LearnBrowserSize();
    WindowHandle browser = windows_.CreateWithHandle(-123456, "Home - Internet Explorer", kBrowserRect);
    monitor_.Check().Tick();
    ASSERT_EQ(lists_.OKWindows.Count(), 1);
    EXPECT_EQ(lists_.OKWindows.At(0), "-123456");

    // The handle of a closed browsing window, reused for a pop-up, counts as known.
    windows_.Destroy(browser);
    WindowHandle reused = windows_.CreateWithHandle(-123456, "Ad - Internet Explorer", kPopupRect);
    monitor_.Check().Tick();
    EXPECT_TRUE(Visible(reused));
}

TEST_F(ForegroundCheckTest, WindowClosingInTheMiddleOfATickGetsOnlyTheUsualDecision) {
    LearnBrowserSize();
    WindowHandle browser = windows_.Create("Home - Internet Explorer", kBrowserRect);
    lists_.OKWindows.Append(browser);
    WindowHandle popup = windows_.Create("Closing - Internet Explorer", kPopupRect);
    windows_.SetAfterTitleRead([&](WindowHandle read) {
        if (read == popup) windows_.Destroy(popup);
    });
    monitor_.Check().Tick();
    // Its stale reading measures 0, which no browser has: the tick ends as a trap of a window
    // that is no longer there, touching nothing else.
    ASSERT_EQ(windows_.Calls().size(), 1u);
    EXPECT_EQ(windows_.Calls()[0].operation, "ShowWindow");
    EXPECT_EQ(windows_.Calls()[0].window, popup);
    EXPECT_EQ(lists_.LContained.At(0), "Closing - Internet Explorer");
    EXPECT_EQ(LastPopup(), popup);
    EXPECT_TRUE(windows_.Window(browser).visible);
    EXPECT_EQ(lists_.OKWinSizes.Count(), 1);
}

TEST_F(ForegroundCheckTest, SnapshotWindowClosedDuringTheDelayStillTeachesItsSize) {
    WindowHandle browser = windows_.Create("Blank - Internet Explorer", kBrowserRect);
    toolkit_.At(1000, [&] { windows_.Destroy(browser); });
    monitor_.Check().Tick();
    EXPECT_EQ(lists_.OKWinSizes.At(0), "1400");
    EXPECT_EQ(lists_.OKWindows.ValueAt(0), browser);
    toolkit_.RunFor(4000);  // size learning passes over the closed window
    EXPECT_EQ(lists_.OKWinSizes.Count(), 1);
}

TEST_F(ForegroundCheckTest, PausedCheckTrapsNothingWhileSizeLearningGoesOn) {
    windows_.Create("Home - Internet Explorer", kBrowserRect);
    toolkit_.RunFor(3000);  // snapshot at 1000..3000
    ASSERT_EQ(lists_.OKWinSizes.Count(), 1);
    toolkit_.RunFor(10);
    WindowHandle second = windows_.Create("Two - Internet Explorer", kBrowserRect);
    toolkit_.RunFor(1000);
    ASSERT_TRUE(lists_.OKWindows.Contains(second));

    monitor_.State().Timer1().SetEnabled(false);
    WindowHandle popup = windows_.Create("Ad - Internet Explorer", kPopupRect);
    windows_.Resize(second, {0, 0, 500, 300});
    toolkit_.RunFor(5000);
    EXPECT_TRUE(Visible(popup));
    EXPECT_TRUE(lists_.OKWinSizes.Contains(800));
}

}  // namespace
}  // namespace vexor::testing
