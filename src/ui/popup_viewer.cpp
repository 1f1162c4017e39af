#include "ui/popup_viewer.h"

namespace vexor {

void PopupViewer::SetCaption(const std::string& caption) {
    caption_ = caption;
    Changed();
}

void PopupViewer::Show() { SetVisible(true); }

void PopupViewer::SetVisible(bool visible) {
    visible_ = visible;
    Changed();
}

void PopupViewer::SetCmdPauseCaption(const std::string& caption) {
    cmdpauseCaption_ = caption;
    Changed();
}

}  // namespace vexor
