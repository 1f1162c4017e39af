#include "ui/application.h"

#include "commands/pause_resume.h"
#include "commands/release_popup.h"
#include "commands/remove_titles.h"
#include "monitor/startup.h"

namespace vexor {

Application::Application(PlatformServices services)
    : services_(services),
      registry_(services.registry),
      store_(registry_),
      viewer_(services.toolkit, services.windows, store_),
      splash_(services.toolkit),
      about_(services.programVersion),
      commands_{viewer_.GetMonitor().State(), services.windows, store_, services.toolkit} {}

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
        case TrayItem::mshowlast:
            mshowlast_Click();
            break;
        case TrayItem::mpause:
            mpause_Click();
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

void Application::mshowlast_Click() { ShowLastPopup(commands_); }

void Application::cmdshow_Click() { ShowLastPopup(commands_); }

void Application::cmddelete_Click() { DeleteSelectedTitle(commands_); }

void Application::Label5_Click() { DeleteAllTitles(commands_); }

void Application::LContained_DblClick() { ReleaseSelectedPopup(commands_); }

// Each toggle reads its own control's caption; both captions end equal.
void Application::cmdpause_Click() {
    SetPauseCaptions(PauseToggle(viewer_.CmdPauseCaption(), viewer_.GetMonitor().State().Timer1()));
}

void Application::mpause_Click() {
    SetPauseCaptions(PauseToggle(tray_.mpauseCaption, viewer_.GetMonitor().State().Timer1()));
}

void Application::SetPauseCaptions(const std::string& caption) {
    viewer_.SetCmdPauseCaption(caption);
    tray_.mpauseCaption = caption;
    if (tray_.changed) tray_.changed();
}

}  // namespace vexor
