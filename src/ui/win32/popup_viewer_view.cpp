#include "ui/win32/popup_viewer_view.h"

#include <commctrl.h>

namespace vexor::win32 {

// Keeps a list box equal to a list of the model, change by change.
class PopupViewerView::ListMirror : public ListObserver {
public:
    explicit ListMirror(HWND listBox) : listBox_(listBox) {}
    void OnAppended(const std::string& text) override {
        SendMessageA(listBox_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    void OnRemoved(int position) override { SendMessageA(listBox_, LB_DELETESTRING, static_cast<WPARAM>(position), 0); }
    void OnCleared() override { SendMessageA(listBox_, LB_RESETCONTENT, 0, 0); }

private:
    HWND listBox_;
};

namespace {
bool IsLabelButton(int controlId) {
    for (const ControlSpec& row : kViewerLayout) {
        if (row.id == controlId) return row.kind == ControlKind::LabelButton;
    }
    return false;
}
}  // namespace

PopupViewerView::PopupViewerView(Application& app) : app_(app) {
    PopupViewer& model = app_.Viewer();
    // Fixed tool window: a thin title bar and no control box; tool windows stay out of the
    // taskbar.
    Create({"the Popup Viewer window", kViewerClassName, model.Caption().c_str(), WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN, WS_EX_TOOLWINDOW,
            nullptr, scale_.X(kViewerClientWidth), scale_.Y(kViewerClientHeight)});
    controls_ = CreateControls(Hwnd(), kViewerLayout, scale_, fonts_);

    MonitorLists& lists = model.Lists();
    auto mirror = [this](int id) {
        mirrors_.push_back(std::make_unique<ListMirror>(controls_[id]));
        return mirrors_.back().get();
    };
    lists.OKPopups.SetObserver(mirror(kOKPopupsId));
    lists.LContained.SetObserver(mirror(kLContainedId));
    lists.OKWindows.SetObserver(mirror(kOKWindowsId));
    lists.OKWinSizes.SetObserver(mirror(kOKWinSizesId));
    for (int i = 0; i < lists.OKPopups.Count(); ++i) mirrors_[0]->OnAppended(lists.OKPopups.At(i));

    // Every label and list takes its own pointer moves, so only the bare background is the
    // window's: a move over the heading, the list or "Hide" leaves a highlight alone.
    for (const ControlSpec& row : kViewerLayout) SubclassControl(row.id);

    INITCOMMONCONTROLSEX common{sizeof(common), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&common);
    toolTip_.Reset(CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0,
                                   0, 0, 0, Hwnd(), nullptr, ProgramInstance(), nullptr));
    if (!toolTip_) throw CreationFailure("the tooltip of the allowed pop-ups");
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;  // the size every comctl32 version accepts
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = Hwnd();
    tool.uId = reinterpret_cast<UINT_PTR>(controls_[kOKPopupsId]);
    tool.lpszText = const_cast<char*>("");
    SendMessageA(toolTip_.Get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));

