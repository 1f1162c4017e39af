// Taking titles off the allowed-title list: Delete (the selected one) and Delete All.
#pragma once

#include "commands/command_context.h"

namespace vexor {

// cmddelete_Click: removes the selected title (nothing with no selection), saves and reloads.
CommandOutcome DeleteSelectedTitle(CommandContext& context);

// Label5_Click, once the user has confirmed: clears the list, erases the key and reloads.
CommandOutcome DeleteAllTitles(CommandContext& context);

}  // namespace vexor
