#include "commands/remove_titles.h"

namespace vexor {

CommandOutcome DeleteSelectedTitle(CommandContext& context) {
    TextList& titles = context.AllowedTitles();
    ForegroundCheckHold hold(context.monitor.Timer1());
    titles.RemoveAt(titles.Selected());
    const bool saved = context.store.Rewrite(titles.Entries());
    LoadAllowedTitles(titles, context.store);
    return {saved, !hold.Release()};
}

CommandOutcome DeleteAllTitles(CommandContext& context) {
    context.AllowedTitles().Clear();
    const bool saved = context.store.Erase();
    LoadAllowedTitles(context.AllowedTitles(), context.store);
    return {saved};
}

}  // namespace vexor
