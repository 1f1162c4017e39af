// The tray menu as the tray host's view builds it, read in the view's own process.
#include <gtest/gtest.h>

#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_toolkit.h"
#include "platform/win32/win32_window_system.h"
#include "ui/win32/tray_host_view.h"

namespace vexor::e2e {
namespace {

TEST(TrayViewTest, MenuHoldsItsItemsInOrderPopupViewerByDefaultAndFollowsThePause) {
    win32::Win32Toolkit toolkit;
    win32::Win32WindowSystem windows;
    win32::Win32RegistryApi registry;
    win32::Win32Shell shell;
    Application app(PlatformServices{toolkit, windows, registry, shell, [] { return ProgramVersion{1, 1, 5}; }});
    win32::TrayHostView view(app);
    HMENU menu = view.Menu();
    auto caption = [menu](int position) {
        char text[64] = {};
        GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof(text), MF_BYPOSITION);
        return std::string(text);
    };
    const char* items[] = {"Popup Viewer", "Show Last Popup", "Pause", "", "About", "Exit", "Cancel"};
    ASSERT_EQ(GetMenuItemCount(menu), 7);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(caption(i), items[i]) << i;
    EXPECT_EQ(GetMenuState(menu, 3, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
    EXPECT_EQ(GetMenuDefaultItem(menu, TRUE, 0), 0u);
    app.mpause_Click();
    EXPECT_EQ(caption(2), "Resume");
    app.mpause_Click();
    EXPECT_EQ(caption(2), "Pause");
}

TEST(TrayRecordTest, ThePlatformRecordReadsBackAsWritten) {
    const NOTIFYICONDATAA data = win32::ToNotifyIconData(MakeTrayIconData(0xFFFF8004, 1, 7, 512, 0x2A, "Vexor 2003"));
    EXPECT_EQ(data.hWnd, reinterpret_cast<HWND>(static_cast<INT_PTR>(-32764)));  // sign-extended
    EXPECT_EQ(data.uID, 1u);
    EXPECT_EQ(data.uFlags, 7u);
    EXPECT_EQ(data.uCallbackMessage, 512u);
    EXPECT_EQ(data.hIcon, reinterpret_cast<HICON>(static_cast<INT_PTR>(0x2A)));
    EXPECT_STREQ(data.szTip, "Vexor 2003");
}

}  // namespace
}  // namespace vexor::e2e
