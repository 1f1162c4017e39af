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
      commands_{viewer_.GetMonitor().State(), services.windows, store_, services.toolkit, {}} {
    commands_.foregroundCheckStopped = [this] { SetPauseCaptions(kResumeCaption); };
    viewer_.GetMonitor().State().settleTimerFailed = [this] { ReportLaterFailure(kSettleTimer); };
    about_.creationFailed = [this] { ReportLaterFailure(kAboutWindowName); };
}

bool Application::Start() {
    phase_ = Phase::Starting;
    // Run elevated, the program would otherwise never hear these from the taskbar or a later start.
    for (const char* message : {kTaskbarCreatedMessage, kShowViewerMessage}) {
        services_.shell.AllowRegisteredMessage(tray_.handles.window, message);
    }
    if (!Form_Load()) {
        services_.shell.EndProcess(kStartupFailedExitCode);
        return false;
    }
    phase_ = Phase::Running;
    if (viewerRequested_) {
        viewerRequested_ = false;
        mshow_Click();
    }
    return true;
}

bool Application::Form_Load() {
    MonitorState& state = viewer_.GetMonitor().State();
    // Both timers started with the viewer; without them nothing would ever be checked.
    if (!state.Timer1().Enabled()) return Fail(StartupFailureMessage(kForegroundCheckTimer));
    if (!state.Timer2().Enabled()) return Fail(StartupFailureMessage(kSizeLearningTimer));
    viewer_.GetSettings();
    viewer_.SetCaption(kViewerCaption);
    if (!splash_.Show()) return Fail(StartupFailureMessage(kSplashTimer));
    if (!state.SettleDelay()) return Fail(StartupFailureMessage(kSettleTimer));
    if (!services_.shell.LaunchProgram(kBrowserPath, kBrowserShowStyle)) return Fail(BrowserMissingMessage());
    AddTrayIcon(services_.shell, tray_.handles);
    trayIconAdded_ = true;
    return true;
}

bool Application::Fail(const std::string& message) {
    phase_ = Phase::Failed;
    services_.toolkit.ShowMessageBox(message, kApplicationTitle, kMbOk | kMbIconError);
    return false;
}

void Application::ReportLaterFailure(const std::string& what) {
    services_.toolkit.ShowMessageBox(LaterFailureMessage(what), kApplicationTitle, kMbOk | kMbIconExclamation);
}

bool Application::TrayHost_ShowViewerRequest() {
    if (phase_ == Phase::Failed) return false;
    if (phase_ == Phase::Running) {
        mshow_Click();
    } else {
        viewerRequested_ = true;
    }
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
void Application::cmdpause_Click() { SetPauseCaptions(PauseToggle(viewer_.CmdPauseCaption(), commands_)); }

void Application::mpause_Click() { SetPauseCaptions(PauseToggle(tray_.mpauseCaption, commands_)); }

void Application::SetPauseCaptions(const std::string& caption) {
    viewer_.SetCmdPauseCaption(caption);
    tray_.mpauseCaption = caption;
    if (tray_.changed) tray_.changed();
}

}  // namespace vexor
