// The rest of what the program asks of the system: launching a program, the notification-area
// icon, and ending the process.
#pragma once

#include <cstdint>
#include <string>

#include "platform/tray_icon.h"

namespace vexor {

class Shell {
public:
    virtual ~Shell() = default;
    // Starts the program at `path` (given as the program to run, never parsed out of a command
    // line) with a window-show style, without waiting. False when it could not be started.
    virtual bool LaunchProgram(const std::string& path, int showStyle) = 0;
    // Shell_NotifyIconA with the record; the result is what the platform answered.
    virtual bool NotifyIcon(std::uint32_t message, const TrayIconRecord& record) = 0;
    virtual bool NotifyIcon(std::uint32_t message, const BalloonRecord& record) = 0;
    // Ends the process at once: no window is asked to close, nothing else runs.
    virtual void EndProcess(int exitCode) = 0;
};

}  // namespace vexor
