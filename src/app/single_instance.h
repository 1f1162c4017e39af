// One running instance a session: a later start asks the running one to show its Popup Viewer.
#pragma once

#include <windows.h>

#include "platform/win32/scoped_handles.h"

namespace vexor::win32 {

// Held for the life of the process; the system releases it when the process ends, however it ends.
class InstanceMutex {
public:
    InstanceMutex();
    // Another process of this session holds it: already running (an elevated one answers a
    // standard user's open with "access denied").
    bool AnotherRuns() const { return anotherRuns_; }

private:
    ScopedHandle mutex_;
    bool anotherRuns_ = false;
};

// Asks the running instance to show its Popup Viewer, as a double-click on its icon would. Returns
// the exit code of this start: 0 once it answered; otherwise the user is told, and it is non-zero.
int AskRunningInstanceToShowViewer();

}  // namespace vexor::win32
