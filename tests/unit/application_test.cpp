#include <gtest/gtest.h>

#include <set>

#include "unit/app_fixture.h"

namespace vexor::testing {
namespace {

using Notification = std::pair<std::uint32_t, TrayIconRecord>;

TEST_F(AppTest, StartupLoadsCaptionsSplashesWaitsLaunchesAndAddsTheIconInThatOrder) {
    registry_.PutText(sim::kMachine, sim::kTitlesKey, "Window0", "Saved - Internet Explorer");
    std::vector<std::string> steps;
    auto step = [&](const std::string& what) {
        steps.push_back(what + " at " + std::to_string(toolkit_.Now()) + ": " + std::to_string(lists_.OKPopups.Count()) +
                        " titles, " + app_.Viewer().Caption() + ", " + std::to_string(shell_.notifications.size()) + " icons");
    };
    app_.Splash().changed = [&] { step(app_.Splash().IsOpen() ? "splash" : "splash closed"); };
    shell_.onLaunch = [&] { step("launch " + shell_.launches[0].first + " " + std::to_string(shell_.launches[0].second)); };
    ASSERT_TRUE(app_.Start());
    EXPECT_EQ(steps, (std::vector<std::string>{
                         "splash at 0: 1 titles, Vexor 2003 Popup Viewer, 0 icons",
                         "splash closed at 1000: 1 titles, Vexor 2003 Popup Viewer, 0 icons",
                         "launch c:\\program files\\internet explorer\\iexplore.exe 1 at 2000: 1 titles, Vexor 2003 Popup Viewer, 0 icons"}));
    // Callback WM_MOUSEMOVE, which the host window decodes; flags 7: callback, icon and tip.
    EXPECT_EQ(shell_.notifications, (std::vector<Notification>{{0u, MakeTrayIconData(0x20044, 1, 7, 512, 0x3007, "Vexor 2003")}}));
    EXPECT_FALSE(app_.Viewer().Visible() || shell_.exitCode);
}

TEST(StartupFailureTest, FailedStepIsToldByNameAndEndsTheProcessWithoutIconOrLaterRequests) {
    // Timers by the order they start in (the viewer's two, the splash's, the settle delay's); -1: no browser.
    const std::pair<int, const char*> cases[] = {
        {0, "the timer of its size learning"}, {1, "the timer of its foreground check"}, {2, "the timer of its splash window"},
        {3, "the timer of its settle delay"}, {-1, "c:\\program files\\internet explorer\\iexplore.exe"}};
    for (const auto& [refused, what] : cases) {
        sim::SimPlatform platform;
        int starts = 0;
        platform.toolkit.refuseStart = [&, refused = refused](const Timer&) { return starts++ == refused; };
        platform.shell.browserInstalled = refused >= 0;
        Application app(PlatformServices{platform.toolkit, platform.windows, platform.registry, platform.shell,
                                         [] { return ProgramVersion{}; }});
        EXPECT_FALSE(app.Start()) << what;
        ASSERT_EQ(platform.toolkit.MessageBoxes().size(), 1u) << what;
        EXPECT_NE(platform.toolkit.MessageBoxes()[0].text.find(what), std::string::npos) << what;
        if (refused == 0) {
            EXPECT_EQ(platform.toolkit.MessageBoxes()[0].text, "Vexor 2003 could not create the timer of its size learning and "
                      "cannot start.\n\nWindows may be short of memory or window resources. Close some programs, then start "
                      "Vexor 2003 again.");
        }
        EXPECT_EQ(platform.toolkit.MessageBoxes()[0].caption, "Vexor 2003");
        EXPECT_EQ(platform.toolkit.MessageBoxes()[0].style, kMbOk | kMbIconError);
        EXPECT_NE(platform.shell.exitCode.value_or(0), 0) << what;
        EXPECT_EQ(platform.shell.launches.size(), refused < 0 ? 1u : 0u) << what;
        // Only a splash whose timer runs is on screen: it closes itself while the message waits.
        EXPECT_EQ(app.Splash().IsOpen(), refused == 3) << what;
        app.TrayHost_Event(0, ControlEvent::TaskbarCreated);
        EXPECT_TRUE(platform.shell.notifications.empty()) << what;
        app.TrayHost_Event(0, ControlEvent::ShowViewerRequest);
        EXPECT_FALSE(app.Tray().answering || app.Viewer().Visible()) << what;
    }
}

TEST_F(AppTest, DuringStartupTheBrowserInFrontIsTheSnapshotAndRequestsWaitUntilTheIconStep) {
    windows_.Create("Mail - Internet Explorer", {0, 0, 700, 500});
    shell_.onLaunch = [this] { toolkit_.After(300, [this] { windows_.Create("Blank - Internet Explorer", kLaunchedBrowserRect); }); };
    shell_.taskbarRunning = false;  // started before the taskbar: the first add fails
    Host(ControlEvent::TaskbarCreated);
    toolkit_.At(200, [&] { app_.Splash().Close(); });  // the user's early close changes nothing
    toolkit_.At(1000, [&] {
        Host(ControlEvent::TaskbarCreated);
        Host(ControlEvent::ShowViewerRequest);
        EXPECT_FALSE(app_.Viewer().Visible());
    });
    ASSERT_TRUE(app_.Start());  // the tick at 1000 takes the snapshot inside start-up's wait
    EXPECT_TRUE(app_.Viewer().Visible());
    ASSERT_EQ(lists_.OKWinSizes.Count(), 1);
    EXPECT_EQ(lists_.OKWinSizes.At(0), "1200");
    toolkit_.RunFor(1000);
    EXPECT_EQ(windows_.Window(LastPopup()).title, "Blank - Internet Explorer");  // another size: a pop-up
    shell_.taskbarRunning = true;
    Host(ControlEvent::TaskbarCreated);  // start-up's add and this one, none before
    EXPECT_EQ(shell_.notifications, (std::vector<Notification>(2, {0u, MakeTrayIconData(0x20044, 1, 7, 512, 0x3007, "Vexor 2003")})));
    Fire(kCmdHideId);
    Host(ControlEvent::ShowViewerRequest);
    EXPECT_TRUE(app_.Tray().answering && app_.Viewer().Visible());
}

TEST_F(AppTest, MaximizedLaunchedBrowserIsMeasuredAtItsNormalSizeAndClosedEvenWithoutASettleTimer) {
    WindowHandle browser = 0;
    shell_.onLaunch = [&] { windows_.Maximize(browser = windows_.Create("Home - Internet Explorer", kLaunchedBrowserRect)); };
    ASSERT_TRUE(app_.Start());
    Timer& settle = app_.Viewer().GetMonitor().Delaying();
    toolkit_.refuseStart = [&](const Timer& timer) { return &timer == &settle; };
    toolkit_.RunFor(2000);  // the tick at 3000 restores it, the one at 4000 measures it
    ASSERT_EQ(lists_.OKWinSizes.Count(), 1);
    EXPECT_EQ(lists_.OKWinSizes.At(0), "1400");
    EXPECT_FALSE(windows_.Exists(browser));
    EXPECT_EQ(windows_.Calls()[windows_.Calls().size() - 2].number, -1);  // enabled again before the close
    EXPECT_EQ(Told("could not create the timer of its settle delay."), 1);
}

TEST_F(AppTest, OnlyADoubleClickShowsTheViewerAndOnlyARightButtonReleaseOpensTheMenu) {
    std::set<std::uint32_t> menus, shows;
    std::uint32_t message = 0;
    app_.Tray().showMenu = [&] { menus.insert(message); };
    app_.Viewer().changed = [&] { shows.insert(message); };
    for (; message < 1100; message += message == 1099 ? 70000 : 1) Host(ControlEvent::IconNotification, static_cast<int>(message));
    EXPECT_EQ(menus, std::set<std::uint32_t>{517});
    EXPECT_EQ(shows, std::set<std::uint32_t>{515});
}

TEST_F(AppTest, CancelTheSeparatorAndExitAnsweredNoChangeNothingButYesRemovesTheIconAndEndsAtOnceUndoingNothing) {
    lists_.OKWinSizes.Append(1400);
    toolkit_.SetUserThinkingMs(3000);
    WindowHandle popup = 0;
    toolkit_.After(500, [&] { popup = windows_.Create("Ad - Internet Explorer", {0, 0, 300, 200}); });
    app_.MenuItem_Click(TrayItem::mcancel);
    app_.MenuItem_Click(TrayItem::mb);
    EXPECT_TRUE(toolkit_.MessageBoxes().empty() && registry_.CallCount() == 0);
    app_.MenuItem_Click(TrayItem::mexit);  // answered No
    EXPECT_EQ(Told("Are you sure you want to exit Vexor 2003?"), 1);
    EXPECT_EQ(toolkit_.MessageBoxes()[0].style, kMbYesNo | kMbIconQuestion);
    EXPECT_FALSE(windows_.Window(popup).visible);  // trapped while the question waited
    EXPECT_FALSE(app_.Viewer().Visible() || app_.About().IsOpen() || shell_.exitCode);
    EXPECT_TRUE(Timer1().Enabled() && shell_.notifications.empty());
    windows_.ClearCalls();
    toolkit_.ScriptAnswer(kIdYes);
    app_.MenuItem_Click(TrayItem::mexit);
    EXPECT_EQ(shell_.exitCode, 0);
    EXPECT_EQ(shell_.notifications, (std::vector<Notification>{{2u, MakeTrayIconData(0x20044, 1, 7, 1, 0x3007, "")}}));
    EXPECT_EQ(shell_.iconRequestsAtEnd, 1u);  // the icon goes before the process does
    EXPECT_TRUE(windows_.Calls().empty());  // no window asked to close, the pop-up left hidden
}

TEST_F(AppTest, AboutIsOneWindowLoadedOncePerOpeningWithEachNumbersOwnDigits) {
    int shown = 0;
    app_.About().changed = [&] { ++shown; };
    app_.MenuItem_Click(TrayItem::mabout);
    app_.MenuItem_Click(TrayItem::mabout);
    EXPECT_EQ(versionReads_ * 10 + shown, 12);  // loaded once, shown (and brought forward) twice
    EXPECT_EQ(app_.About().VersionText(), "Version 1.1.5");
    app_.About().Close();
    version_ = {65535, 10, 0};
    app_.MenuItem_Click(TrayItem::mabout);
    EXPECT_EQ(versionReads_, 2);
    EXPECT_EQ(app_.About().VersionText(), "Version 65535.10.0");
    app_.About().CreationFailed();
    EXPECT_EQ(Told("could not create the About window."), 1);
}

TEST_F(AppTest, PauseTogglesReadTheirOwnCaptionAndBothCaptionsStayTrueWhenTheCheckCannotStart) {
    EXPECT_EQ(app_.Tray().mpauseCaption + " " + app_.Viewer().CmdPauseCaption(), "Pause Pause");
    app_.Tray().mpauseCaption = "Resume";  // out of step, so that each toggle shows what it read
    Fire(kCmdPauseId);
    Fire(kCmdHideId);  // hiding the viewer keeps the pause
    EXPECT_FALSE(Timer1().Enabled());
    EXPECT_GT(trayChanges_, 0);
    app_.Viewer().SetCmdPauseCaption("Pause");
    app_.MenuItem_Click(TrayItem::mpause);
    EXPECT_TRUE(Timer1().Enabled());
    EXPECT_EQ(app_.Tray().mpauseCaption, "Pause");
    toolkit_.refuseStart = [this](const Timer& timer) { return &timer == &Timer1(); };
    Fire(kCmdDeleteId);  // the check cannot start after the edit: told, and shown paused
    EXPECT_EQ(app_.Tray().mpauseCaption, "Resume");
    app_.MenuItem_Click(TrayItem::mpause);  // nor when Resume tries again
    EXPECT_EQ(Told("could not create the timer of its foreground check."), 2);
    EXPECT_EQ(Told("could not be saved"), 0);
    EXPECT_EQ(app_.Viewer().CmdPauseCaption(), "Resume");
}

// The table rows that no other test goes through, each checked by the mark its own handler leaves.
TEST_F(AppTest, EachRemainingRowRunsItsOwnHandlerAndTheBackgroundResetsEveryHighlight) {
    Store({{"Window0", "Kept"}});
    lists_.OKPopups.Select(0);
    app_.Tray().mpauseCaption = "Resume";
    app_.MenuItem_Click(TrayItem::mshow);
    EXPECT_TRUE(app_.Viewer().Visible() && app_.Viewer().CmdPauseCaption() == "Resume");  // the tray's pause state
    Fire(kCmdHideId);
    EXPECT_FALSE(app_.Viewer().Visible());
    Fire(kOKPopupsId, ControlEvent::MouseDown);
    EXPECT_EQ(app_.Viewer().OKPopupsToolTip(), "Kept");
    lists_.OKPopups.Select(-1);
    Fire(kOKPopupsId, ControlEvent::MouseDown);
    EXPECT_EQ(app_.Viewer().OKPopupsToolTip(), "");
    const std::set<int> labels{kCmdDeleteId, kLabel5Id, kCmdShowId, kCmdPauseId};
    for (int id : {kCmdDeleteId, kLabel5Id, kCmdShowId, kCmdPauseId, kCmdViewId}) Fire(id, ControlEvent::MouseMove);
    // System colour 13 is the highlight, 18 the button text.
    for (int id : labels) EXPECT_EQ(app_.Viewer().LabelColor(id), 13) << id;  // none resets another
    EXPECT_EQ(app_.Viewer().LabelColor(kCmdViewId), 18);  // View never highlights
    std::set<int> redrawn;
    app_.Viewer().labelColorChanged = [&](int id) { redrawn.insert(id); };
    app_.Form_MouseMove();
    EXPECT_EQ(redrawn, labels);
    for (int id : labels) EXPECT_EQ(app_.Viewer().LabelColor(id), 18) << id;
}

// A balloon request as the shell reads it: (message, size, flags, icon flags, "title|text").
std::string Balloon(const std::pair<std::uint32_t, BalloonRecord>& request) {
    const BalloonRecord& r = request.second;
    auto text = [&](std::size_t offset) { return std::string(reinterpret_cast<const char*>(r.data()) + offset); };
    return std::to_string(request.first) + " " + std::to_string(ReadTrayField(r, 0)) + " " + std::to_string(ReadTrayField(r, 12)) +
           " " + std::to_string(ReadTrayField(r, 484)) + " " + text(420) + "|" + text(160);
}

// The notice is a balloon at the icon, asked with NIM_MODIFY (1), 488 bytes, only NIF_INFO (16),
// the information icon without sound (17); a shown one is taken away first. The snapshot and a
// paused check hide nothing, so they tell nothing; a click on the balloon is Show Last Popup.
TEST_F(AppTest, EachHiddenPopupIsToldInABalloonWhoseClickShowsAndAllowsIt) {
    shell_.onLaunch = [&] { windows_.Create("Home - Internet Explorer", kLaunchedBrowserRect); };
    ASSERT_TRUE(app_.Start());
    toolkit_.RunFor(1000);
    const std::string line = "\nClick here to show it and allow it from now on.";
    const std::string longTitle = std::string(237, 'x') + "Internet Explorer";  // 254, as long as titles are read
    const WindowHandle popup = TrapPopup("Ad - Internet Explorer");
    TrapPopup(longTitle);
    const std::string fits = std::string(190, 'y') + "Internet Explorer";  // with the line, all 255 the field holds
    TrapPopup(fits);
    Fire(kCmdPauseId);
    TrapPopup("Paused - Internet Explorer");
    ASSERT_EQ(shell_.balloons.size(), 6u);
    EXPECT_EQ(Balloon(shell_.balloons[5]), "1 488 16 17 Pop-up hidden|" + fits + line);
    for (std::size_t i : {0, 2}) EXPECT_EQ(Balloon(shell_.balloons[i]), "1 488 16 17 |");
    EXPECT_EQ(Balloon(shell_.balloons[1]), "1 488 16 17 Pop-up hidden|Ad - Internet Explorer" + line);
    // The whole text fits the field of 256 with its 0 byte.
    EXPECT_EQ(Balloon(shell_.balloons[3]), "1 488 16 17 Pop-up hidden|" + longTitle.substr(0, 255 - line.size() - 3) + "..." + line);
    Host(ControlEvent::IconNotification, 1029);
    EXPECT_TRUE(windows_.Window(LastPopup()).visible && windows_.Window(popup).title == "Ad - Internet Explorer");
    EXPECT_EQ(windows_.Window(LastPopup()).title, "Vexor Allowed Popup");
    EXPECT_EQ(Stored(), std::vector<std::string>{"Window0=" + fits});  // the last one hidden
}

// The switch is the user's own REG_DWORD, read at start (a missing or unreadable value is on) and
// saved at each toggle from the menu; a failed save is told, and the choice holds for the run.
TEST(NoticeSwitchTest, ReadAtStartToggledFromTheMenuAndSavedForTheUser) {
    const RegistryKey user = 0x80000001;
    const char* key = "Software\\Tessaly\\Popup";
    const std::pair<std::uint32_t, std::vector<std::uint8_t>> stored[] = {{kRegNone, {}}, {kRegDword, {0, 0, 0, 0}}, {kRegSz, {'0', 0}}};
    for (const auto& [type, data] : stored) {
        SimApp sim;
        if (type != kRegNone) sim.registry_.Put(user, key, "NotifyWhenHiding", type, data);
        ASSERT_TRUE(sim.app_.Start());
        const bool on = type != kRegDword;
        EXPECT_EQ(sim.app_.Tray().notifyWhenHiding, on) << type;
        const int changes = sim.trayChanges_;
        sim.app_.MenuItem_Click(TrayItem::mnotify);
        EXPECT_GT(sim.trayChanges_, changes) << "the check mark not told";
        EXPECT_EQ(RegistryModule(sim.registry_).ReadValue(user, key, "NotifyWhenHiding"), RegistryValue(std::int32_t{!on}));
        sim.TrapPopup("Ad - Internet Explorer");
        EXPECT_EQ(sim.shell_.balloons.size(), on ? 0u : 2u) << type;
    }
    SimApp refused;
    refused.registry_.RefuseCalls([] { return true; });
    refused.app_.MenuItem_Click(TrayItem::mnotify);
    EXPECT_FALSE(refused.app_.Tray().notifyWhenHiding);
    EXPECT_EQ(refused.Told("The notification setting could not be saved to the registry."), 1);
}

// Placed for their texts (pixels at 96 dpi): with the original font's widths the viewer is its
// table; wider texts keep the table's gaps, widen the window and keep "Hide" and the list their
// distance from its right edge. The splash's label grows with its text and keeps its margin.
TEST(PlacementTest, WiderTextsKeepTheTablesGapsAndMarginsAndWidenTheWindow) {
    using Spans = std::map<int, std::pair<int, int>>;  // left, width; 0: the client width
    auto place = [](int wider) {
        const ViewerPlacement p = PlaceViewer(96, {{kCmdDeleteId, 31 + wider}, {kLabel5Id, 45 + wider}, {kCmdShowId, 84 + wider},
                                                   {kCmdPauseId, 30 + wider}, {kLabel1Id, 166 + wider}});
        Spans spans{{0, {p.clientWidth, 0}}};
        for (const auto& [id, span] : p.controls) spans[id] = {span.left, span.width};
        return spans;
    };
    EXPECT_EQ(place(0), (Spans{{0, {246, 0}}, {kCmdDeleteId, {8, 31}}, {kLabel5Id, {48, 45}}, {kCmdShowId, {104, 84}},
                               {kCmdPauseId, {200, 30}}, {kLabel1Id, {8, 166}}, {kCmdHideId, {189, 49}}, {kOKPopupsId, {8, 230}}}));
    EXPECT_EQ(place(20), (Spans{{0, {314, 0}}, {kCmdDeleteId, {8, 51}}, {kLabel5Id, {68, 65}}, {kCmdShowId, {144, 104}},
                                {kCmdPauseId, {260, 50}}, {kLabel1Id, {8, 186}}, {kCmdHideId, {257, 49}}, {kOKPopupsId, {8, 298}}}));
    EXPECT_EQ(std::make_pair(PlaceSplash(96, 193).clientWidth, PlaceSplash(96, 250).clientWidth), std::make_pair(258, 315));
    EXPECT_EQ(TwipsToPixels(2835, 144), 284);  // 283.5: rounded
    // The keyboard's order, and the tray menu: its captions in order, the default item bold.
    std::map<int, std::string> tabOrder;
    for (const ControlSpec& row : kViewerLayout) if (row.tabIndex >= 0) tabOrder[row.tabIndex] = row.name;
    EXPECT_EQ(tabOrder, (std::map<int, std::string>{{0, "OKPopups"}, {1, "cmddelete"}, {2, "Label5"}, {3, "cmdshow"}, {4, "cmdpause"}, {5, "cmdhide"}}));
    std::vector<std::string> menu;
    for (const MenuItemSpec& item : kTrayMenuItems) menu.push_back(item.caption + std::string(item.isDefault ? " (bold)" : ""));
    EXPECT_EQ(menu, (std::vector<std::string>{"Popup Viewer (bold)", "Show Last Popup", "Pause", "Notify When Hiding", "-", "About", "Exit", "Cancel"}));
}

TEST(TrayIconRecordTest, NumbersAreLittleEndianAfterTheSizeAndTheTipIsCutTo63ThenZeroThenSpaces) {
    const std::uint8_t head[] = {88, 0, 0, 0, 0xFC, 0xFF, 0xFF, 0xFF, 1, 0, 0, 0, 7, 0, 0, 0, 0, 2, 0, 0, 0xF0, 0xDE, 0xBC, 0x9A};
    for (const std::string& tip : {std::string(), std::string("Vexor 2003"), std::string(63, 'x'), std::string(100, 'y')}) {
        const TrayIconRecord record = MakeTrayIconData(0xFFFFFFFC, 1, 7, 512, 0x9ABCDEF0, tip);
        EXPECT_TRUE(std::equal(std::begin(head), std::end(head), record.begin()));
        const std::uint32_t fields[] = {88, 0xFFFFFFFC, 1, 7, 512, 0x9ABCDEF0};  // read back as the 64-bit build reads them
        for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(ReadTrayField(record, 4 * i), fields[i]);
        const std::size_t length = std::min<std::size_t>(tip.size(), 63);
        EXPECT_EQ(std::string(record.begin() + 24, record.end()), tip.substr(0, length) + '\0' + std::string(63 - length, ' '))
            << tip.size();
    }
}

}  // namespace
}  // namespace vexor::testing
