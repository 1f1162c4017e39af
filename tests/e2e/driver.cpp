#include "e2e/driver.h"

#include <commctrl.h>
#include <shlwapi.h>

#include <algorithm>
#include <string>

#include "platform/win32/win32_toolkit.h"
#include "ui/about_window.h"
#include "ui/popup_viewer.h"
#include "ui/splash.h"
#include "ui/tray_menu.h"
#include "ui/win32/window_names.h"

namespace vexor::e2e {

// Where the program keeps the allowed titles, under HKEY_LOCAL_MACHINE.
constexpr char kTitlesKey[] = "SOFTWARE\\Tessaly\\Popup\\Windows";

bool WaitUntil(const std::function<bool()>& condition, DWORD deadlineMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        win32::DispatchPendingMessages();
        if (condition()) return true;
        if (GetTickCount() - start >= deadlineMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

void Pause(DWORD ms) { WaitUntil([] { return false; }, ms); }

std::vector<HWND> FindWindows(const char* className, const char* title) {
    std::vector<HWND> found;
    HWND after = nullptr;
    while ((after = FindWindowExA(nullptr, after, className, title)) != nullptr) found.push_back(after);
    return found;
}

std::vector<HWND> FindVisible(const char* className, const char* title) {
    std::vector<HWND> visible;
    for (HWND window : FindWindows(className, title)) {
        if (IsWindowVisible(window)) visible.push_back(window);
    }
    return visible;
}

void PostTrayNotification(HWND host, UINT mouseMessage) {
    PostMessageA(host, WM_MOUSEMOVE, 1, static_cast<LPARAM>(mouseMessage));
}

namespace {

template <std::size_t N>
int FindByName(const ControlSpec (&layout)[N], const std::string& name) {
    for (const ControlSpec& row : layout) {
        if (name == row.name) return row.id;
    }
    return 0;
}

}  // namespace

int ControlId(const std::string& windowClass, const std::string& name) {
    if (!name.empty() && name.find_first_not_of("0123456789") == std::string::npos) return std::stoi(name);
    if (windowClass == win32::kViewerClassName) return FindByName(kViewerLayout, name);
    if (windowClass == win32::kSplashClassName) return FindByName(kSplashLayout, name);
    if (windowClass == win32::kAboutClassName) return FindByName(kAboutLayout, name);
    return 0;
}

bool ChooseTrayMenuItem(HWND host, const std::string& caption) {
    int downs = 0;
    bool found = false;
    for (const MenuItemSpec& item : kTrayMenuItems) {
        if (std::string(item.caption) == kSeparator) continue;
        ++downs;
        if ((found = caption == item.caption)) break;
    }
    if (!found) return false;
    PostTrayNotification(host, WM_RBUTTONUP);
    if (!WaitUntil([] { return !FindVisible("#32768").empty(); }, 5000)) return false;
    for (int i = 0; i < downs; ++i) PressKey(VK_DOWN);
    PressKey(VK_RETURN);
    return WaitUntil([] { return FindVisible("#32768").empty(); }, 5000);
}

void PressKey(WORD virtualKey) {
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = virtualKey;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
    Pause(50);
}

bool AnswerMessageBox(HWND box, int buttonId) {
    HWND button = GetDlgItem(box, buttonId);
    if (button == nullptr) return false;
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    return true;
}

int Pixels::Count(COLORREF color) const {
    int count = 0;
    for (COLORREF c : colors) count += c == color;
    return count;
}

Pixels CaptureScreen(const RECT& area) {
    Pixels pixels{area, {}};
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return pixels;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    const auto* bgrx = static_cast<const BYTE*>(bits);
    for (int i = 0; i < width * height; ++i) pixels.colors.push_back(RGB(bgrx[4 * i + 2], bgrx[4 * i + 1], bgrx[4 * i]));
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

RECT WindowOnScreen(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

RECT ClientOnScreen(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

namespace {

// A mouse event at a point of the screen. Every event carries its position: a button event
// without one may land where the pointer was before the last move arrived.
INPUT MouseAt(POINT screen, DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = (screen.x * 65535) / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = (screen.y * 65535) / (GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return input;
}

void MoveTo(POINT screen) {
    SetCursorPos(screen.x, screen.y);
    INPUT move = MouseAt(screen, 0);
    SendInput(1, &move, sizeof(move));
}

POINT ControlMiddle(HWND parent, int controlId) {
    RECT rect;
    GetWindowRect(GetDlgItem(parent, controlId), &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// A press and a release of the left button at a point of a window's client area.
void Click(HWND window, POINT client) {
    ClientToScreen(window, &client);
    MoveTo(client);
    // The window sees the pointer arrive before the button goes down, as with a hand on the mouse.
    Pause(100);
    INPUT buttons[2] = {MouseAt(client, MOUSEEVENTF_LEFTDOWN), MouseAt(client, MOUSEEVENTF_LEFTUP)};
    SendInput(2, buttons, sizeof(INPUT));
}

}  // namespace

void PointAt(HWND parent, int controlId) { MoveTo(ControlMiddle(parent, controlId)); }

void PointTo(HWND window, POINT client) {
    ClientToScreen(window, &client);
    MoveTo(client);
}

void ClickControl(HWND parent, int controlId) {
    POINT middle = ControlMiddle(parent, controlId);
    ScreenToClient(parent, &middle);
    Click(parent, middle);
}

namespace {

std::string Narrow(const wchar_t* wide) {
    char text[2048] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof(text), nullptr, nullptr);
    return text;
}

}  // namespace

std::string TextOf(HWND window) {
    wchar_t wide[1024] = {};
    SendMessageW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(wide));
    return Narrow(wide);
}

std::string ControlText(HWND parent, int controlId) { return TextOf(GetDlgItem(parent, controlId)); }

std::vector<std::string> ListRows(HWND parent, int listId) {
    HWND list = GetDlgItem(parent, listId);
    std::vector<std::string> rows;
    const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t wide[1024] = {};
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(wide));
        rows.push_back(Narrow(wide));
    }
    return rows;
}

void ClickListRow(HWND parent, int listId, int row) {
    HWND list = GetDlgItem(parent, listId);
    const int rowHeight = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    POINT point{8, rowHeight * row + rowHeight / 2 + 1};
    MapWindowPoints(list, parent, &point, 1);
    Click(parent, point);
}

std::string BoxText(HWND box) { return ControlText(box, 0xFFFF); }

std::string BoxButtons(HWND box) {
    std::string buttons;
    for (int id : {IDOK, IDCANCEL, IDYES, IDNO}) {
        if (GetDlgItem(box, id) != nullptr) buttons += (buttons.empty() ? "" : ",") + std::to_string(id);
    }
    return buttons;
}

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
