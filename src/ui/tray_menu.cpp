#include "ui/tray_menu.h"

namespace vexor {

TrayAction DecodeTrayNotification(std::uint32_t mouseMessage) {
    switch (mouseMessage) {
        case kWmLButtonDblClk:
            return TrayAction::ShowViewer;
        case kWmRButtonUp:
            return TrayAction::ShowMenu;
        default:
            return TrayAction::None;  // single clicks, presses, moves, other buttons
    }
}

}  // namespace vexor
