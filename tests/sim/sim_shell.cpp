#include "sim/sim_shell.h"

namespace vexor::sim {

bool SimShell::LaunchProgram(const std::string& path, int showStyle) {
    launches.push_back({path, showStyle});
    if (!browserInstalled) return false;
    if (onLaunch) onLaunch();
    return true;
}

bool SimShell::NotifyIcon(std::uint32_t message, const TrayIconRecord& record) {
    notifications.emplace_back(message, record);
    const auto icon = std::make_pair(ReadTrayField(record, kTrayHwnd), ReadTrayField(record, kTrayUid));
    if (message == kNimAdd) return taskbarRunning && icons.insert(icon).second;
    if (message == kNimDelete) return icons.erase(icon) != 0;
    return false;
}

bool SimShell::AllowRegisteredMessage(WindowHandle window, const std::string& name) {
    allowedMessages.emplace(window, name);
    return true;
}

void SimShell::EndProcess(int code) {
    if (!exitCode) exitCode = code;
}

}  // namespace vexor::sim
