// The program over the simulated platform, started only where start-up is what a case proves, its
// controls worked through its event tables; the lists and the allowed-title store on their own.
#include <gtest/gtest.h>

#include <set>

#include "monitor/monitor_state.h"
#include "sim/sim_platform.h"
#include "store/allowed_titles.h"
#include "ui/application.h"

namespace vexor::testing {
namespace {

using Texts = std::vector<std::string>;
constexpr WindowRect kLaunchedBrowserRect{50, 40, 850, 640};  // size sum 1400
constexpr WindowRect kBrowserRect{100, 100, 900, 700};  // size sum 1400
constexpr WindowRect kPopupRect{200, 200, 600, 500};    // size sum 700

// The rows a list box shows, kept by the changes a list reports, as the viewer's list boxes are.
struct RowMirror : ListObserver {
    Texts rows;
    void OnAppended(const std::string& text) override { rows.push_back(text); }
    void OnRemoved(int position) override { rows.erase(rows.begin() + position); }
    void OnCleared() override { rows.clear(); }
};

struct SimApp : sim::SimPlatform {
    SimApp() {
        SetLastPopup(0);
        app.Tray().handles = {0x20044, 0x3007};
        app.Tray().changed = [this] { ++trayChanges; };
        lists.OKPopups.SetObserver(&allowedRows);
        lists.LContained.SetObserver(&trappedRows);
    }
    // Whatever a test did, the rows on screen are the lists' entries.
    ~SimApp() {
        EXPECT_EQ(allowedRows.rows, lists.OKPopups.Entries());
        EXPECT_EQ(trappedRows.rows, lists.LContained.Entries());
    }

    // A pop-up that the next tick traps, once a browsing size is learned.
    WindowHandle TrapPopup(const std::string& title) {
        if (lists.OKWinSizes.Count() == 0) lists.OKWinSizes.Append(1400);
        WindowHandle popup = windows.Create(title, {300, 300, 700, 600});
        toolkit.RunFor(1000);
        return popup;
    }
    void Put(const std::string& name, const std::string& text) {
        registry.PutText(sim::kMachine, sim::kTitlesKey, name, text);
    }
    // Titles as an earlier run stored them, loaded into the list.
    void Store(const std::vector<std::pair<std::string, std::string>>& values) {
        for (const auto& [name, title] : values) Put(name, title);
        app.Viewer().GetSettings();
    }
    Texts Stored() { return registry.TextValues(sim::kMachine, sim::kTitlesKey); }
    long Told(const std::string& part) const {
        auto tells = [&](const sim::MessageBoxCall& box) { return box.text.find(part) != std::string::npos; };
        return std::count_if(toolkit.boxes.begin(), toolkit.boxes.end(), tells);
    }
    Timer& Timer1() { return app.Viewer().GetMonitor().Timer1(); }
    void Fire(int control, ControlEvent event = ControlEvent::Click) { app.Viewer_ControlEvent(control, event); }
    // An event of the tray host window: from the host itself (0), or the icon's notification.
    void Host(ControlEvent event, int source = 0) { app.TrayHost_Event(source, event); }

    ProgramVersion version{1, 1, 5};
    int versionReads = 0, trayChanges = 0;
    Application app{PlatformServices{toolkit, windows, registry, shell, [this] { ++versionReads; return version; }}};
    MonitorLists& lists = app.Viewer().Lists();
    RowMirror allowedRows, trappedRows;
};

struct AppTest : ::testing::Test, SimApp {};

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
    std::vector<int> selected;  // after removing an entry after the selected one, one before it, itself
    for (int position : {3, 0, 1}) selected.push_back(list.RemoveAt(position) ? list.Selected() : -2);
    EXPECT_EQ(selected, (std::vector<int>{2, 1, -1}));
    list.Select(0);
    list.Select(1);  // past the end
    EXPECT_EQ(list.Selected(), -1);
    list.Select(0);
    list.Clear();
    EXPECT_TRUE(list.Selected() == -1 && list.Count() == 0);
}

struct MonitorTest : AppTest {
    bool Visible(WindowHandle window) { return windows.Window(window).visible; }
    WindowHandle Tick(const std::string& title, WindowRect rect, bool maximized = false, WindowHandle handle = 0) {
        WindowHandle window = windows.Create(title, rect, true, handle);
        if (maximized) windows.ShowWindow(window, kSwShowMaximized);
        monitor_.Timer1_Timer();
        return window;
    }
    Texts Steps() {
        Texts steps;
        for (const auto& call : windows.calls) steps.push_back(call.operation + " " + std::to_string(call.number));
        windows.calls.clear();
        return steps;
    }

