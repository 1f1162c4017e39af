// The splash window on screen: follows the model, which opens it and closes it after a second.
#pragma once

#include "ui/splash.h"
#include "ui/win32/layout_window.h"

namespace vexor::win32 {

class SplashView : public ModelWindow<SplashWindow> {
public:
    using ModelWindow::ModelWindow;

protected:
    void Open() override;
};

}  // namespace vexor::win32
