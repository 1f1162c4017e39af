#include "ui/win32/layout_window.h"

namespace vexor::win32 {

void LayoutWindow::Build(Frame frame, int clientWidthTwips, int clientHeightTwips, const ControlSpec* begin,
                         const ControlSpec* end, Picture picture) {
    frame.clientWidth = scale_.X(clientWidthTwips);
    frame.clientHeight = scale_.Y(clientHeightTwips);
    Create(frame);
    controls_ = CreateControls(Hwnd(), begin, end, scale_, fonts_);
    if (picture.controlId != 0) {
        picture_ = LoadIconResource(picture.iconId, picture.size);
        SendMessageA(Control(picture.controlId), STM_SETICON, reinterpret_cast<WPARAM>(picture_.Get()), 0);
    }
}

void LayoutWindow::Destroy() {
    WindowBase::Destroy();
    controls_.clear();
    picture_.Reset();
}

}  // namespace vexor::win32
