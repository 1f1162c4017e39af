// Start-up and shutdown: the fixed values of the start-up sequence and the tray icon routines.
// The sequence itself is the Popup Viewer's load handler (Application::Form_Load).
#pragma once

#include <cstdint>
#include <string>

#include "platform/shell.h"
#include "platform/toolkit.h"
#include "platform/window_system.h"

namespace vexor {

constexpr char kApplicationTitle[] = "Vexor 2003";  // caption of boxes without one of their own
constexpr char kViewerCaption[] = "Vexor 2003 Popup Viewer";
constexpr char kBrowserPath[] = "c:\\program files\\internet explorer\\iexplore.exe";
constexpr int kBrowserShowStyle = kSwShowNormal;
constexpr char kExitQuestion[] = "Are you sure you want to exit Vexor 2003?";
constexpr std::uint32_t kConfirmStyle = kMbYesNo | kMbIconQuestion;  // 36; Yes is the default
constexpr int kStartupFailedExitCode = 1;

// One instance a session: a start that finds this mutex taken asks the running instance to show
// its Popup Viewer instead of becoming a second blocker.
constexpr char kInstanceMutexName[] = "Local\\Vexor2003.Instance";
constexpr char kInstanceNotAnsweringMessage[] =
    "Vexor 2003 is already running, but it does not answer.\n\n"
    "Wait a moment and start it again, or end the running Vexor 2003 in the Task Manager.";

// What the user reads when the browser cannot be started.
std::string BrowserMissingMessage();

// The timers and windows that a failure message may name.
constexpr char kForegroundCheckTimer[] = "the timer of its foreground check";
constexpr char kSizeLearningTimer[] = "the timer of its size learning";
constexpr char kSettleTimer[] = "the timer of its settle delay";
constexpr char kSplashTimer[] = "the timer of its splash window";
constexpr char kAboutWindowName[] = "the About window";

// What the user reads when start-up cannot create what it needs (`what` names it); the program
// then ends.
std::string StartupFailureMessage(const std::string& what);
// The same, later: the program goes on without it.
std::string LaterFailureMessage(const std::string& what);

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
