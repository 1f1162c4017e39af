// The whole program over its platform interfaces: the Popup Viewer with the monitor, the tray
// host window and its menu, the splash and About windows, start-up and Exit. Every handler of the
// viewer and the tray menu is a member here, bound to its control by the event tables.
#pragma once

#include <functional>

#include "commands/pause_resume.h"
#include "commands/release_popup.h"
#include "commands/remove_titles.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/toolkit.h"
#include "platform/window_system.h"
#include "store/allowed_titles.h"
#include "store/notify_setting.h"
#include "ui/about_window.h"
#include "ui/events.h"
#include "ui/popup_viewer.h"
#include "ui/splash.h"
#include "ui/tray_menu.h"

namespace vexor {

struct PlatformServices {
    Toolkit& toolkit;
    WindowSystem& windows;
    RegistryApi& registry;
    Shell& shell;
    std::function<ProgramVersion()> programVersion;  // from the program's version resource
};

class Application {
public:
    explicit Application(PlatformServices services);
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Process entry: the Popup Viewer exists, hidden, and its load handler runs start-up. When
    // start-up fails the user is told, and the process ends with a non-zero exit code.
    bool Start();

    // The Popup Viewer's load handler: the start-up sequence. False when a step failed.
    bool Form_Load();

    // An event of the tray host window, of a tray menu item or of a control of the Popup Viewer:
    // each runs the handler that its table binds (kTrayHostEvents, kTrayMenuEvents,
    // kViewerEvents). The host's source is the icon's notification number, or kTrayHostFormId.
    void TrayHost_Event(int source, ControlEvent event);
    void MenuItem_Click(TrayItem item);
    void Viewer_ControlEvent(int controlId, ControlEvent event);

    // The tray host window. The taskbar was (re)started: the icon it lost comes back. A later
    // start of the program asks to see the Popup Viewer: accepted while start-up runs (the viewer
    // shows once it has finished) and afterwards; once start-up has failed, Tray().answering is
    // false and the request is refused.
    void TrayHost_TaskbarCreated();
    void TrayHost_ShowViewerRequest();
    // The right button released on the icon: mfile at the pointer.
    void mfile_PopupMenu();

    // The tray menu's items.
    void mshow_Click();
    void mshowlast_Click() { Report(ShowLastPopup(commands_)); }
    void mpause_Click() { TogglePause(tray_.mpauseCaption); }
    // Turns the notice of a hidden pop-up on or off, and stores the user's choice.
    void mnotify_Click();
    void mabout_Click() { about_.Show(); }
    void mexit_Click();

    // The Popup Viewer's controls.
    void cmdhide_Click() { viewer_.SetVisible(false); }
    void cmdshow_Click() { Report(ShowLastPopup(commands_)); }
    void cmddelete_Click() { Report(DeleteSelectedTitle(commands_)); }
    void Label5_Click();
    void cmdpause_Click() { TogglePause(viewer_.CmdPauseCaption()); }
    void LContained_DblClick() { Report(ReleaseSelectedPopup(commands_)); }
    void cmdview_Click() { LContained_DblClick(); }
    // Any mouse button pressed on the allowed-title list: its tooltip becomes the selected
    // entry's full text, or empty with nothing selected.
    void OKPopups_MouseDown();
    // Hover highlight: a pointer move over one of the bottom label-buttons lights it up; only a
    // pointer move over the bare window background returns them to the button-text colour.
    void LabelButton_MouseMove(int controlId) { viewer_.SetLabelColor(controlId, kColorHighlight); }
    void Form_MouseMove();
    // A close request from the keyboard or another program only hides the viewer, so its lists,
    // timers and pause state live on for the whole process.
    void Form_QueryUnload() { viewer_.SetVisible(false); }

    PopupViewer& Viewer() { return viewer_; }
    TrayHost& Tray() { return tray_; }
    SplashWindow& Splash() { return splash_; }
    AboutWindow& About() { return about_; }

private:
    enum class Phase { NotStarted, Starting, Running, Failed };

    // Each toggle reads its own control's caption; both captions end equal.
    void TogglePause(const std::string& ownCaption);
    void SetPauseCaptions(const std::string& caption);
    // Tells the user what a command could not do: the check stopped shows as paused.
    void Report(const CommandOutcome& outcome);
    void Warn(const std::string& message);
    // The monitor hid a pop-up: a balloon at the icon says so, unless the user turned it off.
    void Monitor_PopupHidden(const std::string& title);
    // Start-up failed: the user is told, and later starts are no longer answered.
    bool Fail(const std::string& message);

    PlatformServices services_;
    RegistryModule registry_;
    AllowedTitleStore store_;
    NotifySetting notifySetting_;
    TrayHost tray_;
    PopupViewer viewer_;
    SplashWindow splash_;
    AboutWindow about_;
    CommandContext commands_;
    Phase phase_ = Phase::NotStarted;  // Running from the tray icon step on
    bool viewerRequested_ = false;  // by a later start, while start-up runs
};

}  // namespace vexor
