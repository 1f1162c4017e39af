// The window-system operations over the real user32 "A" functions.
#pragma once

#include <windows.h>

#include "platform/window_system.h"

namespace vexor::win32 {

// Handles cross the 32-bit core with sign extension, which is exact on 64-bit Windows too
// (user handles only ever use their low 32 bits).
inline HWND ToHwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(static_cast<INT_PTR>(window));
}
inline WindowHandle FromHwnd(HWND window) {
    return static_cast<WindowHandle>(reinterpret_cast<INT_PTR>(window));
}

class Win32WindowSystem : public WindowSystem {
public:
    WindowHandle GetForegroundWindow() override;
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
};

}  // namespace vexor::win32
