// Timers, the event pump and the message box over user32.
#pragma once

#include <windows.h>

#include <set>

#include "platform/toolkit.h"
#include "platform/win32/scoped_handles.h"

namespace vexor::win32 {

class Win32Toolkit : public Toolkit {
public:
    Win32Toolkit();
    ~Win32Toolkit() override;

    // False when the window that owns the timers could not be created: no timer can start.
    bool Ready() const { return static_cast<bool>(timerWindow_); }

    std::unique_ptr<Timer> CreateTimer(int intervalMs, bool enabled, std::function<void()> onTick) override;
    // Sleeps in MsgWaitForMultipleObjectsEx until something arrives, then dispatches everything
    // pending: waiting costs no processor time.
    void PumpEvents() override;
    int ShowMessageBox(const std::string& text, const std::string& caption, std::uint32_t style) override;

    class Win32Timer;

private:
    friend class Win32Timer;
    static void CALLBACK TimerProc(HWND window, UINT message, UINT_PTR id, DWORD time);

    ScopedWindow timerWindow_;       // message-only window that owns the timers
    std::set<Win32Timer*> timers_;   // a WM_TIMER already queued for a dead timer is dropped
};

// Lets every pending message run; used by the pump and by test drivers.
void DispatchPendingMessages();

}  // namespace vexor::win32
