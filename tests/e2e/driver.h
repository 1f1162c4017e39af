// The one driver of the real program from outside, for the end-to-end tests, the story's remote
// (vexor_ctl) and the Wine-side benchmarks: it starts the program, finds its windows, waits with
// a deadline, acts as the user and the shell do (the tray icon's notifications, the pointer, the
// keys, the answers to message boxes) and reads what the user sees (texts, rows, pixels, the
// registry). Expectations are typed in the tests from the behaviour, never read from the
// program's constants; the program's tables only name controls and menu items.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/win32/scoped_handles.h"

namespace vexor::e2e {

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

// The pointer moved to the middle of a control, or to a point of a window's client area, as the
// user moves it.
void PointAt(HWND parent, int controlId);
void PointTo(HWND window, POINT client);
// A press and a release of the left button at the middle of a control.
void ClickControl(HWND parent, int controlId);

// The viewer's controls, by their names in its layout.
inline const int kAllowedList = ControlId("VexorPopupViewer", "OKPopups");
inline const int kHideButton = ControlId("VexorPopupViewer", "cmdhide");
inline const int kTrappedList = ControlId("VexorPopupViewer", "LContained");
inline const int kPauseLabel = ControlId("VexorPopupViewer", "cmdpause");
inline const int kShowLastLabel = ControlId("VexorPopupViewer", "cmdshow");
inline const int kDeleteLabel = ControlId("VexorPopupViewer", "cmddelete");
inline const int kHeading = ControlId("VexorPopupViewer", "Label1");
inline const int kDeleteAllLabel = ControlId("VexorPopupViewer", "Label5");

// A started program; killed when the object goes, unless it has ended.
class Program {
public:
    explicit Program(const char* fileName, const std::string& arguments = "");
    ~Program() { Kill(); }
    bool Running() const { return WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT; }
    // The exit code once ended within the deadline, else -1.
    int WaitForExit(DWORD deadlineMs = kDefaultDeadlineMs);
    void Kill();
    HANDLE Handle() const { return process_.Get(); }
    DWORD Id() const { return processId_; }
    // A top-level window of this program, once it exists; null when the deadline passed first.
    HWND Await(const char* className, const char* title = nullptr) const;

private:
    win32::ScopedHandle process_;
    DWORD processId_ = 0;
};

// vexor.exe, with its tray host window and its Popup Viewer.
class Vexor : public Program {
public:
    Vexor() : Program("vexor.exe") {}
    // Empty once the program has its windows, has launched the browser and closed it after the
    // snapshot, and shows its icon; else what did not happen.
    std::string AwaitStartup();
    bool Choose(const std::string& item) const { return ChooseTrayMenuItem(host, item); }
    // The viewer shown from a double-click on the icon and in front, or hidden by its "Hide".
    bool ShowViewer() const;
    bool HideViewer() const;
    // The message box the program shows, captioned "Vexor 2003".
    HWND AwaitBox() const { return Await("#32770", "Vexor 2003"); }

    HWND host = nullptr;
    HWND viewer = nullptr;
};

// Shell_NotifyIconA on the icon (window, 1) with no flags: NIM_MODIFY succeeds only while the
// taskbar holds it (whether it exists), NIM_DELETE takes it away as a taskbar restart does.
bool TrayIcon(DWORD message, HWND host);

// A window of this process with a title and an outer size, shown and in front.
win32::ScopedWindow OpenWindow(const std::string& title, int width, int height);

// The rows of ink on a background in the screen's pixels: their top and height, and the left and
// right edge of the ink in each, relative to the area.
struct InkRow {
    int top, height, left, right;
    int Width() const { return right - left + 1; }
};
std::vector<InkRow> InkRows(const Pixels& pixels, COLORREF background);
// The width of a text in a font, the ink of its glyphs with the room around them.
int TextWidth(const LOGFONTA& font, const std::string& text);

// The balloon shown at the tray icon (a visible balloon tooltip owned by the taskbar that holds the icon), or null.
HWND Balloon();
// The control of the viewer's process that has the keyboard focus, by identifier.
int FocusedControl(HWND viewer);

// No demo browser running, no allowed title and no user setting stored.
void CleanSlate();
// The titles key's values as "name=text", sorted, read straight from the registry; and
// values written there as an earlier run or a user's "reg add" would.
std::vector<std::string> StoredValues();
void StoreValues(const std::vector<std::pair<std::string, std::string>>& values);

}  // namespace vexor::e2e
