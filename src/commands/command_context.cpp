#include "commands/command_context.h"

#include "ui/texts.h"

namespace vexor {

void CommandContext::EndEdit(ForegroundCheckHold& hold, bool saved) {
    if (!hold.Release()) ReportForegroundCheckFailure();
    if (!saved) ReportSaveFailure();
}

void CommandContext::ReportForegroundCheckFailure() {
    if (foregroundCheckStopped) foregroundCheckStopped();
    toolkit.ShowMessageBox(LaterFailureMessage(kForegroundCheckTimer), kApplicationTitle, kMbOk | kMbIconExclamation);
}

void CommandContext::ReportSaveFailure() {
    toolkit.ShowMessageBox(kSaveFailedMessage, kApplicationTitle, kMbOk | kMbIconExclamation);
}

}  // namespace vexor
