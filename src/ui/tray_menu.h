// The tray host window (frmsettings) and its menu mfile: the user's way into the running program.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "monitor/startup.h"
#include "platform/tray_icon.h"
#include "texts.h"

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

constexpr std::uint32_t kWmLButtonDblClk = 515;
constexpr std::uint32_t kWmRButtonUp = 517;
constexpr std::uint32_t kNinBalloonUserClick = 1029;  // the user clicked the icon's balloon

enum class TrayAction { None, ShowViewer, ShowMenu, ShowLastPopup };

// What a notification of the icon asks for, by the mouse message that happened on it or the
// balloon click. The number comes straight from the notification, so it decodes the same at
// every screen resolution.
TrayAction DecodeTrayNotification(std::uint32_t mouseMessage);

// The balloon's text for a hidden pop-up: its title, cut with "..." so that the whole text fits
// the balloon's field, then on its own line what a click does.
std::string BalloonText(const std::string& popupTitle);

// The host window's state: it is never shown, and owns the pause item's caption.
struct TrayHost {
    TrayHostHandles handles;        // set when the window exists
    std::string mpauseCaption = kPauseCaption;
    bool notifyWhenHiding = true;    // mnotify's check mark
    std::function<void()> showMenu;  // shows mfile at the pointer
    std::function<void()> changed;   // captions or the check mark changed
};

}  // namespace vexor
