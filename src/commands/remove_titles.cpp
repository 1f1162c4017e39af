#include "commands/remove_titles.h"

#include "monitor/startup.h"
#include "ui/texts.h"

namespace vexor {

void DeleteSelectedTitle(CommandContext& context) {
    TextList& titles = context.AllowedTitles();
    ForegroundCheckHold hold(context.state.Timer1());
    titles.RemoveAt(titles.Selected());
    const bool saved = context.store.Rewrite(titles.Entries());
    context.getSettings();
    context.EndEdit(hold, saved);
}

void DeleteAllTitles(CommandContext& context) {
    // Events, timer ticks among them, go on while the question waits.
    if (context.toolkit.ShowMessageBox(kDeleteAllQuestion, kApplicationTitle, kConfirmStyle) != kIdYes) return;
    context.AllowedTitles().Clear();
    const bool saved = context.store.Erase();
    context.getSettings();
    if (!saved) context.ReportSaveFailure();
}

}  // namespace vexor