    Monitor& monitor_ = app.Viewer().GetMonitor();
};

TEST_F(MonitorTest, OnlyAVisibleWindowWithTheCaseSensitiveMarkerInTheTitleReadIsTrapped) {
    lists.OKWinSizes.Append(1400);
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
    EXPECT_EQ(lists.LContained.Entries(),
              (Texts{"Internet Explorer", "Internet Explorer", "Win - Internet Explorer now", cut}));
}

TEST_F(MonitorTest, AllowedTitleIsRetitledWithTheMarkerBeforeAnyMeasuring) {
    const char* allowed[] = {"News - Internet Explorer", "Mail - Internet Explorer"};
    for (const char* title : allowed) lists.OKPopups.Append(title);
    for (const char* title : allowed) {
        EXPECT_EQ(windows.Window(Tick(title, kBrowserRect)).title, "Vexor Allowed Popup");
        // Only the restore of a pending snapshot comes first.
        EXPECT_EQ(Steps(), (Texts{"ShowWindow 9", "SetWindowTextA 0"}));
    }
    EXPECT_EQ(lists.OKWinSizes.Count() + lists.OKWindows.Count(), 0);
    lists.OKWinSizes.Append(1400);
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
        EXPECT_FALSE(windows.Window(browser).enabled || lists.OKWindows.Count() || lists.OKWinSizes.Count());
        windows.Window(browser).normal = {0, 0, 100, 100};  // the size counts as measured before
        windows.Create("Mail - Internet Explorer", kPopupRect);  // the tick at 2000 must leave it alone
    });
    monitor_.Timer1_Timer();
    EXPECT_EQ(toolkit.Now(), 2000);
    EXPECT_TRUE(lists.OKWindows.Count() == 1 && lists.OKWindows.Contains(browser) && lists.OKWinSizes.At(0) == "1400");
    EXPECT_EQ(Steps(),
              (Texts{"ShowWindow 9", "SetWindowTextA 0", "EnableWindow 0", "EnableWindow -1", "PostMessageA 16"}));
    EXPECT_TRUE(windows.Exists(browser));  // the close request arrives at the next turn
    toolkit.RunFor(0);
    EXPECT_FALSE(windows.Exists(browser));
}

TEST_F(MonitorTest, WindowOfALearnedSumBecomesKnownOncePerEqualEntryAndItsHandleThenPasses) {
    for (std::int32_t sum : {900, 1400, 1400}) lists.OKWinSizes.Append(sum);
    WindowHandle browser = Tick("Two - Internet Explorer", {100, 50, 1100, 450}, false, -123456);  // 1000 + 400
    EXPECT_TRUE(lists.OKWindows.Count() == 2 && lists.OKWindows.At(1) == "-123456");
    WindowHandle first = Tick("One - Internet Explorer", {0, 0, 600, 300});  // the first learned sum
    // Browsing windows pass: visible, not listed as trapped, never the last pop-up.
    EXPECT_TRUE(Visible(browser) && Visible(first) && lists.LContained.Count() + LastPopup() == 0);
    windows.Destroy(browser);
    lists.OKWindows.Append(16777216);  // 2^24: in single precision 2^24 + 1 would pass for it
    EXPECT_FALSE(Visible(Tick("Near - Internet Explorer", kPopupRect, false, 16777217)));
    // A maximized pop-up is never measured, learned or trapped once a size is known.
    const WindowHandle big = Tick("Big - Internet Explorer", kPopupRect, true);
    EXPECT_TRUE(Visible(big) && windows.Window(big).showCmd == 3u && lists.LContained.Count() == 1);  // left maximized
    // A pop-up that gets the closed window's handle value counts as known.
    EXPECT_TRUE(Visible(Tick("Ad - Internet Explorer", kPopupRect, false, -123456)));
    EXPECT_EQ(lists.OKWindows.Count(), 4);
}

TEST_F(MonitorTest, WhilePausedKnownWindowsStillTeachEachNewNonZeroSumOnce) {
    lists.OKWinSizes.Append(700);
    monitor_.Timer1().SetEnabled(false);
    const WindowRect known[] = {{10, 10, 510, 310}, {50, 50, 50, 50}, kBrowserRect,
                                kPopupRect,         {0, 0, 600, 200}, {0, 0, 700, 200}};
    for (const WindowRect& rect : known) lists.OKWindows.Append(windows.Create("Home - Internet Explorer", rect));
    windows.Destroy(static_cast<WindowHandle>(lists.OKWindows.ValueAt(2)));  // closed: measures 0
    // Not known: teaches nothing; in front while paused: not trapped either.
    const WindowHandle stranger = windows.Create("Stranger - Internet Explorer", {0, 0, 1000, 1000});
    toolkit.RunFor(1999);  // learning runs every 2000 ms
    EXPECT_EQ(lists.OKWinSizes.Count(), 1);
    toolkit.RunFor(1);
    ASSERT_TRUE(Visible(stranger) && lists.OKWinSizes.Count() == 3);
    EXPECT_EQ(lists.OKWinSizes.At(1) + " " + lists.OKWinSizes.At(2), "800 900");
}


struct AllowedTitlesTest : AppTest {
    void TearDown() override { EXPECT_EQ(registry.OpenHandles(), 0) << "a key was left open"; }
    RegistryModule module_{registry};
    AllowedTitleStore store_{module_, 32767};
};

