#include <gtest/gtest.h>

#include "unit/app_fixture.h"

namespace vexor::testing {
namespace {

using PopupViewerTest = AppTest;

TEST_F(PopupViewerTest, HighlightStaysUntilAPointerMoveOverTheBareBackground) {
    PopupViewer& viewer = app_.Viewer();
    std::vector<int> changes;
    viewer.labelColorChanged = [&](int id) { changes.push_back(id); };
    viewer.cmddelete_MouseMove();
    EXPECT_EQ(viewer.LabelColor(kCmdDeleteId), kColorHighlight);
    viewer.cmdshow_MouseMove();
    EXPECT_EQ(viewer.LabelColor(kCmdDeleteId), kColorHighlight);  // others do not reset it
    EXPECT_EQ(viewer.LabelColor(kCmdShowId), kColorHighlight);
    EXPECT_EQ(viewer.LabelColor(kLabel5Id), kColorButtonText);
    EXPECT_EQ(viewer.LabelColor(kCmdViewId), kColorButtonText);

    changes.clear();
    viewer.Form_MouseMove();
    for (int id : {kCmdDeleteId, kLabel5Id, kCmdShowId, kCmdPauseId}) EXPECT_EQ(viewer.LabelColor(id), kColorButtonText);
    EXPECT_EQ(changes, (std::vector<int>{kCmdDeleteId, kLabel5Id, kCmdPauseId, kCmdShowId}));
}

TEST_F(PopupViewerTest, ToolTipIsTheSelectedTitleOrEmpty) {
    PopupViewer& viewer = app_.Viewer();
    const std::string longTitle = "A title wider than the list - " + std::string(200, 'x');
    lists_.OKPopups.Append("Short");
    lists_.OKPopups.Append(longTitle);
    viewer.OKPopups_MouseDown();
    EXPECT_EQ(viewer.OKPopupsToolTip(), "");
    lists_.OKPopups.Select(1);
    viewer.OKPopups_MouseDown();
    EXPECT_EQ(viewer.OKPopupsToolTip(), longTitle);
    lists_.OKPopups.RemoveAt(1);
    viewer.OKPopups_MouseDown();
    EXPECT_EQ(viewer.OKPopupsToolTip(), "");
}

TEST_F(PopupViewerTest, CloseRequestOnlyHidesAndMonitoringGoesOn) {
    StartAndSnapshot();
    app_.mshow_Click();
    app_.MenuItem_Click(TrayItem::mpause);
    app_.Viewer().Form_QueryUnload();
    EXPECT_FALSE(app_.Viewer().Visible());
    EXPECT_EQ(lists_.OKWinSizes.Count(), 1);
    app_.MenuItem_Click(TrayItem::mpause);  // resume
    TrapPopup("After close - Internet Explorer");
    EXPECT_EQ(shell_.launches.size(), 1u);  // no second start-up, no second snapshot
    app_.mshow_Click();
    EXPECT_TRUE(app_.Viewer().Visible());
    EXPECT_EQ(lists_.LContained.Count(), 1);
}

TEST_F(PopupViewerTest, HiddenListsFillWhileTheViewerIsShown) {
    StartAndSnapshot();
    app_.mshow_Click();
    TrapPopup("Shown - Internet Explorer");
    windows_.Create("Same size - Internet Explorer", kLaunchedBrowserRect);
    toolkit_.RunFor(1000);
    EXPECT_EQ(lists_.LContained.Count(), 1);
    EXPECT_EQ(lists_.OKWindows.Count(), 2);
}

TEST(ViewerLayoutTest, ClientAreaIs246By98PixelsAt96DotsPerInch) {
    EXPECT_EQ(TwipsToPixels(kViewerClientWidth, 96), 246);
    EXPECT_EQ(TwipsToPixels(kViewerClientHeight, 96), 98);
    EXPECT_EQ(TwipsToPixels(kViewerClientWidth, 120), 308);
    // Everything the user can reach lies inside the client area; the monitor's working lists
    // lie below it.
    for (const ControlSpec& row : kViewerLayout) {
        const bool reachable = row.parentId == 0 && row.top + row.height <= kViewerClientHeight &&
                               row.left + row.width <= kViewerClientWidth;
        const bool workingStorage = row.id == kOKWinSizesId || row.id == kOKWindowsId || row.id == kTrappedFrameId ||
                                    row.parentId == kTrappedFrameId || row.id == kLabel3Id || row.id == kLabel4Id;
        EXPECT_NE(reachable, workingStorage) << row.name;
    }
}

}  // namespace
}  // namespace vexor::testing
