// Program launch, the notification-area icon and the process end over kernel32 and shell32.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include "platform/shell.h"

namespace vexor::win32 {

// Shell_NotifyIconA's record from the program's, with the size the platform knows it by: 88 and
// 488 bytes on 32-bit Windows, 104 and 504 on 64-bit.
NOTIFYICONDATAA ToNotifyIconData(const TrayIconRecord& record);
NOTIFYICONDATAA ToNotifyIconData(const BalloonRecord& record);

class Win32Shell : public Shell {
public:
    bool LaunchProgram(const std::string& path, int showStyle) override;
    bool NotifyIcon(std::uint32_t message, const TrayIconRecord& record) override;
    bool NotifyIcon(std::uint32_t message, const BalloonRecord& record) override;
    void EndProcess(int exitCode) override;
};

}  // namespace vexor::win32
