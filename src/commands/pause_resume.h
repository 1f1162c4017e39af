// Pause and resume: the state is the foreground-check timer; the two captions show it.
#pragma once

#include <string>

#include "platform/toolkit.h"

namespace vexor {

constexpr char kPauseCaption[] = "Pause";
constexpr char kResumeCaption[] = "Resume";

// The toggle as seen from the control whose caption is ownCaption: "Pause" stops the check,
// anything else starts it. Returns the caption both controls show afterwards.
std::string PauseToggle(const std::string& ownCaption, Timer& foregroundCheck);

}  // namespace vexor
