#include "ui/win32/popup_viewer_view.h"

#include <commctrl.h>

#include "texts.h"
#include "ui/win32/window_names.h"

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

PopupViewerView::PopupViewerView(Application& app) : app_(app) {
    // Fixed tool window: a thin title bar and no control box; tool windows stay out of the
    // taskbar.
    Build({kViewerWindow, kViewerClassName, app_.Viewer().Caption().c_str(), WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN,
           WS_EX_TOOLWINDOW, nullptr, 0, 0},
          kViewerClientWidth, kViewerClientHeight, kViewerLayout);
    FitTexts();
    MirrorLists();
    SubclassControls();
    CreateToolTip();
    app_.Viewer().changed = [this] { OnChanged(); };
    app_.Viewer().labelColorChanged = [this](int id) { InvalidateRect(Control(id), nullptr, TRUE); };
    OnChanged();
}

void PopupViewerView::FitTexts() {
    // Text wider than the table's (another font) moves the controls and widens the window, so that
    // no text is cut and every control keeps background around it.
    std::map<int, int> textWidths;
    for (const ControlSpec& row : kViewerLayout) {
        if (row.parentId == 0 && (row.sizedToText || row.kind == ControlKind::LabelButton)) {
            textWidths[row.id] = TextWidth(Control(row.id), row.text);
        }
    }
    HWND pause = Control(kCmdPauseId);
    textWidths[kCmdPauseId] = std::max(TextWidth(pause, kPauseCaption), TextWidth(pause, kResumeCaption));
    const ViewerPlacement placed = PlaceViewer(DotsPerInch(), textWidths);
    for (const auto& [id, span] : placed.controls) {
        PlaceAlongRow(Control(id), span.left, IsLabelButton(kViewerLayout, id) ? 0 : span.width);  // sized to its caption
    }
    SetClientWidth(placed.clientWidth);
}

void PopupViewerView::MirrorLists() {
    // The window is made before start-up fills the lists: each list box follows its list change
    // by change from the first.
    MonitorLists& lists = app_.Viewer().Lists();
    auto mirror = [this](int id, auto& list) { list.SetObserver((mirrors_[id] = std::make_unique<ListMirror>(Control(id))).get()); };
    mirror(kOKPopupsId, lists.OKPopups);
    mirror(kLContainedId, lists.LContained);
    mirror(kOKWindowsId, lists.OKWindows);
    mirror(kOKWinSizesId, lists.OKWinSizes);
    selectableLists_ = {{kOKPopupsId, &lists.OKPopups}, {kLContainedId, &lists.LContained}};
}

void PopupViewerView::SubclassControls() {
    // Every label and list takes its own pointer moves, so only the bare background is the
    // window's: a move over the heading, the list or "Hide" leaves a highlight alone.
    for (const ControlSpec& row : kViewerLayout) {
        SetWindowSubclass(Control(row.id), &PopupViewerView::ControlProc, static_cast<UINT_PTR>(row.id),
                          reinterpret_cast<DWORD_PTR>(this));
    }
}

