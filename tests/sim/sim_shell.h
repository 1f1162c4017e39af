// Program launch, tray icon requests and process end, recorded in the order the program made them.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/shell.h"

namespace vexor::sim {

class SimShell : public Shell {
public:
    bool LaunchProgram(const std::string& path, int showStyle) override {
        launches.emplace_back(path, showStyle);
        if (browserInstalled && onLaunch) onLaunch();
        return browserInstalled;
    }
    bool NotifyIcon(std::uint32_t message, const TrayIconRecord& record) override {
        notifications.emplace_back(message, record);
        return taskbarRunning;
    }
    bool NotifyIcon(std::uint32_t message, const BalloonRecord& record) override {
        balloons.emplace_back(message, record);
        return taskbarRunning;
    }
    void EndProcess(int code) override {
        exitCode = code;
        iconRequestsAtEnd = notifications.size();
    }

    bool browserInstalled = true;
    bool taskbarRunning = true;  // without it (not started yet, or restarting) icons fail
    std::function<void()> onLaunch;  // the launched program's doing, e.g. opening its window

    std::vector<std::pair<std::string, int>> launches;  // (path, show style)
    std::vector<std::pair<std::uint32_t, TrayIconRecord>> notifications;
    std::vector<std::pair<std::uint32_t, BalloonRecord>> balloons;
    std::optional<int> exitCode;  // set once the process has ended
    std::size_t iconRequestsAtEnd = 0;
};

}  // namespace vexor::sim
