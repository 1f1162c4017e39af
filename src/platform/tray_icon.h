// The notification-area icon: its records, little-endian (NOTIFYICONDATA in its 88-byte ANSI
// form, with which the icon is added and deleted, and in its 488-byte form, the first size with
// balloon fields, with which a balloon is shown at the icon), and the routines that send them.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/byte_order.h"
#include "platform/window_system.h"

namespace vexor {

class Shell;

constexpr std::size_t kTrayIconRecordSize = 88;
using TrayIconRecord = std::array<std::uint8_t, kTrayIconRecordSize>;
constexpr std::size_t kBalloonRecordSize = 488;
using BalloonRecord = std::array<std::uint8_t, kBalloonRecordSize>;

// Field offsets, the same in both records up to the tip.
constexpr std::size_t kTrayCbSize = 0;
constexpr std::size_t kTrayHwnd = 4;
constexpr std::size_t kTrayUid = 8;
constexpr std::size_t kTrayFlags = 12;
constexpr std::size_t kTrayCallbackMessage = 16;
constexpr std::size_t kTrayIcon = 20;
constexpr std::size_t kTrayTip = 24;
constexpr std::size_t kTrayTipSize = 64;
// The balloon record's tip has 128 bytes; its balloon text, title and icon flags follow.
constexpr std::size_t kBalloonText = 160;
constexpr std::size_t kBalloonTextSize = 256;
constexpr std::size_t kBalloonTitleField = 420;
constexpr std::size_t kBalloonTitleSize = 64;
constexpr std::size_t kBalloonInfoFlags = 484;

constexpr std::uint32_t kNimAdd = 0;
constexpr std::uint32_t kNimModify = 1;
constexpr std::uint32_t kNimDelete = 2;
constexpr std::uint32_t kNifMessage = 1;
constexpr std::uint32_t kNifIcon = 2;
constexpr std::uint32_t kNifTip = 4;
constexpr std::uint32_t kNifInfo = 0x10;
constexpr std::uint32_t kNiifInfo = 1;        // the information icon
constexpr std::uint32_t kNiifNoSound = 0x10;  // no sound of the balloon's own

constexpr std::uint32_t kTrayIconId = 1;
constexpr std::uint32_t kTrayFlagsAll = kNifMessage | kNifIcon | kNifTip;
constexpr std::uint32_t kWmMouseMove = 512;  // the icon's callback message
constexpr std::uint32_t kTrayCallbackAtDelete = 1;

// Builds the record: cbSize 88, the five numbers in field order, and the tip: the text, one 0
// byte, then spaces to the 64th byte (the text has at most 63 characters; longer is cut).
TrayIconRecord MakeTrayIconData(std::uint32_t window, std::uint32_t id, std::uint32_t flags,
                                std::uint32_t callbackMessage, std::uint32_t icon, const std::string& tip);

// A balloon at the icon (window, id): cbSize 488 and only NIF_INFO, so that the icon, its tip and
// its callback stay as they were added; the title and text each end with a 0 byte within their
// fields (longer is cut); the information icon, without a sound of its own. Empty texts take
// away a balloon that is shown.
BalloonRecord MakeBalloonData(std::uint32_t window, std::uint32_t id, const std::string& title,
                              const std::string& text);

template <std::size_t N>
std::uint32_t ReadTrayField(const std::array<std::uint8_t, N>& record, std::size_t offset) {
    return GetLittleEndian32(record.data() + offset);
}

// The tray host window as the icon routines need it.
struct TrayHostHandles {
    WindowHandle window = 0;
    std::uint32_t icon = 0;
};

// NIM_ADD with the host window, identifier 1, callback WM_MOUSEMOVE and the tip "Vexor 2003".
bool AddTrayIcon(Shell& shell, const TrayHostHandles& host);
// NIM_DELETE with the same window and identifier, callback 1 and an empty tip.
bool RemoveTrayIcon(Shell& shell, const TrayHostHandles& host);
// A balloon at the icon. One still shown goes first: Windows XP would hold the new one back
// behind it.
void ShowTrayBalloon(Shell& shell, const TrayHostHandles& host, const std::string& title, const std::string& text);

}  // namespace vexor
