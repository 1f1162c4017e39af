#include "ui/application.h"

#include "monitor/startup.h"

namespace vexor {

Application::Application(PlatformServices services)
    : services_(services),
      registry_(services.registry),
      store_(registry_),
      viewer_(services.toolkit, services.windows, store_),
      splash_(services.toolkit),
      about_(services.programVersion) {}

bool Application::Start() {
    if (Form_Load()) return true;
    services_.shell.EndProcess(kStartupFailedExitCode);
    return false;
}

bool Application::Form_Load() {
    viewer_.GetSettings();
    viewer_.SetCaption(kViewerCaption);
    splash_.Show();
    viewer_.GetMonitor().State().SettleDelay();
    if (!services_.shell.LaunchProgram(kBrowserPath, kBrowserShowStyle)) {
        services_.toolkit.ShowMessageBox(BrowserMissingMessage(), kApplicationTitle, kMbOk | kMbIconError);
        return false;
    }
    AddTrayIcon(services_.shell, tray_.handles);
    trayIconAdded_ = true;
    return true;
}

void Application::TrayHost_Notification(std::uint32_t mouseMessage) {
    if (tray_.visible) return;
    switch (DecodeTrayNotification(mouseMessage)) {
        case TrayAction::ShowViewer:
            mshow_Click();
            break;
        case TrayAction::ShowMenu:
            if (tray_.showMenu) tray_.showMenu();
            break;
        case TrayAction::None:
            break;
    }
}

void Application::TrayHost_TaskbarCreated() {
    if (trayIconAdded_) AddTrayIcon(services_.shell, tray_.handles);
}

void Application::MenuItem_Click(TrayItem item) {
    switch (item) {
        case TrayItem::mshow:
            mshow_Click();
            break;
        case TrayItem::mabout:
            mabout_Click();
            break;
        case TrayItem::mexit:
            mexit_Click();
            break;
        default:
            break;  // Cancel, the separator
    }
}

void Application::mshow_Click() {
    viewer_.Show();
    viewer_.SetCmdPauseCaption(tray_.mpauseCaption);
}

void Application::mexit_Click() {
    if (services_.toolkit.ShowMessageBox(kExitQuestion, kApplicationTitle, kConfirmStyle) != kIdYes) return;
    RemoveTrayIcon(services_.shell, tray_.handles);
    // At once: no window is asked to close, and nothing done to other windows is undone.
    services_.shell.EndProcess(0);
}

}  // namespace vexor
