// Every text the user reads, each typed once: captions, labels, menu items, messages, and the
// titles written onto browser windows. A leaf: it includes only <string>, so every part of the
// program takes its texts from here.
#pragma once

#include <string>

namespace vexor {

// The product's name: the caption of every message box without one of its own and of the splash
// window, the About window's title line, the tray icon's tip.
constexpr char kApplicationTitle[] = "Vexor 2003";

// Titles written onto browser windows.
constexpr char kAllowedMarkerTitle[] = "Vexor Allowed Popup";
constexpr char kSnapshotTitle[] = "Internet Explorer - Vexor 2003 Snapshot, please wait...";

// The Popup Viewer, and the tray menu items that share its captions.
constexpr char kViewerCaption[] = "Vexor 2003 Popup Viewer";
constexpr char kAllowedHeading[] = "These won't be closed by Vexor";
constexpr char kHideText[] = "Hide";
constexpr char kDeleteText[] = "Delete";
constexpr char kDeleteAllText[] = "Delete All";
constexpr char kShowLastPopupText[] = "Show Last Popup";
constexpr char kPauseCaption[] = "Pause";    // monitoring runs; pressing pauses it
constexpr char kResumeCaption[] = "Resume";  // monitoring is paused
constexpr char kTrappedFrameText[] = "Trapped Popups";
constexpr char kTrappedHeading[] = "Popups that have be caught by Vexor";
constexpr char kViewText[] = "View";
constexpr char kHandlesHeading[] = "Allowed Popup Handles";
constexpr char kSizesHeading[] = "Allowed Popup Sizes";

// The tray menu (mfile, never shown as a menu bar).
constexpr char kPopupViewerItem[] = "Popup Viewer";
constexpr char kAboutText[] = "About";  // the item, and the About window's caption
constexpr char kNotifyWhenHidingItem[] = "Notify When Hiding";  // checked while the notice is on
constexpr char kExitItem[] = "Exit";
constexpr char kCancelItem[] = "Cancel";
constexpr char kSeparator[] = "-";

// The notice of a hidden pop-up: a balloon at the tray icon. Its text is the pop-up's title,
// then this line.
constexpr char kBalloonTitle[] = "Pop-up hidden";
constexpr char kBalloonClickLine[] = "Click here to show it and allow it from now on.";

// The splash and About windows.
constexpr char kSplashText[] = "Taking Snapshot of Internet Explorer...";
constexpr char kVersionLabel[] = "Version";  // until the version line replaces it
constexpr char kAboutDescription[] =
    "This is a re-make of the original Vexor. It has been re-built from the ground up and works much better than "
    "before.";
constexpr char kAboutCopyright[] = "Copyright \xA9 2003 Tessaly Software.\r\nAll rights reserved.";
constexpr char kAboutWebAddress[] = "http://www.tessaly.example/vexor/";
constexpr char kAboutSupportAddress[] = "support@tessaly.example";

// Questions and messages.
constexpr char kExitQuestion[] = "Are you sure you want to exit Vexor 2003?";
constexpr char kDeleteAllQuestion[] = "Delete All Allowed Popups?";
constexpr char kSaveFailedMessage[] =
    "The allowed pop-ups could not be saved to the registry.\n\n"
    "Vexor 2003 may not have write access to HKEY_LOCAL_MACHINE\\SOFTWARE\\Tessaly\\Popup\\Windows. "
    "The list shows what is stored now.";
constexpr char kNotifySaveFailedMessage[] = "The notification setting could not be saved to the registry.";
constexpr char kBrowserMissingMessage[] =
    "Vexor 2003 could not start Internet Explorer at\n"
    "c:\\program files\\internet explorer\\iexplore.exe\n\n"
    "Vexor 2003 needs it to learn the size of browser windows and will now close.";
constexpr char kInstanceNotAnsweringMessage[] =
    "Vexor 2003 is already running, but it does not answer.\n\n"
    "Wait a moment and start it again, or end the running Vexor 2003 in the Task Manager.";

// What a creation failure names.
constexpr char kForegroundCheckTimer[] = "the timer of its foreground check";
constexpr char kSizeLearningTimer[] = "the timer of its size learning";
constexpr char kSettleTimer[] = "the timer of its settle delay";
constexpr char kSplashTimer[] = "the timer of its splash window";
constexpr char kTimersWindow[] = "the window of its timers";
constexpr char kTrayHostWindow[] = "the window of its tray icon";
constexpr char kTrayMenuName[] = "the tray menu";
constexpr char kViewerWindow[] = "the Popup Viewer window";
constexpr char kViewerToolTip[] = "the tooltip of the allowed pop-ups";
constexpr char kSplashWindow[] = "the splash window";
constexpr char kAboutWindow[] = "the About window";

// Start-up cannot create what it needs (`what` names it): the program ends.
inline std::string StartupFailureMessage(const std::string& what) {
    return "Vexor 2003 could not create " + what +
           " and cannot start.\n\nWindows may be short of memory or window resources. Close some programs, then "
           "start Vexor 2003 again.";
}

// Something cannot be created later: the program goes on without it.
inline std::string LaterFailureMessage(const std::string& what) {
    return "Vexor 2003 could not create " + what +
           ".\n\nWindows may be short of memory or window resources. Vexor 2003 goes on without it; close some "
           "programs and try again.";
}

}  // namespace vexor
