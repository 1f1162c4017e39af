// A window system in memory that behaves like user32 where the monitor relies on it, as the contract
// cases check: titles cut by the caller's buffer, zeros from handles of no window, activation on
// show and restore, WM_CLOSE handled later, any handle value.
#pragma once

#include <strings.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <map>
#include <vector>

#include "platform/window_system.h"

namespace vexor::sim {

struct SimWindow {
    std::string title;
    bool visible = true;
    bool enabled = true;
    std::uint32_t showCmd = kSwShowNormal;  // normal or maximized
    WindowRect normal;                      // the outer rectangle when not maximized
};

// A change made to a window, kept in order for tests that check the order of steps.
struct WindowCall {
    std::string operation;  // "SetWindowTextA", "EnableWindow", "ShowWindow", "PostMessageA"
    WindowHandle window;
    std::string text;     // the title given to SetWindowTextA
    std::int64_t number;  // the flag, show command or message
};

class SimWindowSystem : public WindowSystem {
public:
    // A top-level window above the others; a visible one takes the foreground. Handle 0 picks the
    // next free value; a test may choose one (negative, or a closed window's).
    WindowHandle Create(const std::string& title, WindowRect rect, bool visible = true, WindowHandle handle = 0) {
        while (handle == 0 || Exists(handle)) handle = lastHandle_ += 4;
        windows_[handle] = SimWindow{title, visible, true, kSwShowNormal, rect};
        zOrder_.insert(zOrder_.begin(), handle);
        if (visible) foreground_ = handle;
        return handle;
    }
    void Destroy(WindowHandle window) {
        windows_.erase(window);
        zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), window), zOrder_.end());
        if (foreground_ == window) PassForeground();
    }
    void Activate(WindowHandle window) {  // the user clicks it
        zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), window), zOrder_.end());
        zOrder_.insert(zOrder_.begin(), window);
        foreground_ = window;
    }
    void Maximize(WindowHandle window) { Show(window, kSwShowMaximized); }
    void SetTitleByUser(WindowHandle window, const std::string& title) { Window(window).title = title; }
    // Each posted WM_CLOSE is handed to this hook as the work to do when it arrives.
    void SetPostHook(std::function<void(std::function<void()>)> hook) { postHook_ = std::move(hook); }

    bool Exists(WindowHandle window) const { return windows_.count(window) != 0; }
    SimWindow& Window(WindowHandle window) { return windows_.at(window); }
    const std::vector<WindowCall>& Calls() const { return calls_; }
    void ClearCalls() { calls_.clear(); }

    WindowHandle GetForegroundWindow() override { return foreground_; }
    std::int32_t IsWindowVisible(WindowHandle window) override { return Exists(window) && Window(window).visible; }
    std::int32_t GetWindowTextA(WindowHandle window, char* buffer, std::int32_t maxCount) override {
        const std::string title = Exists(window) ? Window(window).title.substr(0, std::size_t(maxCount - 1)) : "";
        std::memcpy(buffer, title.c_str(), title.size() + 1);
        return static_cast<std::int32_t>(title.size());
    }
    std::int32_t GetWindowPlacement(WindowHandle window, WindowPlacement* placement) override {
        if (Exists(window)) placement->showCmd = Window(window).showCmd;
        return Exists(window);
    }
    std::int32_t GetWindowRect(WindowHandle window, WindowRect* rect) override {
        if (!Exists(window)) return 0;
        // A maximized window fills the screen's work area.
        *rect = Window(window).showCmd == kSwShowMaximized ? WindowRect{0, 0, 1024, 768} : Window(window).normal;
        return 1;
    }
    std::int32_t SetWindowTextA(WindowHandle window, const std::string& title) override {
        calls_.push_back({"SetWindowTextA", window, title, 0});
        if (Exists(window)) Window(window).title = title;
        return Exists(window);
    }
    std::int32_t EnableWindow(WindowHandle window, std::int32_t enable) override {
        calls_.push_back({"EnableWindow", window, {}, enable});
        if (!Exists(window)) return 0;
        const bool wasDisabled = !Window(window).enabled;
        Window(window).enabled = enable != 0;
        return wasDisabled;
    }
    std::int32_t ShowWindow(WindowHandle window, std::int32_t command) override {
        calls_.push_back({"ShowWindow", window, {}, command});
        if (!Exists(window)) return 0;
        const bool wasVisible = Window(window).visible;
        Show(window, command);
        return wasVisible;
    }
    std::int32_t PostMessageA(WindowHandle window, std::uint32_t message, std::uintptr_t, std::intptr_t) override {
        calls_.push_back({"PostMessageA", window, {}, message});
        // The default window procedure answers WM_CLOSE by destroying the window.
        if (Exists(window) && message == kWmClose && postHook_) postHook_([this, window] { Destroy(window); });
        return Exists(window);
    }
    // Names compare without regard to case; hidden windows are found too.
    WindowHandle FindWindowA(const char*, const std::string& title) override {
        for (WindowHandle window : zOrder_) {
            if (strcasecmp(Window(window).title.c_str(), title.c_str()) == 0) return window;
        }
        return 0;
    }

private:
    void Show(WindowHandle window, std::int32_t command) {
        SimWindow& w = Window(window);
        w.visible = command != kSwHide;
        if (w.visible) w.showCmd = command == kSwShowMaximized ? kSwShowMaximized : kSwShowNormal;
        if (w.visible) Activate(window);
        if (!w.visible && foreground_ == window) PassForeground();
    }
    // After the foreground window hides or goes, the top visible window takes over.
    void PassForeground() {
        auto next = std::find_if(zOrder_.begin(), zOrder_.end(), [this](WindowHandle w) { return Window(w).visible; });
        foreground_ = next == zOrder_.end() ? 0 : *next;
    }

    std::map<WindowHandle, SimWindow> windows_;
    std::vector<WindowHandle> zOrder_;  // top first
    WindowHandle foreground_ = 0;
    WindowHandle lastHandle_ = 0x1001c;
    std::function<void(std::function<void()>)> postHook_;
    std::vector<WindowCall> calls_;
};

}  // namespace vexor::sim
