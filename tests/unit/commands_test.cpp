#include <gtest/gtest.h>

#include "commands/remove_titles.h"
#include "monitor/startup.h"
#include "unit/app_fixture.h"

namespace vexor::testing {
namespace {

using CommandsTest = AppTest;

TEST_F(CommandsTest, ShowLastPopupAllowsSavesRetitlesAndRestoresWithoutTouchingTheRest) {
    StartAndSnapshot();
    WindowHandle popup = TrapPopup("Offer - Internet Explorer");
    app_.cmdshow_Click();
    EXPECT_TRUE(windows_.Window(popup).visible);
    EXPECT_EQ(windows_.Window(popup).title, "Vexor Allowed Popup");
    EXPECT_EQ(Titles(lists_.OKPopups), std::vector<std::string>{"Offer - Internet Explorer"});
    EXPECT_EQ(Stored(), std::vector<std::string>{"Window0=Offer - Internet Explorer"});
    EXPECT_EQ(lists_.LContained.Count(), 1);  // the trapped entry stays
    EXPECT_EQ(LastPopup(), popup);
    EXPECT_TRUE(Timer1().Enabled());

    // The marker title lacks "Internet Explorer": later ticks pass over the window.
    toolkit_.RunFor(3000);
    EXPECT_TRUE(windows_.Window(popup).visible);
}

TEST_F(CommandsTest, ShowLastPopupTwiceDoesNotAllowTheMarkerTitle) {
    StartAndSnapshot();
    TrapPopup("Offer - Internet Explorer");
    app_.mshowlast_Click();
    app_.mshowlast_Click();
    EXPECT_EQ(Titles(lists_.OKPopups), std::vector<std::string>{"Offer - Internet Explorer"});
    EXPECT_EQ(Stored(), std::vector<std::string>{"Window0=Offer - Internet Explorer"});
}

TEST_F(CommandsTest, ShowLastPopupBeforeAnyTrapOnlyRewritesTheUnchangedList) {
    registry_.PutText(kWindowsKeyRoot, kWindowsKeyPath, "Window3", "Kept - Internet Explorer");
    StartAndSnapshot();
    windows_.ClearCalls();
    app_.cmdshow_Click();
    EXPECT_EQ(Titles(lists_.OKPopups), std::vector<std::string>{"Kept - Internet Explorer"});
    EXPECT_EQ(Stored(), std::vector<std::string>{"Window0=Kept - Internet Explorer"});  // gap closed
    for (const auto& call : windows_.Calls()) EXPECT_EQ(call.window, 0) << call.operation;
}

TEST_F(CommandsTest, ShowLastPopupAllowsTheCurrentTitleNotTheTrappedOne) {
    StartAndSnapshot();
    WindowHandle popup = TrapPopup("Old - Internet Explorer");
    windows_.SetTitleByUser(popup, "New - Internet Explorer");
    app_.cmdshow_Click();
    EXPECT_EQ(Titles(lists_.OKPopups), std::vector<std::string>{"New - Internet Explorer"});
    EXPECT_EQ(lists_.LContained.At(0), "Old - Internet Explorer");
}

TEST_F(CommandsTest, ReleaseFindsTheWindowByTitleAllowsSavesAndRemovesTheEntry) {
    StartAndSnapshot();
    WindowHandle first = TrapPopup("First - Internet Explorer");
    WindowHandle second = TrapPopup("Second - Internet Explorer", {10, 10, 210, 110});
    lists_.LContained.Select(0);
    app_.LContained_DblClick();
    EXPECT_TRUE(windows_.Window(first).visible);
    EXPECT_EQ(windows_.Window(first).title, "Vexor Allowed Popup");
    EXPECT_FALSE(windows_.Window(second).visible);
    EXPECT_EQ(Titles(lists_.LContained), std::vector<std::string>{"Second - Internet Explorer"});
    EXPECT_EQ(Titles(lists_.OKPopups), std::vector<std::string>{"First - Internet Explorer"});
    EXPECT_EQ(Stored(), std::vector<std::string>{"Window0=First - Internet Explorer"});
    EXPECT_TRUE(Timer1().Enabled());
    EXPECT_EQ(LastPopup(), second);
}

TEST_F(CommandsTest, ReleaseOfAClosedOrRetitledWindowStillAllowsTheTitle) {
    StartAndSnapshot();
    WindowHandle popup = TrapPopup("Gone - Internet Explorer");
    windows_.Destroy(popup);
    lists_.LContained.Select(0);
    windows_.ClearCalls();
    app_.cmdview_Click();
    EXPECT_EQ(Titles(lists_.OKPopups), std::vector<std::string>{"Gone - Internet Explorer"});
    EXPECT_EQ(lists_.LContained.Count(), 0);
    for (const auto& call : windows_.Calls()) EXPECT_EQ(call.window, 0) << call.operation;
}

TEST_F(CommandsTest, ReleaseWithTwoWindowsOfOneTitleRestoresOneAndKeepsTheOtherEntry) {
    StartAndSnapshot();
    WindowHandle a = TrapPopup("Twin - Internet Explorer");
    WindowHandle b = TrapPopup("Twin - Internet Explorer", {5, 5, 105, 55});
    lists_.LContained.Select(1);
    app_.LContained_DblClick();
    EXPECT_NE(windows_.Window(a).visible, windows_.Window(b).visible);
    EXPECT_EQ(lists_.LContained.Count(), 1);
}

TEST_F(CommandsTest, ReleaseWithNothingSelectedTouchesNoWindowButStillSavesAndReloads) {
    StartAndSnapshot();
    windows_.Create("", {0, 0, 50, 50}, false);  // an untitled hidden window: must stay alone
    TrapPopup("Offer - Internet Explorer");
    registry_.PutText(kWindowsKeyRoot, kWindowsKeyPath, "Window0", "Stored elsewhere");
    windows_.ClearCalls();
    app_.LContained_DblClick();
    EXPECT_TRUE(windows_.Calls().empty());
    EXPECT_EQ(lists_.LContained.Count(), 1);
    EXPECT_TRUE(Titles(lists_.OKPopups).empty());  // rewritten from the empty list, then reloaded
    EXPECT_TRUE(Stored().empty());
}

TEST_F(CommandsTest, ShowLastPopupThenReleaseAllowsTheTitleTwice) {
    StartAndSnapshot();
    TrapPopup("Offer - Internet Explorer");
    app_.cmdshow_Click();
    lists_.LContained.Select(0);
    app_.LContained_DblClick();
    EXPECT_EQ(Titles(lists_.OKPopups),
              (std::vector<std::string>{"Offer - Internet Explorer", "Offer - Internet Explorer"}));
    EXPECT_EQ(lists_.LContained.Count(), 0);
}

TEST_F(CommandsTest, ReleaseAndDeleteKeepAPausedMonitorPausedAndTheCaptionsTrue) {
    StartAndSnapshot();
    TrapPopup("Offer - Internet Explorer");
    app_.mpause_Click();
    ASSERT_FALSE(Timer1().Enabled());
    lists_.LContained.Select(0);
    app_.LContained_DblClick();
    EXPECT_FALSE(Timer1().Enabled());
    lists_.OKPopups.Select(0);
    app_.cmddelete_Click();
    EXPECT_FALSE(Timer1().Enabled());
    EXPECT_EQ(app_.Tray().mpauseCaption, "Resume");
    EXPECT_EQ(app_.Viewer().CmdPauseCaption(), "Resume");
    // Nothing is trapped while paused.
    WindowHandle popup = windows_.Create("Later - Internet Explorer", {0, 0, 300, 300});
    toolkit_.RunFor(3000);
    EXPECT_TRUE(windows_.Window(popup).visible);
}

TEST_F(CommandsTest, TheCheckStaysStoppedWhileReleaseAndDeleteWork) {
    StartAndSnapshot();
    TrapPopup("Offer - Internet Explorer");
    bool sawRunning = false;
    registry_.SetBeforeQuery([&] { sawRunning = sawRunning || Timer1().Enabled(); });
    lists_.LContained.Select(0);
    app_.LContained_DblClick();
    lists_.OKPopups.Select(0);
    app_.cmddelete_Click();
    EXPECT_FALSE(sawRunning);
    EXPECT_TRUE(Timer1().Enabled());
}

TEST_F(CommandsTest, DeleteRemovesOnlyTheSelectedEntryAndRenumbersTheStore) {
    for (int i = 0; i < 3; ++i) {
        registry_.PutText(kWindowsKeyRoot, kWindowsKeyPath, "Window" + std::to_string(i), i == 2 ? "A" : (i == 0 ? "A" : "B"));
    }
    StartAndSnapshot();
    ASSERT_EQ(Titles(lists_.OKPopups), (std::vector<std::string>{"A", "B", "A"}));
    lists_.OKPopups.Select(0);
    app_.cmddelete_Click();
    EXPECT_EQ(Titles(lists_.OKPopups), (std::vector<std::string>{"B", "A"}));
    EXPECT_EQ(Stored(), (std::vector<std::string>{"Window0=B", "Window1=A"}));
}

TEST_F(CommandsTest, DeleteWithNothingSelectedRewritesAndReloadsTheUnchangedList) {
    registry_.PutText(kWindowsKeyRoot, kWindowsKeyPath, "Window4", "Only");
    StartAndSnapshot();
    app_.cmddelete_Click();
    EXPECT_EQ(Titles(lists_.OKPopups), std::vector<std::string>{"Only"});
    EXPECT_EQ(Stored(), std::vector<std::string>{"Window0=Only"});
    EXPECT_TRUE(Timer1().Enabled());
}

TEST_F(CommandsTest, DeleteOfTheOnlyTitleLeavesNoKey) {
    registry_.PutText(kWindowsKeyRoot, kWindowsKeyPath, "Window0", "Only");
    StartAndSnapshot();
    lists_.OKPopups.Select(0);
    app_.cmddelete_Click();
    EXPECT_EQ(lists_.OKPopups.Count(), 0);
    EXPECT_FALSE(registry_.KeyExists(kWindowsKeyRoot, kWindowsKeyPath));
}

TEST_F(CommandsTest, DeleteAllAnsweredNoChangesNothing) {
    registry_.PutText(kWindowsKeyRoot, kWindowsKeyPath, "Window0", "Kept");
    StartAndSnapshot();
    toolkit_.ScriptAnswer(kIdNo);
    app_.Label5_Click();
    ASSERT_EQ(toolkit_.MessageBoxes().size(), 1u);
    EXPECT_EQ(toolkit_.MessageBoxes()[0].text, "Delete All Allowed Popups?");
    EXPECT_EQ(toolkit_.MessageBoxes()[0].caption, "Vexor 2003");
    EXPECT_EQ(toolkit_.MessageBoxes()[0].style, 36u);
    EXPECT_EQ(Titles(lists_.OKPopups), std::vector<std::string>{"Kept"});
    EXPECT_EQ(Stored(), std::vector<std::string>{"Window0=Kept"});
}

TEST_F(CommandsTest, DeleteAllAnsweredYesEmptiesListAndKeyButNotTheTrappedList) {
    registry_.PutText(kWindowsKeyRoot, kWindowsKeyPath, "Window0", "Gone");
    StartAndSnapshot();
    TrapPopup("Offer - Internet Explorer");
    toolkit_.ScriptAnswer(kIdYes);
    app_.Label5_Click();
    EXPECT_EQ(lists_.OKPopups.Count(), 0);
    EXPECT_FALSE(registry_.KeyExists(kWindowsKeyRoot, kWindowsKeyPath));
    EXPECT_EQ(lists_.LContained.Count(), 1);
    EXPECT_TRUE(Timer1().Enabled());
    // A later release creates the key again.
    lists_.LContained.Select(0);
    app_.LContained_DblClick();
    EXPECT_EQ(Stored(), std::vector<std::string>{"Window0=Offer - Internet Explorer"});
}

TEST_F(CommandsTest, FailedSavesAreReportedAndTheReloadingCommandsShowWhatIsStored) {
    registry_.PutText(kWindowsKeyRoot, kWindowsKeyPath, "Window0", "Stored");
    StartAndSnapshot();
    registry_.DenyMachineWrites(true);
    TrapPopup("Offer - Internet Explorer");
    // Monitoring runs again before the user is asked to read anything.
    toolkit_.onMessageBox = [this](const sim::MessageBoxCall&) { EXPECT_TRUE(Timer1().Enabled()); };

    app_.cmdshow_Click();  // keeps its change in memory: it does not reload
    EXPECT_EQ(Titles(lists_.OKPopups), (std::vector<std::string>{"Stored", "Offer - Internet Explorer"}));
    lists_.LContained.Select(0);
    app_.LContained_DblClick();  // reloads: the released title is not stored
    EXPECT_EQ(Titles(lists_.OKPopups), std::vector<std::string>{"Stored"});
    lists_.OKPopups.Select(0);
    app_.cmddelete_Click();  // the deleted title comes back
    EXPECT_EQ(Titles(lists_.OKPopups), std::vector<std::string>{"Stored"});
    toolkit_.ScriptAnswer(kIdYes);
    app_.Label5_Click();
    EXPECT_EQ(Titles(lists_.OKPopups), std::vector<std::string>{"Stored"});

    int failures = 0;
    for (const auto& box : toolkit_.MessageBoxes()) {
        if (box.text == kSaveFailedMessage) {
            ++failures;
            EXPECT_EQ(box.caption, "Vexor 2003");
        }
    }
    EXPECT_EQ(failures, 4);
    EXPECT_EQ(Stored(), std::vector<std::string>{"Window0=Stored"});
    EXPECT_FALSE(shell_.exitCode.has_value());
}

TEST_F(CommandsTest, ReleasedTitleIsAllowedInThisRunAndTheNext) {
    StartAndSnapshot();
    TrapPopup("Offer - Internet Explorer");
    app_.cmdshow_Click();

    sim::SimPlatform next;
    next.registry = registry_;
    next.shell.onLaunch = [&] { next.windows.Create("Home - Internet Explorer", kLaunchedBrowserRect); };
    Application restarted(PlatformServices{next.toolkit, next.windows, next.registry, next.shell, [] { return ProgramVersion{}; }});
    ASSERT_TRUE(restarted.Start());
    next.toolkit.RunFor(4000);
    WindowHandle again = next.windows.Create("Offer - Internet Explorer", {300, 300, 700, 600});
    next.toolkit.RunFor(1000);
    EXPECT_TRUE(next.windows.Window(again).visible);
    EXPECT_EQ(next.windows.Window(again).title, "Vexor Allowed Popup");
}

TEST_F(CommandsTest, PauseTogglesReadTheirOwnCaptionAndKeepBothEqual) {
    StartAndSnapshot();
    app_.cmdpause_Click();
    EXPECT_FALSE(Timer1().Enabled());
    EXPECT_EQ(app_.Tray().mpauseCaption, "Resume");
    app_.mpause_Click();
    EXPECT_TRUE(Timer1().Enabled());
    EXPECT_EQ(app_.Viewer().CmdPauseCaption(), "Pause");
    app_.mpause_Click();
    app_.cmdpause_Click();
    EXPECT_TRUE(Timer1().Enabled());
    EXPECT_EQ(app_.Tray().mpauseCaption, "Pause");
}

TEST_F(CommandsTest, ForegroundCheckThatCannotStartAgainIsToldAndShownAsPaused) {
    StartAndSnapshot();
    toolkit_.refuseStart = [this](const Timer& timer) { return &timer == &Timer1(); };
    auto told = [this] {
        int count = 0;
        for (const auto& box : toolkit_.MessageBoxes()) count += box.text.find(kForegroundCheckTimer) != std::string::npos;
        return count;
    };
    app_.cmddelete_Click();
    EXPECT_FALSE(Timer1().Enabled());
    EXPECT_EQ(told(), 1);
    EXPECT_EQ(app_.Tray().mpauseCaption, "Resume");
    EXPECT_EQ(app_.Viewer().CmdPauseCaption(), "Resume");
    app_.mpause_Click();  // Resume tries again
    EXPECT_EQ(told(), 2);
    EXPECT_EQ(app_.Viewer().CmdPauseCaption(), "Resume");
    toolkit_.refuseStart = nullptr;
    app_.cmdpause_Click();
    EXPECT_TRUE(Timer1().Enabled());
    EXPECT_EQ(app_.Tray().mpauseCaption, "Pause");
}

TEST_F(CommandsTest, PauseFromTheTrayWhileHiddenShowsResumeOnTheViewer) {
    StartAndSnapshot();
    app_.MenuItem_Click(TrayItem::mpause);
    app_.TrayHost_Notification(515);
    EXPECT_EQ(app_.Viewer().CmdPauseCaption(), "Resume");
    // Hiding keeps the pause.
    app_.Viewer().cmdhide_Click();
    EXPECT_FALSE(Timer1().Enabled());
    app_.MenuItem_Click(TrayItem::mshow);
    EXPECT_EQ(app_.Viewer().CmdPauseCaption(), "Resume");
}

}  // namespace
}  // namespace vexor::testing
