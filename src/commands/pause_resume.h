// Pause and resume: the state is the foreground-check timer; the two captions show it.
#pragma once

#include <string>

#include "commands/command_context.h"

namespace vexor {

// The toggle as seen from the control whose caption is ownCaption: "Pause" stops the check,
// anything else starts it. Returns the caption both controls show afterwards: "Resume" when the
// check could not be started, after the user has been told.
std::string PauseToggle(const std::string& ownCaption, CommandContext& context);

}  // namespace vexor