TEST_F(AllowedTitlesTest, LoadTakesADwordAsDigitsAndBytesUpToTheFirstZeroAndRewriteStoresEachEntryAtItsPositionOnly) {
    Put("Window0", "");
    registry.Put(sim::kMachine, sim::kTitlesKey, "Window1", kRegDword, {0xFE, 0xFF, 0xFF, 0xFF});
    registry.Put(sim::kMachine, sim::kTitlesKey, "Window2", kRegBinary, {'A', 'd', 0, 'x'});
    registry.Put(sim::kMachine, sim::kTitlesKey, "Window3", 11, {1, 2, 3, 4, 5, 6, 7, 8});
    registry.Put(sim::kMachine, sim::kTitlesKey, "Window4", kRegBinary, {});
    Put("Window10", "Ten");  // by its number, after Window5
    Put("Window5", std::string(1 << 20, 'M'));
    EXPECT_EQ(store_.Load(), (Texts{"-2", "Ad", std::string(1 << 20, 'M'), "Ten"}));  // what gives no text is skipped
    for (const char* name : {"Window07", "window1", "Foo"}) Put(name, "old");
    const Texts list = {"A - Internet Explorer", "", "Same", "Same", "Caf\xE9"};
    EXPECT_TRUE(store_.Rewrite(list));
    EXPECT_EQ(Stored(), (Texts{"Window0=A - Internet Explorer", "Window2=Same", "Window3=Same", "Window4=Caf\xE9"}));
    // Over the same 4 titles, within 4 + 4: an open, a write a title, the key's information, one close.
    const long callsBefore = registry.calls;
    EXPECT_TRUE(store_.Rewrite(list) && registry.calls - callsBefore == 4 + 3);
    EXPECT_TRUE(store_.Rewrite({"", ""}) && store_.Load().empty());  // no title: no key, and the load makes none
    EXPECT_FALSE(registry.KeyExists(sim::kMachine, sim::kTitlesKey));
}

// Thousands of allowed titles come back whole at the next start.
TEST_F(AppTest, ThousandsOfAllowedTitlesLoadWhole) {
    for (int i = 4999; i >= 0; --i) Put("Window" + std::to_string(i), "t" + std::to_string(i));
    app.Viewer().GetSettings();
    EXPECT_TRUE(lists.OKPopups.Count() == 5000 && lists.OKPopups.At(4999) == "t4999");
}

using Notification = std::pair<std::uint32_t, TrayIconRecord>;

// The launched browser, maximized, is measured at its normal size and closed even without a settle timer.
TEST_F(AppTest, StartupLoadsCaptionsSplashesWaitsLaunchesAndAddsTheIconInThatOrderThenSnapshotsTheBrowser) {
    Put("Window0", "Saved - Internet Explorer");
    Texts steps;
    auto step = [&](const std::string& what) {
        steps.push_back(what + " at " + std::to_string(toolkit.Now()) + ": " + std::to_string(lists.OKPopups.Count()) +
                        " titles, " + app.Viewer().Caption() + ", " + std::to_string(shell.notifications.size()) +
                        " icons");
    };
    app.Splash().changed = [&] { step(app.Splash().IsOpen() ? "splash" : "splash closed"); };
    WindowHandle browser = 0;
    shell.onLaunch = [&] {
        step("launch " + shell.launches[0].first + " " + std::to_string(shell.launches[0].second));
        windows.ShowWindow(browser = windows.Create("Home - Internet Explorer", kLaunchedBrowserRect),
                           kSwShowMaximized);
    };
    ASSERT_TRUE(app.Start());
    EXPECT_FALSE(app.Viewer().Visible() || shell.exitCode || shell.notifications.size() != 1);
    EXPECT_EQ(steps, (Texts{"splash at 0: 1 titles, Vexor 2003 Popup Viewer, 0 icons",
                            "splash closed at 1000: 1 titles, Vexor 2003 Popup Viewer, 0 icons",
                            "launch c:\\program files\\internet explorer\\iexplore.exe 1 at 2000: "
                            "1 titles, Vexor 2003 Popup Viewer, 0 icons"}));
    Timer& settle = app.Viewer().GetMonitor().Delaying();
    toolkit.refuseStart = [&](const Timer& timer) { return &timer == &settle; };
    toolkit.RunFor(2000);  // the tick at 3000 restores it, the one at 4000 measures it
    EXPECT_TRUE(lists.OKWinSizes.Count() == 1 && lists.OKWinSizes.At(0) == "1400");
    EXPECT_FALSE(windows.Exists(browser));
    EXPECT_EQ(windows.calls[windows.calls.size() - 2].number, -1);  // enabled again before the close
    EXPECT_EQ(Told("could not create the timer of its settle delay."), 1);
}

