#include "ui/win32/splash_view.h"

#include "resource.h"
#include "texts.h"
#include "ui/win32/window_names.h"

namespace vexor::win32 {

void SplashView::Open() {
    // Fixed dialog frame with a close box; owned by the hidden host, so not in the taskbar.
    Build({kSplashWindow, kSplashClassName, kApplicationTitle, WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME,
           owner_, 0, 0},
          kSplashClientWidth, kSplashClientHeight, kSplashLayout, {kSplashImageId, IDI_SPLASH, 32});
    // Its whole text shows, whatever the font: the label and the window widen for it.
    const SplashPlacement placed = PlaceSplash(DotsPerInch(), TextWidth(Control(kSplashLabelId), kSplashText));
    RECT label;
    GetClientRect(Control(kSplashLabelId), &label);
    SetWindowPos(Control(kSplashLabelId), nullptr, 0, 0, placed.labelWidth, label.bottom, SWP_NOMOVE | SWP_NOZORDER);
    SetClientWidth(placed.clientWidth);
    ShowWindow(Hwnd(), SW_SHOWNORMAL);
    UpdateWindow(Hwnd());  // start-up waits next: draw now
}

}  // namespace vexor::win32
