// The foreground check, Timer1's handler (Monitor::Timer1_Timer): once a second it looks at the
// foreground window and classifies a browser window in this order: allowed by title, snapshot,
// known by handle, accepted by size, else trapped.
#pragma once

#include "monitor/monitor_state.h"

namespace vexor {

constexpr int kForegroundCheckPeriodMs = 1000;  // Timer1
constexpr char kCandidateMarker[] = "Internet Explorer";

}  // namespace vexor