TEST(StartupFailureTest, FailedStepIsToldByNameAndEndsTheProcessWithoutIconOrLaterRequests) {
    // Timers by the order they start in (the viewer's two, the splash's, the settle delay's); -1: no browser.
    const std::pair<int, const char*> cases[] = {{0, "the timer of its size learning"},
                                                 {1, "the timer of its foreground check"},
                                                 {2, "the timer of its splash window"},
                                                 {3, "the timer of its settle delay"},
                                                 {-1, "c:\\program files\\internet explorer\\iexplore.exe"}};
    for (const auto& [refused, what] : cases) {
        SCOPED_TRACE(what);
        sim::SimPlatform sim;
        int starts = 0;
        sim.toolkit.refuseStart = [&, refused = refused](const Timer&) { return starts++ == refused; };
        sim.shell.browserInstalled = refused >= 0;
        Application app(
            PlatformServices{sim.toolkit, sim.windows, sim.registry, sim.shell, [] { return ProgramVersion{}; }});
        EXPECT_FALSE(app.Start());
        ASSERT_EQ(sim.toolkit.boxes.size(), 1u);
        const sim::MessageBoxCall& box = sim.toolkit.boxes[0];
        EXPECT_NE(box.text.find(what), std::string::npos);
        if (refused == 0) {
            EXPECT_EQ(box.text,
                      "Vexor 2003 could not create the timer of its size learning and cannot start.\n\nWindows may "
                      "be short of memory or window resources. Close some programs, then start Vexor 2003 again.");
        }
        EXPECT_TRUE(box.caption == "Vexor 2003" && box.style == (kMbOk | kMbIconError));
        EXPECT_TRUE(sim.shell.exitCode.value_or(0) != 0 && sim.shell.launches.size() == (refused < 0 ? 1u : 0u));
        // Only a splash whose timer runs is on screen: it closes itself while the message waits.
        EXPECT_EQ(app.Splash().IsOpen(), refused == 3);
        for (auto event : {ControlEvent::TaskbarCreated, ControlEvent::ShowViewerRequest}) app.TrayHost_Event(0, event);
        EXPECT_FALSE(!sim.shell.notifications.empty() || app.Tray().answering || app.Viewer().Visible());
    }
}

TEST_F(AppTest, DuringStartupTheBrowserInFrontIsTheSnapshotAndRequestsWaitUntilTheIconStep) {
    windows.Create("Mail - Internet Explorer", {0, 0, 700, 500});
    shell.onLaunch = [this] {
        toolkit.After(300, [this] { windows.Create("Blank - Internet Explorer", kLaunchedBrowserRect); });
    };
    shell.taskbarRunning = false;  // started before the taskbar: the first add fails
    Host(ControlEvent::TaskbarCreated);
    toolkit.After(200, [&] { app.Splash().Close(); });  // the user's early close changes nothing
    toolkit.After(1000, [&] {
        for (auto event : {ControlEvent::TaskbarCreated, ControlEvent::ShowViewerRequest}) Host(event);
        EXPECT_FALSE(app.Viewer().Visible());
    });
    ASSERT_TRUE(app.Start());  // the tick at 1000 takes the snapshot inside start-up's wait
    EXPECT_TRUE(app.Viewer().Visible() && lists.OKWinSizes.Count() == 1 && lists.OKWinSizes.At(0) == "1200");
    toolkit.RunFor(1000);
    EXPECT_EQ(windows.Window(LastPopup()).title, "Blank - Internet Explorer");  // another size: a pop-up
    shell.taskbarRunning = true;
    Host(ControlEvent::TaskbarCreated);  // start-up's add and this one, none before
    // Callback WM_MOUSEMOVE, which the host window decodes; flags 7: callback, icon and tip.
    EXPECT_EQ(shell.notifications,
              (std::vector<Notification>(2, {0u, MakeTrayIconData(0x20044, 1, 7, 512, 0x3007, "Vexor 2003")})));
    Fire(kCmdHideId);
    Host(ControlEvent::ShowViewerRequest);
    EXPECT_TRUE(app.Tray().answering && app.Viewer().Visible());
}


TEST_F(AppTest, CancelTheSeparatorAndExitAnsweredNoChangeNothingButYesRemovesTheIconAndEndsAtOnceUndoingNothing) {
    lists.OKWinSizes.Append(1400);
    toolkit.thinkingMs = 3000;
    WindowHandle popup = 0;
    toolkit.After(500, [&] { popup = windows.Create("Ad - Internet Explorer", {0, 0, 300, 200}); });
    app.MenuItem_Click(TrayItem::mcancel);
    app.MenuItem_Click(TrayItem::mb);
    EXPECT_TRUE(toolkit.boxes.empty() && registry.calls == 0);
    app.MenuItem_Click(TrayItem::mexit);  // answered No; meanwhile the pop-up is trapped
    EXPECT_TRUE(Told("Are you sure you want to exit Vexor 2003?") == 1 &&
                toolkit.boxes[0].style == (kMbYesNo | kMbIconQuestion));
    EXPECT_FALSE(windows.Window(popup).visible || app.Viewer().Visible() || app.About().IsOpen() || shell.exitCode);
    EXPECT_TRUE(Timer1().Enabled() && shell.notifications.empty());
    windows.calls.clear();
    toolkit.answers.push_back(kIdYes);
    app.MenuItem_Click(TrayItem::mexit);
    EXPECT_EQ(shell.notifications, (std::vector<Notification>{{2u, MakeTrayIconData(0x20044, 1, 7, 1, 0x3007, "")}}));
    // The icon goes before the process does; no window is asked to close, the pop-up left hidden.
    EXPECT_TRUE(shell.exitCode == 0 && shell.iconRequestsAtEnd == 1u && windows.calls.empty());
}

