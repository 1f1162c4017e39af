#include "monitor/startup.h"

namespace vexor {

std::string BrowserMissingMessage() {
    return std::string("Vexor 2003 could not start Internet Explorer at\n") + kBrowserPath +
           "\n\nVexor 2003 needs it to learn the size of browser windows and will now close.";
}

std::string StartupFailureMessage(const std::string& what) {
    return "Vexor 2003 could not create " + what +
           " and cannot start.\n\nWindows may be short of memory or window resources. Close some programs, "
           "then start Vexor 2003 again.";
}

std::string LaterFailureMessage(const std::string& what) {
    return "Vexor 2003 could not create " + what +
           ".\n\nWindows may be short of memory or window resources. Vexor 2003 goes on without it; close "
           "some programs and try again.";
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
