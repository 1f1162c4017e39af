#include "ui/tray_menu.h"

namespace vexor {

std::string BalloonText(const std::string& popupTitle) {
    const std::string line = std::string("\n") + kBalloonClickLine;
    const std::size_t room = kBalloonTextSize - 1 - line.size();  // the field ends with its 0 byte
    if (popupTitle.size() <= room) return popupTitle + line;
    return popupTitle.substr(0, room - 3) + "..." + line;
}

}  // namespace vexor
