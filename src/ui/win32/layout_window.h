// Windows built from a layout table: the frame, then the table's controls in their fonts at the
// screen's scale, and an icon resource in the picture control. ModelWindow adds what the About and
// splash windows share: a model that opens and closes them.
#pragma once

#include <windows.h>

#include <map>

#include "ui/layout.h"
#include "ui/win32/controls.h"
#include "ui/win32/window_base.h"

namespace vexor::win32 {

class LayoutWindow : public WindowBase {
protected:
    struct Picture {
        int controlId = 0;  // 0: the layout has no picture
        int iconId = 0;
        int size = 0;  // pixels
    };

    // Creates the window with a client area of the given twips, then its controls. Throws
    // CreationFailure, naming what could not be made.
    template <std::size_t N>
    void Build(Frame frame, int clientWidthTwips, int clientHeightTwips, const ControlSpec (&layout)[N],
               Picture picture = {}) {
        Build(frame, clientWidthTwips, clientHeightTwips, layout, layout + N, picture);
    }
    // The window goes with its controls, then its picture.
    void Destroy();

    HWND Control(int controlId) const { return controls_.at(controlId); }
    int DotsPerInch() const { return scale_.dpiX; }

private:
    void Build(Frame frame, int clientWidthTwips, int clientHeightTwips, const ControlSpec* begin,
               const ControlSpec* end, Picture picture);

    Scale scale_ = Scale::OfScreen();
    Fonts fonts_{scale_};
    std::map<int, HWND> controls_;
    ScopedIcon picture_;
};

// A window that its model opens and closes (About, splash): Open() runs whenever the model opens
// or asks to be shown again, the window goes when the model closes, and a close request from the
// user closes the model.
template <typename Model>
class ModelWindow : public LayoutWindow {
public:
    ModelWindow(Model& model, HWND owner) : model_(model), owner_(owner) {
        model_.changed = [this] { model_.IsOpen() ? Open() : Destroy(); };
    }

protected:
    virtual void Open() = 0;

    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_CLOSE) {
            model_.Close();
            return 0;
        }
        return LayoutWindow::OnMessage(message, wParam, lParam);
    }

    Model& model_;
    HWND owner_;
};

}  // namespace vexor::win32
