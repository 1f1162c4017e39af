#include "sim/sim_window_system.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace vexor::sim {

namespace {
constexpr WindowRect kWorkArea{0, 0, 1024, 768};  // what a maximized window measures

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}
}  // namespace

WindowHandle SimWindowSystem::Create(const std::string& title, WindowRect rect, bool visible, WindowHandle handle) {
    while (handle == 0 || Exists(handle)) handle = lastHandle_ += 4;
    windows_[handle] = SimWindow{title, visible, true, kSwShowNormal, rect};
    zOrder_.insert(zOrder_.begin(), handle);
    if (visible) foreground_ = handle;
    return handle;
}

void SimWindowSystem::Destroy(WindowHandle window) {
    windows_.erase(window);
    zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), window), zOrder_.end());
    if (foreground_ == window) PassForeground();
}

void SimWindowSystem::Activate(WindowHandle window) {
    zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), window), zOrder_.end());
    zOrder_.insert(zOrder_.begin(), window);
    foreground_ = window;
}

void SimWindowSystem::Show(WindowHandle window, std::int32_t command) {
    SimWindow& w = Window(window);
    w.visible = command != kSwHide;
    if (w.visible) {
        w.showCmd = command == kSwShowMaximized ? kSwShowMaximized : kSwShowNormal;
        Activate(window);
    } else if (foreground_ == window) {
        PassForeground();
    }
}

void SimWindowSystem::PassForeground() {
    auto next = std::find_if(zOrder_.begin(), zOrder_.end(), [this](WindowHandle w) { return Window(w).visible; });
    foreground_ = next == zOrder_.end() ? 0 : *next;
}

std::int32_t SimWindowSystem::GetWindowTextA(WindowHandle window, char* buffer, std::int32_t maxCount) {
    const std::string title = Exists(window) ? Window(window).title.substr(0, maxCount - 1) : "";
    std::memcpy(buffer, title.c_str(), title.size() + 1);
    if (afterTitleRead_) afterTitleRead_(window);
    return static_cast<std::int32_t>(title.size());
}

std::int32_t SimWindowSystem::GetWindowPlacement(WindowHandle window, WindowPlacement* placement) {
    if (!Exists(window)) return 0;
    placement->showCmd = Window(window).showCmd;
    placement->normal = Window(window).normal;
    return 1;
}

std::int32_t SimWindowSystem::GetWindowRect(WindowHandle window, WindowRect* rect) {
    if (!Exists(window)) return 0;
    *rect = Window(window).showCmd == kSwShowMaximized ? kWorkArea : Window(window).normal;
    return 1;
}

std::int32_t SimWindowSystem::SetWindowTextA(WindowHandle window, const std::string& title) {
    calls_.push_back({"SetWindowTextA", window, title, 0});
    if (!Exists(window)) return 0;
    Window(window).title = title;
    return 1;
}

std::int32_t SimWindowSystem::EnableWindow(WindowHandle window, std::int32_t enable) {
    calls_.push_back({"EnableWindow", window, {}, enable});
    if (!Exists(window)) return 0;
    const bool wasDisabled = !Window(window).enabled;
    Window(window).enabled = enable != 0;
    return wasDisabled;
}

std::int32_t SimWindowSystem::ShowWindow(WindowHandle window, std::int32_t command) {
    calls_.push_back({"ShowWindow", window, {}, command});
    if (!Exists(window)) return 0;
    const bool wasVisible = Window(window).visible;
    Show(window, command);
    return wasVisible;
}

std::int32_t SimWindowSystem::PostMessageA(WindowHandle window, std::uint32_t message, std::uintptr_t, std::intptr_t) {
    calls_.push_back({"PostMessageA", window, {}, message});
    if (!Exists(window)) return 0;
    // The default window procedure answers WM_CLOSE by destroying the window.
    if (message == kWmClose && postHook_) postHook_([this, window] { Destroy(window); });
    return 1;
}

WindowHandle SimWindowSystem::FindWindowA(const char*, const std::string& title) {
    // Window names compare without regard to case; hidden windows are found too.
    for (WindowHandle window : zOrder_) {
        if (Lower(Window(window).title) == Lower(title)) return window;
    }
    return 0;
}

}  // namespace vexor::sim
