// The Popup Viewer and its commands, driven with the pointer as a user would.
#include <windows.h>

#include "e2e/e2e_fixture.h"

namespace vexor::e2e {
namespace {

class ViewerE2E : public VexorE2E {
protected:
    void ShowViewer() {
        PostTrayNotification(host_, WM_LBUTTONDBLCLK);
        ASSERT_TRUE(WaitUntil([this] { return IsWindowVisible(viewer_) != FALSE; }));
        Pause(300);  // drawn and settled before the pointer goes to work
    }
    HWND HiddenPopup(const std::string& title) {
        HWND popup = Open(title, 400, 300);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(popup); }, 3000)) << title;
        return popup;
    }
};

TEST_F(ViewerE2E, ShowLastPopupGivesThePopupBackAndItsTitleSurvivesARestart) {
    StartAndWaitForSnapshot();
    HWND popup = HiddenPopup("Story Offer - Internet Explorer");
    ShowViewer();
    RECT client;
    GetClientRect(viewer_, &client);
    EXPECT_EQ(client.right, 246);  // 3690 x 1470 twips at 96 dots per inch
    EXPECT_EQ(client.bottom, 98);

    ClickControl(viewer_, kCmdShowId);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(popup) != FALSE; })) << "not restored";
    EXPECT_EQ(WindowTitle(popup), "Vexor Allowed Popup");
    // The window is restored before the title is saved: wait for the save.
    EXPECT_TRUE(WaitUntil([] { return StoredTitles() == std::vector<std::string>{"Window0=Story Offer - Internet Explorer"}; }));
    EXPECT_EQ(ListItems(viewer_, kOKPopupsId), std::vector<std::string>{"Story Offer - Internet Explorer"});

    // The next run loads the title: a pop-up of that title is retitled, not hidden.
    vexor_.reset();
    StartAndWaitForSnapshot();
    HWND again = Open("Story Offer - Internet Explorer", 400, 300);
    EXPECT_TRUE(WaitUntil([&] { return WindowTitle(again) == "Vexor Allowed Popup"; }, 3000));
    EXPECT_TRUE(IsWindowVisible(again));
}

TEST_F(ViewerE2E, DeleteRemovesTheSelectedTitleAndDeleteAllAsksFirst) {
    StoreTitles({"Alpha", "Beta", "Gamma"});
    StartAndWaitForSnapshot();
    ShowViewer();
    ASSERT_EQ(ListItems(viewer_, kOKPopupsId), (std::vector<std::string>{"Alpha", "Beta", "Gamma"}));
    ClickListItem(viewer_, kOKPopupsId, 1);
    Pause(300);
    ClickControl(viewer_, kCmdDeleteId);
    ASSERT_TRUE(WaitUntil([this] { return ListItems(viewer_, kOKPopupsId).size() == 2; }));
    EXPECT_EQ(ListItems(viewer_, kOKPopupsId), (std::vector<std::string>{"Alpha", "Gamma"}));
    EXPECT_EQ(StoredTitles(), (std::vector<std::string>{"Window0=Alpha", "Window1=Gamma"}));

    ClickControl(viewer_, kLabel5Id);
    HWND box = WaitForBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), "Delete All Allowed Popups?");
    AnswerMessageBox(box, IDNO);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    EXPECT_EQ(StoredTitles(), (std::vector<std::string>{"Window0=Alpha", "Window1=Gamma"}));

    ClickControl(viewer_, kLabel5Id);
    box = WaitForBox();
    ASSERT_NE(box, nullptr);
    AnswerMessageBox(box, IDYES);
    ASSERT_TRUE(WaitUntil([this] { return ListItems(viewer_, kOKPopupsId).empty(); }));
    EXPECT_TRUE(StoredTitles().empty());
}

TEST_F(ViewerE2E, PauseFromTheTrayStopsTrappingAndTheViewerShowsResume) {
    StartAndWaitForSnapshot();
    Choose(TrayItem::mpause);
    HWND unseen = Open("Paused - Internet Explorer", 400, 300);
    Pause(2500);
    EXPECT_TRUE(IsWindowVisible(unseen));
    ShowViewer();
    EXPECT_EQ(ControlText(viewer_, kCmdPauseId), "Resume");

    ClickControl(viewer_, kCmdPauseId);
    ASSERT_TRUE(WaitUntil([this] { return ControlText(viewer_, kCmdPauseId) == "Pause"; }));
    HiddenPopup("Resumed - Internet Explorer");
}

TEST_F(ViewerE2E, HideAndACloseRequestOnlyHideTheViewerAndMonitoringGoesOn) {
    StartAndWaitForSnapshot();
    ShowViewer();
    ClickControl(viewer_, kCmdHideId);
    ASSERT_TRUE(WaitUntil([this] { return !IsWindowVisible(viewer_); }));

    ShowViewer();
    PostMessageA(viewer_, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([this] { return !IsWindowVisible(viewer_); }));
    EXPECT_TRUE(IsWindow(viewer_));
    HiddenPopup("After close - Internet Explorer");
    ShowViewer();
    EXPECT_EQ(ListItems(viewer_, kLContainedId), std::vector<std::string>{"After close - Internet Explorer"});
}

TEST_F(ViewerE2E, HoverHighlightStaysUntilThePointerCrossesTheBackground) {
    StartAndWaitForSnapshot();
    ShowViewer();
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    EXPECT_FALSE(ControlShowsColor(viewer_, kCmdDeleteId, highlight));
    MovePointerToControl(viewer_, kCmdDeleteId);
    ASSERT_TRUE(WaitUntil([&] { return ControlShowsColor(viewer_, kCmdDeleteId, highlight); }));
    MovePointerToControl(viewer_, kOKPopupsId);
    MovePointerToControl(viewer_, kCmdHideId);
    Pause(500);
    EXPECT_TRUE(ControlShowsColor(viewer_, kCmdDeleteId, highlight));
    MovePointer(viewer_, 3, 86);  // bare background left of "Delete"
    EXPECT_TRUE(WaitUntil([&] { return !ControlShowsColor(viewer_, kCmdDeleteId, highlight); }));
}

}  // namespace
}  // namespace vexor::e2e
