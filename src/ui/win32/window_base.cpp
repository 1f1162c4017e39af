#include "ui/win32/window_base.h"

#include <string>

#include "resource.h"

namespace vexor::win32 {

HINSTANCE ProgramInstance() { return GetModuleHandleA(nullptr); }

ScopedIcon LoadIconResource(int id, int size) {
    return ScopedIcon(static_cast<HICON>(
        LoadImageA(ProgramInstance(), MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

void WindowBase::Create(const Frame& frame) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    if (!GetClassInfoExA(ProgramInstance(), frame.className, &windowClass)) {
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = &WindowBase::WindowProc;
        windowClass.hInstance = ProgramInstance();
        windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = frame.className;
        // Class icons are shared by every window of the class and live as long as the process.
        windowClass.hIcon = LoadIconResource(IDI_PROGRAM, GetSystemMetrics(SM_CXICON)).Release();
        windowClass.hIconSm = LoadIconResource(IDI_PROGRAM, GetSystemMetrics(SM_CXSMICON)).Release();
        if (RegisterClassExA(&windowClass) == 0) {
            throw CreationFailure(std::string("the window class of ") + frame.description);
        }
    }

    RECT outer{0, 0, frame.clientWidth, frame.clientHeight};
    AdjustWindowRectEx(&outer, frame.style, FALSE, frame.exStyle);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    RECT workArea{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    const int left = workArea.left + (workArea.right - workArea.left - width) / 2;
    const int top = workArea.top + (workArea.bottom - workArea.top - height) / 2;

    if (!CreateWindowExA(frame.exStyle, frame.className, frame.caption, frame.style, left, top, width, height,
                         frame.owner, nullptr, ProgramInstance(), this)) {
        throw CreationFailure(frame.description);
    }
}

void WindowBase::SetClientWidth(int width) {
    RECT client, now;
    GetClientRect(Hwnd(), &client);
    GetWindowRect(Hwnd(), &now);
    if (client.right == width) return;
    RECT outer{0, 0, width, client.bottom};
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongPtrA(Hwnd(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(Hwnd(), GWL_EXSTYLE)));
    const int grown = (outer.right - outer.left) - (now.right - now.left);
    SetWindowPos(Hwnd(), nullptr, now.left - grown / 2, now.top, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT WindowBase::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window_.Get(), message, wParam, lParam);
}

LRESULT CALLBACK WindowBase::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<WindowBase*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->window_.Reset(window);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<WindowBase*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        // The window is gone: forget it without destroying it a second time.
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->window_.Release();
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return self->OnMessage(message, wParam, lParam);
}

}  // namespace vexor::win32
