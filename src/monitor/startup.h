// Start-up and shutdown: the fixed values of the start-up sequence and the tray icon routines.
// The sequence itself is the Popup Viewer's load handler (Application::Form_Load).
#pragma once

#include <cstdint>
#include <string>

#include "platform/shell.h"
#include "platform/window_system.h"

namespace vexor {

constexpr char kBrowserPath[] = "c:\\program files\\internet explorer\\iexplore.exe";
constexpr int kBrowserShowStyle = kSwShowNormal;
constexpr int kStartupFailedExitCode = 1;

// The tray host window as the icon routines need it.
struct TrayHostHandles {
    WindowHandle window = 0;
    std::uint32_t icon = 0;
};

// NIM_ADD with the host window, identifier 1, callback WM_MOUSEMOVE and the tip "Vexor 2003".
bool AddTrayIcon(Shell& shell, const TrayHostHandles& host);
// NIM_DELETE with the same window and identifier, callback 1 and an empty tip.
bool RemoveTrayIcon(Shell& shell, const TrayHostHandles& host);

}  // namespace vexor
