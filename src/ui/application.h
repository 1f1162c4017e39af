// The whole program over its platform interfaces: the Popup Viewer with the monitor, the tray
// host window and its menu, the splash and About windows, start-up and Exit.
#pragma once

#include <functional>

#include "commands/command_context.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/toolkit.h"
#include "platform/window_system.h"
#include "store/allowed_titles.h"
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

    // The tray host window: a notification of the icon, by the mouse message on it.
    void TrayHost_Notification(std::uint32_t mouseMessage);
    // The taskbar was (re)started: the icon it lost comes back.
    void TrayHost_TaskbarCreated();
    // A later start of the program asks to see the Popup Viewer. Accepted while start-up runs (the
    // viewer shows once it has finished) and afterwards; refused once start-up has failed.
    bool TrayHost_ShowViewerRequest();
    // A tray menu item was chosen, or an event happened on a control of the Popup Viewer: each
    // runs the handler that its table binds (kTrayMenuEvents, kViewerEvents in application.cpp).
    void MenuItem_Click(TrayItem item);
    void Viewer_ControlEvent(int controlId, ControlEvent event);

    void mshow_Click();
    void mabout_Click() { about_.Show(); }
    void mexit_Click();
    void mshowlast_Click();
    void mpause_Click();

    // The Popup Viewer's commands.
    void cmdshow_Click();
    void cmddelete_Click();
    void Label5_Click();
    void cmdpause_Click();
    void LContained_DblClick();
    void cmdview_Click() { LContained_DblClick(); }

    PopupViewer& Viewer() { return viewer_; }
    TrayHost& Tray() { return tray_; }
    SplashWindow& Splash() { return splash_; }
    AboutWindow& About() { return about_; }
    AllowedTitleStore& Store() { return store_; }

private:
    enum class Phase { NotStarted, Starting, Running, Failed };

    void SetPauseCaptions(const std::string& caption);
    // Start-up failed: the user is told, and later starts are no longer answered.
    bool Fail(const std::string& message);
    void ReportLaterFailure(const std::string& what);

    PlatformServices services_;
    RegistryModule registry_;
    AllowedTitleStore store_;
    TrayHost tray_;
    PopupViewer viewer_;
    SplashWindow splash_;
    AboutWindow about_;
    CommandContext commands_;
    Phase phase_ = Phase::NotStarted;  // Running from the tray icon step on
    bool viewerRequested_ = false;  // by a later start, while start-up runs
};

}  // namespace vexor
