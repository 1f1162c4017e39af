// One small owner per kind of OS handle: each closes its handle exactly once.
#pragma once

#include <windows.h>

#include <utility>

namespace vexor::win32 {

// Close is the system's own function that frees this kind of handle.
template <typename Handle, auto Close>
class Scoped {
public:
    Scoped() = default;
    explicit Scoped(Handle handle) : handle_(handle) {}
    Scoped(const Scoped&) = delete;
    Scoped& operator=(const Scoped&) = delete;
    Scoped(Scoped&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
    Scoped& operator=(Scoped&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.handle_, Handle{}));
        return *this;
    }
    ~Scoped() { Reset(); }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != Handle{}; }
    void Reset(Handle handle = Handle{}) {
        if (handle_ != Handle{}) Close(handle_);
        handle_ = handle;
    }
    Handle Release() { return std::exchange(handle_, Handle{}); }

private:
    Handle handle_{};
};

using ScopedWindow = Scoped<HWND, &DestroyWindow>;
using ScopedFont = Scoped<HFONT, &DeleteObject>;
using ScopedIcon = Scoped<HICON, &DestroyIcon>;
using ScopedMenu = Scoped<HMENU, &DestroyMenu>;
using ScopedHandle = Scoped<HANDLE, &CloseHandle>;

// A window's device context, released when it goes.
class ScopedGetDC {
public:
    explicit ScopedGetDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~ScopedGetDC() {
        if (dc_ != nullptr) ReleaseDC(window_, dc_);
    }
    ScopedGetDC(const ScopedGetDC&) = delete;
    ScopedGetDC& operator=(const ScopedGetDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// A font selected into a device context; the one it replaced goes back when it goes.
class ScopedSelectFont {
public:
    ScopedSelectFont(HDC dc, HFONT font) : dc_(dc), previous_(SelectObject(dc, font)) {}
    ~ScopedSelectFont() { SelectObject(dc_, previous_); }
    ScopedSelectFont(const ScopedSelectFont&) = delete;
    ScopedSelectFont& operator=(const ScopedSelectFont&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace vexor::win32
