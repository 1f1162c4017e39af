#include "commands/release_popup.h"

#include "ui/texts.h"

namespace vexor {

void ReleaseSelectedPopup(CommandContext& context) {
    TextList& trapped = context.state.lists.LContained;
    ForegroundCheckHold hold(context.state.Timer1());
    if (const std::string* title = trapped.SelectedEntry()) {
        const WindowHandle window = context.windows.FindWindowA(nullptr, *title);
        context.AllowedTitles().Append(*title);
        context.windows.SetWindowTextA(window, kAllowedMarkerTitle);
        context.windows.ShowWindow(window, kSwRestore);
    }
    const bool saved = context.store.Rewrite(context.AllowedTitles().Entries());
    trapped.RemoveAt(trapped.Selected());
    context.getSettings();
    context.EndEdit(hold, saved);
}

void ShowLastPopup(CommandContext& context) {
    const WindowHandle window = LastPopup();
    const std::string title = ReadWindowTitle(context.windows, window);
    // A window shown before already bears the marker; the marker is no title to allow.
    if (!title.empty() && title != kAllowedMarkerTitle) context.AllowedTitles().Append(title);
    context.windows.SetWindowTextA(window, kAllowedMarkerTitle);
    context.windows.ShowWindow(window, kSwRestore);
    if (!context.store.Rewrite(context.AllowedTitles().Entries())) context.ReportSaveFailure();
}

}  // namespace vexor
