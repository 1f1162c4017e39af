#include "ui/win32/splash_view.h"

#include "resource.h"

namespace vexor::win32 {

SplashView::SplashView(SplashWindow& model, HWND owner) : model_(model), owner_(owner) {
    model_.changed = [this] { OnChanged(); };
}

void SplashView::OnChanged() {
    if (model_.IsOpen() && !Hwnd()) {
        // Fixed dialog frame with a close box; owned by the hidden host, so not in the taskbar.
        Create({"the splash window", "VexorSplash", kSplashCaption, WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME, owner_,
                scale_.X(kSplashClientWidth), scale_.Y(kSplashClientHeight)});
        auto controls = CreateControls(Hwnd(), kSplashLayout, scale_, fonts_);
        picture_ = LoadIconResource(IDI_SPLASH, 32);
        SendMessageA(controls[kSplashImageId], STM_SETICON, reinterpret_cast<WPARAM>(picture_.Get()), 0);
        ShowWindow(Hwnd(), SW_SHOWNORMAL);
        UpdateWindow(Hwnd());
    } else if (!model_.IsOpen() && Hwnd()) {
        Destroy();
    }
}

LRESULT SplashView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        model_.Close();
        return 0;
    }
    return WindowBase::OnMessage(message, wParam, lParam);
}

}  // namespace vexor::win32
