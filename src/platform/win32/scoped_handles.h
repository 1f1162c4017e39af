// One small owner per kind of OS handle: each closes its handle exactly once.
#pragma once

#include <windows.h>

#include <utility>

namespace vexor::win32 {

template <typename Handle, typename Closer>
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
        if (handle_ != Handle{}) Closer{}(handle_);
        handle_ = handle;
    }
    Handle Release() { return std::exchange(handle_, Handle{}); }

private:
    Handle handle_{};
};

struct WindowCloser {
    void operator()(HWND window) const { DestroyWindow(window); }
};
struct GdiCloser {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct IconCloser {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
struct MenuCloser {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
struct KernelCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
struct KeyCloser {
    void operator()(HKEY key) const { RegCloseKey(key); }
};

using ScopedWindow = Scoped<HWND, WindowCloser>;
using ScopedFont = Scoped<HGDIOBJ, GdiCloser>;
using ScopedIcon = Scoped<HICON, IconCloser>;
using ScopedMenu = Scoped<HMENU, MenuCloser>;
using ScopedHandle = Scoped<HANDLE, KernelCloser>;
using ScopedKey = Scoped<HKEY, KeyCloser>;

}  // namespace vexor::win32
