#include "commands/release_popup.h"

#include "texts.h"

namespace vexor {

CommandOutcome ReleaseSelectedPopup(CommandContext& context) {
    TextList& trapped = context.monitor.lists.LContained;
    ForegroundCheckHold hold(context.monitor.Timer1());
    if (const std::string* title = trapped.SelectedEntry()) {
        const WindowHandle window = context.windows.FindWindowA(nullptr, *title);
        context.AllowedTitles().Append(*title);
        context.windows.SetWindowTextA(window, kAllowedMarkerTitle);
        context.windows.ShowWindow(window, kSwRestore);
    }
    const bool saved = context.store.Rewrite(context.AllowedTitles().Entries());
    trapped.RemoveAt(trapped.Selected());
    LoadAllowedTitles(context.AllowedTitles(), context.store);
    return {saved, !hold.Release()};
}

CommandOutcome ShowLastPopup(CommandContext& context) {
    const WindowHandle window = LastPopup();
    const std::string title = ReadWindowTitle(context.windows, window);
    // A window shown before already bears the marker; the marker is no title to allow.
    if (!title.empty() && title != kAllowedMarkerTitle) context.AllowedTitles().Append(title);
    context.windows.SetWindowTextA(window, kAllowedMarkerTitle);
    context.windows.ShowWindow(window, kSwRestore);
    return {context.store.Rewrite(context.AllowedTitles().Entries())};
}

}  // namespace vexor
