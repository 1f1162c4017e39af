#include <gtest/gtest.h>

#include <set>

#include "monitor/startup.h"
#include "unit/app_fixture.h"

namespace vexor::testing {
namespace {

TEST_F(AppTest, StartupLoadsCaptionsSplashesWaitsLaunchesAndAddsTheIconInThatOrder) {
    registry_.PutText(kWindowsKeyRoot, kWindowsKeyPath, "Window0", "Saved - Internet Explorer");
    bool checkedSplash = false;
    toolkit_.At(500, [&] {
        checkedSplash = true;
        EXPECT_EQ(lists_.OKPopups.Count(), 1);  // loaded first
        EXPECT_EQ(app_.Viewer().Caption(), "Vexor 2003 Popup Viewer");
        EXPECT_TRUE(app_.Splash().IsOpen());
        EXPECT_TRUE(shell_.launches.empty());
    });
    toolkit_.At(1500, [&] {
        EXPECT_FALSE(app_.Splash().IsOpen());  // closed by its own timer
        EXPECT_TRUE(shell_.launches.empty());  // still waiting
    });

    ASSERT_TRUE(app_.Start());

    EXPECT_TRUE(checkedSplash);
    EXPECT_EQ(toolkit_.Now(), 2000);
    ASSERT_EQ(shell_.launches.size(), 1u);
    EXPECT_EQ(shell_.launches[0].path, "c:\\program files\\internet explorer\\iexplore.exe");
    EXPECT_EQ(shell_.launches[0].showStyle, 1);
    ASSERT_EQ(shell_.notifications.size(), 1u);
    EXPECT_EQ(shell_.notifications[0].first, kNimAdd);
    EXPECT_EQ(shell_.icons.count({0x20044, 1}), 1u);
    EXPECT_FALSE(app_.Viewer().Visible());
    EXPECT_FALSE(shell_.exitCode.has_value());
}

TEST_F(AppTest, LaunchedBrowserIsSnapshotMeasuredAndClosed) {
    ASSERT_TRUE(app_.Start());
    bool checked = false;
    toolkit_.At(4000, [&] {  // the browser opened at 2300 and the tick at 3000 took it
        checked = true;
        ASSERT_NE(browser_, 0);
        EXPECT_EQ(windows_.Window(browser_).title, "Internet Explorer - Vexor 2003 Snapshot, please wait...");
        EXPECT_FALSE(windows_.Window(browser_).enabled);
    });
    toolkit_.RunUntil(5001);
    EXPECT_TRUE(checked);
    EXPECT_FALSE(windows_.Exists(browser_));
    ASSERT_EQ(lists_.OKWinSizes.Count(), 1);
    EXPECT_EQ(lists_.OKWinSizes.At(0), "1400");
}

TEST_F(AppTest, BrowserWindowInFrontDuringTheStartupWaitIsTheSnapshot) {
    WindowHandle users = windows_.Create("Mail - Internet Explorer", {0, 0, 700, 500});
    ASSERT_TRUE(app_.Start());  // the tick at 1000 snapshots it inside start-up's wait
    EXPECT_EQ(lists_.OKWindows.ValueAt(0), users);
    EXPECT_EQ(lists_.OKWinSizes.At(0), "1200");
    toolkit_.RunFor(2000);
    // The launched browser is judged like any later window: another size, so trapped.
    ASSERT_NE(browser_, 0);
    EXPECT_FALSE(windows_.Window(browser_).visible);
    EXPECT_EQ(LastPopup(), browser_);
}

TEST_F(AppTest, MaximizedLaunchedBrowserIsRestoredThenSnapshot) {
    shell_.onLaunch = [this] {
        browser_ = windows_.Create("Blank Page - Internet Explorer", kLaunchedBrowserRect);
        windows_.Maximize(browser_);
    };
    ASSERT_TRUE(app_.Start());
    toolkit_.RunUntil(3000);
    EXPECT_EQ(windows_.Window(browser_).showCmd, static_cast<std::uint32_t>(kSwShowNormal));
    EXPECT_EQ(lists_.OKWinSizes.Count(), 0);
    toolkit_.RunUntil(6000);
    EXPECT_EQ(lists_.OKWinSizes.At(0), "1400");
}

TEST_F(AppTest, MissingBrowserIsReportedByPathAndEndsTheProcessWithoutAnIcon) {
    shell_.browserInstalled = false;
    EXPECT_FALSE(app_.Start());
    ASSERT_EQ(toolkit_.MessageBoxes().size(), 1u);
    const auto& box = toolkit_.MessageBoxes()[0];
    EXPECT_NE(box.text.find("c:\\program files\\internet explorer\\iexplore.exe"), std::string::npos);
    EXPECT_EQ(box.caption, "Vexor 2003");
    EXPECT_EQ(box.style, kMbOk | kMbIconError);
    EXPECT_TRUE(shell_.notifications.empty());
    ASSERT_TRUE(shell_.exitCode.has_value());
    EXPECT_NE(*shell_.exitCode, 0);
}

TEST_F(AppTest, OnlyADoubleClickOrARightButtonReleaseOnTheIconDoesAnything) {
    StartAndSnapshot();
    int menus = 0;
    app_.Tray().showMenu = [&] { ++menus; };
    for (std::uint32_t message : {512u, 513u, 514u, 516u, 518u, 519u, 520u, 521u, 0u, 70000u}) {
        app_.TrayHost_Notification(message);
    }
    EXPECT_FALSE(app_.Viewer().Visible());
    EXPECT_EQ(menus, 0);
    app_.TrayHost_Notification(517);
    EXPECT_EQ(menus, 1);
    EXPECT_FALSE(app_.Viewer().Visible());
    app_.TrayHost_Notification(515);
    EXPECT_TRUE(app_.Viewer().Visible());
}

TEST_F(AppTest, DoubleClickShowsTheViewerWithTheTrayPauseCaption) {
    StartAndSnapshot();
    app_.Tray().mpauseCaption = "Resume";
    app_.TrayHost_Notification(515);
    EXPECT_TRUE(app_.Viewer().Visible());
    EXPECT_EQ(app_.Viewer().CmdPauseCaption(), "Resume");
    app_.Tray().mpauseCaption = "Pause";
    app_.TrayHost_Notification(515);  // already shown: stays shown, caption refreshed
    EXPECT_TRUE(app_.Viewer().Visible());
    EXPECT_EQ(app_.Viewer().CmdPauseCaption(), "Pause");
}

TEST_F(AppTest, IconLostOrRefusedComesBackWhenTheTaskbarStartsEvenElevated) {
    app_.TrayHost_TaskbarCreated();
    EXPECT_TRUE(shell_.notifications.empty());  // nothing to bring back before start-up added it
    shell_.taskbarRunning = false;              // started before the taskbar
    StartAndSnapshot();
    EXPECT_TRUE(shell_.icons.empty());
    shell_.taskbarRunning = true;
    app_.TrayHost_TaskbarCreated();
    EXPECT_EQ(shell_.icons.count({0x20044, 1}), 1u);
    shell_.TaskbarRestarted();
    app_.TrayHost_TaskbarCreated();
    EXPECT_EQ(shell_.icons.count({0x20044, 1}), 1u);
    // Run elevated, the taskbar's broadcast and a later start's request pass the message filter.
    EXPECT_EQ(shell_.allowedMessages, (std::set<std::pair<WindowHandle, std::string>>{
                                          {0x20044, "TaskbarCreated"}, {0x20044, "Vexor2003.ShowPopupViewer"}}));
}

TEST_F(AppTest, LaterStartShowsTheViewerOnlyOnceStartupHasFinished) {
    bool accepted = false;
    toolkit_.At(1000, [&] { accepted = app_.TrayHost_ShowViewerRequest(); });
    toolkit_.At(1500, [&] { EXPECT_FALSE(app_.Viewer().Visible()); });
    ASSERT_TRUE(app_.Start());
    EXPECT_TRUE(accepted);
    EXPECT_TRUE(app_.Viewer().Visible());
    EXPECT_EQ(shell_.launches.size(), 1u);

    app_.Viewer().cmdhide_Click();
    app_.mpause_Click();
    EXPECT_TRUE(app_.TrayHost_ShowViewerRequest());
    EXPECT_TRUE(app_.Viewer().Visible());
    EXPECT_EQ(app_.Viewer().CmdPauseCaption(), "Resume");
}

TEST(StartupFailureTest, TimerThatCannotStartEndsStartupNamingItWithoutIconOrBrowser) {
    // Timer starts in order: size learning and the foreground check with the viewer, then the
    // splash window's and the settle delay's in the load handler.
    const std::pair<int, const char*> cases[] = {
        {0, kSizeLearningTimer}, {1, kForegroundCheckTimer}, {2, kSplashTimer}, {3, kSettleTimer}};
    for (const auto& [refused, what] : cases) {
        sim::SimPlatform platform;
        int starts = 0;
        platform.toolkit.refuseStart = [&, refused = refused](const Timer&) { return starts++ == refused; };
        Application app(PlatformServices{platform.toolkit, platform.windows, platform.registry, platform.shell,
                                         [] { return ProgramVersion{}; }});
        EXPECT_FALSE(app.Start()) << what;
        ASSERT_EQ(platform.toolkit.MessageBoxes().size(), 1u) << what;
        EXPECT_NE(platform.toolkit.MessageBoxes()[0].text.find(what), std::string::npos) << what;
        EXPECT_EQ(platform.toolkit.MessageBoxes()[0].caption, "Vexor 2003");
        EXPECT_EQ(platform.shell.exitCode, kStartupFailedExitCode) << what;
        EXPECT_TRUE(platform.shell.launches.empty()) << what;
        EXPECT_TRUE(platform.shell.icons.empty()) << what;
        // Only a splash whose timer runs is on screen: it closes itself while the message waits.
        EXPECT_EQ(app.Splash().IsOpen(), what == kSettleTimer) << what;
        // A later start is refused once start-up has failed: it must not wait for a viewer.
        EXPECT_FALSE(app.TrayHost_ShowViewerRequest()) << what;
    }
}

TEST_F(AppTest, SnapshotWithoutItsSettleTimerStillEnablesAndClosesTheBrowserAndTellsTheUser) {
    ASSERT_TRUE(app_.Start());
    Timer& settle = app_.Viewer().GetMonitor().State().Delaying();
    toolkit_.refuseStart = [&](const Timer& timer) { return &timer == &settle; };
    toolkit_.RunFor(2000);  // the browser's window opens at 2300; the tick at 3000 takes it
    ASSERT_NE(browser_, 0);
    EXPECT_FALSE(windows_.Exists(browser_));
    EXPECT_EQ(lists_.OKWinSizes.At(0), "1400");
    ASSERT_EQ(toolkit_.MessageBoxes().size(), 1u);
    EXPECT_NE(toolkit_.MessageBoxes()[0].text.find(kSettleTimer), std::string::npos);
    const sim::WindowCall& enable = windows_.Calls()[windows_.Calls().size() - 2];
    EXPECT_EQ(enable.operation, "EnableWindow");
    EXPECT_EQ(enable.number, kEnable);
    EXPECT_FALSE(shell_.exitCode.has_value());
}

TEST_F(AppTest, ExitAnsweredNoChangesNothingAndMonitoringGoesOn) {
    StartAndSnapshot();
    toolkit_.SetUserThinkingMs(3000);
    toolkit_.ScriptAnswer(kIdNo);
    WindowHandle popup = 0;
    toolkit_.After(500, [&] { popup = windows_.Create("Ad - Internet Explorer", {0, 0, 300, 200}); });
    app_.MenuItem_Click(TrayItem::mexit);
    ASSERT_EQ(toolkit_.MessageBoxes().size(), 1u);
    EXPECT_EQ(toolkit_.MessageBoxes()[0].text, "Are you sure you want to exit Vexor 2003?");
    EXPECT_EQ(toolkit_.MessageBoxes()[0].style, 36u);
    EXPECT_FALSE(shell_.exitCode.has_value());
    EXPECT_EQ(shell_.icons.size(), 1u);
    EXPECT_FALSE(windows_.Window(popup).visible);  // trapped while the question waited
}

TEST_F(AppTest, ExitAnsweredYesRemovesTheIconEndsAtOnceAndUndoesNothing) {
    StartAndSnapshot();
    WindowHandle popup = windows_.Create("Ad - Internet Explorer", {0, 0, 300, 200});
    toolkit_.RunFor(1000);
    ASSERT_FALSE(windows_.Window(popup).visible);
    windows_.ClearCalls();
    toolkit_.ScriptAnswer(kIdYes);
    app_.MenuItem_Click(TrayItem::mexit);
    EXPECT_EQ(shell_.exitCode, 0);
    EXPECT_TRUE(shell_.icons.empty());
    const TrayIconRecord& removal = shell_.notifications.back().second;
    EXPECT_EQ(shell_.notifications.back().first, kNimDelete);
    EXPECT_EQ(ReadTrayField(removal, kTrayCallbackMessage), 1u);
    EXPECT_EQ(removal[kTrayTip], 0);
    EXPECT_TRUE(windows_.Calls().empty());
    EXPECT_FALSE(windows_.Window(popup).visible);
}

TEST_F(AppTest, AboutIsOneWindowLoadedOncePerOpening) {
    app_.MenuItem_Click(TrayItem::mabout);
    app_.MenuItem_Click(TrayItem::mabout);
    EXPECT_TRUE(app_.About().IsOpen());
    EXPECT_EQ(app_.About().VersionText(), "Version 1.1.5");
    EXPECT_EQ(versionReads_, 1);
    app_.About().Close();
    version_ = {1, 10, 5};
    app_.MenuItem_Click(TrayItem::mabout);
    EXPECT_EQ(versionReads_, 2);
    EXPECT_EQ(app_.About().VersionText(), "Version 1.10.5");
}

TEST_F(AppTest, CancelAndTheSeparatorChangeNothing) {
    StartAndSnapshot();
    const auto notifications = shell_.notifications.size();
    app_.MenuItem_Click(TrayItem::mcancel);
    app_.MenuItem_Click(TrayItem::mb);
    EXPECT_FALSE(app_.Viewer().Visible());
    EXPECT_FALSE(app_.About().IsOpen());
    EXPECT_EQ(shell_.notifications.size(), notifications);
    EXPECT_TRUE(toolkit_.MessageBoxes().empty());
}

TEST_F(AppTest, SplashClosedEarlyByTheUserLeavesStartupUnaffected) {
    toolkit_.At(200, [&] { app_.Splash().Close(); });
    ASSERT_TRUE(app_.Start());
    EXPECT_EQ(toolkit_.Now(), 2000);
    EXPECT_EQ(shell_.launches.size(), 1u);
}

TEST(VersionLineTest, EachNumberTakesTheDigitsItNeeds) {
    EXPECT_EQ(FormatVersionLine({1, 1, 5}), "Version 1.1.5");
    EXPECT_EQ(FormatVersionLine({1, 10, 5}), "Version 1.10.5");
    EXPECT_EQ(FormatVersionLine({0, 0, 0}), "Version 0.0.0");
    EXPECT_EQ(FormatVersionLine({65535, 2, 300}), "Version 65535.2.300");
}

}  // namespace
}  // namespace vexor::testing
