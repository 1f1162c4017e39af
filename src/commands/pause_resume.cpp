#include "commands/pause_resume.h"

namespace vexor {

std::string PauseToggle(const std::string& ownCaption, Timer& foregroundCheck) {
    if (ownCaption == kPauseCaption) {
        foregroundCheck.SetEnabled(false);
        return kResumeCaption;
    }
    foregroundCheck.SetEnabled(true);
    return kPauseCaption;
}

}  // namespace vexor
