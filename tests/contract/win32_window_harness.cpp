#include <windows.h>

#include <vector>

#include "contract/window_harness.h"
#include "platform/win32/win32_window_system.h"

namespace vexor::contract {
namespace {

constexpr char kClassName[] = "VexorContractWindow";

void Pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

class Win32WindowHarness : public WindowHarness {
public:
    Win32WindowHarness() {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kClassName;
        RegisterClassA(&windowClass);  // fails harmlessly when a previous harness registered it
    }
    ~Win32WindowHarness() override {
        for (HWND window : created_) DestroyWindow(window);  // closed ones fail harmlessly
        Pump();
    }

    WindowSystem& Windows() override { return windows_; }
    WindowHandle Create(const std::string& title, WindowRect rect, bool visible) override {
        HWND window = CreateWindowExA(0, kClassName, title.c_str(), WS_OVERLAPPEDWINDOW, rect.left, rect.top,
                                      rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr,
                                      GetModuleHandleA(nullptr), nullptr);
        created_.push_back(window);
        if (visible) {
            ::ShowWindow(window, SW_SHOWNORMAL);
            SetForegroundWindow(window);
        }
        Pump();
        return win32::FromHwnd(window);
    }
    void DeliverPosted() override { Pump(); }

private:
    win32::Win32WindowSystem windows_;
    std::vector<HWND> created_;
};

}  // namespace

std::unique_ptr<WindowHarness> MakeWindowHarness() { return std::make_unique<Win32WindowHarness>(); }

}  // namespace vexor::contract
