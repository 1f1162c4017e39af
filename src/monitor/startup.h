// Start-up and shutdown: the fixed values of the start-up sequence. The sequence itself is the
// Popup Viewer's load handler (Application::Form_Load); the tray icon's routines are the icon's
// (platform/tray_icon.h).
#pragma once

#include "platform/window_system.h"

namespace vexor {

constexpr char kBrowserPath[] = "c:\\program files\\internet explorer\\iexplore.exe";
constexpr int kBrowserShowStyle = kSwShowNormal;
constexpr int kStartupFailedExitCode = 1;

}  // namespace vexor
