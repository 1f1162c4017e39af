// Drives the real program from outside, as the user and the window system would: starts it,
// finds its windows, posts what the shell posts, answers its message boxes, reads the registry.
// Every wait has a deadline; none depends on how fast the machine is.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/win32/scoped_handles.h"

namespace vexor::e2e {

// Generous: Wine on two cores is slow.
constexpr DWORD kDefaultDeadlineMs = 10000;

// Waits until condition holds, letting this process's own windows work meanwhile. False when the
// deadline passed first.
bool WaitUntil(const std::function<bool()>& condition, DWORD deadlineMs = kDefaultDeadlineMs);
// Lets time pass without a condition: for checking that something does NOT happen.
void Pause(DWORD ms);

// A started program; killed when the object goes, unless it has ended.
class Program {
public:
    explicit Program(const std::string& path, const std::string& arguments = "");
    ~Program();
    bool Running() const;
    // The exit code once ended within the deadline, else -1.
    int WaitForExit(DWORD deadlineMs = kDefaultDeadlineMs);
    DWORD Id() const { return processId_; }
    HANDLE Handle() const { return process_.Get(); }
    void Kill();

private:
    win32::ScopedHandle process_;
    DWORD processId_ = 0;
};

// The program under test, next to the driver.
std::string VexorPath();
std::string BrowserPath();

// Top-level windows of a class (and title, when given) of any process, visible or not.
std::vector<HWND> FindWindows(const char* className, const char* title = nullptr);
HWND FindWindowOf(const char* className, const char* title = nullptr);
std::string WindowTitle(HWND window);
DWORD ProcessOf(HWND window);
// The text of a control, read with the W form (the A form returns one character across processes
// under Wine), converted to the ANSI code page.
std::string ControlText(HWND parent, int controlId);

// The visible top-level windows from the top, with class, title and process: for failure messages.
std::string DescribeDesktop();

// Brings a window of any process to the front and waits until it holds the foreground.
bool BringToFront(HWND window);

// A window of this process, with a title and an outer size, shown and activated.
HWND OpenWindow(const std::string& title, int width, int height, int left = 120, int top = 90);

// The notification the shell sends for a mouse message on the tray icon.
void PostTrayNotification(HWND host, UINT mouseMessage);
// Whether the taskbar holds the icon (window, 1): only then does a modify without flags work.
bool TrayIconExists(HWND host);

// A visible message box of the program with this caption, or null.
HWND FindMessageBox(DWORD processId, const char* caption);
std::string MessageBoxText(HWND box);
void AnswerMessageBox(HWND box, int buttonId);

// The pointer, as the user moves it: to a point of a window's client area, or to the middle of
// a control; a click is a press and a release of the left button there.
void MovePointer(HWND window, int clientX, int clientY);
void MovePointerToControl(HWND parent, int controlId);
void Click(HWND window, int clientX, int clientY);
void ClickControl(HWND parent, int controlId);
// Clicks the item of a list box of another process.
void ClickListItem(HWND parent, int listId, int index);
// The items of a list box of another process.
std::vector<std::string> ListItems(HWND parent, int listId);
// Whether any pixel of a control on screen has this colour.
bool ControlShowsColor(HWND parent, int controlId, COLORREF color);

// Ends every demo browser that is still running.
void KillDemoBrowsers();
// Removes the allowed-title key, so that a test starts clean.
void DeleteWindowsKey();
// name=data of every value of the allowed-title key, as stored.
std::vector<std::string> StoredTitles();
// Stores titles as Window0, Window1, ...
void StoreTitles(const std::vector<std::string>& titles);

}  // namespace vexor::e2e
