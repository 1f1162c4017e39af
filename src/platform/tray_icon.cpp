#include "platform/tray_icon.h"

#include <algorithm>

namespace vexor {

namespace {
void WriteField(TrayIconRecord& record, std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) record[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
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
    const std::size_t length = std::min(tip.size(), kTrayTipSize - 1);
    std::fill(record.begin() + kTrayTip, record.end(), std::uint8_t{0x20});
    std::copy(tip.begin(), tip.begin() + static_cast<std::ptrdiff_t>(length), record.begin() + kTrayTip);
    record[kTrayTip + length] = 0;
    return record;
}

std::uint32_t ReadTrayField(const TrayIconRecord& record, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value |= std::uint32_t{record[offset + i]} << (8 * i);
    return value;
}

}  // namespace vexor
