#include "monitor/size_learning.h"

namespace vexor {

void Monitor::Timer2_Timer() {
    const int count = lists.OKWindows.Count();
    for (int i = 0; i < count; ++i) {
        const auto window = static_cast<WindowHandle>(lists.OKWindows.ValueAt(i));
        const std::int32_t sizeSum = MeasureSizeSum(windows_, window);
        if (sizeSum != 0 && !lists.OKWinSizes.Contains(sizeSum)) lists.OKWinSizes.Append(sizeSum);
    }
}

}  // namespace vexor
