#include "monitor/startup.h"

#include "texts.h"

namespace vexor {

bool AddTrayIcon(Shell& shell, const TrayHostHandles& host) {
    const TrayIconRecord record = MakeTrayIconData(static_cast<std::uint32_t>(host.window), kTrayIconId,
                                                   kTrayFlagsAll, kWmMouseMove, host.icon, kApplicationTitle);
    return shell.NotifyIcon(kNimAdd, record);
}

bool RemoveTrayIcon(Shell& shell, const TrayHostHandles& host) {
    const TrayIconRecord record = MakeTrayIconData(static_cast<std::uint32_t>(host.window), kTrayIconId,
                                                   kTrayFlagsAll, kTrayCallbackAtDelete, host.icon, "");
    return shell.NotifyIcon(kNimDelete, record);
}

}  // namespace vexor
