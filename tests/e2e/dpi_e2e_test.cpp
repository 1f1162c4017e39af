// The tray icon's notifications and the viewer's layout at the screen's resolution. The normal
// run is at 96 dots per inch; scripts/test runs this suite again at 144 and 192.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "e2e/e2e_fixture.h"

namespace vexor::e2e {
namespace {

TEST_F(VexorE2E, TrayNotificationsDecodeTheSameAtTheScreensResolution) {
    HDC screen = GetDC(nullptr);
    const int dpiX = GetDeviceCaps(screen, LOGPIXELSX);
    const int dpiY = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    std::printf("screen: %d x %d dots per inch\n", dpiX, dpiY);
    if (const char* expected = std::getenv("VEXOR_EXPECT_DPI")) EXPECT_EQ(dpiX, std::atoi(expected));

    StartAndWaitForSnapshot();
    PostTrayNotification(host_, WM_LBUTTONUP);
    PostTrayNotification(host_, WM_RBUTTONDOWN);
    Pause(500);
    EXPECT_FALSE(IsWindowVisible(viewer_));
    PostTrayNotification(host_, WM_LBUTTONDBLCLK);
    ASSERT_TRUE(WaitUntil([this] { return IsWindowVisible(viewer_) != FALSE; })) << "double-click not decoded";
    RECT client;
    GetClientRect(viewer_, &client);
    EXPECT_EQ(client.right, TwipsToPixels(kViewerClientWidth, dpiX));
    EXPECT_EQ(client.bottom, TwipsToPixels(kViewerClientHeight, dpiY));

    PostTrayNotification(host_, WM_RBUTTONUP);
    EXPECT_TRUE(WaitUntil([this] {
        for (HWND menu : FindWindows("#32768")) {
            if (IsWindowVisible(menu) && ProcessOf(menu) == vexor_->Id()) return true;
        }
        return false;
    })) << "right button release not decoded";
}

}  // namespace
}  // namespace vexor::e2e
