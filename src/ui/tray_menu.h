// The tray host window (frmsettings) and its menu mfile: the user's way into the running program.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "monitor/startup.h"
#include "ui/texts.h"

namespace vexor {

constexpr char kTrayHostClassName[] = "VexorTrayHost";
// Registered messages the host window answers: the taskbar's restart, and a later start of the
// program asking to see the Popup Viewer (answered kShowViewerAccepted).
constexpr char kTaskbarCreatedMessage[] = "TaskbarCreated";
constexpr char kShowViewerMessage[] = "Vexor2003.ShowPopupViewer";
constexpr std::intptr_t kShowViewerAccepted = 1;

enum class TrayItem : std::uint16_t {
    mshow = 1001,
    mshowlast = 1002,
    mpause = 1003,
    mb = 1004,
    mabout = 1005,
    mexit = 1006,
    mcancel = 1007,
};

struct MenuItemSpec {
    TrayItem id;
    const char* name;
    const char* caption;  // "-" is a separator line
    bool isDefault;       // drawn bold
};

constexpr MenuItemSpec kTrayMenuItems[] = {
    {TrayItem::mshow, "mshow", kPopupViewerItem, true},
    {TrayItem::mshowlast, "mshowlast", kShowLastPopupText, false},
    {TrayItem::mpause, "mpause", kPauseCaption, false},
    {TrayItem::mb, "mb", kSeparator, false},
    {TrayItem::mabout, "mabout", kAboutText, false},
    {TrayItem::mexit, "mexit", kExitItem, false},
    {TrayItem::mcancel, "mcancel", kCancelItem, false},
};

constexpr std::uint32_t kWmLButtonDblClk = 515;
constexpr std::uint32_t kWmRButtonUp = 517;

enum class TrayAction { None, ShowViewer, ShowMenu };

// What a notification of the icon asks for, by the mouse message that happened on it. The number
// comes straight from the notification, so it decodes the same at every screen resolution.
TrayAction DecodeTrayNotification(std::uint32_t mouseMessage);

// The host window's state: it is never shown, and owns the pause item's caption.
struct TrayHost {
    TrayHostHandles handles;        // set when the window exists
    std::string mpauseCaption = kPauseCaption;
    std::function<void()> showMenu;  // shows mfile at the pointer
    std::function<void()> changed;   // captions changed
};

}  // namespace vexor
