// The tray icon's record as Shell_NotifyIconA takes it, in this build's own layout.
#include <gtest/gtest.h>

#include "platform/win32/win32_shell.h"

namespace vexor::e2e {
namespace {

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
