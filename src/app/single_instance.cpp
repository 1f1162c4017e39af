#include "app/single_instance.h"

#include "monitor/startup.h"
#include "texts.h"
#include "ui/win32/window_names.h"

namespace vexor::win32 {

namespace {
// The running instance may be between taking the mutex and creating its tray host window.
constexpr DWORD kHostWaitMs = 10000;
// It answers at once, even in the middle of start-up; a hung one is given this long.
constexpr DWORD kAnswerWaitMs = 10000;
constexpr DWORD kHostPollMs = 50;
}  // namespace

InstanceMutex::InstanceMutex() : mutex_(CreateMutexA(nullptr, FALSE, kInstanceMutexName)) {
    const DWORD error = GetLastError();
    anotherRuns_ = error == ERROR_ALREADY_EXISTS || (!mutex_ && error == ERROR_ACCESS_DENIED);
}

int AskRunningInstanceToShowViewer() {
    HWND host = nullptr;
    const DWORD start = GetTickCount();
    while ((host = FindWindowA(kTrayHostClassName, nullptr)) == nullptr && GetTickCount() - start < kHostWaitMs) {
        Sleep(kHostPollMs);
    }
    if (host != nullptr) {
        DWORD processId = 0;
        GetWindowThreadProcessId(host, &processId);
        // The viewer may come to the front: this start is the user's latest input.
        AllowSetForegroundWindow(processId);
        DWORD_PTR answer = 0;
        if (SendMessageTimeoutA(host, RegisterWindowMessageA(kShowViewerMessage), 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK,
                                kAnswerWaitMs, &answer) != 0 &&
            static_cast<std::intptr_t>(answer) == kShowViewerAccepted) {
            return 0;
        }
    }
    MessageBoxA(nullptr, kInstanceNotAnsweringMessage, kApplicationTitle, MB_OK | MB_ICONEXCLAMATION);
    return kStartupFailedExitCode;
}

}  // namespace vexor::win32
