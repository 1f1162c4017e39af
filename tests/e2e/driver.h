// Starts the real program and watches it from outside, for the end-to-end tests and the Wine-side
// benchmarks; the user's and the shell's moves come from the demo's remote. Expectations are
// typed here and in the tests from the behaviour, never read from the program's constants.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <utility>
#include <vector>

#include "demo/remote.h"
#include "platform/win32/scoped_handles.h"

namespace vexor::e2e {

using namespace remote;

// Where the program keeps the allowed titles, under HKEY_LOCAL_MACHINE.
constexpr char kTitlesKey[] = "SOFTWARE\\Tessaly\\Popup\\Windows";
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
std::string WindowTitle(HWND window);

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
// A control as a screen reader names it: its window class and its accessible name; the role
// reads as a client window under Wine.
std::string AccessibleName(HWND control);
// The control of the viewer's process that has the keyboard focus, by identifier.
int FocusedControl(HWND viewer);

// No demo browser running, no allowed title and no user setting stored.
void CleanSlate();
// The titles key's values as "name=text", sorted, read straight from the registry; and
// values written there as an earlier run or a user's "reg add" would.
std::vector<std::string> StoredValues();
void StoreValues(const std::vector<std::pair<std::string, std::string>>& values);

}  // namespace vexor::e2e
