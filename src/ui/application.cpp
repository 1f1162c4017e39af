#include "ui/application.h"

#include "commands/pause_resume.h"
#include "commands/release_popup.h"
#include "commands/remove_titles.h"
#include "monitor/startup.h"
#include "ui/texts.h"

namespace vexor {

namespace {

// The tray menu's items (kTrayMenuItems) and what choosing each runs. "-" and "Cancel" run nothing:
// choosing them only closes the menu.
constexpr EventBinding<Application> kTrayMenuEvents[] = {
    {static_cast<int>(TrayItem::mshow), "mshow", ControlEvent::Click, [](Application& app) { app.mshow_Click(); }},
    {static_cast<int>(TrayItem::mshowlast), "mshowlast", ControlEvent::Click, [](Application& app) { app.mshowlast_Click(); }},
    {static_cast<int>(TrayItem::mpause), "mpause", ControlEvent::Click, [](Application& app) { app.mpause_Click(); }},
    {static_cast<int>(TrayItem::mabout), "mabout", ControlEvent::Click, [](Application& app) { app.mabout_Click(); }},
    {static_cast<int>(TrayItem::mexit), "mexit", ControlEvent::Click, [](Application& app) { app.mexit_Click(); }},
};

// The Popup Viewer's controls (kViewerLayout) and the handlers their events run. A control without
// a row for an event ignores it: "View" has no pointer-move handler, the trapped list's button
// press does nothing.
constexpr EventBinding<Application> kViewerEvents[] = {
    {kCmdHideId, "cmdhide", ControlEvent::Click, [](Application& app) { app.Viewer().cmdhide_Click(); }},
    {kCmdDeleteId, "cmddelete", ControlEvent::Click, [](Application& app) { app.cmddelete_Click(); }},
    {kLabel5Id, "Label5", ControlEvent::Click, [](Application& app) { app.Label5_Click(); }},
    {kCmdShowId, "cmdshow", ControlEvent::Click, [](Application& app) { app.cmdshow_Click(); }},
    {kCmdPauseId, "cmdpause", ControlEvent::Click, [](Application& app) { app.cmdpause_Click(); }},
    {kCmdViewId, "cmdview", ControlEvent::Click, [](Application& app) { app.cmdview_Click(); }},
    {kLContainedId, "LContained", ControlEvent::DoubleClick, [](Application& app) { app.LContained_DblClick(); }},
    {kOKPopupsId, "OKPopups", ControlEvent::MouseDown, [](Application& app) { app.Viewer().OKPopups_MouseDown(); }},
    {kCmdDeleteId, "cmddelete", ControlEvent::MouseMove, [](Application& app) { app.Viewer().cmddelete_MouseMove(); }},
    {kLabel5Id, "Label5", ControlEvent::MouseMove, [](Application& app) { app.Viewer().Label5_MouseMove(); }},
    {kCmdShowId, "cmdshow", ControlEvent::MouseMove, [](Application& app) { app.Viewer().cmdshow_MouseMove(); }},
    {kCmdPauseId, "cmdpause", ControlEvent::MouseMove, [](Application& app) { app.Viewer().cmdpause_MouseMove(); }},
};

}  // namespace

Application::Application(PlatformServices services)
    : services_(services),
      registry_(services.registry),
      store_(registry_),
      viewer_(services.toolkit, services.windows, store_),
      splash_(services.toolkit),
      about_(services.programVersion),
      commands_{viewer_.GetMonitor().State(), services.windows, store_, services.toolkit, {}, {}} {
    commands_.getSettings = [this] { viewer_.GetSettings(); };
    commands_.foregroundCheckStopped = [this] { SetPauseCaptions(kResumeCaption); };
    viewer_.GetMonitor().State().settleTimerFailed = [this] { ReportLaterFailure(kSettleTimer); };
    about_.creationFailed = [this] { ReportLaterFailure(kAboutWindow); };
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
    if (!services_.shell.LaunchProgram(kBrowserPath, kBrowserShowStyle)) return Fail(kBrowserMissingMessage);
    AddTrayIcon(services_.shell, tray_.handles);
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
    // Only an icon that start-up has asked for comes back, whether or not that first add worked.
    if (phase_ == Phase::Running) AddTrayIcon(services_.shell, tray_.handles);
}

void Application::MenuItem_Click(TrayItem item) { Dispatch(kTrayMenuEvents, *this, static_cast<int>(item), ControlEvent::Click); }

void Application::Viewer_ControlEvent(int controlId, ControlEvent event) { Dispatch(kViewerEvents, *this, controlId, event); }

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
