#include "unit/monitor_fixture.h"

namespace vexor::testing {
namespace {

using SizeLearningTest = MonitorTest;

TEST_F(SizeLearningTest, KnownWindowsTeachEachNewNonZeroSumOnce) {
    lists_.OKWinSizes.Append(700);
    windows_.Create("Stranger - Internet Explorer", {0, 0, 1000, 1000});  // never known
    const WindowRect known[] = {{10, 10, 510, 310}, {50, 50, 50, 50}, kBrowserRect, kPopupRect, {0, 0, 600, 200},
                                {0, 0, 700, 200}};
    for (const WindowRect& rect : known) lists_.OKWindows.Append(windows_.Create("Home - Internet Explorer", rect));
    windows_.Destroy(static_cast<WindowHandle>(lists_.OKWindows.ValueAt(2)));  // closed: measures 0
    monitor_.Learning().Tick();
    monitor_.Learning().Tick();
    ASSERT_EQ(lists_.OKWinSizes.Count(), 3);
    EXPECT_EQ(lists_.OKWinSizes.At(1), "800");
    EXPECT_EQ(lists_.OKWinSizes.At(2), "900");
}

TEST_F(SizeLearningTest, PausedCheckTrapsNothingWhileSizeLearningGoesOn) {
    windows_.Create("Home - Internet Explorer", kBrowserRect);
    toolkit_.RunFor(3000);  // the snapshot at 1000..3000, then its close
    WindowHandle second = windows_.Create("Two - Internet Explorer", kBrowserRect);
    toolkit_.RunFor(1000);
    monitor_.State().Timer1().SetEnabled(false);
    WindowHandle popup = windows_.Create("Ad - Internet Explorer", kPopupRect);
    windows_.Window(second).normal = {0, 0, 500, 300};
    toolkit_.RunFor(5000);
    EXPECT_TRUE(Visible(popup));
    EXPECT_TRUE(lists_.OKWinSizes.Contains(800));
}

}  // namespace
}  // namespace vexor::testing
