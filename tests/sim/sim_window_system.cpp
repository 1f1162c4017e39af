#include "sim/sim_window_system.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace vexor::sim {

WindowHandle SimWindowSystem::Create(const std::string& title, WindowRect rect, bool visible) {
    while (Exists(nextHandle_)) nextHandle_ += 4;
    WindowHandle handle = nextHandle_;
    nextHandle_ += 4;
    return CreateWithHandle(handle, title, rect, visible);
}

WindowHandle SimWindowSystem::CreateWithHandle(WindowHandle handle, const std::string& title, WindowRect rect,
                                               bool visible) {
    SimWindow window;
    window.title = title;
    window.visible = visible;
    window.normal = rect;
    windows_[handle] = window;
    zOrder_.insert(zOrder_.begin(), handle);
    if (visible) foreground_ = handle;
    return handle;
}

void SimWindowSystem::Destroy(WindowHandle window) {
    if (!Exists(window)) return;
    windows_.erase(window);
    zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), window), zOrder_.end());
    ForegroundLeaves(window);
}

void SimWindowSystem::Activate(WindowHandle window) {
    if (!Exists(window)) return;
    RaiseToTop(window);
    foreground_ = window;
}

void SimWindowSystem::Maximize(WindowHandle window) {
    SimWindow& w = windows_.at(window);
    w.showCmd = kSwShowMaximized;
    w.visible = true;
    Activate(window);
}

void SimWindowSystem::Minimize(WindowHandle window) {
    windows_.at(window).showCmd = 2;
    ForegroundLeaves(window);
}

void SimWindowSystem::Resize(WindowHandle window, WindowRect rect) {
    SimWindow& w = windows_.at(window);
    w.normal = rect;
    w.showCmd = kSwShowNormal;
}

void SimWindowSystem::SetTitleByUser(WindowHandle window, const std::string& title) {
    windows_.at(window).title = title;
}

WindowRect SimWindowSystem::CurrentRect(WindowHandle window) const {
    const SimWindow& w = windows_.at(window);
    if (w.showCmd == kSwShowMaximized) return kSimWorkArea;
    if (w.showCmd == 2) return kSimMinimizedRect;
    return w.normal;
}

void SimWindowSystem::DeliverPostedMessages() {
    auto posted = std::move(posted_);
    posted_.clear();
    for (auto [window, message] : posted) {
        SimWindow* w = Find(window);
        // The default window procedure answers WM_CLOSE by destroying the window.
        if (w && message == kWmClose && w->closeOnWmClose) Destroy(window);
    }
}

SimWindow* SimWindowSystem::Find(WindowHandle window) {
    auto it = windows_.find(window);
    return it == windows_.end() ? nullptr : &it->second;
}

void SimWindowSystem::RaiseToTop(WindowHandle window) {
    zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), window), zOrder_.end());
    zOrder_.insert(zOrder_.begin(), window);
}

void SimWindowSystem::ForegroundLeaves(WindowHandle window) {
    if (foreground_ != window) return;
    foreground_ = 0;
    for (WindowHandle candidate : zOrder_) {
        const SimWindow& w = windows_.at(candidate);
        if (candidate != window && w.visible && w.showCmd != 2) {
            foreground_ = candidate;
            return;
        }
    }
}

std::int32_t SimWindowSystem::IsWindowVisible(WindowHandle window) {
    SimWindow* w = Find(window);
    return (w && w->visible) ? 1 : 0;
}

std::int32_t SimWindowSystem::GetWindowTextA(WindowHandle window, char* buffer, std::int32_t maxCount) {
    if (maxCount <= 0) return 0;
    buffer[0] = '\0';
    SimWindow* w = Find(window);
    std::size_t count = 0;
    if (w) {
        count = std::min(w->title.size(), static_cast<std::size_t>(maxCount - 1));
        std::memcpy(buffer, w->title.data(), count);
        buffer[count] = '\0';
    }
    if (afterTitleRead_) afterTitleRead_(window);
    return static_cast<std::int32_t>(count);
}

std::int32_t SimWindowSystem::GetWindowPlacement(WindowHandle window, WindowPlacement* placement) {
    SimWindow* w = Find(window);
    if (!w) return 0;
    placement->length = sizeof(WindowPlacement);
    placement->showCmd = w->showCmd;
    placement->normal = w->normal;
    return 1;
}

std::int32_t SimWindowSystem::GetWindowRect(WindowHandle window, WindowRect* rect) {
    if (!Find(window)) return 0;
    *rect = CurrentRect(window);
    return 1;
}

std::int32_t SimWindowSystem::SetWindowTextA(WindowHandle window, const std::string& title) {
    calls_.push_back({"SetWindowTextA", window, title, 0});
    SimWindow* w = Find(window);
    if (!w) return 0;
    w->title = title;
    return 1;
}

std::int32_t SimWindowSystem::EnableWindow(WindowHandle window, std::int32_t enable) {
    calls_.push_back({"EnableWindow", window, {}, enable});
    SimWindow* w = Find(window);
    if (!w) return 0;
    const bool wasDisabled = !w->enabled;
    w->enabled = enable != 0;
    return wasDisabled ? 1 : 0;
}

std::int32_t SimWindowSystem::ShowWindow(WindowHandle window, std::int32_t command) {
    calls_.push_back({"ShowWindow", window, {}, command});
    SimWindow* w = Find(window);
    if (!w) return 0;
    const bool wasVisible = w->visible;
    if (command == kSwHide) {
        w->visible = false;
        ForegroundLeaves(window);
    } else if (command == kSwRestore) {
        w->visible = true;
        w->showCmd = kSwShowNormal;
        Activate(window);
    }
    return wasVisible ? 1 : 0;
}

std::int32_t SimWindowSystem::PostMessageA(WindowHandle window, std::uint32_t message, std::uintptr_t,
                                           std::intptr_t) {
    calls_.push_back({"PostMessageA", window, {}, message});
    if (!Find(window)) return 0;
    posted_.emplace_back(window, message);
    if (postHook_) postHook_([this] { DeliverPostedMessages(); });
    return 1;
}

WindowHandle SimWindowSystem::FindWindowA(const char*, const std::string& title) {
    // The platform compares window names without regard to case.
    auto sameIgnoringCase = [](const std::string& a, const std::string& b) {
        return a.size() == b.size() &&
               std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
                   return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
               });
    };
    for (WindowHandle candidate : zOrder_) {
        if (sameIgnoringCase(windows_.at(candidate).title, title)) return candidate;
    }
    return 0;
}

}  // namespace vexor::sim
