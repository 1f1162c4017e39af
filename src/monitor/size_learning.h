// Size learning, Timer2's handler (Monitor::Timer2_Timer): every known window whose current size
// sum is non-zero and not yet allowed adds that sum. Closed windows measure 0 and add nothing.
#pragma once

#include "monitor/monitor_state.h"

namespace vexor {

constexpr int kSizeLearningPeriodMs = 2000;  // Timer2

}  // namespace vexor
