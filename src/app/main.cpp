// The Windows entry point: one instance a session; wires the Win32 implementations to the
// program and runs the event loop. Everything else happens in timer ticks and user events.
#include <windows.h>

#include "app/single_instance.h"
#include "monitor/startup.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_toolkit.h"
#include "platform/win32/win32_window_system.h"
#include "texts.h"
#include "ui/application.h"
#include "ui/win32/about_view.h"
#include "ui/win32/popup_viewer_view.h"
#include "ui/win32/splash_view.h"
#include "ui/win32/tray_host_view.h"

namespace {

int Run() {
    using namespace vexor;
    win32::Win32Toolkit toolkit;
    if (!toolkit.Ready()) throw win32::CreationFailure(kTimersWindow);
    win32::Win32WindowSystem windows;
    win32::Win32RegistryApi registry;
    win32::Win32Shell shell;
    Application app(PlatformServices{toolkit, windows, registry, shell, &win32::ReadProgramVersion});

    win32::TrayHostView trayHost(app);
    win32::PopupViewerView viewer(app);
    win32::SplashView splash(app.Splash(), trayHost.Hwnd());
    win32::AboutView about(app.About(), trayHost.Hwnd());

    if (!app.Start()) return kStartupFailedExitCode;

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (viewer.TranslateDialogMessage(&message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    using namespace vexor;
    win32::InstanceMutex instance;
    if (instance.AnotherRuns()) return win32::AskRunningInstanceToShowViewer();
    try {
        return Run();
    } catch (const win32::CreationFailure& failure) {
        // Every window of ours is gone by now, the icon was never added, and a later start finds
        // no one to ask.
        MessageBoxA(nullptr, StartupFailureMessage(failure.what()).c_str(), kApplicationTitle, MB_OK | MB_ICONERROR);
        return kStartupFailedExitCode;
    }
}
