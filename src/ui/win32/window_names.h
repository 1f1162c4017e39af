// The names by which Windows and other processes know the program: its window classes, the
// registered messages its tray host answers, and the one-instance mutex. A later start and the
// test driver find the running program by them.
#pragma once

#include <cstdint>

namespace vexor::win32 {

constexpr char kTrayHostClassName[] = "VexorTrayHost";
constexpr char kViewerClassName[] = "VexorPopupViewer";
constexpr char kSplashClassName[] = "VexorSplash";
constexpr char kAboutClassName[] = "VexorAbout";

// The taskbar's restart, and a later start of the program asking to see the Popup Viewer
// (answered kShowViewerAccepted).
constexpr char kTaskbarCreatedMessage[] = "TaskbarCreated";
constexpr char kShowViewerMessage[] = "Vexor2003.ShowPopupViewer";
constexpr std::intptr_t kShowViewerAccepted = 1;

// One instance a session: a start that finds this mutex taken asks the running instance to show
// its Popup Viewer instead of becoming a second blocker.
constexpr char kInstanceMutexName[] = "Local\\Vexor2003.Instance";

}  // namespace vexor::win32
