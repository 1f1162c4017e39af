#include "ui/application.h"

#include "monitor/startup.h"
#include "texts.h"

namespace vexor {

namespace {

// The tray menu's items (kTrayMenuItems) and what choosing each runs. "-" and "Cancel" run nothing:
// choosing them only closes the menu.
constexpr EventBinding<Application> kTrayMenuEvents[] = {
    {static_cast<int>(TrayItem::mshow), ControlEvent::Click, &Application::mshow_Click},
    {static_cast<int>(TrayItem::mshowlast), ControlEvent::Click, &Application::mshowlast_Click},
    {static_cast<int>(TrayItem::mpause), ControlEvent::Click, &Application::mpause_Click},
    {static_cast<int>(TrayItem::mnotify), ControlEvent::Click, &Application::mnotify_Click},
    {static_cast<int>(TrayItem::mabout), ControlEvent::Click, &Application::mabout_Click},
    {static_cast<int>(TrayItem::mexit), ControlEvent::Click, &Application::mexit_Click},
};

// The Popup Viewer's controls (kViewerLayout) and the handlers their events run. A control without
// a row for an event ignores it: "View" has no pointer-move handler, the trapped list's button
// press does nothing. The label-buttons with a pointer-move row are the ones that highlight; the
// background resets them in the order of these rows.
constexpr EventBinding<Application> kViewerEvents[] = {
    {kCmdHideId, ControlEvent::Click, &Application::cmdhide_Click},
    {kCmdDeleteId, ControlEvent::Click, &Application::cmddelete_Click},
    {kLabel5Id, ControlEvent::Click, &Application::Label5_Click},
    {kCmdShowId, ControlEvent::Click, &Application::cmdshow_Click},
    {kCmdPauseId, ControlEvent::Click, &Application::cmdpause_Click},
    {kCmdViewId, ControlEvent::Click, &Application::cmdview_Click},
    {kLContainedId, ControlEvent::DoubleClick, &Application::LContained_DblClick},
    {kOKPopupsId, ControlEvent::MouseDown, &Application::OKPopups_MouseDown},
    {kOKPopupsId, ControlEvent::DeleteKey, &Application::cmddelete_Click},
    {kCmdDeleteId, ControlEvent::MouseMove, &Application::cmddelete_MouseMove},
    {kLabel5Id, ControlEvent::MouseMove, &Application::Label5_MouseMove},
    {kCmdPauseId, ControlEvent::MouseMove, &Application::cmdpause_MouseMove},
    {kCmdShowId, ControlEvent::MouseMove, &Application::cmdshow_MouseMove},
};

}  // namespace

Application::Application(PlatformServices services)
    : services_(services),
      registry_(services.registry),
      store_(registry_),
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
    services_.toolkit.ShowMessageBox(message, kApplicationTitle, kMbOk | kMbIconError);
    return false;
}

void Application::Warn(const std::string& message) {
    services_.toolkit.ShowMessageBox(message, kApplicationTitle, kMbOk | kMbIconExclamation);
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
        case TrayAction::ShowLastPopup:
            mshowlast_Click();
            break;
        case TrayAction::None:
            break;
    }
}

void Application::TrayHost_TaskbarCreated() {
    // Only an icon that start-up has asked for comes back, whether or not that first add worked.
    if (phase_ == Phase::Running) AddTrayIcon(services_.shell, tray_.handles);
}

void Application::MenuItem_Click(TrayItem item) {
    if (auto handler = FindHandler(kTrayMenuEvents, static_cast<int>(item), ControlEvent::Click)) (this->*handler)();
}

void Application::Viewer_ControlEvent(int controlId, ControlEvent event) {
    if (auto handler = FindHandler(kViewerEvents, controlId, event)) (this->*handler)();
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
    if (!tray_.notifyWhenHiding) return;
    const auto window = static_cast<std::uint32_t>(tray_.handles.window);
    // A balloon still shown goes first: Windows XP would hold the new one back behind it.
    services_.shell.NotifyIcon(kNimModify, MakeBalloonData(window, kTrayIconId, "", ""));
    services_.shell.NotifyIcon(kNimModify, MakeBalloonData(window, kTrayIconId, kBalloonTitle, BalloonText(title)));
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
    for (const EventBinding<Application>& row : kViewerEvents) {
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
