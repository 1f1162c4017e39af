// The Popup Viewer window (Form1): the container of the monitor's lists and timers, and the
// small window in which the user sees the allowed titles and gives the list commands. Its
// handlers are the program's (Application), bound to the controls by kViewerEvents.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "commands/command_context.h"
#include "monitor/monitor_state.h"
#include "store/allowed_titles.h"
#include "texts.h"
#include "ui/events.h"
#include "ui/layout.h"

namespace vexor {

constexpr int kViewerClientWidth = 3690;
constexpr int kViewerClientHeight = 1470;

// Control identifiers (the window itself is kViewerFormId), for the view and for tests that find
// the controls from outside.
enum ViewerControlId : int {
    kViewerFormId = 100, kOKPopupsId, kOKWinSizesId, kOKWindowsId, kCmdHideId, kTrappedFrameId, kLContainedId, kLabel2Id, kCmdViewId,
    kCmdPauseId, kCmdShowId, kCmdDeleteId, kLabel1Id, kLabel5Id, kLabel4Id, kLabel3Id,
};

// Every control in creation order. The rows below the client area exist and hold the monitor's
// lists, but no user action reaches them. The keyboard visits the allowed list, the label-buttons
// along the bottom from left to right, then "Hide" (tab index -1: no tab stop).
constexpr ControlSpec kViewerLayout[] = {
    {kOKPopupsId, "OKPopups", ControlKind::List, nullptr, 120, 375, 3450, 780, 0, 0, FontKind::MicrosoftSansSerif},
    {kOKWinSizesId, "OKWinSizes", ControlKind::List, nullptr, 240, 4920, 1815, 1035, -1, 0, FontKind::WindowDefault},
    {kOKWindowsId, "OKWindows", ControlKind::List, nullptr, 2640, 4920, 1815, 1035, -1, 0, FontKind::WindowDefault},
    {kCmdHideId, "cmdhide", ControlKind::CommandButton, kHideText, 2835, 45, 735, 255, 5, 0, FontKind::WindowDefault},
    {kTrappedFrameId, "Frame1", ControlKind::Frame, kTrappedFrameText, 240, 6120, 5055, 1695, -1, 0, FontKind::WindowDefault},
    {kLContainedId, "LContained", ControlKind::List, nullptr, 120, 720, 3975, 780, -1, kTrappedFrameId, FontKind::WindowDefault},
    {kLabel2Id, "Label2", ControlKind::Label, kTrappedHeading, 120, 360, 3975, 255, -1, kTrappedFrameId, FontKind::WindowDefault},
    {kCmdViewId, "cmdview", ControlKind::LabelButton, kViewText, 4200, 720, 345, 195, -1, kTrappedFrameId, FontKind::LabelButton},
    {kCmdPauseId, "cmdpause", ControlKind::LabelButton, kPauseCaption, 3000, 1200, 450, 195, 4, 0, FontKind::LabelButton},
    {kCmdShowId, "cmdshow", ControlKind::LabelButton, kShowLastPopupText, 1560, 1200, 1260, 195, 3, 0, FontKind::LabelButton},
    {kCmdDeleteId, "cmddelete", ControlKind::LabelButton, kDeleteText, 120, 1200, 465, 195, 1, 0, FontKind::LabelButton},
    {kLabel1Id, "Label1", ControlKind::Label, kAllowedHeading, 120, 75, 2490, 195, -1, 0, FontKind::WindowDefault, true},
    {kLabel5Id, "Label5", ControlKind::LabelButton, kDeleteAllText, 720, 1200, 675, 195, 2, 0, FontKind::LabelButton},
    {kLabel4Id, "Label4", ControlKind::Label, kHandlesHeading, 2640, 4680, 1815, 255, -1, 0, FontKind::WindowDefault},
    {kLabel3Id, "Label3", ControlKind::Label, kSizesHeading, 240, 4680, 1815, 255, -1, 0, FontKind::WindowDefault},
};

// What the controls' events run: H is the program (Application), whose members are the viewer's
// handlers. A control without a row for an event ignores it: "View" does not light up, a press on
// the trapped list does nothing. The label-buttons with a pointer-move row are the ones that light
// up; the bare background puts them back in the order of these rows.
template <typename H>
constexpr EventBinding<H> kViewerEvents[] = {
    {kOKPopupsId, ControlEvent::MouseDown, &H::OKPopups_MouseDown},
    {kOKPopupsId, ControlEvent::DeleteKey, &H::cmddelete_Click},
    {kCmdHideId, ControlEvent::Click, &H::cmdhide_Click},
    {kLContainedId, ControlEvent::DoubleClick, &H::LContained_DblClick},
    {kCmdViewId, ControlEvent::Click, &H::cmdview_Click},
    {kCmdPauseId, ControlEvent::Click, &H::cmdpause_Click},
    {kCmdShowId, ControlEvent::Click, &H::cmdshow_Click},
    {kCmdDeleteId, ControlEvent::Click, &H::cmddelete_Click},
    {kLabel5Id, ControlEvent::Click, &H::Label5_Click},
    {kCmdDeleteId, ControlEvent::MouseMove, &H::LabelButton_MouseMove},  // cmddelete_MouseMove
    {kLabel5Id, ControlEvent::MouseMove, &H::LabelButton_MouseMove},     // Label5_MouseMove
    {kCmdPauseId, ControlEvent::MouseMove, &H::LabelButton_MouseMove},   // cmdpause_MouseMove
    {kCmdShowId, ControlEvent::MouseMove, &H::LabelButton_MouseMove},    // cmdshow_MouseMove
    {kViewerFormId, ControlEvent::MouseMove, &H::Form_MouseMove},
    {kViewerFormId, ControlEvent::CloseRequest, &H::Form_QueryUnload},
    {kViewerFormId, ControlEvent::EscapeKey, &H::cmdhide_Click},  // "Hide" is the window's cancel button
};

// The viewer's visible controls placed for the widths their texts need at the screen's dots per
// inch (pixels, by control: the label-buttons and the heading; for the pause label the wider of its
// two captions). Label-buttons stay as wide as their texts and keep the table's gaps, the heading
// keeps at least its table width, and the window is as wide as the table or as the bottom row or
// the heading with "Hide" need; "Hide" and the list keep their distance from its right edge. With
// the original font's widths this is the table itself.
struct ViewerPlacement {
    int clientWidth;
    std::map<int, Span> controls;
};
ViewerPlacement PlaceViewer(int dotsPerInch, const std::map<int, int>& textWidths);

class PopupViewer {
public:
    PopupViewer(Toolkit& toolkit, WindowSystem& windows, AllowedTitleStore& store)
        : monitor_(toolkit, windows), store_(store) {}

