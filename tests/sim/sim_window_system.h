// A window system in memory that behaves like user32 where the monitor relies on it: titles read
// through the caller's buffer, zeros from handles that name no window, activation on show and
// restore, WM_CLOSE handled later, any handle value (negative ones, a closed window's again).
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
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

// A change the monitor made to a window, kept in order for tests that check the order of steps.
struct WindowCall {
    std::string operation;  // "SetWindowTextA", "EnableWindow", "ShowWindow", "PostMessageA"
    WindowHandle window;
    std::string text;       // the title given to SetWindowTextA
    std::int64_t number;    // the flag, show command or message
};

class SimWindowSystem : public WindowSystem {
public:
    // A top-level window above the others; a visible one takes the foreground. Handle 0 picks
    // the next free value.
    WindowHandle Create(const std::string& title, WindowRect rect, bool visible = true, WindowHandle handle = 0);
    void Destroy(WindowHandle window);
    void Activate(WindowHandle window);  // the user clicks it
    void Maximize(WindowHandle window) { Show(window, kSwShowMaximized); }
    void SetTitleByUser(WindowHandle window, const std::string& title) { Window(window).title = title; }
    // Each posted WM_CLOSE is handed to this hook as the work to do when it arrives.
    void SetPostHook(std::function<void(std::function<void()>)> hook) { postHook_ = std::move(hook); }
    // Runs after every title read: lets a test close a window in the middle of a tick.
    void SetAfterTitleRead(std::function<void(WindowHandle)> hook) { afterTitleRead_ = std::move(hook); }

    bool Exists(WindowHandle window) const { return windows_.count(window) != 0; }
    SimWindow& Window(WindowHandle window) { return windows_.at(window); }
    const std::vector<WindowCall>& Calls() const { return calls_; }
    void ClearCalls() { calls_.clear(); }

    WindowHandle GetForegroundWindow() override { return foreground_; }
    std::int32_t IsWindowVisible(WindowHandle window) override { return Exists(window) && Window(window).visible; }
    std::int32_t GetWindowTextA(WindowHandle window, char* buffer, std::int32_t maxCount) override;
    std::int32_t GetWindowPlacement(WindowHandle window, WindowPlacement* placement) override;
    std::int32_t GetWindowRect(WindowHandle window, WindowRect* rect) override;
    std::int32_t SetWindowTextA(WindowHandle window, const std::string& title) override;
    std::int32_t EnableWindow(WindowHandle window, std::int32_t enable) override;
    std::int32_t ShowWindow(WindowHandle window, std::int32_t command) override;
    std::int32_t PostMessageA(WindowHandle window, std::uint32_t message, std::uintptr_t, std::intptr_t) override;
    WindowHandle FindWindowA(const char* className, const std::string& title) override;

private:
    void Show(WindowHandle window, std::int32_t command);
    // After the foreground window hides or goes, the top visible window takes over.
    void PassForeground();

    std::map<WindowHandle, SimWindow> windows_;
    std::vector<WindowHandle> zOrder_;  // top first
    WindowHandle foreground_ = 0;
    WindowHandle lastHandle_ = 0x1001c;
    std::function<void(std::function<void()>)> postHook_;
    std::function<void(WindowHandle)> afterTitleRead_;
    std::vector<WindowCall> calls_;
};

}  // namespace vexor::sim
