#include "e2e/driver.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <algorithm>

#include "platform/win32/win32_toolkit.h"
#include "monitor/startup.h"
#include "store/allowed_titles.h"

namespace vexor::e2e {

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

Program::Program(const std::string& path, const std::string& arguments) {
    std::string commandLine = "\"" + path + "\"" + (arguments.empty() ? "" : " " + arguments);
    std::vector<char> writable(commandLine.begin(), commandLine.end());
    writable.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (CreateProcessA(path.c_str(), writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        process_.Reset(info.hProcess);
        CloseHandle(info.hThread);
        processId_ = info.dwProcessId;
    }
}

Program::~Program() { Kill(); }

bool Program::Running() const {
    return process_ && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT;
}

int Program::WaitForExit(DWORD deadlineMs) {
    if (!process_ || !WaitUntil([this] { return !Running(); }, deadlineMs)) return -1;
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

std::string VexorPath() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    folder.resize(folder.find_last_of('\\') + 1);
    return folder + "vexor.exe";
}

std::string BrowserPath() { return kBrowserPath; }

std::vector<HWND> FindWindows(const char* className, const char* title) {
    std::vector<HWND> found;
    HWND after = nullptr;
    while ((after = FindWindowExA(nullptr, after, className, title)) != nullptr) found.push_back(after);
    return found;
}

HWND FindWindowOf(const char* className, const char* title) { return FindWindowA(className, title); }

std::string WindowTitle(HWND window) {
    wchar_t wide[512] = {};
    GetWindowTextW(window, wide, 512);
    char text[1024] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof(text), nullptr, nullptr);
    return text;
}

DWORD ProcessOf(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process;
}

std::string ControlText(HWND parent, int controlId) {
    HWND control = GetDlgItem(parent, controlId);
    wchar_t wide[1024] = {};
    SendMessageW(control, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(wide));
    char text[2048] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof(text), nullptr, nullptr);
    return text;
}

namespace {
LRESULT CALLBACK PlainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}
}  // namespace

std::string DescribeDesktop() {
    std::string text = "foreground \"" + WindowTitle(GetForegroundWindow()) + "\"; visible windows from the top:";
    for (HWND window = GetTopWindow(nullptr); window != nullptr; window = GetWindow(window, GW_HWNDNEXT)) {
        if (!IsWindowVisible(window)) continue;
        char className[128] = {};
        GetClassNameA(window, className, sizeof(className));
        text += "\n  [" + std::string(className) + "] \"" + WindowTitle(window) + "\" pid " + std::to_string(ProcessOf(window));
    }
    return text;
}

bool BringToFront(HWND window) {
    return WaitUntil([window] {
        if (GetForegroundWindow() == window) return true;
        SetForegroundWindow(window);
        return false;
    }, 3000);
}

HWND OpenWindow(const std::string& title, int width, int height, int left, int top) {
    static const ATOM windowClass = [] {
        WNDCLASSA cls{};
        cls.lpfnWndProc = PlainWindowProc;
        cls.hInstance = GetModuleHandleA(nullptr);
        cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        cls.lpszClassName = "VexorDriverWindow";
        return RegisterClassA(&cls);
    }();
    (void)windowClass;
    HWND window = CreateWindowExA(0, "VexorDriverWindow", title.c_str(), WS_OVERLAPPEDWINDOW, left, top, width, height,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    // Activation of another process's window (after a hide, say) can arrive late and take the
    // foreground back: insist until the new window holds it, or has been hidden already.
    WaitUntil([window] {
        if (!IsWindowVisible(window) || GetForegroundWindow() == window) return true;
        SetForegroundWindow(window);
        return false;
    }, 3000);
    return window;
}

void PostTrayNotification(HWND host, UINT mouseMessage) {
    PostMessageA(host, WM_MOUSEMOVE, 1, static_cast<LPARAM>(mouseMessage));
}

bool TrayIconExists(HWND host) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = host;
    data.uID = 1;
    data.uFlags = 0;
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

HWND FindMessageBox(DWORD processId, const char* caption) {
    for (HWND box : FindWindows("#32770", caption)) {
        if (ProcessOf(box) == processId && IsWindowVisible(box)) return box;
    }
    return nullptr;
}

std::string MessageBoxText(HWND box) {
    // The text is the box's static control with identifier 0xFFFF.
    return ControlText(box, 0xFFFF);
}

void AnswerMessageBox(HWND box, int buttonId) {
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, buttonId)));
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

