// Works the running program from outside, as the user and the shell would: finds windows, waits
// with a deadline, posts the tray icon's notifications, points and clicks, answers message boxes.
// The demo's remote (vexor_ctl) and the end-to-end tests both drive the program through it.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

namespace vexor::remote {

// Generous: Wine on two cores is slow.
constexpr DWORD kDefaultDeadlineMs = 10000;

// Waits until condition holds, letting this process's own windows work meanwhile. False when the
// deadline passed first.
bool WaitUntil(const std::function<bool()>& condition, DWORD deadlineMs = kDefaultDeadlineMs);
// Lets time pass, this process's own windows working meanwhile.
void Pause(DWORD ms);

// Top-level windows of a class (and title, when given) of any process, visible or not.
std::vector<HWND> FindWindows(const char* className, const char* title = nullptr);

// The notification the shell sends for a mouse message on the tray icon.
void PostTrayNotification(HWND host, UINT mouseMessage);

void AnswerMessageBox(HWND box, int buttonId);

// The pointer moved to the middle of a control, as the user moves it.
void PointAt(HWND parent, int controlId);
// A press and a release of the left button at a point of a window's client area, or at the
// middle of a control.
void Click(HWND window, POINT client);
void ClickControl(HWND parent, int controlId);

}  // namespace vexor::remote
