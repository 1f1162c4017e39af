// The monitor's lists, settle delay, foreground check and size learning.
#include <gtest/gtest.h>

#include "monitor/monitor_state.h"
#include "sim/sim_platform.h"

namespace vexor {
namespace {

using Texts = std::vector<std::string>;
constexpr WindowRect kBrowserRect{100, 100, 900, 700};  // size sum 1400
constexpr WindowRect kPopupRect{200, 200, 600, 500};    // size sum 700

TEST(ListTest, NumbersKeepTheirDecimalTextAFullListDropsItsOldestAndASelectionFollowsItsEntry) {
    NumberList numbers;
    for (std::int32_t value : {INT32_MIN, 0, 7, 7}) numbers.Append(value);
    EXPECT_TRUE(numbers.At(0) == "-2147483648" && numbers.Contains(INT32_MIN));
    for (int i = 4; i <= 32767; ++i) numbers.Append(i);
    EXPECT_TRUE(numbers.Count() == 32767 && numbers.At(0) == "0" && !numbers.Contains(INT32_MIN));
    TextList list;
    for (const char* text : {"a", "b", "c", "d"}) list.Append(text);
    list.Select(2);
    EXPECT_FALSE(list.RemoveAt(-1) || list.RemoveAt(4));
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
    EXPECT_TRUE(list.Selected() == -1 && list.Count() == 0);
}

class MonitorTest : public ::testing::Test, protected sim::SimPlatform {
protected:
    MonitorTest() { SetLastPopup(0); }
    bool Visible(WindowHandle window) { return windows.Window(window).visible; }
    WindowHandle Tick(const std::string& title, WindowRect rect, bool maximized = false, WindowHandle handle = 0) {
        WindowHandle window = windows.Create(title, rect, true, handle);
        if (maximized) windows.Maximize(window);
        monitor_.Timer1_Timer();
        return window;
    }
    // The changes made to windows so far, as "operation number", and forgotten.
    Texts Steps() {
        Texts steps;
        for (const auto& call : windows.calls) steps.push_back(call.operation + " " + std::to_string(call.number));
        windows.calls.clear();
        return steps;
    }

