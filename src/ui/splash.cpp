#include "ui/splash.h"

#include <algorithm>

namespace vexor {

SplashPlacement PlaceSplash(int dotsPerInch, int textWidth) {
    auto px = [dotsPerInch](int twips) { return TwipsToPixels(twips, dotsPerInch); };
    const ControlSpec& label = *FindControl(kSplashLayout, kSplashLabelId);
    const int labelWidth = std::max(px(label.width), textWidth);
    const int margin = px(kSplashClientWidth - label.left - label.width);
    return {std::max(px(kSplashClientWidth), px(label.left) + labelWidth + margin), labelWidth};
}

SplashWindow::SplashWindow(Toolkit& toolkit)
    : timer1_(toolkit.CreateTimer(kSplashTimerMs, false, [this] { Timer1_Timer(); })) {}

bool SplashWindow::Show() {
    if (open_) return true;
    // A splash that could not close itself would stay on screen.
    if (!timer1_->SetEnabled(true)) return false;
    open_ = true;
    if (changed) changed();
    return true;
}

void SplashWindow::Close() {
    if (!open_) return;
    // The timer object lives on (it may be the one ticking now); stopped, it is as good as gone.
    timer1_->SetEnabled(false);
    open_ = false;
    if (changed) changed();
}

}  // namespace vexor
