// Program launch, tray icons and process end, recorded. Icons behave as the taskbar keeps them:
// one per (window, identifier), an add of a present icon and a delete of an absent one fail.
#pragma once

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/shell.h"

namespace vexor::sim {

class SimShell : public Shell {
public:
    struct Launch {
        std::string path;
        int showStyle;
    };

    bool LaunchProgram(const std::string& path, int showStyle) override;
    bool NotifyIcon(std::uint32_t message, const TrayIconRecord& record) override;
    bool AllowRegisteredMessage(WindowHandle window, const std::string& name) override;
    void EndProcess(int exitCode) override;

    bool browserInstalled = true;
    std::function<void()> onLaunch;  // the launched program's doing, e.g. opening its window

    std::vector<Launch> launches;
    std::vector<std::pair<std::uint32_t, TrayIconRecord>> notifications;
    std::set<std::pair<std::uint32_t, std::uint32_t>> icons;  // (window, identifier)
    std::set<std::pair<WindowHandle, std::string>> allowedMessages;
    std::optional<int> exitCode;  // set once the process has ended
    // Without a taskbar (Explorer not started yet, or restarting) every add fails.
    bool taskbarRunning = true;
    void TaskbarRestarted() { icons.clear(); }
};

}  // namespace vexor::sim
