#include "monitor/foreground_check.h"

#include "texts.h"

namespace vexor {

void Monitor::Timer1_Timer() {
    // A tick that the snapshot's own settle delay lets run would otherwise snapshot (and close)
    // whatever browser window the user brought to the front meanwhile.
    if (snapshotRunning_) return;

    const WindowHandle window = windows_.GetForegroundWindow();
    const std::int32_t visible = windows_.IsWindowVisible(window);
    const std::string title = ReadWindowTitle(windows_, window);

    const bool candidate = title.find(kCandidateMarker) != std::string::npos && visible > 0;
    if (!candidate) return;

    WindowPlacement placement;
    windows_.GetWindowPlacement(window, &placement);

    // While the snapshot is pending a maximized browser is brought back to normal size, so that
    // a later tick can measure it.
    if (lists.OKWinSizes.Count() == 0) windows_.ShowWindow(window, kSwRestore);
    if (placement.showCmd == static_cast<std::uint32_t>(kSwShowMaximized)) return;

    for (int i = 0; i < lists.OKPopups.Count(); ++i) {
        if (lists.OKPopups.At(i) == title) {
            // The marker lacks "Internet Explorer", so later ticks pass over the window.
            windows_.SetWindowTextA(window, kAllowedMarkerTitle);
            return;
        }
    }

    const std::int32_t sizeSum = MeasureSizeSum(windows_, window);

    if (lists.OKWinSizes.Count() == 0) {
        TakeSnapshot(window, sizeSum);
        return;
    }

    if (lists.OKWindows.Contains(window)) return;  // a known browsing window

    // A new window of a learned size becomes known, once for every equal size entry.
    int differentSizes = 0;
    for (int i = 0; i < lists.OKWinSizes.Count(); ++i) {
        if (lists.OKWinSizes.ValueAt(i) != static_cast<double>(sizeSum)) {
            ++differentSizes;
        } else {
            lists.OKWindows.Append(window);
        }
    }
    if (differentSizes == lists.OKWinSizes.Count()) {
        lists.LContained.Append(title);
        windows_.ShowWindow(window, kSwHide);
        SetLastPopup(window);
        if (popupHidden) popupHidden(title);
    }
}

void Monitor::TakeSnapshot(WindowHandle window, std::int32_t sizeSum) {
    windows_.SetWindowTextA(window, kSnapshotTitle);
    windows_.EnableWindow(window, kDisable);
    snapshotRunning_ = true;
    const bool settled = SettleDelay();
    snapshotRunning_ = false;
    // Without its delay the snapshot still ends as always, so the browser window is never left
    // disabled or retitled.
    lists.OKWindows.Append(window);
    lists.OKWinSizes.Append(sizeSum);  // measured before the delay
    windows_.EnableWindow(window, kEnable);
    windows_.PostMessageA(window, kWmClose, 0, 0);
    if (!settled && settleTimerFailed) settleTimerFailed();
}

}  // namespace vexor
