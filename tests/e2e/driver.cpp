#include "e2e/driver.h"

#include <shellapi.h>
#include <commctrl.h>
#include <oleacc.h>
#include <shlwapi.h>

#include <algorithm>


namespace vexor::e2e {

// A program of the folder this one runs from.
static std::string ProgramPath(const char* fileName) {
    char path[MAX_PATH];
    const std::string self(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    return self.substr(0, self.find_last_of('\\') + 1) + fileName;
}

Program::Program(const char* fileName, const std::string& arguments) {
    const std::string path = ProgramPath(fileName);
    std::string commandLine = "\"" + path + "\" " + arguments;
    STARTUPINFOA startup{sizeof(startup)};
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
    if (Running() && TerminateProcess(process_.Get(), 99)) WaitForSingleObject(process_.Get(), 5000);
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
    if ((host = Await("VexorTrayHost")) == nullptr) return "no tray host window";
    if (IsWindowVisible(host)) return "the tray host window is visible";
    if ((viewer = Await("VexorPopupViewer")) == nullptr) return "no Popup Viewer";
    HWND browser = nullptr;
    if (!WaitUntil([&] { return (browser = FindWindowA("VexorDemoBrowser", nullptr)) != nullptr; }, 15000)) {
        return "the browser was not launched";
    }
    if (!WaitUntil([&] { return !IsWindow(browser); }, 15000)) return "the snapshot did not close the browser";
    if (!WaitUntil([this] { return TrayIcon(NIM_MODIFY, host); })) return "no tray icon";
    return "";
}

namespace {

// In front, so that the pointer and the keyboard reach it: activation of another process's window
// can arrive late, so insist until it holds.
bool BringToFront(HWND window) {
    return WaitUntil([window] {
        if (GetForegroundWindow() == window) return true;
        SetForegroundWindow(window);
        return false;
    }, 3000);
}

}  // namespace

bool Vexor::ShowViewer() const {
    PostTrayNotification(host, WM_LBUTTONDBLCLK);
    return WaitUntil([&] { return IsWindowVisible(viewer) != FALSE; }) && BringToFront(viewer);
}

bool Vexor::HideViewer() const {
    if (!BringToFront(viewer)) return false;
    ClickControl(viewer, kHideButton);
    const bool hidden = WaitUntil([&] { return !IsWindowVisible(viewer); });
    Pause(300);  // the activation that follows a hide settles
    return hidden;
}

bool TrayIcon(DWORD message, HWND host) {
    NOTIFYICONDATAA data{NOTIFYICONDATAA_V1_SIZE, host, 1};
    return Shell_NotifyIconA(message, &data) != FALSE;
}

win32::ScopedWindow OpenWindow(const std::string& title, int width, int height) {
    // The system's static class serves: the program looks only at a window's title and size.
    HWND window = CreateWindowExA(0, "STATIC", title.c_str(), WS_OVERLAPPEDWINDOW, 120, 90, width, height, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    // Another process's late activation can take the foreground back: insist until it holds.
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

std::vector<InkRow> InkRows(const Pixels& pixels, COLORREF background) {
    std::vector<InkRow> rows;
    const int height = pixels.area.bottom - pixels.area.top;
    for (int y = 0; y < height; ++y) {
        int left = pixels.Width(), right = -1;
        for (int x = 0; x < pixels.Width(); ++x) {
            if (pixels.At(x, y) == background) continue;
            left = std::min(left, x);
            right = std::max(right, x);
        }
        if (right < 0) continue;
        if (rows.empty() || rows.back().top + rows.back().height != y) {
            rows.push_back({y, 1, left, right});
        } else {
            InkRow& row = rows.back();
            ++row.height;
            row.left = std::min(row.left, left);
            row.right = std::max(row.right, right);
        }
    }
    return rows;
}

int TextWidth(const LOGFONTA& font, const std::string& text) {
    HDC screen = GetDC(nullptr);
    HFONT handle = CreateFontIndirectA(&font);
    HGDIOBJ previous = SelectObject(screen, handle);
    SIZE size{};
    GetTextExtentPoint32A(screen, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(screen, previous);
    DeleteObject(handle);
    ReleaseDC(nullptr, screen);
    return size.cx;
}

HWND Balloon() {
    for (HWND tip : FindVisible("tooltips_class32")) {
        char owner[32] = {};
        GetClassNameA(GetWindow(tip, GW_OWNER), owner, sizeof(owner));
        if ((GetWindowLongA(tip, GWL_STYLE) & TTS_BALLOON) && std::string(owner) == "Shell_TrayWnd") return tip;
    }
    return nullptr;
}

std::string AccessibleName(HWND control) {
    char kind[32] = {};
    GetClassNameA(control, kind, sizeof(kind));
    IAccessible* accessible = nullptr;
    BSTR name = nullptr;
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(&accessible)))) return kind;
    accessible->get_accName(self, &name);
    accessible->Release();
    char narrow[256] = {};
    if (name) WideCharToMultiByte(CP_ACP, 0, name, -1, narrow, sizeof(narrow), nullptr, nullptr);
    const std::string text = std::string(kind) + " " + narrow;
    SysFreeString(name);
    return text;
}

int FocusedControl(HWND viewer) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    return GetGUIThreadInfo(GetWindowThreadProcessId(viewer, nullptr), &info) ? GetDlgCtrlID(info.hwndFocus) : 0;
}

void CleanSlate() {
    for (HWND window : FindWindows("VexorDemoBrowser")) {
        DWORD id = 0;
        GetWindowThreadProcessId(window, &id);
        win32::ScopedHandle process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id));
        if (process && TerminateProcess(process.Get(), 0)) WaitForSingleObject(process.Get(), 5000);
    }
    SHDeleteKeyA(HKEY_LOCAL_MACHINE, kTitlesKey);
    SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\Tessaly");
}

std::vector<std::string> StoredValues() {
    std::vector<std::string> values;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kTitlesKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return values;
    char name[256];
    BYTE data[4096];
    for (DWORD i = 0;; ++i) {
        DWORD nameLength = sizeof(name), dataLength = sizeof(data) - 1, type = 0;
        if (RegEnumValueA(key, i, name, &nameLength, nullptr, &type, data, &dataLength) != ERROR_SUCCESS) break;
        data[dataLength] = 0;
        values.push_back(std::string(name) + "=" + (type == REG_SZ ? reinterpret_cast<char*>(data) : "(not text)"));
    }
    RegCloseKey(key);
    std::sort(values.begin(), values.end());
    return values;
}

void StoreValues(const std::vector<std::pair<std::string, std::string>>& values) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kTitlesKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS) return;
    for (const auto& [name, text] : values) {
        RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), static_cast<DWORD>(text.size() + 1));
    }
    RegCloseKey(key);
}

}  // namespace vexor::e2e
