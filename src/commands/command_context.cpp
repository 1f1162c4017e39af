#include "commands/command_context.h"

#include "monitor/startup.h"

namespace vexor {

void CommandContext::ReportSaveFailure() {
    toolkit.ShowMessageBox(kSaveFailedMessage, kApplicationTitle, kMbOk | kMbIconExclamation);
}

}  // namespace vexor
