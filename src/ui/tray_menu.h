// The tray host window (frmsettings) and its menu mfile: the user's way into the running program.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/tray_icon.h"
#include "texts.h"
#include "ui/events.h"

namespace vexor {

// The items of mfile, in menu order; their identifiers are the menu's command numbers.
enum class TrayItem : std::uint16_t { mshow = 1001, mshowlast, mpause, mnotify, mb, mabout, mexit, mcancel };

struct MenuItemSpec {
    TrayItem id;
    const char* caption;  // "-" is a separator line
    bool isDefault;       // drawn bold
};

constexpr MenuItemSpec kTrayMenuItems[] = {
    {TrayItem::mshow, kPopupViewerItem, true},
    {TrayItem::mshowlast, kShowLastPopupText, false},
    {TrayItem::mpause, kPauseCaption, false},
    {TrayItem::mnotify, kNotifyWhenHidingItem, false},  // checked while the notice is on
    {TrayItem::mb, kSeparator, false},
    {TrayItem::mabout, kAboutText, false},
    {TrayItem::mexit, kExitItem, false},
    {TrayItem::mcancel, kCancelItem, false},
};

// What choosing an item runs: H is the program (Application), whose members are the handlers.
// "-" and "Cancel" have no row: choosing them only closes the menu.
template <typename H>
constexpr EventBinding<H> kTrayMenuEvents[] = {
    {static_cast<int>(TrayItem::mshow), ControlEvent::Click, &H::mshow_Click},
    {static_cast<int>(TrayItem::mshowlast), ControlEvent::Click, &H::mshowlast_Click},
    {static_cast<int>(TrayItem::mpause), ControlEvent::Click, &H::mpause_Click},
    {static_cast<int>(TrayItem::mnotify), ControlEvent::Click, &H::mnotify_Click},
    {static_cast<int>(TrayItem::mabout), ControlEvent::Click, &H::mabout_Click},
    {static_cast<int>(TrayItem::mexit), ControlEvent::Click, &H::mexit_Click},
};

// The icon's notifications reach the host window as the mouse message that happened on the icon,
// or the click on its balloon. The number comes straight from the notification, so it decodes
// the same at every screen resolution; any other number (a single click, a press, a move, the
// other buttons) is ignored. The host window itself hears the taskbar's restart and a later
// start's request to see the viewer.
constexpr int kWmLButtonDblClk = 515;
constexpr int kWmRButtonUp = 517;
constexpr int kNinBalloonUserClick = 1029;
constexpr int kTrayHostFormId = 0;

template <typename H>
constexpr EventBinding<H> kTrayHostEvents[] = {
    {kWmLButtonDblClk, ControlEvent::IconNotification, &H::mshow_Click},
    {kWmRButtonUp, ControlEvent::IconNotification, &H::mfile_PopupMenu},
    {kNinBalloonUserClick, ControlEvent::IconNotification, &H::mshowlast_Click},
    {kTrayHostFormId, ControlEvent::TaskbarCreated, &H::TrayHost_TaskbarCreated},
    {kTrayHostFormId, ControlEvent::ShowViewerRequest, &H::TrayHost_ShowViewerRequest},
};

// The balloon's text for a hidden pop-up: its title, cut with "..." so that the whole text fits
// the balloon's field, then on its own line what a click does.
std::string BalloonText(const std::string& popupTitle);

// The host window's state: it is never shown, and owns the pause item's caption and the notice's
// check mark.
struct TrayHost {
    TrayHostHandles handles;  // set when the window exists
    std::string mpauseCaption = kPauseCaption;
    bool notifyWhenHiding = true;
    bool answering = true;           // false once start-up failed: later starts are refused
    std::function<void()> showMenu;  // shows mfile at the pointer
    std::function<void()> changed;   // the pause caption or the check mark changed
};

}  // namespace vexor
