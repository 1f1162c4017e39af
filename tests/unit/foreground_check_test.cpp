#include "unit/monitor_fixture.h"

namespace vexor::testing {
namespace {

using ForegroundCheckTest = MonitorTest;

TEST_F(ForegroundCheckTest, OnlyAVisibleWindowWithTheCaseSensitiveMarkerAnywhereIsTrapped) {
    lists_.OKWinSizes.Append(1400);
    monitor_.Check().Tick();  // no foreground window at all
    struct Case { const char* title; bool visible; bool trapped; };
    for (const Case& c : {Case{"Internet Explorer", true, true}, Case{"Win - Internet Explorer now", true, true},
                          Case{"ad - internet explorer", true, false}, Case{"Notepad", true, false},
                          Case{"Ad - Internet Explorer", false, false}}) {
        WindowHandle window = windows_.Create(c.title, kPopupRect, c.visible);
        windows_.Activate(window);
        monitor_.Check().Tick();
        EXPECT_EQ(LastPopup() == window, c.trapped) << c.title;
    }
    EXPECT_EQ(lists_.LContained.Count(), 2);
}

TEST_F(ForegroundCheckTest, MaximizedBrowserIsRestoredOnlyWhileTheSnapshotIsPending) {
    WindowHandle other = windows_.Create("Notepad", kBrowserRect);
    windows_.Maximize(other);
    monitor_.Check().Tick();
    EXPECT_EQ(windows_.Window(other).showCmd, static_cast<std::uint32_t>(kSwShowMaximized));

    WindowHandle browser = windows_.Create("Home - Internet Explorer", kBrowserRect);
    windows_.Maximize(browser);
    monitor_.Check().Tick();
    EXPECT_EQ(windows_.Window(browser).showCmd, static_cast<std::uint32_t>(kSwShowNormal));
    EXPECT_EQ(lists_.OKWinSizes.Count(), 0);  // not measured by the tick that restored it
    monitor_.Check().Tick();
    EXPECT_EQ(lists_.OKWinSizes.At(0), "1400");

    WindowHandle popup = windows_.Create("Ad - Internet Explorer", kPopupRect);
    windows_.Maximize(popup);
    windows_.ClearCalls();
    monitor_.Check().Tick();
    EXPECT_TRUE(windows_.Calls().empty());  // neither restored, learned nor trapped
}

TEST_F(ForegroundCheckTest, AllowedTitleIsRetitledWithTheMarkerBeforeAnyMeasuring) {
    lists_.OKPopups.Append("News - Internet Explorer");
    lists_.OKPopups.Append("Mail - Internet Explorer");
    for (const char* title : {"News - Internet Explorer", "Mail - Internet Explorer"}) {
        WindowHandle window = windows_.Create(title, kBrowserRect);
        windows_.ClearCalls();
        monitor_.Check().Tick();
        EXPECT_EQ(windows_.Window(window).title, kAllowedMarkerTitle);
        EXPECT_EQ(windows_.Calls().size(), 2u) << "only the restore of a pending snapshot, then the title";
    }
    EXPECT_EQ(lists_.OKWinSizes.Count() + lists_.OKWindows.Count(), 0);

    lists_.OKWinSizes.Append(1400);
    for (const char* title : {"NEWS - Internet Explorer", "Top News - Internet Explorer"}) {
        WindowHandle window = windows_.Create(title, kPopupRect);
        monitor_.Check().Tick();
        EXPECT_FALSE(Visible(window)) << title;
    }
}

TEST_F(ForegroundCheckTest, SnapshotRetitlesDisablesWaitsThenRecordsEnablesAndCloses) {
    WindowHandle browser = windows_.Create("Blank - Internet Explorer", kBrowserRect);
    bool ranDuringDelay = false;
    toolkit_.At(1000, [&] {
        ranDuringDelay = true;
        EXPECT_EQ(windows_.Window(browser).title, kSnapshotTitle);
        EXPECT_FALSE(windows_.Window(browser).enabled);
        EXPECT_EQ(lists_.OKWindows.Count() + lists_.OKWinSizes.Count(), 0);
        windows_.Window(browser).normal = {0, 0, 100, 100};  // the size counts as measured before
    });
    monitor_.Check().Tick();

    EXPECT_TRUE(ranDuringDelay);
    EXPECT_EQ(toolkit_.Now(), kSettlePeriodMs);
    EXPECT_TRUE(lists_.OKWindows.Contains(browser));
    EXPECT_EQ(lists_.OKWinSizes.At(0), "1400");
    std::vector<std::string> steps;
    for (const auto& call : windows_.Calls()) steps.push_back(call.operation + " " + std::to_string(call.number));
    EXPECT_EQ(steps, (std::vector<std::string>{"ShowWindow 9", "SetWindowTextA 0", "EnableWindow 0",
                                               "EnableWindow -1", "PostMessageA 16"}));
    EXPECT_TRUE(windows_.Exists(browser));  // the close request arrives at the next turn
    toolkit_.RunFor(0);
    EXPECT_FALSE(windows_.Exists(browser));
}

TEST_F(ForegroundCheckTest, TickDuringTheSnapshotDelayLeavesTheUsersNewBrowserAlone) {
    WindowHandle first = windows_.Create("Blank - Internet Explorer", kBrowserRect);
    WindowHandle users = 0;
    toolkit_.At(1500, [&] { users = windows_.Create("Mail - Internet Explorer", kPopupRect); });
    toolkit_.RunFor(1000);  // Timer1's first tick snapshots the first window; its delay runs to 3000
    EXPECT_EQ(toolkit_.Now(), 3000);
    EXPECT_EQ(lists_.OKWindows.Count(), 1);
    EXPECT_TRUE(lists_.OKWindows.Contains(first));
    for (const auto& call : windows_.Calls()) EXPECT_NE(call.window, users) << call.operation;
}

TEST_F(ForegroundCheckTest, TicksInsideAnOuterSettleDelayTakeTheSnapshot) {
    WindowHandle browser = windows_.Create("Blank - Internet Explorer", kBrowserRect);
    EXPECT_TRUE(monitor_.State().SettleDelay());  // as start-up waits
    EXPECT_TRUE(lists_.OKWindows.Contains(browser));
    EXPECT_EQ(toolkit_.Now(), kSettlePeriodMs);  // both waits ended with the same settle tick
}

TEST_F(ForegroundCheckTest, NewWindowOfALearnedSumBecomesKnownOncePerEqualEntryThenPassesAtAnySize) {
    for (std::int32_t sum : {700, 1400, 1400}) lists_.OKWinSizes.Append(sum);
    WindowHandle window = windows_.Create("Two - Internet Explorer", {100, 50, 1100, 450});  // 1000 + 400
    monitor_.Check().Tick();
    windows_.Window(window).normal = {0, 0, 10, 10};
    monitor_.Check().Tick();
    EXPECT_TRUE(Visible(window));
    EXPECT_EQ(lists_.OKWindows.Count(), 2);
    EXPECT_TRUE(lists_.OKWindows.Contains(window));
}

TEST_F(ForegroundCheckTest, OtherBrowserWindowIsHiddenListedAndRememberedForTheProcess) {
    lists_.OKWinSizes.Append(1400);
    windows_.Create("Home - Internet Explorer", kBrowserRect);
    monitor_.Check().Tick();
    WindowHandle popup = windows_.Create("Win a prize - Internet Explorer", kPopupRect);
    monitor_.Check().Tick();
    WindowHandle again = windows_.Create("Win a prize - Internet Explorer", kPopupRect);
    monitor_.Check().Tick();

    EXPECT_FALSE(Visible(popup));
    EXPECT_FALSE(Visible(again));
    EXPECT_EQ(lists_.LContained.Entries(), std::vector<std::string>(2, "Win a prize - Internet Explorer"));
    EXPECT_EQ(lists_.OKWindows.Count(), 1);  // only the browser became known
    Monitor another(toolkit_, windows_);
    EXPECT_EQ(LastPopup(), again);  // one handle for the process, kept by a new monitor
}

TEST_F(ForegroundCheckTest, OnlyThe254CharactersReadOfALongTitleCount) {
    lists_.OKWinSizes.Append(1400);
    WindowHandle beyond = windows_.Create(std::string(238, 'a') + "Internet Explorer", kPopupRect);
    monitor_.Check().Tick();
    EXPECT_TRUE(Visible(beyond));
    windows_.Create(std::string(237, 'b') + "Internet Explorer and more", kPopupRect);
    monitor_.Check().Tick();
    EXPECT_EQ(lists_.LContained.Entries(), std::vector<std::string>{std::string(237, 'b') + "Internet Explorer"});
}

TEST_F(ForegroundCheckTest, NegativeAndReusedHandlesCompareByValue) {
    lists_.OKWinSizes.Append(1400);
    WindowHandle browser = windows_.Create("Home - Internet Explorer", kBrowserRect, true, -123456);
    monitor_.Check().Tick();
    EXPECT_EQ(lists_.OKWindows.At(0), "-123456");
    windows_.Destroy(browser);
    // The handle of a closed browsing window, given to a pop-up, counts as known.
    WindowHandle reused = windows_.Create("Ad - Internet Explorer", kPopupRect, true, -123456);
    monitor_.Check().Tick();
    EXPECT_TRUE(Visible(reused));
}

TEST_F(ForegroundCheckTest, WindowClosingInTheMiddleOfATickIsTrappedByItsTitleAlone) {
    lists_.OKWinSizes.Append(1400);
    WindowHandle popup = windows_.Create("Closing - Internet Explorer", kPopupRect);
    windows_.SetAfterTitleRead([&](WindowHandle read) { windows_.Destroy(read); });
    monitor_.Check().Tick();
    // The vanished window measures 0, which no browser has: a trap of a window that is gone.
    ASSERT_EQ(windows_.Calls().size(), 1u);
    EXPECT_EQ(windows_.Calls()[0].operation, "ShowWindow");
    EXPECT_EQ(lists_.LContained.At(0), "Closing - Internet Explorer");
    EXPECT_EQ(LastPopup(), popup);
}

}  // namespace
}  // namespace vexor::testing
