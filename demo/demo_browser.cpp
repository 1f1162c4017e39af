// A stand-in browser for demos and tests, installed as
// c:\program files\internet explorer\iexplore.exe in the private Wine prefix.
//
// It opens one browsing window at once and then, if configured, more windows:
//   VEXOR_DEMO_HOME     "width,height,title" of the first window (default 800,600,
//                       "Vexor Demo Home - Internet Explorer")
//   VEXOR_DEMO_WINDOWS  "delay,width,height,title;..." windows opened delay ms after the start
// It takes no address on its command line: started with one (a path cut at its first space by a
// missing quote, say), it opens nothing and ends with exit code 2. Every window closes on
// WM_CLOSE. The program runs until its last window is gone and no window is left to open, so it
// outlives the snapshot that closes its first window.
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr char kClassName[] = "VexorDemoBrowser";
constexpr UINT_PTR kScheduleTimer = 1;

struct PlannedWindow {
    DWORD delayMs;
    int width;
    int height;
    std::string title;
};

struct DemoState {
    std::vector<PlannedWindow> planned;
    DWORD startTick = 0;
    int openWindows = 0;
    int opened = 0;
};

DemoState g_state;  // this small test program's one state

std::string Environment(const char* name) {
    char value[4096];
    const DWORD length = GetEnvironmentVariableA(name, value, sizeof(value));
    return (length > 0 && length < sizeof(value)) ? std::string(value, length) : std::string();
}

// "a,b,c,rest": three numbers and the rest of the text.
bool ParseWindow(const std::string& text, int fields, std::vector<long>* numbers, std::string* title) {
    std::size_t start = 0;
    for (int i = 0; i < fields; ++i) {
        const std::size_t comma = text.find(',', start);
        if (comma == std::string::npos) return false;
        numbers->push_back(std::strtol(text.substr(start, comma - start).c_str(), nullptr, 10));
        start = comma + 1;
    }
    *title = text.substr(start);
    return true;
}

void OpenWindow(const std::string& title, int width, int height, int showCommand) {
    const int offset = 30 * (g_state.opened++ % 8);
    HWND window = CreateWindowExA(0, kClassName, title.c_str(), WS_OVERLAPPEDWINDOW, 40 + offset, 30 + offset, width,
                                  height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ++g_state.openWindows;
    ShowWindow(window, showCommand);
    UpdateWindow(window);
}

void QuitWhenDone() {
    if (g_state.openWindows == 0 && g_state.planned.empty()) PostQuitMessage(0);
}

void CALLBACK OpenDueWindows(HWND, UINT, UINT_PTR, DWORD) {
    const DWORD elapsed = GetTickCount() - g_state.startTick;
    for (auto it = g_state.planned.begin(); it != g_state.planned.end();) {
        if (it->delayMs <= elapsed) {
            OpenWindow(it->title, it->width, it->height, SW_SHOWNORMAL);
            it = g_state.planned.erase(it);
        } else {
            ++it;
        }
    }
    QuitWhenDone();
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        --g_state.openWindows;
        QuitWhenDone();
        return 0;
    }
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        char title[256];
        GetWindowTextA(window, title, sizeof(title));
        TextOutA(dc, 12, 12, title, lstrlenA(title));
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR arguments, int showCommand) {
    if (arguments != nullptr && *arguments != '\0') return 2;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kClassName;
    RegisterClassA(&windowClass);

    g_state.startTick = GetTickCount();
    std::string plan = Environment("VEXOR_DEMO_WINDOWS");
    for (std::size_t start = 0; start < plan.size();) {
        std::size_t end = plan.find(';', start);
        if (end == std::string::npos) end = plan.size();
        std::vector<long> numbers;
        std::string title;
        if (ParseWindow(plan.substr(start, end - start), 3, &numbers, &title)) {
            g_state.planned.push_back({static_cast<DWORD>(numbers[0]), static_cast<int>(numbers[1]),
                                       static_cast<int>(numbers[2]), title});
        }
        start = end + 1;
    }

    std::vector<long> home;
    std::string homeTitle = "Vexor Demo Home - Internet Explorer";
    if (!ParseWindow(Environment("VEXOR_DEMO_HOME"), 2, &home, &homeTitle)) home = {800, 600};
    OpenWindow(homeTitle, static_cast<int>(home[0]), static_cast<int>(home[1]), showCommand);
    SetTimer(nullptr, kScheduleTimer, 50, OpenDueWindows);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
