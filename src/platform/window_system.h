// The user32 operations through which the monitor watches and changes other programs' windows.
#pragma once

#include <cstdint>
#include <string>

namespace vexor {

// A top-level window handle as the monitor keeps it: the platform handle as a signed 32-bit value.
using WindowHandle = std::int32_t;

// RECT: outer window rectangle in screen pixels.
struct WindowRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

// WINDOWPLACEMENT: eleven 32-bit fields, 44 bytes.
struct WindowPlacement {
    std::uint32_t length = 0;
    std::uint32_t flags = 0;
    std::uint32_t showCmd = 0;
    std::int32_t minX = 0, minY = 0;
    std::int32_t maxX = 0, maxY = 0;
    WindowRect normal;
};
static_assert(sizeof(WindowPlacement) == 44, "WINDOWPLACEMENT is 44 bytes");

constexpr std::int32_t kSwHide = 0;
constexpr std::int32_t kSwShowNormal = 1;
constexpr std::int32_t kSwShowMaximized = 3;
constexpr std::int32_t kSwRestore = 9;
constexpr std::uint32_t kWmClose = 16;
constexpr std::int32_t kEnable = -1;   // the program's own truth value for "true"
constexpr std::int32_t kDisable = 0;

// Title buffers hold 256 characters; the count passed to GetWindowTextA is 255 (with the NUL),
// so at most 254 characters of a title are ever read.
constexpr int kTitleBufferSize = 256;
constexpr int kTitleMaxCount = 255;

// Each operation behaves as its user32 namesake. On a handle that names no window the reads give
// zeros (or leave the output record as it was) and the writes do nothing.
class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    virtual WindowHandle GetForegroundWindow() = 0;
    virtual std::int32_t IsWindowVisible(WindowHandle window) = 0;
    // Copies at most maxCount - 1 characters and a NUL into buffer; returns the count copied.
    virtual std::int32_t GetWindowTextA(WindowHandle window, char* buffer, std::int32_t maxCount) = 0;
    // The caller passes a zero-filled record; on failure its show state stays 0.
    virtual std::int32_t GetWindowPlacement(WindowHandle window, WindowPlacement* placement) = 0;
    // On failure the record is left as it was.
    virtual std::int32_t GetWindowRect(WindowHandle window, WindowRect* rect) = 0;
    virtual std::int32_t SetWindowTextA(WindowHandle window, const std::string& title) = 0;
    virtual std::int32_t EnableWindow(WindowHandle window, std::int32_t enable) = 0;
    virtual std::int32_t ShowWindow(WindowHandle window, std::int32_t command) = 0;
    virtual std::int32_t PostMessageA(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                                      std::intptr_t lParam) = 0;
    // className null means "any class".
    virtual WindowHandle FindWindowA(const char* className, const std::string& title) = 0;
};

// The title as the monitor reads it: a 256-character buffer, maximum 255, the first n characters.
std::string ReadWindowTitle(WindowSystem& windows, WindowHandle window);

// Width plus height of the outer rectangle; a window that cannot be measured leaves the zero
// record untouched and gives 0.
std::int32_t MeasureSizeSum(WindowSystem& windows, WindowHandle window);

}  // namespace vexor
