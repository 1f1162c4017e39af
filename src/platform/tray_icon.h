// The notification-area icon record: NOTIFYICONDATA in its 88-byte ANSI form, little-endian.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vexor {

constexpr std::size_t kTrayIconRecordSize = 88;
using TrayIconRecord = std::array<std::uint8_t, kTrayIconRecordSize>;

// Field offsets within the record.
constexpr std::size_t kTrayCbSize = 0;
constexpr std::size_t kTrayHwnd = 4;
constexpr std::size_t kTrayUid = 8;
constexpr std::size_t kTrayFlags = 12;
constexpr std::size_t kTrayCallbackMessage = 16;
constexpr std::size_t kTrayIcon = 20;
constexpr std::size_t kTrayTip = 24;
constexpr std::size_t kTrayTipSize = 64;

constexpr std::uint32_t kNimAdd = 0;
constexpr std::uint32_t kNimDelete = 2;
constexpr std::uint32_t kNifMessage = 1;
constexpr std::uint32_t kNifIcon = 2;
constexpr std::uint32_t kNifTip = 4;

constexpr std::uint32_t kTrayIconId = 1;
constexpr std::uint32_t kTrayFlagsAll = kNifMessage | kNifIcon | kNifTip;
constexpr std::uint32_t kWmMouseMove = 512;  // the icon's callback message
constexpr std::uint32_t kTrayCallbackAtDelete = 1;

// Builds the record: cbSize 88, the five numbers in field order, and the tip: the text, one 0
// byte, then spaces to the 64th byte (the text has at most 63 characters; longer is cut).
TrayIconRecord MakeTrayIconData(std::uint32_t window, std::uint32_t id, std::uint32_t flags,
                                std::uint32_t callbackMessage, std::uint32_t icon, const std::string& tip);

std::uint32_t ReadTrayField(const TrayIconRecord& record, std::size_t offset);

}  // namespace vexor