    model.changed = [this] { OnChanged(); };
    model.labelColorChanged = [this](int id) { InvalidateRect(controls_[id], nullptr, TRUE); };
    OnChanged();
}

PopupViewerView::~PopupViewerView() = default;

void PopupViewerView::SubclassControl(int controlId) {
    SetWindowSubclass(controls_[controlId], &PopupViewerView::ControlProc, static_cast<UINT_PTR>(controlId),
                      reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK PopupViewerView::ControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                              DWORD_PTR self) {
    auto* view = reinterpret_cast<PopupViewerView*>(self);
    const int controlId = static_cast<int>(id);
    switch (message) {
        case WM_MOUSEMOVE:
            view->OnControlMouseMove(controlId);
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            if (controlId == kOKPopupsId) {
                // The list selects first; the handler then reads the new selection.
                const LRESULT result = DefSubclassProc(control, message, wParam, lParam);
                view->OnOKPopupsMouseDown();
                return result;
            }
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(control, &PopupViewerView::ControlProc, id);
            break;
        default:
            break;
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

void PopupViewerView::OnControlMouseMove(int controlId) {
    PopupViewer& model = app_.Viewer();
    switch (controlId) {
        case kCmdDeleteId:
            model.cmddelete_MouseMove();
            break;
        case kLabel5Id:
            model.Label5_MouseMove();
            break;
        case kCmdShowId:
            model.cmdshow_MouseMove();
            break;
        case kCmdPauseId:
            model.cmdpause_MouseMove();
            break;
        default:
            break;  // the other controls have no pointer-move handler
    }
}

void PopupViewerView::OnOKPopupsMouseDown() {
    SyncSelection(kOKPopupsId);
    app_.Viewer().OKPopups_MouseDown();
}

void PopupViewerView::SyncSelection(int controlId) {
    const int selected = static_cast<int>(SendMessageA(controls_[controlId], LB_GETCURSEL, 0, 0));
    MonitorLists& lists = app_.Viewer().Lists();
    (controlId == kOKPopupsId ? lists.OKPopups : lists.LContained).Select(selected);
}

void PopupViewerView::OnChanged() {
    PopupViewer& model = app_.Viewer();
    char caption[256];
    GetWindowTextA(Hwnd(), caption, sizeof(caption));
    if (model.Caption() != caption) SetText(Hwnd(), model.Caption());
    char pause[64];
    GetWindowTextA(controls_[kCmdPauseId], pause, sizeof(pause));
    if (model.CmdPauseCaption() != pause) {
        SetText(controls_[kCmdPauseId], model.CmdPauseCaption());
        FitToText(controls_[kCmdPauseId]);
    }

    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;  // the size every comctl32 version accepts
    tool.hwnd = Hwnd();
    tool.uId = reinterpret_cast<UINT_PTR>(controls_[kOKPopupsId]);
    tool.lpszText = const_cast<char*>(model.OKPopupsToolTip().c_str());
    SendMessageA(toolTip_.Get(), TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));

    const bool visible = IsWindowVisible(Hwnd()) != FALSE;
    if (model.Visible() && !visible) {
        ShowWindow(Hwnd(), SW_SHOWNORMAL);
        SetForegroundWindow(Hwnd());
    } else if (!model.Visible() && visible) {
        ShowWindow(Hwnd(), SW_HIDE);
    }
}

void PopupViewerView::OnCommand(int controlId, int notification) {
    if (notification == LBN_SELCHANGE && (controlId == kOKPopupsId || controlId == kLContainedId)) {
        SyncSelection(controlId);
        return;
    }
    if (controlId == kLContainedId && notification == LBN_DBLCLK) {
        SyncSelection(controlId);
        app_.LContained_DblClick();
        return;
    }
    if (controlId == kCmdHideId && notification == BN_CLICKED) {
        app_.Viewer().cmdhide_Click();
        return;
    }
    // A quick second click on a label-button is another click, as on a push button.
    if (notification != STN_CLICKED && notification != STN_DBLCLK) return;
    switch (controlId) {
        case kCmdDeleteId:
            app_.cmddelete_Click();
            break;
        case kLabel5Id:
            app_.Label5_Click();
            break;
        case kCmdShowId:
            app_.cmdshow_Click();
            break;
        case kCmdPauseId:
            app_.cmdpause_Click();
            break;
        case kCmdViewId:
            app_.cmdview_Click();
            break;
        default:
            break;
    }
}

LRESULT PopupViewerView::OnControlColor(HDC dc, HWND control) {
    const int id = GetDlgCtrlID(control);
    const int colorIndex = IsLabelButton(id) ? app_.Viewer().LabelColor(id) : COLOR_WINDOWTEXT;
    SetTextColor(dc, GetSysColor(colorIndex));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

bool PopupViewerView::TranslateDialogMessage(MSG* message) {
    return Hwnd() && IsDialogMessageA(Hwnd(), message);
}

LRESULT PopupViewerView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
            app_.Viewer().Form_QueryUnload();
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_MOUSEMOVE:
            // Only the bare background reaches here: every control takes its own moves.
            app_.Viewer().Form_MouseMove();
            return 0;
        case WM_CTLCOLORSTATIC:
            return OnControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        default:
            return WindowBase::OnMessage(message, wParam, lParam);
    }
}

}  // namespace vexor::win32
