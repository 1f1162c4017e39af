// The Popup Viewer window (Form1): the container of the monitor's lists and timers, and the
// small window in which the user sees the allowed titles and gives the list commands.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "monitor/monitor.h"
#include "store/allowed_titles.h"
#include "ui/layout.h"
#include "ui/texts.h"

namespace vexor {

constexpr char kViewerClassName[] = "VexorPopupViewer";
constexpr int kViewerClientWidth = 3690;
constexpr int kViewerClientHeight = 1470;

// Control identifiers, for the view and for tests that find the controls from outside.
constexpr int kOKPopupsId = 101;
constexpr int kOKWinSizesId = 102;
constexpr int kOKWindowsId = 103;
constexpr int kCmdHideId = 104;
constexpr int kTrappedFrameId = 105;
constexpr int kLContainedId = 106;
constexpr int kLabel2Id = 107;
constexpr int kCmdViewId = 108;
constexpr int kCmdPauseId = 109;
constexpr int kCmdShowId = 110;
constexpr int kCmdDeleteId = 111;
constexpr int kLabel1Id = 112;
constexpr int kLabel5Id = 113;
constexpr int kLabel4Id = 114;
constexpr int kLabel3Id = 115;

// Every control in creation order. The rows below the client area exist and hold the monitor's
// lists, but no user action reaches them.
constexpr ControlSpec kViewerLayout[] = {
    {kOKPopupsId, "OKPopups", ControlKind::List, nullptr, 120, 375, 3450, 780, 9, 0, FontKind::MicrosoftSansSerif},
    {kOKWinSizesId, "OKWinSizes", ControlKind::List, nullptr, 240, 4920, 1815, 1035, 8, 0, FontKind::WindowDefault},
    {kOKWindowsId, "OKWindows", ControlKind::List, nullptr, 2640, 4920, 1815, 1035, 7, 0, FontKind::WindowDefault},
    {kCmdHideId, "cmdhide", ControlKind::CommandButton, kHideText, 2835, 45, 735, 255, 6, 0, FontKind::WindowDefault},
    {kTrappedFrameId, "Frame1", ControlKind::Frame, kTrappedFrameText, 240, 6120, 5055, 1695, 2, 0, FontKind::WindowDefault},
    {kLContainedId, "LContained", ControlKind::List, nullptr, 120, 720, 3975, 780, 3, kTrappedFrameId, FontKind::WindowDefault},
    {kLabel2Id, "Label2", ControlKind::Label, kTrappedHeading, 120, 360, 3975, 255, 5, kTrappedFrameId, FontKind::WindowDefault},
    {kCmdViewId, "cmdview", ControlKind::LabelButton, kViewText, 4200, 720, 345, 195, 4, kTrappedFrameId, FontKind::LabelButton},
    {kCmdPauseId, "cmdpause", ControlKind::LabelButton, kPauseCaption, 3000, 1200, 450, 195, 14, 0, FontKind::LabelButton},
    {kCmdShowId, "cmdshow", ControlKind::LabelButton, kShowLastPopupText, 1560, 1200, 1260, 195, 13, 0, FontKind::LabelButton},
    {kCmdDeleteId, "cmddelete", ControlKind::LabelButton, kDeleteText, 120, 1200, 465, 195, 12, 0, FontKind::LabelButton},
    {kLabel1Id, "Label1", ControlKind::Label, kAllowedHeading, 120, 75, 2490, 195, 11, 0, FontKind::WindowDefault, true},
    {kLabel5Id, "Label5", ControlKind::LabelButton, kDeleteAllText, 720, 1200, 675, 195, 10, 0, FontKind::LabelButton},
    {kLabel4Id, "Label4", ControlKind::Label, kHandlesHeading, 2640, 4680, 1815, 255, 1, 0, FontKind::WindowDefault},
    {kLabel3Id, "Label3", ControlKind::Label, kSizesHeading, 240, 4680, 1815, 255, 0, 0, FontKind::WindowDefault},
};

class PopupViewer {
public:
    PopupViewer(Toolkit& toolkit, WindowSystem& windows, AllowedTitleStore& store)
        : monitor_(toolkit, windows), store_(store) {}

    Monitor& GetMonitor() { return monitor_; }
    MonitorLists& Lists() { return monitor_.Lists(); }

    // Reloads the allowed-title list from the registry.
    void GetSettings();

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    bool Visible() const { return visible_; }
    void Show();
    // "Hide", and a close request from the keyboard or another program: the window only hides,
    // so its lists, timers and pause state live on for the whole process.
    void cmdhide_Click() { SetVisible(false); }
    void Form_QueryUnload() { SetVisible(false); }

    const std::string& CmdPauseCaption() const { return cmdpauseCaption_; }
    void SetCmdPauseCaption(const std::string& caption);

    // Hover highlight: a pointer move over one of the four bottom label-buttons highlights it;
    // only a pointer move over the bare window background returns all four to the button-text
    // colour. "View" never highlights.
    void cmddelete_MouseMove() { SetLabelColor(kCmdDeleteId, kColorHighlight); }
    void Label5_MouseMove() { SetLabelColor(kLabel5Id, kColorHighlight); }
    void cmdshow_MouseMove() { SetLabelColor(kCmdShowId, kColorHighlight); }
    void cmdpause_MouseMove() { SetLabelColor(kCmdPauseId, kColorHighlight); }
    void Form_MouseMove();
    // The system colour index a label-button is drawn in.
    int LabelColor(int controlId) const;

    // Any mouse button pressed on the allowed-title list: its tooltip becomes the selected
    // entry's full text, or empty with nothing selected.
    void OKPopups_MouseDown();
    const std::string& OKPopupsToolTip() const { return okPopupsToolTip_; }

    std::function<void()> changed;
    std::function<void(int controlId)> labelColorChanged;

private:
    void SetLabelColor(int controlId, int colorIndex);

    void SetVisible(bool visible);
    void Changed() {
        if (changed) changed();
    }

    Monitor monitor_;
    AllowedTitleStore& store_;
    std::string caption_;
    bool visible_ = false;
    std::string cmdpauseCaption_ = kPauseCaption;
    // Delete, Delete All, Pause, Show Last Popup: the order in which the background resets them.
    static constexpr std::array<int, 4> kHoverLabels = {kCmdDeleteId, kLabel5Id, kCmdPauseId, kCmdShowId};
    std::array<int, 4> labelColors_ = {kColorButtonText, kColorButtonText, kColorButtonText, kColorButtonText};
    std::string okPopupsToolTip_;
};

}  // namespace vexor
