#include <gtest/gtest.h>

#include "unit/app_fixture.h"

namespace vexor::testing {
namespace {

using CommandsTest = AppTest;

TEST_F(CommandsTest, ShowLastPopupAllowsItsCurrentTitleOnceRestoresItAndLeavesTheTrapAlone) {
    Store({{"Window3", "Kept"}});
    app.MenuItem_Click(TrayItem::mshowlast);  // before any trap: no window, the list stored as it is
    EXPECT_EQ(Stored(), Texts{"Window0=Kept"});
    for (const auto& call : windows.calls) EXPECT_EQ(call.window, 0) << call.operation;
    WindowHandle popup = TrapPopup("Old - Internet Explorer");
    windows.Window(popup).title = "New - Internet Explorer";
    Fire(kCmdShowId);
    Fire(kCmdShowId);  // it bears the marker now: no title to allow
    EXPECT_TRUE(windows.Window(popup).visible);
    EXPECT_EQ(windows.Window(popup).title, "Vexor Allowed Popup");
    EXPECT_EQ(Stored(), (Texts{"Window0=Kept", "Window1=New - Internet Explorer"}));
    EXPECT_EQ(lists.LContained.Entries(), Texts{"Old - Internet Explorer"});
    EXPECT_TRUE(LastPopup() == popup && Timer1().Enabled());
}

TEST_F(CommandsTest, ReleaseRestoresAWindowOfTheSelectedTitleAllowsItAgainAndDropsOnlyItsEntry) {
    WindowHandle other = TrapPopup("Other - Internet Explorer");
    WindowHandle a = TrapPopup("Twin - Internet Explorer");
    WindowHandle b = TrapPopup("Twin - Internet Explorer");
    registry.PutText(sim::kMachine, sim::kTitlesKey, "Window1", "Stray");
    windows.calls.clear();
    Fire(kLContainedId, ControlEvent::DoubleClick);  // nothing selected: no window, but the list stored
    EXPECT_TRUE(windows.calls.empty() && Stored().empty());
    lists.LContained.Select(1);
    Fire(kLContainedId, ControlEvent::DoubleClick);
    EXPECT_NE(windows.Window(a).visible, windows.Window(b).visible);
    EXPECT_EQ(windows.Window(windows.Window(a).visible ? a : b).title, "Vexor Allowed Popup");
    EXPECT_EQ(lists.LContained.Entries(), (Texts{"Other - Internet Explorer", "Twin - Internet Explorer"}));
    EXPECT_EQ(Stored(), Texts{"Window0=Twin - Internet Explorer"});
    EXPECT_EQ(LastPopup(), b);
    windows.Destroy(other);
    windows.calls.clear();
    lists.LContained.Select(0);
    Fire(kCmdViewId);  // no window bears the title: it is allowed all the same
    for (const auto& call : windows.calls) EXPECT_EQ(call.window, 0) << call.operation;
    lists.LContained.Select(0);
    Fire(kCmdViewId);  // the twin left: its title is allowed a second time
    EXPECT_EQ(lists.OKPopups.Entries(), (Texts{"Twin - Internet Explorer", "Other - Internet Explorer", "Twin - Internet Explorer"}));
}

TEST_F(CommandsTest, ReleaseAndDeleteStopTheCheckWhileTheyWorkAndPutBackItsRunningOrPausedState) {
    TrapPopup("Offer - Internet Explorer");
    bool sawRunning = false;
    registry.beforeQuery = [&] { sawRunning = sawRunning || Timer1().Enabled(); };
    for (bool running : {true, false}) {
        if (!running) Fire(kCmdPauseId);
        lists.LContained.Select(0);
        Fire(kLContainedId, ControlEvent::DoubleClick);
        lists.OKPopups.Select(0);
        Fire(kCmdDeleteId);
        EXPECT_EQ(Timer1().Enabled(), running);
    }
    EXPECT_FALSE(sawRunning);
}

TEST_F(CommandsTest, DeleteRemovesOnlyTheSelectedEntryAndDeleteAllAsksFirstAndSparesTheTrappedList) {
    Store({{"Window0", "A"}, {"Window1", "B"}, {"Window2", "A"}});
    TrapPopup("Offer - Internet Explorer");
    lists.OKPopups.Select(2);
    Fire(kOKPopupsId, ControlEvent::DeleteKey);  // the Delete key in the list is "Delete"
    EXPECT_EQ(Stored(), (Texts{"Window0=A", "Window1=B"}));
    registry.PutText(sim::kMachine, sim::kTitlesKey, "Window5", "Stray");
    Fire(kCmdDeleteId);  // nothing selected: the list is stored as it is, and reloaded
    EXPECT_EQ(lists.OKPopups.Entries(), (Texts{"A", "B"}));
    Fire(kLabel5Id);  // answered No
    EXPECT_EQ(Stored(), (Texts{"Window0=A", "Window1=B"}));
    toolkit.answers.push_back(kIdYes);
    Fire(kLabel5Id);
    EXPECT_EQ(Told("Delete All Allowed Popups?"), 2);
    EXPECT_EQ(toolkit.boxes[1].style, kMbYesNo | kMbIconQuestion);
    EXPECT_EQ(lists.OKPopups.Count(), 0);
    EXPECT_FALSE(registry.KeyExists(sim::kMachine, sim::kTitlesKey));
    EXPECT_EQ(lists.LContained.Count(), 1);
}

TEST_F(CommandsTest, FailedSavesAreReportedAfterTheCheckRunsAgainAndReloadsShowWhatIsStored) {
    Store({{"Window0", "Stored"}});
    registry.denyMachineWrites = true;
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
    Fire(kCmdDeleteId);  // the deleted title comes back
    EXPECT_EQ(lists.OKPopups.Entries(), Texts{"Stored"});
    toolkit.answers.push_back(kIdYes);
    Fire(kLabel5Id);
    EXPECT_EQ(lists.OKPopups.Entries(), Texts{"Stored"});
    EXPECT_EQ(Told("The allowed pop-ups could not be saved to the registry."), 5);
    for (const auto& box : toolkit.boxes) EXPECT_EQ(box.caption, "Vexor 2003");
    EXPECT_EQ(Stored(), Texts{"Window0=Stored"});
}

}  // namespace
}  // namespace vexor::testing
