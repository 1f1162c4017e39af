#include "platform/win32/win32_toolkit.h"

namespace vexor::win32 {

class Win32Toolkit::Win32Timer : public Timer {
public:
    Win32Timer(Win32Toolkit& owner, int intervalMs, std::function<void()> onTick)
        : owner_(owner), intervalMs_(intervalMs), onTick_(std::move(onTick)) {
        owner_.timers_.insert(this);
    }
    ~Win32Timer() override {
        SetEnabled(false);
        owner_.timers_.erase(this);
    }

    bool SetEnabled(bool enabled) override {
        if (enabled == enabled_) return true;  // a running timer keeps its countdown
        if (enabled) {
            // SetTimer fails when the system is out of timers or window resources.
            enabled_ = SetTimer(owner_.timerWindow_.Get(), Id(), static_cast<UINT>(intervalMs_),
                                &Win32Toolkit::TimerProc) != 0;
            return enabled_;
        }
        KillTimer(owner_.timerWindow_.Get(), Id());
        enabled_ = false;
        return true;
    }
    bool Enabled() const override { return enabled_; }

    void Fire() {
        // A tick already queued when the timer was stopped does not run.
        if (enabled_) onTick_();
    }

private:
    UINT_PTR Id() const { return reinterpret_cast<UINT_PTR>(this); }

    Win32Toolkit& owner_;
    int intervalMs_;
    std::function<void()> onTick_;
    bool enabled_ = false;
};

Win32Toolkit::Win32Toolkit()
    : timerWindow_(CreateWindowExA(0, "STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                   GetModuleHandleA(nullptr), nullptr)) {
    // The timer window knows its toolkit, so ticks find their timers without a global.
    SetWindowLongPtrA(timerWindow_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32Toolkit::~Win32Toolkit() = default;

void CALLBACK Win32Toolkit::TimerProc(HWND window, UINT, UINT_PTR id, DWORD) {
    auto* toolkit = reinterpret_cast<Win32Toolkit*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    auto* timer = reinterpret_cast<Win32Timer*>(id);
    if (toolkit != nullptr && toolkit->timers_.count(timer) != 0) timer->Fire();
}

std::unique_ptr<Timer> Win32Toolkit::CreateTimer(int intervalMs, bool enabled, std::function<void()> onTick) {
    auto timer = std::make_unique<Win32Timer>(*this, intervalMs, std::move(onTick));
    timer->SetEnabled(enabled);
    return timer;
}

void DispatchPendingMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // Leave the quit request for the main loop.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void Win32Toolkit::PumpEvents() {
    MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    DispatchPendingMessages();
}

int Win32Toolkit::ShowMessageBox(const std::string& text, const std::string& caption, std::uint32_t style) {
    // Owned by the program's active window, which gets the activation back when the box closes.
    // The box's own loop keeps dispatching this thread's messages, timer ticks among them.
    return MessageBoxA(GetActiveWindow(), text.c_str(), caption.c_str(), style);
}

}  // namespace vexor::win32
