// A top-level window whose window procedure forwards every message to a member function.
#pragma once

#include <windows.h>

#include <stdexcept>

#include "platform/win32/scoped_handles.h"

namespace vexor::win32 {

// A window, control, menu or timer that Windows could not create; what() names it for the user,
// as in "the Popup Viewer window".
class CreationFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class WindowBase {
public:
    WindowBase() = default;
    WindowBase(const WindowBase&) = delete;
    WindowBase& operator=(const WindowBase&) = delete;
    virtual ~WindowBase() = default;

    HWND Hwnd() const { return window_.Get(); }

protected:
    struct Frame {
        const char* description;  // for the user, should the window fail: "the Popup Viewer window"
        const char* className;
        const char* caption;
        DWORD style;
        DWORD exStyle;
        HWND owner;
        int clientWidth;   // pixels
        int clientHeight;  // pixels
    };

    // Registers the class (once per process) with the program icon, and creates the window
    // hidden, centred on the screen's work area, with the given client size. Throws
    // CreationFailure, naming the window, when either cannot be made.
    void Create(const Frame& frame);
    // A new client width, the window still centred where it was.
    void SetClientWidth(int width);
    void Destroy() { window_.Reset(); }

    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    ScopedWindow window_;
};

HINSTANCE ProgramInstance();
// An icon resource at a given size; the caller owns it.
ScopedIcon LoadIconResource(int id, int size);

}  // namespace vexor::win32
