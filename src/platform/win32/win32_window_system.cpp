#include "platform/win32/win32_window_system.h"

namespace vexor::win32 {

WindowHandle Win32WindowSystem::GetForegroundWindow() { return FromHwnd(::GetForegroundWindow()); }

std::int32_t Win32WindowSystem::IsWindowVisible(WindowHandle window) {
    return ::IsWindowVisible(ToHwnd(window)) ? 1 : 0;
}

std::int32_t Win32WindowSystem::GetWindowTextA(WindowHandle window, char* buffer, std::int32_t maxCount) {
    if (maxCount > 0) buffer[0] = '\0';
    // Windows fails the null handle with an empty title; Wine answers it with stray bytes.
    if (window == 0) return 0;
    return ::GetWindowTextA(ToHwnd(window), buffer, maxCount);
}

std::int32_t Win32WindowSystem::GetWindowPlacement(WindowHandle window, WindowPlacement* placement) {
    WINDOWPLACEMENT record{};
    // The call fails unless the length field holds the record's size.
    record.length = sizeof(record);
    if (!::GetWindowPlacement(ToHwnd(window), &record)) return 0;
    placement->length = record.length;
    placement->flags = record.flags;
    placement->showCmd = record.showCmd;
    placement->minX = record.ptMinPosition.x;
    placement->minY = record.ptMinPosition.y;
    placement->maxX = record.ptMaxPosition.x;
    placement->maxY = record.ptMaxPosition.y;
    placement->normal = {record.rcNormalPosition.left, record.rcNormalPosition.top,
                         record.rcNormalPosition.right, record.rcNormalPosition.bottom};
    return 1;
}

std::int32_t Win32WindowSystem::GetWindowRect(WindowHandle window, WindowRect* rect) {
    RECT r;
    if (!::GetWindowRect(ToHwnd(window), &r)) return 0;
    *rect = {r.left, r.top, r.right, r.bottom};
    return 1;
}

std::int32_t Win32WindowSystem::SetWindowTextA(WindowHandle window, const std::string& title) {
    return ::SetWindowTextA(ToHwnd(window), title.c_str()) ? 1 : 0;
}

std::int32_t Win32WindowSystem::EnableWindow(WindowHandle window, std::int32_t enable) {
    return ::EnableWindow(ToHwnd(window), enable != 0 ? TRUE : FALSE) ? 1 : 0;
}

std::int32_t Win32WindowSystem::ShowWindow(WindowHandle window, std::int32_t command) {
    return ::ShowWindow(ToHwnd(window), command) ? 1 : 0;
}

std::int32_t Win32WindowSystem::PostMessageA(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                                             std::intptr_t lParam) {
    return ::PostMessageA(ToHwnd(window), message, static_cast<WPARAM>(wParam), static_cast<LPARAM>(lParam)) ? 1
                                                                                                              : 0;
}

WindowHandle Win32WindowSystem::FindWindowA(const char* className, const std::string& title) {
    return FromHwnd(::FindWindowA(className, title.c_str()));
}

}  // namespace vexor::win32
