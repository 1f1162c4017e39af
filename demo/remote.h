// Works the running program from outside, as the user and the shell would: finds windows, waits
// with a deadline, posts the tray icon's notifications, points and clicks, answers message boxes.
// The demo's remote (vexor_ctl) and the end-to-end tests both drive the program through it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace vexor::remote {

// Generous: Wine on two cores is slow.
constexpr DWORD kDefaultDeadlineMs = 10000;

// Waits until condition holds, letting this process's own windows work meanwhile. False when the
// deadline passed first.
bool WaitUntil(const std::function<bool()>& condition, DWORD deadlineMs = kDefaultDeadlineMs);
// Lets time pass, this process's own windows working meanwhile.
void Pause(DWORD ms);

// Top-level windows of a class (and title, when given) of any process, visible or not; or only
// the visible ones.
std::vector<HWND> FindWindows(const char* className, const char* title = nullptr);
std::vector<HWND> FindVisible(const char* className, const char* title = nullptr);

// A control of the program's windows by its name in the window's layout ("OKPopups" in
// "VexorPopupViewer"), or a dialog's control by its number ("1037"); 0 when there is none.
int ControlId(const std::string& windowClass, const std::string& name);

// The notification the shell sends for a mouse message on the tray icon.
void PostTrayNotification(HWND host, UINT mouseMessage);
// As the user chooses from the tray menu: the right button released on the icon, then the down
// arrow as often as it takes to reach the item with that caption in the menu's table ("Pause"
// also while it reads "Resume"; separators are skipped) and Return. False when there is no such item, no menu opened or it did not close.
bool ChooseTrayMenuItem(HWND host, const std::string& caption);
void PressKey(WORD virtualKey);

// Clicks a button of a message box; false, clicking nothing, when the box has no such button.
bool AnswerMessageBox(HWND box, int buttonId);

// Another process's window or control text, list rows, and message box text and buttons (among
// OK, Cancel, Yes and No, as "6,7"), read with the W forms: the A forms return one character
// across processes under Wine.
std::string TextOf(HWND window);
std::string ControlText(HWND parent, int controlId);
std::vector<std::string> ListRows(HWND parent, int listId);
std::string BoxText(HWND box);
std::string BoxButtons(HWND box);
// Clicks a row of a list box, as the user selects it.
void ClickListRow(HWND parent, int listId, int row);

// The screen's pixels in a rectangle of screen coordinates.
struct Pixels {
    RECT area{};
    std::vector<COLORREF> colors;  // row by row
    int Width() const { return area.right - area.left; }
    COLORREF At(int x, int y) const { return colors[static_cast<size_t>(y * Width() + x)]; }
    int Count(COLORREF color) const;
};
Pixels CaptureScreen(const RECT& area);
// A window's rectangle, or its client area's, in screen coordinates.
RECT WindowOnScreen(HWND window);
RECT ClientOnScreen(HWND window);
// Whether a control shows the icon, pixel for pixel; and the first static control of a window
// that shows an icon.
bool ShowsIcon(HWND control, HICON icon);
HWND IconControl(HWND window);

// The pointer moved to the middle of a control, or to a point of a window's client area, as the
// user moves it.
void PointAt(HWND parent, int controlId);
void PointTo(HWND window, POINT client);
// A press and a release of the left button at a point of a window's client area, or at the
// middle of a control.
void Click(HWND window, POINT client);
void ClickControl(HWND parent, int controlId);

}  // namespace vexor::remote
