// A window system in memory that behaves like user32 in every way the monitor relies on:
// titles read through a 256-character buffer, failure on unknown handles, activation on show and
// restore, WM_CLOSE delivered later, handle values that may be negative and may be reused.
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
    std::uint32_t showCmd = kSwShowNormal;  // 1 normal, 2 minimized, 3 maximized
    WindowRect normal;                      // restored position
    bool closeOnWmClose = true;
};

// What the monitor did to windows, in order, for tests that check the order of steps.
struct WindowCall {
    std::string operation;  // "SetWindowTextA", "EnableWindow", "ShowWindow", "PostMessageA"
    WindowHandle window;
    std::string text;       // title for SetWindowTextA
    std::int64_t number;    // flag, command or message
};

// Rectangles the platform reports for maximized and minimized windows.
constexpr WindowRect kSimWorkArea{0, 0, 1024, 768};
constexpr WindowRect kSimMinimizedRect{-32000, -32000, -31840, -31972};

class SimWindowSystem : public WindowSystem {
public:
    // Creates a top-level window at the top of the z-order; a visible one becomes foreground.
    WindowHandle Create(const std::string& title, WindowRect rect, bool visible = true);
    // The same with a chosen handle value (negative values, reuse of a closed window's value).
    WindowHandle CreateWithHandle(WindowHandle handle, const std::string& title, WindowRect rect,
                                  bool visible = true);
    void Destroy(WindowHandle window);

    void Activate(WindowHandle window);  // the user clicks it
    void Maximize(WindowHandle window);
    void Minimize(WindowHandle window);
    void Resize(WindowHandle window, WindowRect rect);
    void SetTitleByUser(WindowHandle window, const std::string& title);

    // Posted messages wait until delivered; a deliverer set here is told of each post (the sim
    // platform hands them to the event pump).
    void SetPostHook(std::function<void(std::function<void()>)> hook) { postHook_ = std::move(hook); }
    void DeliverPostedMessages();
    // Runs after every title read: lets a test close a window in the middle of a tick.
    void SetAfterTitleRead(std::function<void(WindowHandle)> hook) { afterTitleRead_ = std::move(hook); }

    bool Exists(WindowHandle window) const { return windows_.count(window) != 0; }
    const SimWindow& Window(WindowHandle window) const { return windows_.at(window); }
    SimWindow& MutableWindow(WindowHandle window) { return windows_.at(window); }
    WindowRect CurrentRect(WindowHandle window) const;
    const std::vector<WindowCall>& Calls() const { return calls_; }
    void ClearCalls() { calls_.clear(); }

    WindowHandle GetForegroundWindow() override { return foreground_; }
    std::int32_t IsWindowVisible(WindowHandle window) override;
    std::int32_t GetWindowTextA(WindowHandle window, char* buffer, std::int32_t maxCount) override;
    std::int32_t GetWindowPlacement(WindowHandle window, WindowPlacement* placement) override;
    std::int32_t GetWindowRect(WindowHandle window, WindowRect* rect) override;
    std::int32_t SetWindowTextA(WindowHandle window, const std::string& title) override;
    std::int32_t EnableWindow(WindowHandle window, std::int32_t enable) override;
    std::int32_t ShowWindow(WindowHandle window, std::int32_t command) override;
    std::int32_t PostMessageA(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                              std::intptr_t lParam) override;
    WindowHandle FindWindowA(const char* className, const std::string& title) override;

private:
    SimWindow* Find(WindowHandle window);
    void RaiseToTop(WindowHandle window);
    // After the foreground window hides or goes, the next visible window in z-order takes over.
    void ForegroundLeaves(WindowHandle window);

    std::map<WindowHandle, SimWindow> windows_;
    std::vector<WindowHandle> zOrder_;  // top first
    WindowHandle foreground_ = 0;
    WindowHandle nextHandle_ = 0x10020;
    std::vector<std::pair<WindowHandle, std::uint32_t>> posted_;
    std::function<void(std::function<void()>)> postHook_;
    std::function<void(WindowHandle)> afterTitleRead_;
    std::vector<WindowCall> calls_;
};

}  // namespace vexor::sim