    Monitor& GetMonitor() { return monitor_; }
    MonitorLists& Lists() { return monitor_.lists; }

    // Reloads the allowed-title list from the registry.
    void GetSettings() { LoadAllowedTitles(Lists().OKPopups, store_); }

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption) { Set(caption_, caption); }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { Set(visible_, visible); }
    const std::string& CmdPauseCaption() const { return cmdpauseCaption_; }
    void SetCmdPauseCaption(const std::string& caption) { Set(cmdpauseCaption_, caption); }
    // The allowed-title list's tooltip.
    const std::string& OKPopupsToolTip() const { return okPopupsToolTip_; }
    void SetOKPopupsToolTip(const std::string& text) { Set(okPopupsToolTip_, text); }

    // The system colour index a label-button is drawn in: the button-text colour until a pointer
    // move highlights it.
    int LabelColor(int controlId) const;
    void SetLabelColor(int controlId, int colorIndex);

    std::function<void()> changed;
    std::function<void(int controlId)> labelColorChanged;

private:
    template <typename T>
    void Set(T& field, const T& value) {
        field = value;
        if (changed) changed();
    }

    Monitor monitor_;
    AllowedTitleStore& store_;
    std::string caption_;
    bool visible_ = false;
    std::string cmdpauseCaption_ = kPauseCaption;
    std::string okPopupsToolTip_;
    std::map<int, int> labelColors_;  // by control, once set
};

}  // namespace vexor
