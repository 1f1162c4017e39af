// Starts the real program and watches it from outside, for the end-to-end tests and the Wine-side
// benchmarks; the user's and the shell's moves come from the demo's remote.
#pragma once

#include <string>
#include <vector>

#include "demo/remote.h"
#include "platform/win32/scoped_handles.h"
#include "ui/tray_menu.h"
#include "ui/win32/window_names.h"

namespace vexor::e2e {

using namespace remote;

// A program of the folder this one runs from.
std::string ProgramPath(const char* fileName);

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
    void Choose(TrayItem item) const { PostMessageA(host, WM_COMMAND, static_cast<WPARAM>(item), 0); }

    HWND host = nullptr;
    HWND viewer = nullptr;
};

// Whether the taskbar holds the icon (window, 1): only then does a modify without flags work.
bool TrayIconExists(HWND host);

// A window of this process with a title and an outer size, shown and in front.
win32::ScopedWindow OpenWindow(const std::string& title, int width, int height);
std::string WindowTitle(HWND window);
// The text of another process's control, read with the W form (the A form returns one character
// across processes under Wine).
std::string ControlText(HWND parent, int controlId);

// No demo browser running and no allowed title stored.
void CleanSlate();
// The allowed titles as the program loads them from the registry.
std::vector<std::string> LoadedTitles();

}  // namespace vexor::e2e