TEST_F(AppTest, AboutIsOneWindowLoadedOncePerOpeningWithEachNumbersOwnDigits) {
    int shown = 0;
    app.About().changed = [&] { ++shown; };
    app.MenuItem_Click(TrayItem::mabout);
    app.MenuItem_Click(TrayItem::mabout);
    // Loaded once, shown (and brought forward) twice.
    EXPECT_EQ(std::to_string(versionReads) + std::to_string(shown) + " " + app.About().VersionText(),
              "12 Version 1.1.5");
    app.About().Close();
    version = {65535, 10, 0};
    app.MenuItem_Click(TrayItem::mabout);
    EXPECT_EQ(std::to_string(versionReads) + " " + app.About().VersionText(), "2 Version 65535.10.0");
    app.About().CreationFailed();
    EXPECT_EQ(Told("could not create the About window."), 1);
}

TEST_F(AppTest, PauseTogglesReadTheirOwnCaptionAndBothCaptionsStayTrueWhenTheCheckCannotStart) {
    EXPECT_EQ(app.Tray().mpauseCaption + " " + app.Viewer().CmdPauseCaption(), "Pause Pause");
    app.Tray().mpauseCaption = "Resume";  // out of step, so that each toggle shows what it read
    Fire(kCmdPauseId);
    Fire(kCmdHideId);  // hiding the viewer keeps the pause
    EXPECT_TRUE(!Timer1().Enabled() && trayChanges > 0);
    app.Viewer().SetCmdPauseCaption("Pause");
    app.MenuItem_Click(TrayItem::mpause);
    EXPECT_TRUE(Timer1().Enabled() && app.Tray().mpauseCaption == "Pause");
    toolkit.refuseStart = [this](const Timer& timer) { return &timer == &Timer1(); };
    Fire(kCmdDeleteId);  // the check cannot start after the edit: told, and shown paused
    EXPECT_EQ(app.Tray().mpauseCaption, "Resume");
    app.MenuItem_Click(TrayItem::mpause);  // nor when Resume tries again
    EXPECT_TRUE(Told("could not create the timer of its foreground check.") == 2 && Told("could not be saved") == 0);
    EXPECT_EQ(app.Viewer().CmdPauseCaption(), "Resume");
}

// The table rows that no other test goes through, each checked by the mark its own handler leaves.
TEST_F(AppTest, EachRemainingRowRunsItsOwnHandlerAndTheBackgroundResetsEveryHighlight) {
    // Only a double-click on the icon shows the viewer, only a right button release opens the menu.
    std::set<std::uint32_t> menus, shows;
    std::uint32_t message = 0;
    app.Tray().showMenu = [&] { menus.insert(message); };
    app.Viewer().changed = [&] { shows.insert(message); };
    for (; message < 1100; message += message == 1099 ? 70000 : 1)
        Host(ControlEvent::IconNotification, static_cast<int>(message));
    EXPECT_EQ(menus, std::set<std::uint32_t>{517});
    EXPECT_EQ(shows, std::set<std::uint32_t>{515});
    Store({{"Window0", "Kept"}});
    lists.OKPopups.Select(0);
    app.Tray().mpauseCaption = "Resume";
    app.MenuItem_Click(TrayItem::mshow);
    EXPECT_TRUE(app.Viewer().Visible() && app.Viewer().CmdPauseCaption() == "Resume");  // the tray's pause state
    Fire(kCmdHideId);
    Fire(kOKPopupsId, ControlEvent::MouseDown);
    EXPECT_TRUE(!app.Viewer().Visible() && app.Viewer().OKPopupsToolTip() == "Kept");
    lists.OKPopups.Select(-1);
    Fire(kOKPopupsId, ControlEvent::MouseDown);
    EXPECT_EQ(app.Viewer().OKPopupsToolTip(), "");
    const std::set<int> labels{kCmdDeleteId, kLabel5Id, kCmdShowId, kCmdPauseId};
    for (int id : {kCmdDeleteId, kLabel5Id, kCmdShowId, kCmdPauseId, kCmdViewId}) Fire(id, ControlEvent::MouseMove);
    // System colour 13 is the highlight, 18 the button text.
    for (int id : labels) EXPECT_EQ(app.Viewer().LabelColor(id), 13) << id;  // none resets another
    EXPECT_EQ(app.Viewer().LabelColor(kCmdViewId), 18);  // View never highlights
    std::set<int> redrawn;
    app.Viewer().labelColorChanged = [&](int id) { redrawn.insert(id); };
    app.Form_MouseMove();
    EXPECT_EQ(redrawn, labels);
    for (int id : labels) EXPECT_EQ(app.Viewer().LabelColor(id), 18) << id;
}

