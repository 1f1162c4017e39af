#include "ui/application.h"

#include "monitor/startup.h"
#include "texts.h"

namespace vexor {

Application::Application(PlatformServices services)
    : services_(services),
      registry_(services.registry),
      store_(registry_, kListCapacity),
      notifySetting_(registry_),
      viewer_(services.toolkit, services.windows, store_),
      splash_(services.toolkit),
      about_(services.programVersion),
      commands_{viewer_.GetMonitor(), services.windows, store_} {
    viewer_.GetMonitor().settleTimerFailed = [this] { Warn(LaterFailureMessage(kSettleTimer)); };
    viewer_.GetMonitor().popupHidden = [this](const std::string& title) { Monitor_PopupHidden(title); };
    about_.creationFailed = [this] { Warn(LaterFailureMessage(kAboutWindow)); };
}

bool Application::Start() {
    phase_ = Phase::Starting;
    tray_.notifyWhenHiding = notifySetting_.Load();
    if (tray_.changed) tray_.changed();
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
    Monitor& monitor = viewer_.GetMonitor();
    // Both timers started with the viewer; without them nothing would ever be checked.
    if (!monitor.Timer1().Enabled()) return Fail(StartupFailureMessage(kForegroundCheckTimer));
    if (!monitor.Timer2().Enabled()) return Fail(StartupFailureMessage(kSizeLearningTimer));
    viewer_.GetSettings();
    viewer_.SetCaption(kViewerCaption);
    if (!splash_.Show()) return Fail(StartupFailureMessage(kSplashTimer));
    if (!monitor.SettleDelay()) return Fail(StartupFailureMessage(kSettleTimer));
    if (!services_.shell.LaunchProgram(kBrowserPath, kBrowserShowStyle)) return Fail(kBrowserMissingMessage);
    AddTrayIcon(services_.shell, tray_.handles);
    return true;
}

bool Application::Fail(const std::string& message) {
    phase_ = Phase::Failed;
    tray_.answering = false;
    services_.toolkit.ShowMessageBox(message, kApplicationTitle, kMbOk | kMbIconError);
    return false;
}

void Application::Warn(const std::string& message) {
    services_.toolkit.ShowMessageBox(message, kApplicationTitle, kMbOk | kMbIconExclamation);
}

void Application::TrayHost_ShowViewerRequest() {
    if (phase_ == Phase::Running) {
        mshow_Click();
    } else if (phase_ != Phase::Failed) {
        viewerRequested_ = true;
    }
}

void Application::TrayHost_TaskbarCreated() {
    // Only an icon that start-up has asked for comes back, whether or not that first add worked.
    if (phase_ == Phase::Running) AddTrayIcon(services_.shell, tray_.handles);
}

void Application::mfile_PopupMenu() {
    if (tray_.showMenu) tray_.showMenu();
}

void Application::MenuItem_Click(TrayItem item) {
    Dispatch(kTrayMenuEvents<Application>, *this, static_cast<int>(item), ControlEvent::Click);
}

void Application::TrayHost_Event(int source, ControlEvent event) {
    Dispatch(kTrayHostEvents<Application>, *this, source, event);
}

void Application::Viewer_ControlEvent(int controlId, ControlEvent event) {
    Dispatch(kViewerEvents<Application>, *this, controlId, event);
}

void Application::mshow_Click() {
    viewer_.SetVisible(true);
    viewer_.SetCmdPauseCaption(tray_.mpauseCaption);
}

void Application::mnotify_Click() {
    tray_.notifyWhenHiding = !tray_.notifyWhenHiding;
    if (tray_.changed) tray_.changed();
    // The choice holds for this run all the same.
    if (!notifySetting_.Save(tray_.notifyWhenHiding)) Warn(kNotifySaveFailedMessage);
}

void Application::Monitor_PopupHidden(const std::string& title) {
    if (tray_.notifyWhenHiding) ShowTrayBalloon(services_.shell, tray_.handles, kBalloonTitle, BalloonText(title));
}

void Application::mexit_Click() {
    if (services_.toolkit.ShowMessageBox(kExitQuestion, kApplicationTitle, kConfirmStyle) != kIdYes) return;
    RemoveTrayIcon(services_.shell, tray_.handles);
    // At once: no window is asked to close, and nothing done to other windows is undone.
    services_.shell.EndProcess(0);
}

void Application::Label5_Click() {
    // Events, timer ticks among them, go on while the question waits.
    if (services_.toolkit.ShowMessageBox(kDeleteAllQuestion, kApplicationTitle, kConfirmStyle) != kIdYes) return;
    Report(DeleteAllTitles(commands_));
}

void Application::OKPopups_MouseDown() {
    const std::string* selected = viewer_.Lists().OKPopups.SelectedEntry();
    viewer_.SetOKPopupsToolTip(selected ? *selected : std::string());
}

void Application::Form_MouseMove() {
    for (const EventBinding<Application>& row : kViewerEvents<Application>) {
        if (row.event == ControlEvent::MouseMove && IsLabelButton(kViewerLayout, row.controlId)) {
            viewer_.SetLabelColor(row.controlId, kColorButtonText);
        }
    }
}

void Application::TogglePause(const std::string& ownCaption) {
    Timer& foregroundCheck = viewer_.GetMonitor().Timer1();
    const CommandOutcome outcome = PauseToggle(ownCaption, foregroundCheck);
    SetPauseCaptions(foregroundCheck.Enabled() ? kPauseCaption : kResumeCaption);
    Report(outcome);
}

void Application::SetPauseCaptions(const std::string& caption) {
    viewer_.SetCmdPauseCaption(caption);
    tray_.mpauseCaption = caption;
    if (tray_.changed) tray_.changed();
}

void Application::Report(const CommandOutcome& outcome) {
    // The command has put the check back already, so no message waits while monitoring is held.
    if (outcome.checkStopped) {
        SetPauseCaptions(kResumeCaption);
        Warn(LaterFailureMessage(kForegroundCheckTimer));
    }
    if (!outcome.saved) Warn(kSaveFailedMessage);
}

}  // namespace vexor