void PopupViewerView::CreateToolTip() {
    INITCOMMONCONTROLSEX common{sizeof(common), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&common);
    toolTip_.Reset(CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0,
                                   0, 0, 0, Hwnd(), nullptr, ProgramInstance(), nullptr));
    if (!toolTip_) throw CreationFailure(kViewerToolTip);
    TOOLINFOA tool = AllowedListTool("");
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    SendMessageA(toolTip_.Get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

// The allowed list's tool, with its text.
TOOLINFOA PopupViewerView::AllowedListTool(const std::string& text) const {
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;  // the size every comctl32 version accepts
    tool.hwnd = Hwnd();
    tool.uId = reinterpret_cast<UINT_PTR>(Control(kOKPopupsId));
    tool.lpszText = const_cast<char*>(text.c_str());
    return tool;
}

PopupViewerView::~PopupViewerView() = default;

LRESULT CALLBACK PopupViewerView::ControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                              DWORD_PTR self) {
    auto* view = reinterpret_cast<PopupViewerView*>(self);
    const int controlId = static_cast<int>(id);
    const bool labelButton = IsLabelButton(kViewerLayout, controlId);
    const bool activationKey = wParam == VK_RETURN || wParam == VK_SPACE;
    switch (message) {
        case WM_MOUSEMOVE:
            view->app_.Viewer_ControlEvent(controlId, ControlEvent::MouseMove);
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (labelButton) {
                // A label-button acts on the press, as a label does; it takes neither the focus nor
                // the mouse, so the focus stays where it was.
                view->app_.Viewer_ControlEvent(controlId, ControlEvent::Click);
                return 0;
            }
            [[fallthrough]];
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN: {
            // The control handles the press first (a list selects), so the handler reads the new
            // selection.
            const LRESULT result = DefSubclassProc(control, message, wParam, lParam);
            view->SyncSelection(controlId);
            view->app_.Viewer_ControlEvent(controlId, ControlEvent::MouseDown);
            return result;
        }
        case WM_GETDLGCODE:
            // Return and Space reach a focused label-button itself instead of the dialog manager,
            // which would take Return for the window's default button.
            if (labelButton && activationKey) return DLGC_WANTMESSAGE | DefSubclassProc(control, message, wParam, lParam);
            break;
        case WM_KEYDOWN:
            if (labelButton && activationKey) {
                view->app_.Viewer_ControlEvent(controlId, ControlEvent::Click);
                return 0;
            }
            if (wParam == VK_DELETE) {
                view->SyncSelection(controlId);
                view->app_.Viewer_ControlEvent(controlId, ControlEvent::DeleteKey);
                return 0;
            }
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            if (labelButton) {
                const RECT focusRect = view->FocusRect(control);
                InvalidateRect(view->Hwnd(), &focusRect, TRUE);
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

// The focus rectangle lies just outside the label-button's text, on the window's background.
RECT PopupViewerView::FocusRect(HWND control) const {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, Hwnd(), reinterpret_cast<POINT*>(&rect), 2);
    InflateRect(&rect, 2, 2);
    return rect;
}

void PopupViewerView::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Hwnd(), &paint);
    // Drawn while the keyboard is in use, as Windows shows focus cues.
    HWND focus = GetFocus();
    const bool cues = (SendMessageA(Hwnd(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) == 0;
    if (focus != nullptr && GetParent(focus) == Hwnd() && IsLabelButton(kViewerLayout, GetDlgCtrlID(focus)) && cues) {
        const RECT rect = FocusRect(focus);
        DrawFocusRect(dc, &rect);
    }
    EndPaint(Hwnd(), &paint);
}

// Drawn as the label it stands for: its text underlined in its colour on the button face.
void PopupViewerView::DrawLabelButton(const DRAWITEMSTRUCT& item) {
    char text[64];
    GetWindowTextA(item.hwndItem, text, sizeof(text));
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    ScopedSelectFont font(item.hDC, reinterpret_cast<HFONT>(SendMessageA(item.hwndItem, WM_GETFONT, 0, 0)));
    SetTextColor(item.hDC, GetSysColor(app_.Viewer().LabelColor(static_cast<int>(item.CtlID))));
    SetBkColor(item.hDC, GetSysColor(COLOR_BTNFACE));
    RECT rect = item.rcItem;
    DrawTextA(item.hDC, text, -1, &rect, DT_LEFT | DT_EXPANDTABS | DT_WORDBREAK);
}

void PopupViewerView::SyncSelection(int controlId) {
    auto list = selectableLists_.find(controlId);
    if (list == selectableLists_.end()) return;
    list->second->Select(static_cast<int>(SendMessageA(Control(controlId), LB_GETCURSEL, 0, 0)));
}

void PopupViewerView::OnChanged() {
    PopupViewer& model = app_.Viewer();
    char caption[256];
    GetWindowTextA(Hwnd(), caption, sizeof(caption));
    if (model.Caption() != caption) SetText(Hwnd(), model.Caption());
    char pause[64];
    GetWindowTextA(Control(kCmdPauseId), pause, sizeof(pause));
    if (model.CmdPauseCaption() != pause) {
        SetText(Control(kCmdPauseId), model.CmdPauseCaption());
        FitToText(Control(kCmdPauseId));
        UpdateWindow(Control(kCmdPauseId));  // drawn with its new caption before anyone reads it
    }

    TOOLINFOA tool = AllowedListTool(model.OKPopupsToolTip());
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
    // Notification numbers differ by kind: a list sends 1 for a new selection and 2 for a
    // double-click; a button sends 0 for a click.
    if (selectableLists_.count(controlId) != 0) {
        if (notification != LBN_SELCHANGE && notification != LBN_DBLCLK) return;
        SyncSelection(controlId);
        if (notification == LBN_DBLCLK) app_.Viewer_ControlEvent(controlId, ControlEvent::DoubleClick);
        return;
    }
    if (controlId == IDCANCEL) {
        app_.Viewer_ControlEvent(kViewerFormId, ControlEvent::EscapeKey);  // the dialog manager's cancel
    } else if (notification == BN_CLICKED) {
        app_.Viewer_ControlEvent(controlId, ControlEvent::Click);
    }
}

bool PopupViewerView::TranslateDialogMessage(MSG* message) {
    return Hwnd() && IsDialogMessageA(Hwnd(), message);
}

LRESULT PopupViewerView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
            app_.Viewer_ControlEvent(kViewerFormId, ControlEvent::CloseRequest);
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_MOUSEMOVE:
            // Only the bare background reaches here: every control takes its own moves.
            app_.Viewer_ControlEvent(kViewerFormId, ControlEvent::MouseMove);
            return 0;
        case WM_DRAWITEM:
            DrawLabelButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_PAINT:
            OnPaint();
            return 0;
        default:
            return WindowBase::OnMessage(message, wParam, lParam);
    }
}

}  // namespace vexor::win32
