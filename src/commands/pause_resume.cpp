#include "commands/pause_resume.h"

#include "ui/texts.h"

namespace vexor {

std::string PauseToggle(const std::string& ownCaption, CommandContext& context) {
    Timer& foregroundCheck = context.state.Timer1();
    if (ownCaption == kPauseCaption) {
        foregroundCheck.SetEnabled(false);
        return kResumeCaption;
    }
    if (!foregroundCheck.SetEnabled(true)) {
        context.ReportForegroundCheckFailure();
        return kResumeCaption;
    }
    return kPauseCaption;
}

}  // namespace vexor
