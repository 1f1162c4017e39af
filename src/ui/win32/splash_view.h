// The splash window on screen: follows the model, which opens it and closes it after a second.
#pragma once

#include <memory>

#include "ui/splash.h"
#include "ui/win32/controls.h"
#include "ui/win32/window_base.h"

namespace vexor::win32 {

class SplashView : public WindowBase {
public:
    SplashView(SplashWindow& model, HWND owner);

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnChanged();

    SplashWindow& model_;
    HWND owner_;
    Scale scale_ = Scale::OfScreen();
    Fonts fonts_{scale_};
    ScopedIcon picture_;
};

}  // namespace vexor::win32