TEST_F(AppTest, ShowLastPopupAllowsItsCurrentTitleOnceRestoresItAndLeavesTheTrapAlone) {
    Store({{"Window3", "Kept"}});
    app.MenuItem_Click(TrayItem::mshowlast);  // before any trap: no window, the list stored as it is
    EXPECT_EQ(Stored(), Texts{"Window0=Kept"});
    for (const auto& call : windows.calls) EXPECT_EQ(call.window, 0) << call.operation;
    WindowHandle popup = TrapPopup("Old - Internet Explorer");
    windows.Window(popup).title = "New - Internet Explorer";
    Fire(kCmdShowId);
    Fire(kCmdShowId);  // it bears the marker now: no title to allow
    EXPECT_TRUE(windows.Window(popup).visible && windows.Window(popup).title == "Vexor Allowed Popup");
    EXPECT_EQ(Stored(), (Texts{"Window0=Kept", "Window1=New - Internet Explorer"}));
    EXPECT_TRUE(lists.LContained.Entries() == Texts{"Old - Internet Explorer"} && LastPopup() == popup &&
                Timer1().Enabled());
}

// Release and Delete hold the check while they work and put back its running or paused state.
TEST_F(AppTest, ReleaseRestoresAWindowOfTheSelectedTitleAllowsItAgainAndDropsOnlyItsEntry) {
    const WindowHandle other = TrapPopup("Other - Internet Explorer"), a = TrapPopup("Twin - Internet Explorer"),
                       b = TrapPopup("Twin - Internet Explorer");
    Put("Window1", "Stray");
    registry.beforeQuery = [this] { EXPECT_FALSE(Timer1().Enabled()); };
    windows.calls.clear();
    Fire(kLContainedId, ControlEvent::DoubleClick);  // nothing selected: no window, but the list stored
    EXPECT_TRUE(windows.calls.empty() && Stored().empty());
    lists.LContained.Select(1);
    Fire(kLContainedId, ControlEvent::DoubleClick);
    EXPECT_NE(windows.Window(a).visible, windows.Window(b).visible);
    EXPECT_EQ(windows.Window(windows.Window(a).visible ? a : b).title, "Vexor Allowed Popup");
    EXPECT_EQ(lists.LContained.Entries(), (Texts{"Other - Internet Explorer", "Twin - Internet Explorer"}));
    EXPECT_TRUE(Stored() == Texts{"Window0=Twin - Internet Explorer"} && LastPopup() == b && Timer1().Enabled());
    windows.Destroy(other);
    windows.calls.clear();
    lists.LContained.Select(0);
    Fire(kCmdViewId);  // no window bears the title: it is allowed all the same
    for (const auto& call : windows.calls) EXPECT_EQ(call.window, 0) << call.operation;
    lists.LContained.Select(0);
    Fire(kCmdPauseId);
    Fire(kCmdViewId);  // the twin left: its title is allowed a second time
    EXPECT_FALSE(Timer1().Enabled());
    EXPECT_EQ(lists.OKPopups.Entries(),
              (Texts{"Twin - Internet Explorer", "Other - Internet Explorer", "Twin - Internet Explorer"}));
}

TEST_F(AppTest, DeleteRemovesOnlyTheSelectedEntryAndDeleteAllAsksFirstAndSparesTheTrappedList) {
    Store({{"Window0", "A"}, {"Window1", "B"}, {"Window2", "A"}});
    TrapPopup("Offer - Internet Explorer");
    registry.beforeQuery = [this] { EXPECT_FALSE(Timer1().Enabled()); };
    lists.OKPopups.Select(2);
    Fire(kOKPopupsId, ControlEvent::DeleteKey);  // the Delete key in the list is "Delete"
    EXPECT_TRUE(Stored() == (Texts{"Window0=A", "Window1=B"}) && Timer1().Enabled());
    Put("Window5", "Stray");
    Fire(kCmdPauseId);
    Fire(kCmdDeleteId);  // nothing selected: the list is stored as it is, and reloaded
    EXPECT_TRUE(lists.OKPopups.Entries() == (Texts{"A", "B"}) && !Timer1().Enabled());
    registry.beforeQuery = nullptr;
    Fire(kLabel5Id);  // answered No
    EXPECT_EQ(Stored(), (Texts{"Window0=A", "Window1=B"}));
    toolkit.answers.push_back(kIdYes);
    Fire(kLabel5Id);
    EXPECT_TRUE(Told("Delete All Allowed Popups?") == 2 && toolkit.boxes[1].style == (kMbYesNo | kMbIconQuestion));
    EXPECT_FALSE(registry.KeyExists(sim::kMachine, sim::kTitlesKey));
    EXPECT_TRUE(lists.OKPopups.Count() == 0 && lists.LContained.Count() == 1);
}

