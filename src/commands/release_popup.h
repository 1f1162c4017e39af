// Giving trapped pop-ups back: the release of the selected trapped entry, and Show Last Popup.
// Either way the window is retitled with the marker, restored, and its title allowed and saved.
#pragma once

#include "commands/command_context.h"

namespace vexor {

// LContained_DblClick (and cmdview_Click): finds the selected trapped title's window by title,
// allows the title, retitles and restores the window, saves, removes the entry and reloads the
// allowed titles. With nothing selected no window is looked up or touched.
CommandOutcome ReleaseSelectedPopup(CommandContext& context);

// Shows and allows the last pop-up: its current title (never the marker title itself) is
// appended and saved; the trapped list and the timer are left alone.
CommandOutcome ShowLastPopup(CommandContext& context);

}  // namespace vexor
