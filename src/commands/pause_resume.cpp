#include "commands/pause_resume.h"

#include "texts.h"

namespace vexor {

CommandOutcome PauseToggle(const std::string& ownCaption, Timer& foregroundCheck) {
    if (ownCaption == kPauseCaption) {
        foregroundCheck.SetEnabled(false);
        return {};
    }
    return {true, !foregroundCheck.SetEnabled(true)};
}

}  // namespace vexor