TEST_F(AppTest, FailedSavesAreReportedAfterTheCheckRunsAgainAndReloadsShowWhatIsStored) {
    Store({{"Window0", "Stored"}});
    registry.deniedRoot = sim::kMachine;
    TrapPopup("Offer - Internet Explorer");
    // No message may wait for an answer while monitoring is held.
    toolkit.onMessageBox = [this] { EXPECT_TRUE(Timer1().Enabled()); };
    Fire(kCmdShowId);  // keeps its change in memory: it does not reload
    app.MenuItem_Click(TrayItem::mshowlast);
    EXPECT_EQ(lists.OKPopups.Entries(), (Texts{"Stored", "Offer - Internet Explorer"}));
    lists.LContained.Select(0);
    Fire(kLContainedId, ControlEvent::DoubleClick);  // reloads: the released title is not stored
    EXPECT_EQ(lists.OKPopups.Entries(), Texts{"Stored"});
    lists.OKPopups.Select(0);
    Fire(kCmdDeleteId);  // the deleted title comes back, as after Delete All
    EXPECT_EQ(lists.OKPopups.Entries(), Texts{"Stored"});
    toolkit.answers.push_back(kIdYes);
    Fire(kLabel5Id);
    EXPECT_EQ(lists.OKPopups.Entries(), Texts{"Stored"});
    for (const auto& box : toolkit.boxes) EXPECT_EQ(box.caption, "Vexor 2003");
    EXPECT_TRUE(Told("The allowed pop-ups could not be saved to the registry.") == 5 &&
                Stored() == Texts{"Window0=Stored"});
}

// The balloon requests as the shell reads them: "message size flags icon-flags title|text".
Texts Balloons(const sim::SimShell& shell) {
    Texts shown;
    for (const auto& [message, r] : shell.balloons) {
        auto text = [&, &r = r](std::size_t offset) {
            return std::string(reinterpret_cast<const char*>(r.data()) + offset);
        };
        shown.push_back(std::to_string(message) + " " + std::to_string(ReadTrayField(r, 0)) + " " +
                        std::to_string(ReadTrayField(r, 12)) + " " + std::to_string(ReadTrayField(r, 484)) + " " +
                        text(420) + "|" + text(160));
    }
    return shown;
}

// NIM_MODIFY (1), 488 bytes, only NIF_INFO (16), the information icon without sound (17); a shown
// balloon is taken away first. The snapshot and a paused check hide nothing, so they tell nothing.
TEST_F(AppTest, EachHiddenPopupIsToldInABalloonWhoseClickShowsAndAllowsIt) {
    shell.onLaunch = [&] { windows.Create("Home - Internet Explorer", kLaunchedBrowserRect); };
    ASSERT_TRUE(app.Start());
    toolkit.RunFor(1000);
    const std::string line = "\nClick here to show it and allow it from now on.";
    const std::string longTitle = std::string(237, 'x') + "Internet Explorer";  // 254, as long as titles are read
    const WindowHandle popup = TrapPopup("Ad - Internet Explorer");
    TrapPopup(longTitle);
    const std::string fits = std::string(190, 'y') + "Internet Explorer";  // with the line, all 255 the field holds
    TrapPopup(fits);
    Fire(kCmdPauseId);
    TrapPopup("Paused - Internet Explorer");
    // A long title is cut so that the whole text fits the field of 256 with its 0 byte.
    const std::string cleared = "1 488 16 17 |", hidden = "1 488 16 17 Pop-up hidden|";
    EXPECT_EQ(Balloons(shell), (Texts{cleared, hidden + "Ad - Internet Explorer" + line, cleared,
                                      hidden + longTitle.substr(0, 255 - line.size() - 3) + "..." + line, cleared,
                                      hidden + fits + line}));
    Host(ControlEvent::IconNotification, 1029);
    EXPECT_TRUE(windows.Window(LastPopup()).visible && windows.Window(popup).title == "Ad - Internet Explorer");
    EXPECT_EQ(windows.Window(LastPopup()).title, "Vexor Allowed Popup");
    EXPECT_EQ(Stored(), Texts{"Window0=" + fits});  // the last one hidden
}

// The user's own REG_DWORD, read at start (a missing or unreadable value is on), saved at each toggle.
TEST(NoticeSwitchTest, ReadAtStartToggledFromTheMenuAndSavedForTheUser) {
    const RegistryKey user = 0x80000001;
    const char* key = "Software\\Tessaly\\Popup";
    const std::pair<std::uint32_t, std::vector<std::uint8_t>> stored[] = {
        {kRegNone, {}}, {kRegDword, {0, 0, 0, 0}}, {kRegSz, {'0', 0}}};
    for (const auto& [type, data] : stored) {
        SimApp sim;
        if (type != kRegNone) sim.registry.Put(user, key, "NotifyWhenHiding", type, data);
        ASSERT_TRUE(sim.app.Start());
        const bool on = type != kRegDword;
        EXPECT_EQ(sim.app.Tray().notifyWhenHiding, on) << type;
        sim.trayChanges = 0;
        sim.app.MenuItem_Click(TrayItem::mnotify);
        EXPECT_GT(sim.trayChanges, 0) << "the check mark not told";
        EXPECT_EQ(RegistryModule(sim.registry).ReadValue(user, key, "NotifyWhenHiding"),
                  RegistryValue(std::int32_t{!on}));
        sim.TrapPopup("Ad - Internet Explorer");
        EXPECT_EQ(sim.shell.balloons.size(), on ? 0u : 2u) << type;
    }
    SimApp refused;
    refused.registry.deniedRoot = 0x80000001;  // the user's own key
    refused.app.MenuItem_Click(TrayItem::mnotify);
    EXPECT_FALSE(refused.app.Tray().notifyWhenHiding);
    EXPECT_EQ(refused.Told("The notification setting could not be saved to the registry."), 1);
}

