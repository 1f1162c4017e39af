// The tray host window (frmsettings): never shown; it receives the icon's notifications, owns the
// tray menu and answers the taskbar's restart.
#pragma once

#include "ui/application.h"
#include "ui/win32/window_base.h"

namespace vexor::win32 {

class TrayHostView : public WindowBase {
public:
    explicit TrayHostView(Application& app);

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void ShowMenuAtPointer();
    void OnChanged();

    Application& app_;
    ScopedMenu menu_;
    ScopedIcon trayIcon_;
    UINT taskbarCreated_;
    UINT showViewerRequest_;
};

}  // namespace vexor::win32
