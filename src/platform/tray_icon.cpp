#include "platform/tray_icon.h"

#include <algorithm>

#include "platform/shell.h"
#include "texts.h"

namespace vexor {

namespace {

template <std::size_t N>
void WriteField(std::array<std::uint8_t, N>& record, std::size_t offset, std::uint32_t value) {
    PutLittleEndian32(record.data() + offset, value);
}

// A text field: the text, cut to leave room for its 0 byte, then that byte; returns its length.
template <std::size_t N>
std::size_t WriteText(std::array<std::uint8_t, N>& record, std::size_t offset, std::size_t size, const std::string& text) {
    const std::size_t length = std::min(text.size(), size - 1);
    std::copy(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(length), record.begin() + static_cast<std::ptrdiff_t>(offset));
    record[offset + length] = 0;
    return length;
}

}  // namespace

TrayIconRecord MakeTrayIconData(std::uint32_t window, std::uint32_t id, std::uint32_t flags,
                                std::uint32_t callbackMessage, std::uint32_t icon, const std::string& tip) {
    TrayIconRecord record{};
    WriteField(record, kTrayCbSize, kTrayIconRecordSize);
    WriteField(record, kTrayHwnd, window);
    WriteField(record, kTrayUid, id);
    WriteField(record, kTrayFlags, flags);
    WriteField(record, kTrayCallbackMessage, callbackMessage);
    WriteField(record, kTrayIcon, icon);
    // The tip field is a 64-character text: the tip, one 0, padded with spaces.
    std::fill(record.begin() + kTrayTip, record.end(), std::uint8_t{0x20});
    WriteText(record, kTrayTip, kTrayTipSize, tip);
    return record;
}

BalloonRecord MakeBalloonData(std::uint32_t window, std::uint32_t id, const std::string& title,
                              const std::string& text) {
    BalloonRecord record{};
    WriteField(record, kTrayCbSize, kBalloonRecordSize);
    WriteField(record, kTrayHwnd, window);
    WriteField(record, kTrayUid, id);
    WriteField(record, kTrayFlags, kNifInfo);
    WriteText(record, kBalloonText, kBalloonTextSize, text);
    WriteText(record, kBalloonTitleField, kBalloonTitleSize, title);
    WriteField(record, kBalloonInfoFlags, kNiifInfo | kNiifNoSound);
    return record;
}

namespace {
bool NotifyTrayIcon(Shell& shell, std::uint32_t message, const TrayHostHandles& host, std::uint32_t callback,
                    const std::string& tip) {
    const auto window = static_cast<std::uint32_t>(host.window);
    return shell.NotifyIcon(message, MakeTrayIconData(window, kTrayIconId, kTrayFlagsAll, callback, host.icon, tip));
}
}  // namespace

bool AddTrayIcon(Shell& shell, const TrayHostHandles& host) {
    return NotifyTrayIcon(shell, kNimAdd, host, kWmMouseMove, kApplicationTitle);
}

bool RemoveTrayIcon(Shell& shell, const TrayHostHandles& host) {
    return NotifyTrayIcon(shell, kNimDelete, host, kTrayCallbackAtDelete, "");
}

void ShowTrayBalloon(Shell& shell, const TrayHostHandles& host, const std::string& title, const std::string& text) {
    const auto window = static_cast<std::uint32_t>(host.window);
    shell.NotifyIcon(kNimModify, MakeBalloonData(window, kTrayIconId, "", ""));
    shell.NotifyIcon(kNimModify, MakeBalloonData(window, kTrayIconId, title, text));
}

}  // namespace vexor