// Pixels at 96 dpi: with the original font's widths the viewer is its table; wider texts keep its
// gaps and widen the window, "Hide" and the list keeping their distance from its right edge.
TEST(PlacementTest, WiderTextsKeepTheTablesGapsAndMarginsAndWidenTheWindow) {
    using Spans = std::map<int, std::pair<int, int>>;  // left, width; 0: the client width
    auto place = [](int wider) {
        const ViewerPlacement p = PlaceViewer(96, {{kCmdDeleteId, 31 + wider},
                                                   {kLabel5Id, 45 + wider},
                                                   {kCmdShowId, 84 + wider},
                                                   {kCmdPauseId, 30 + wider},
                                                   {kLabel1Id, 166 + wider}});
        Spans spans{{0, {p.clientWidth, 0}}};
        for (const auto& [id, span] : p.controls)
            spans[id] = {span.left, span.width};
        return spans;
    };
    EXPECT_EQ(place(0), (Spans{{0, {246, 0}},
                               {kCmdDeleteId, {8, 31}},
                               {kLabel5Id, {48, 45}},
                               {kCmdShowId, {104, 84}},
                               {kCmdPauseId, {200, 30}},
                               {kLabel1Id, {8, 166}},
                               {kCmdHideId, {189, 49}},
                               {kOKPopupsId, {8, 230}}}));
    EXPECT_EQ(place(20), (Spans{{0, {314, 0}},
                                {kCmdDeleteId, {8, 51}},
                                {kLabel5Id, {68, 65}},
                                {kCmdShowId, {144, 104}},
                                {kCmdPauseId, {260, 50}},
                                {kLabel1Id, {8, 186}},
                                {kCmdHideId, {257, 49}},
                                {kOKPopupsId, {8, 298}}}));
    EXPECT_EQ(std::make_pair(PlaceSplash(96, 193).clientWidth, PlaceSplash(96, 250).clientWidth),
              std::make_pair(258, 315));
    EXPECT_EQ(TwipsToPixels(2835, 144), 284);  // 283.5: rounded
    // The keyboard's order, and the tray menu: its captions in order, the default item bold.
    std::map<int, std::string> tabOrder;
    for (const ControlSpec& row : kViewerLayout) if (row.tabIndex >= 0) tabOrder[row.tabIndex] = row.name;
    EXPECT_EQ(tabOrder,
              (std::map<int, std::string>{
                  {0, "OKPopups"}, {1, "cmddelete"}, {2, "Label5"}, {3, "cmdshow"}, {4, "cmdpause"}, {5, "cmdhide"}}));
    Texts menu;
    for (const MenuItemSpec& item : kTrayMenuItems)
        menu.push_back(item.caption + std::string(item.isDefault ? " (bold)" : ""));
    EXPECT_EQ(menu, (Texts{"Popup Viewer (bold)", "Show Last Popup", "Pause", "Notify When Hiding", "-", "About",
                           "Exit", "Cancel"}));
}

TEST(TrayIconRecordTest, NumbersAreLittleEndianAfterTheSizeAndTheTipIsCutTo63ThenZeroThenSpaces) {
    const std::uint8_t head[] = {88, 0, 0, 0, 0xFC, 0xFF, 0xFF, 0xFF, 1,    0,    0,    0,
                                 7,  0, 0, 0, 0,    2,    0,    0,    0xF0, 0xDE, 0xBC, 0x9A};
    for (const std::string& tip :
         {std::string(), std::string("Vexor 2003"), std::string(63, 'x'), std::string(100, 'y')}) {
        const TrayIconRecord record = MakeTrayIconData(0xFFFFFFFC, 1, 7, 512, 0x9ABCDEF0, tip);
        EXPECT_TRUE(std::equal(std::begin(head), std::end(head), record.begin()));
        const std::uint32_t fields[] = {88, 0xFFFFFFFC, 1,
                                        7,  512,        0x9ABCDEF0};  // read back as the 64-bit build reads them
        for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(ReadTrayField(record, 4 * i), fields[i]);
        const std::size_t length = std::min<std::size_t>(tip.size(), 63);
        EXPECT_EQ(std::string(record.begin() + 24, record.end()),
                  tip.substr(0, length) + '\0' + std::string(63 - length, ' '));
    }
}

}  // namespace
}  // namespace vexor::testing
