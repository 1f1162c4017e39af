#include "monitor/monitor_state.h"

#include <utility>

namespace vexor {

namespace {
WindowHandle g_lastPopup = 0;
}  // namespace

WindowHandle LastPopup() { return g_lastPopup; }
void SetLastPopup(WindowHandle window) { g_lastPopup = window; }

MonitorState::MonitorState(Toolkit& toolkit, std::function<void()> foregroundCheckTick,
                           std::function<void()> sizeLearningTick)
    : toolkit_(toolkit) {
    settle_ = toolkit.CreateTimer(kSettlePeriodMs, false, [this] { settle_->SetEnabled(false); });
    sizeLearning_ = toolkit.CreateTimer(kSizeLearningPeriodMs, true, std::move(sizeLearningTick));
    foregroundCheck_ = toolkit.CreateTimer(kForegroundCheckPeriodMs, true, std::move(foregroundCheckTick));
}

bool MonitorState::SettleDelay() {
    if (!settle_->SetEnabled(true)) return false;
    while (settle_->Enabled()) toolkit_.PumpEvents();
    return true;
}

}  // namespace vexor
