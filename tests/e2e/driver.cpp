#include "e2e/driver.h"

#include <shellapi.h>
#include <shlwapi.h>

#include "platform/win32/win32_registry.h"
#include "store/allowed_titles.h"
#include "ui/popup_viewer.h"

namespace vexor::e2e {

std::string ProgramPath(const char* fileName) {
    char path[MAX_PATH];
    const std::string self(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    return self.substr(0, self.find_last_of('\\') + 1) + fileName;
}

Program::Program(const char* fileName, const std::string& arguments) {
    const std::string path = ProgramPath(fileName);
    std::string commandLine = "\"" + path + "\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        process_.Reset(info.hProcess);
        CloseHandle(info.hThread);
        processId_ = info.dwProcessId;
    }
}

int Program::WaitForExit(DWORD deadlineMs) {
    if (!WaitUntil([this] { return !Running(); }, deadlineMs)) return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_.Get(), &code);
    return static_cast<int>(code);
}

void Program::Kill() {
    if (Running()) {
        TerminateProcess(process_.Get(), 99);
        WaitForSingleObject(process_.Get(), 5000);
    }
}

HWND Program::Await(const char* className, const char* title) const {
    HWND found = nullptr;
    WaitUntil([&] {
        for (HWND window : FindWindows(className, title)) {
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            if (process == processId_) found = window;
        }
        return found != nullptr;
    });
    return found;
}

std::string Vexor::AwaitStartup() {
    if ((host = Await(win32::kTrayHostClassName)) == nullptr) return "no tray host window";
    if (IsWindowVisible(host)) return "the tray host window is visible";
    if ((viewer = Await(win32::kViewerClassName)) == nullptr) return "no Popup Viewer";
    HWND browser = nullptr;
    if (!WaitUntil([&] { return (browser = FindWindowA("VexorDemoBrowser", nullptr)) != nullptr; }, 15000)) {
        return "the browser was not launched";
    }
    if (!WaitUntil([&] { return !IsWindow(browser); }, 15000)) return "the snapshot did not close the browser";
    if (!WaitUntil([this] { return TrayIconExists(host); })) return "no tray icon";
    return "";
}

bool TrayIconExists(HWND host) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = host;
    data.uID = 1;
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

win32::ScopedWindow OpenWindow(const std::string& title, int width, int height) {
    // The system's static class serves: the program looks only at a window's title and size.
    HWND window = CreateWindowExA(0, "STATIC", title.c_str(), WS_OVERLAPPEDWINDOW, 120, 90, width, height, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    // Activation of another process's window (after a hide, say) can arrive late and take the
    // foreground back: insist until the new window holds it, or has been hidden already.
    WaitUntil([window] {
        if (!IsWindowVisible(window) || GetForegroundWindow() == window) return true;
        SetForegroundWindow(window);
        return false;
    }, 3000);
    return win32::ScopedWindow(window);
}

std::string WindowTitle(HWND window) {
    char title[512] = {};
    GetWindowTextA(window, title, sizeof(title));
    return title;
}

std::string ControlText(HWND parent, int controlId) {
    wchar_t wide[1024] = {};
    SendMessageW(GetDlgItem(parent, controlId), WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(wide));
    char text[2048] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof(text), nullptr, nullptr);
    return text;
}

void CleanSlate() {
    for (HWND window : FindWindows("VexorDemoBrowser")) {
        DWORD id = 0;
        GetWindowThreadProcessId(window, &id);
        win32::ScopedHandle process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id));
        if (process && TerminateProcess(process.Get(), 0)) WaitForSingleObject(process.Get(), 5000);
    }
    SHDeleteKeyA(HKEY_LOCAL_MACHINE, kWindowsKeyPath);
}

std::vector<std::string> LoadedTitles() {
    win32::Win32RegistryApi api;
    RegistryModule registry(api);
    return AllowedTitleStore(registry).Load();
}

}  // namespace vexor::e2e
