// Pause and resume: the state is the foreground-check timer; the two captions show it.
#pragma once

#include <string>

#include "commands/command_context.h"

namespace vexor {

// The toggle as seen from the control whose caption is ownCaption: "Pause" stops the check,
// anything else starts it. Both captions then show "Pause" while the check runs, else "Resume".
CommandOutcome PauseToggle(const std::string& ownCaption, Timer& foregroundCheck);

}  // namespace vexor
