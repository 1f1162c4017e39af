// The splash window (frmload): shown during start-up, closes itself after one second.
#pragma once

#include <functional>
#include <memory>

#include "platform/toolkit.h"
#include "texts.h"
#include "ui/layout.h"

namespace vexor {

constexpr int kSplashTimerMs = 1000;
// 258 x 46 pixels at 96 dots per inch.
constexpr int kSplashClientWidth = 258 * 15;
constexpr int kSplashClientHeight = 46 * 15;

enum SplashControlId : int { kSplashImageId = 201, kSplashLabelId };
constexpr ControlSpec kSplashLayout[] = {
    {kSplashImageId, "Image1", ControlKind::Picture, nullptr, 8 * 15, 8 * 15, 32 * 15, 32 * 15, -1, 0, FontKind::WindowDefault},
    {kSplashLabelId, "Label1", ControlKind::Label, kSplashText, 56 * 15, 16 * 15, 193 * 15, 17 * 15, -1, 0, FontKind::WindowDefault},
};

// The splash's client width and its label's width for the width the label's text needs (pixels):
// the label shows its whole text and keeps the table's margin to the right edge.
struct SplashPlacement {
    int clientWidth;
    int labelWidth;
};
SplashPlacement PlaceSplash(int dotsPerInch, int textWidth);

class SplashWindow {
public:
    explicit SplashWindow(Toolkit& toolkit);

    // Creates the window, shows it without waiting and starts its one-second timer. False, with
    // nothing shown, when the timer cannot be started.
    bool Show();
    // Closing destroys the window with its timer (its own tick, or the user's close box).
    void Close();
    bool IsOpen() const { return open_; }

    std::function<void()> changed;  // the view follows IsOpen()

private:
    void Timer1_Timer() { Close(); }

    std::unique_ptr<Timer> timer1_;
    bool open_ = false;
};

}  // namespace vexor
