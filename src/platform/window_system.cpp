#include "platform/window_system.h"

namespace vexor {

std::string ReadWindowTitle(WindowSystem& windows, WindowHandle window) {
    char buffer[kTitleBufferSize] = {};
    std::int32_t count = windows.GetWindowTextA(window, buffer, kTitleMaxCount);
    if (count < 0) count = 0;
    if (count > kTitleMaxCount - 1) count = kTitleMaxCount - 1;  // never trust more than the buffer
    return std::string(buffer, static_cast<std::size_t>(count));
}

std::int32_t MeasureSizeSum(WindowSystem& windows, WindowHandle window) {
    WindowRect rect;
    windows.GetWindowRect(window, &rect);
    // Wraps like the platform's 32-bit arithmetic would instead of overflowing.
    std::uint32_t width = static_cast<std::uint32_t>(rect.right) - static_cast<std::uint32_t>(rect.left);
    std::uint32_t height = static_cast<std::uint32_t>(rect.bottom) - static_cast<std::uint32_t>(rect.top);
    return static_cast<std::int32_t>(width + height);
}

}  // namespace vexor