    Monitor monitor_{toolkit, windows};
    MonitorLists& lists_ = monitor_.lists;
};

TEST_F(MonitorTest, OnlyAVisibleWindowWithTheCaseSensitiveMarkerInTheTitleReadIsTrapped) {
    lists_.OKWinSizes.Append(1400);
    monitor_.Timer1_Timer();  // no foreground window at all
    const std::string cut = std::string(237, 'b') + "Internet Explorer";  // the 254 characters read
    struct Case { std::string title; bool visible; bool trapped; };
    for (const Case& c : {Case{"Internet Explorer", true, true}, Case{"Internet Explorer", true, true},
                          Case{"Win - Internet Explorer now", true, true}, Case{cut + " and more", true, true},
                          Case{std::string(238, 'a') + "Internet Explorer", true, false},
                          Case{"ad - internet explorer", true, false}, Case{"Ad - Internet Explorer", false, false}}) {
        WindowHandle window = windows.Create(c.title, kPopupRect, c.visible);
        windows.Activate(window);
        monitor_.Timer1_Timer();
        EXPECT_EQ(LastPopup() == window, c.trapped) << c.title;
        EXPECT_EQ(Visible(window), c.visible && !c.trapped) << c.title;
    }
    EXPECT_EQ(lists_.LContained.Entries(), (Texts{"Internet Explorer", "Internet Explorer", "Win - Internet Explorer now", cut}));
    Monitor another(toolkit, windows);
    EXPECT_NE(LastPopup(), 0);  // one handle for the process: a new monitor keeps it
}

TEST_F(MonitorTest, AllowedTitleIsRetitledWithTheMarkerBeforeAnyMeasuring) {
    const char* allowed[] = {"News - Internet Explorer", "Mail - Internet Explorer"};
    for (const char* title : allowed) lists_.OKPopups.Append(title);
    for (const char* title : allowed) {
        EXPECT_EQ(windows.Window(Tick(title, kBrowserRect)).title, "Vexor Allowed Popup");
        // Only the restore of a pending snapshot comes first.
        EXPECT_EQ(Steps(), (Texts{"ShowWindow 9", "SetWindowTextA 0"}));
    }
    EXPECT_EQ(lists_.OKWinSizes.Count() + lists_.OKWindows.Count(), 0);
    lists_.OKWinSizes.Append(1400);
    EXPECT_FALSE(Visible(Tick("NEWS - Internet Explorer", kPopupRect)));
    EXPECT_FALSE(Visible(Tick("Top News - Internet Explorer", kPopupRect)));
    const WindowHandle late = windows.Create("Late - Internet Explorer", kPopupRect);  // checked once a second
    toolkit.RunFor(999);
    EXPECT_TRUE(Visible(late));
    toolkit.RunFor(1);
    EXPECT_FALSE(Visible(late));
}

TEST_F(MonitorTest, SnapshotRetitlesDisablesWaitsThenRecordsEnablesAndClosesAndIgnoresTicksMeanwhile) {
    WindowHandle browser = windows.Create("Blank - Internet Explorer", kBrowserRect);
    toolkit.After(1000, [&] {
        EXPECT_EQ(windows.Window(browser).title, "Internet Explorer - Vexor 2003 Snapshot, please wait...");
        EXPECT_FALSE(windows.Window(browser).enabled || lists_.OKWindows.Count() || lists_.OKWinSizes.Count());
        windows.Window(browser).normal = {0, 0, 100, 100};  // the size counts as measured before
        windows.Create("Mail - Internet Explorer", kPopupRect);  // the tick at 2000 must leave it alone
    });
    monitor_.Timer1_Timer();
    EXPECT_EQ(toolkit.Now(), 2000);
    EXPECT_TRUE(lists_.OKWindows.Count() == 1 && lists_.OKWindows.Contains(browser) && lists_.OKWinSizes.At(0) == "1400");
    EXPECT_EQ(Steps(), (Texts{"ShowWindow 9", "SetWindowTextA 0", "EnableWindow 0", "EnableWindow -1", "PostMessageA 16"}));
    EXPECT_TRUE(windows.Exists(browser));  // the close request arrives at the next turn
    toolkit.RunFor(0);
    EXPECT_FALSE(windows.Exists(browser));
}

TEST_F(MonitorTest, WindowOfALearnedSumBecomesKnownOncePerEqualEntryAndItsHandleThenPasses) {
    for (std::int32_t sum : {900, 1400, 1400}) lists_.OKWinSizes.Append(sum);
    WindowHandle browser = Tick("Two - Internet Explorer", {100, 50, 1100, 450}, false, -123456);  // 1000 + 400
    EXPECT_TRUE(lists_.OKWindows.Count() == 2 && lists_.OKWindows.At(1) == "-123456");
    WindowHandle first = Tick("One - Internet Explorer", {0, 0, 600, 300});  // the first learned sum
    // Browsing windows pass: visible, not listed as trapped, never the last pop-up.
    EXPECT_TRUE(Visible(browser) && Visible(first) && lists_.LContained.Count() + LastPopup() == 0);
    windows.Destroy(browser);
    lists_.OKWindows.Append(16777216);  // 2^24: in single precision 2^24 + 1 would pass for it
    EXPECT_FALSE(Visible(Tick("Near - Internet Explorer", kPopupRect, false, 16777217)));
    // A maximized pop-up is never measured, learned or trapped once a size is known.
    const WindowHandle big = Tick("Big - Internet Explorer", kPopupRect, true);
    EXPECT_TRUE(Visible(big) && windows.Window(big).showCmd == 3u && lists_.LContained.Count() == 1);  // left maximized
    // A pop-up that gets the closed window's handle value counts as known.
    EXPECT_TRUE(Visible(Tick("Ad - Internet Explorer", kPopupRect, false, -123456)));
    EXPECT_EQ(lists_.OKWindows.Count(), 4);
}

TEST_F(MonitorTest, WhilePausedKnownWindowsStillTeachEachNewNonZeroSumOnce) {
    lists_.OKWinSizes.Append(700);
    monitor_.Timer1().SetEnabled(false);
    for (const WindowRect& rect : {WindowRect{10, 10, 510, 310}, {50, 50, 50, 50}, kBrowserRect, kPopupRect, {0, 0, 600, 200},
                                   {0, 0, 700, 200}}) {
        lists_.OKWindows.Append(windows.Create("Home - Internet Explorer", rect));
    }
    windows.Destroy(static_cast<WindowHandle>(lists_.OKWindows.ValueAt(2)));  // closed: measures 0
    // Not known: teaches nothing; in front while paused: not trapped either.
    const WindowHandle stranger = windows.Create("Stranger - Internet Explorer", {0, 0, 1000, 1000});
    toolkit.RunFor(1999);  // learning runs every 2000 ms
    EXPECT_EQ(lists_.OKWinSizes.Count(), 1);
    toolkit.RunFor(1);
    ASSERT_TRUE(Visible(stranger) && lists_.OKWinSizes.Count() == 3);
    EXPECT_EQ(lists_.OKWinSizes.At(1) + " " + lists_.OKWinSizes.At(2), "800 900");
}

}  // namespace
}  // namespace vexor
