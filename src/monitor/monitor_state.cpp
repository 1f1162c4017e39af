#include "monitor/monitor_state.h"

#include "monitor/foreground_check.h"
#include "monitor/size_learning.h"

namespace vexor {

namespace {
WindowHandle g_lastPopup = 0;
}  // namespace

WindowHandle LastPopup() { return g_lastPopup; }
void SetLastPopup(WindowHandle window) { g_lastPopup = window; }

Monitor::Monitor(Toolkit& toolkit, WindowSystem& windows)
    : toolkit_(toolkit),
      windows_(windows),
      delaying_(toolkit.CreateTimer(kSettlePeriodMs, false, [this] { Delaying_Timer(); })),
      timer2_(toolkit.CreateTimer(kSizeLearningPeriodMs, true, [this] { Timer2_Timer(); })),
      timer1_(toolkit.CreateTimer(kForegroundCheckPeriodMs, true, [this] { Timer1_Timer(); })) {}

bool Monitor::SettleDelay() {
    if (!delaying_->SetEnabled(true)) return false;
    while (delaying_->Enabled()) toolkit_.PumpEvents();
    return true;
}

}  // namespace vexor