POINT ToScreen(HWND window, int clientX, int clientY) {
    POINT point{clientX, clientY};
    ClientToScreen(window, &point);
    return point;
}
}  // namespace

void MovePointer(HWND window, int clientX, int clientY) {
    const POINT point = ToScreen(window, clientX, clientY);
    SetCursorPos(point.x, point.y);
    INPUT move = MouseAt(point, 0);
    SendInput(1, &move, sizeof(move));
}

namespace {
POINT ControlMiddle(HWND parent, int controlId) {
    RECT rect;
    GetWindowRect(GetDlgItem(parent, controlId), &rect);
    POINT middle{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ScreenToClient(parent, &middle);
    return middle;
}
}  // namespace

void MovePointerToControl(HWND parent, int controlId) {
    const POINT middle = ControlMiddle(parent, controlId);
    MovePointer(parent, middle.x, middle.y);
}

void Click(HWND window, int clientX, int clientY) {
    MovePointer(window, clientX, clientY);
    Pause(100);
    const POINT point = ToScreen(window, clientX, clientY);
    INPUT buttons[2] = {MouseAt(point, MOUSEEVENTF_LEFTDOWN), MouseAt(point, MOUSEEVENTF_LEFTUP)};
    SendInput(2, buttons, sizeof(INPUT));
}

void ClickControl(HWND parent, int controlId) {
    const POINT middle = ControlMiddle(parent, controlId);
    Click(parent, middle.x, middle.y);
}

void ClickListItem(HWND parent, int listId, int index) {
    HWND list = GetDlgItem(parent, listId);
    const int itemHeight = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    const int top = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
    POINT point{8, (index - top) * itemHeight + itemHeight / 2 + 2};
    ClientToScreen(list, &point);
    ScreenToClient(parent, &point);
    Click(parent, point.x, point.y);
}

std::vector<std::string> ListItems(HWND parent, int listId) {
    HWND list = GetDlgItem(parent, listId);
    std::vector<std::string> items;
    const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t wide[1024] = {};
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(wide));
        char text[2048] = {};
        WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof(text), nullptr, nullptr);
        items.push_back(text);
    }
    return items;
}

bool ControlShowsColor(HWND parent, int controlId, COLORREF color) {
    RECT rect;
    GetWindowRect(GetDlgItem(parent, controlId), &rect);
    HDC screen = GetDC(nullptr);
    bool found = false;
    for (int y = rect.top; y < rect.bottom && !found; ++y) {
        for (int x = rect.left; x < rect.right && !found; ++x) found = GetPixel(screen, x, y) == color;
    }
    ReleaseDC(nullptr, screen);
    return found;
}

void KillDemoBrowsers() {
    for (HWND window : FindWindows("VexorDemoBrowser")) {
        win32::ScopedHandle process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, ProcessOf(window)));
        if (process) {
            TerminateProcess(process.Get(), 0);
            WaitForSingleObject(process.Get(), 5000);
        }
    }
}

void DeleteWindowsKey() { SHDeleteKeyA(HKEY_LOCAL_MACHINE, kWindowsKeyPath); }

std::vector<std::string> StoredTitles() {
    std::vector<std::string> titles;
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kWindowsKeyPath, 0, KEY_READ, &opened) != ERROR_SUCCESS) return titles;
    win32::ScopedKey key(opened);
    for (DWORD index = 0;; ++index) {
        char name[256];
        DWORD nameLength = sizeof(name);
        BYTE data[2048];
        DWORD dataLength = sizeof(data);
        DWORD type = 0;
        if (RegEnumValueA(key.Get(), index, name, &nameLength, nullptr, &type, data, &dataLength) != ERROR_SUCCESS) break;
        std::string text(reinterpret_cast<char*>(data), dataLength > 0 ? dataLength - 1 : 0);
        titles.push_back(std::string(name, nameLength) + "=" + text);
    }
    std::sort(titles.begin(), titles.end());
    return titles;
}

void StoreTitles(const std::vector<std::string>& titles) {
    HKEY created = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kWindowsKeyPath, 0, nullptr, 0, KEY_WRITE, nullptr, &created, nullptr) !=
        ERROR_SUCCESS) {
        return;
    }
    win32::ScopedKey key(created);
    for (std::size_t i = 0; i < titles.size(); ++i) {
        const std::string name = "Window" + std::to_string(i);
        RegSetValueExA(key.Get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(titles[i].c_str()),
                       static_cast<DWORD>(titles[i].size() + 1));
    }
}

}  // namespace vexor::e2e
