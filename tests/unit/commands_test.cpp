#include <gtest/gtest.h>

#include "unit/app_fixture.h"

namespace vexor::testing {
namespace {

using CommandsTest = AppTest;
using Texts = std::vector<std::string>;

TEST_F(CommandsTest, ShowLastPopupAllowsItsCurrentTitleOnceAndLeavesTheTrapAlone) {
    WindowHandle popup = TrapPopup("Old - Internet Explorer");
    windows_.SetTitleByUser(popup, "New - Internet Explorer");
    Fire(kCmdShowId);
    app_.MenuItem_Click(TrayItem::mshowlast);  // it bears the marker now: no title to allow
    EXPECT_TRUE(windows_.Window(popup).visible);
    EXPECT_EQ(windows_.Window(popup).title, "Vexor Allowed Popup");
    EXPECT_EQ(Stored(), Texts{"Window0=New - Internet Explorer"});
    EXPECT_EQ(lists_.LContained.Entries(), Texts{"Old - Internet Explorer"});
    EXPECT_TRUE(LastPopup() == popup && Timer1().Enabled());
}

TEST_F(CommandsTest, ShowLastPopupBeforeAnyTrapTouchesNoWindowButRewritesTheList) {
    Store({{"Window3", "Kept"}});
    app_.MenuItem_Click(TrayItem::mshowlast);
    EXPECT_EQ(Stored(), Texts{"Window0=Kept"});
    for (const auto& call : windows_.Calls()) EXPECT_EQ(call.window, 0) << call.operation;
}

TEST_F(CommandsTest, ReleaseRestoresOneWindowOfTheSelectedTitleAllowsItAndDropsOnlyItsEntry) {
    WindowHandle other = TrapPopup("Other - Internet Explorer");
    WindowHandle a = TrapPopup("Twin - Internet Explorer");
    WindowHandle b = TrapPopup("Twin - Internet Explorer");
    lists_.LContained.Select(1);
    Fire(kLContainedId, ControlEvent::DoubleClick);
    EXPECT_NE(windows_.Window(a).visible, windows_.Window(b).visible);
    EXPECT_EQ(windows_.Window(windows_.Window(a).visible ? a : b).title, "Vexor Allowed Popup");
    EXPECT_FALSE(windows_.Window(other).visible);
    EXPECT_EQ(lists_.LContained.Entries(), (Texts{"Other - Internet Explorer", "Twin - Internet Explorer"}));
    EXPECT_EQ(Stored(), Texts{"Window0=Twin - Internet Explorer"});
    EXPECT_EQ(LastPopup(), b);
}

TEST_F(CommandsTest, ReleaseTouchesNoWindowWithNothingSelectedOrNoneBearingTheTitleButSavesAnyway) {
    windows_.Create("", {0, 0, 50, 50}, false);  // what a look-up of no title would find
    TrapPopup("Offer - Internet Explorer");
    Fire(kCmdShowId);  // retitled with the marker: no window bears the title any more
    registry_.PutText(kWindowsKeyRoot, kWindowsKeyPath, "Window1", "Stored elsewhere");
    windows_.ClearCalls();
    Fire(kCmdViewId);  // nothing selected
    EXPECT_TRUE(windows_.Calls().empty());
    EXPECT_EQ(lists_.LContained.Count(), 1);
    EXPECT_EQ(Stored(), Texts{"Window0=Offer - Internet Explorer"});
    lists_.LContained.Select(0);
    Fire(kCmdViewId);
    EXPECT_EQ(lists_.OKPopups.Entries(), (Texts{"Offer - Internet Explorer", "Offer - Internet Explorer"}));
    EXPECT_EQ(lists_.LContained.Count(), 0);
    for (const auto& call : windows_.Calls()) EXPECT_EQ(call.window, 0) << call.operation;
}

TEST_F(CommandsTest, ReleaseAndDeleteStopTheCheckWhileTheyWorkAndPutBackItsRunningOrPausedState) {
    TrapPopup("Offer - Internet Explorer");
    bool sawRunning = false;
    registry_.SetBeforeQuery([&] { sawRunning = sawRunning || Timer1().Enabled(); });
    for (bool running : {true, false}) {
        if (!running) Fire(kCmdPauseId);
        lists_.LContained.Select(0);
        Fire(kLContainedId, ControlEvent::DoubleClick);
        lists_.OKPopups.Select(0);
        Fire(kCmdDeleteId);
        EXPECT_EQ(Timer1().Enabled(), running);
        EXPECT_EQ(app_.Tray().mpauseCaption, running ? "Pause" : "Resume");
    }
    EXPECT_FALSE(sawRunning);
}

TEST(DeleteTest, DeleteRemovesOnlyTheSelectedEntryAndStoresTheRestRenumbered) {
    struct Case {
        std::vector<std::pair<std::string, std::string>> stored;
        int selected;
        Texts after;
    } cases[] = {
        {{{"Window0", "A"}, {"Window1", "B"}, {"Window2", "A"}}, 0, {"Window0=B", "Window1=A"}},
        {{{"Window4", "Only"}}, -1, {"Window0=Only"}},  // nothing selected: rewritten as it is
        {{{"Window0", "Only"}}, 0, {}},
    };
    for (const Case& c : cases) {
        SimApp w;
        w.Store(c.stored);
        w.lists_.OKPopups.Select(c.selected);
        w.Fire(kCmdDeleteId);
        EXPECT_EQ(w.Stored(), c.after) << c.stored.size();
        EXPECT_EQ(static_cast<std::size_t>(w.lists_.OKPopups.Count()), c.after.size());
        EXPECT_EQ(w.registry_.KeyExists(kWindowsKeyRoot, kWindowsKeyPath), !c.after.empty());
    }
}

TEST_F(CommandsTest, DeleteAllAsksFirstAndOnYesEmptiesListAndKeyButNotTheTrappedList) {
    Store({{"Window0", "Kept"}});
    TrapPopup("Offer - Internet Explorer");
    Fire(kLabel5Id);  // answered No
    EXPECT_EQ(Stored(), Texts{"Window0=Kept"});
    EXPECT_EQ(lists_.OKPopups.Entries(), Texts{"Kept"});
    toolkit_.ScriptAnswer(kIdYes);
    Fire(kLabel5Id);
    EXPECT_EQ(Told("Delete All Allowed Popups?"), 2);
    EXPECT_EQ(toolkit_.MessageBoxes()[1].style, kMbYesNo | kMbIconQuestion);
    EXPECT_EQ(lists_.OKPopups.Count(), 0);
    EXPECT_FALSE(registry_.KeyExists(kWindowsKeyRoot, kWindowsKeyPath));
    EXPECT_EQ(lists_.LContained.Count(), 1);
    EXPECT_TRUE(Timer1().Enabled());
}

TEST_F(CommandsTest, FailedSavesAreReportedAfterTheCheckRunsAgainAndReloadsShowWhatIsStored) {
    Store({{"Window0", "Stored"}});
    registry_.DenyMachineWrites(true);
    TrapPopup("Offer - Internet Explorer");
    // No message may wait for an answer while monitoring is held.
    toolkit_.onMessageBox = [this](const sim::MessageBoxCall&) { EXPECT_TRUE(Timer1().Enabled()); };
    Fire(kCmdShowId);  // keeps its change in memory: it does not reload
    EXPECT_EQ(lists_.OKPopups.Entries(), (Texts{"Stored", "Offer - Internet Explorer"}));
    lists_.LContained.Select(0);
    Fire(kLContainedId, ControlEvent::DoubleClick);  // reloads: the released title is not stored
    EXPECT_EQ(lists_.OKPopups.Entries(), Texts{"Stored"});
    lists_.OKPopups.Select(0);
    Fire(kCmdDeleteId);  // the deleted title comes back
    EXPECT_EQ(lists_.OKPopups.Entries(), Texts{"Stored"});
    toolkit_.ScriptAnswer(kIdYes);
    Fire(kLabel5Id);
    EXPECT_EQ(lists_.OKPopups.Entries(), Texts{"Stored"});
    EXPECT_EQ(Told(kSaveFailedMessage), 4);
    EXPECT_EQ(toolkit_.MessageBoxes().back().caption, "Vexor 2003");
    EXPECT_EQ(Stored(), Texts{"Window0=Stored"});
}

}  // namespace
}  // namespace vexor::testing
