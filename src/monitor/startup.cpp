#include "monitor/startup.h"

namespace vexor {

std::string BrowserMissingMessage() {
    return std::string("Vexor 2003 could not start Internet Explorer at\n") + kBrowserPath +
           "\n\nVexor 2003 needs it to learn the size of browser windows and will now close.";
}

bool AddTrayIcon(Shell& shell, const TrayHostHandles& host) {
    const TrayIconRecord record = MakeTrayIconData(static_cast<std::uint32_t>(host.window), kTrayIconId,
                                                   kTrayFlagsAll, kWmMouseMove, host.icon, kTrayTipText);
    return shell.NotifyIcon(kNimAdd, record);
}

bool RemoveTrayIcon(Shell& shell, const TrayHostHandles& host) {
    const TrayIconRecord record = MakeTrayIconData(static_cast<std::uint32_t>(host.window), kTrayIconId,
                                                   kTrayFlagsAll, kTrayCallbackAtDelete, host.icon, "");
    return shell.NotifyIcon(kNimDelete, record);
}

}  // namespace vexor
