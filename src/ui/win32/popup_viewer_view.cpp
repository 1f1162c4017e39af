#include "ui/win32/popup_viewer_view.h"

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
    PopupViewer& model = app_.Viewer();
    // Fixed tool window: a thin title bar and no control box; tool windows stay out of the
    // taskbar.
    Create({kViewerClassName, model.Caption().c_str(), WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN, WS_EX_TOOLWINDOW,
            nullptr, scale_.X(kViewerClientWidth), scale_.Y(kViewerClientHeight)});
    controls_ = CreateControls(Hwnd(), kViewerLayout, scale_, fonts_);

    MonitorLists& lists = model.Lists();
    MirrorList(kOKPopupsId, lists.OKPopups);
    MirrorList(kLContainedId, lists.LContained);
    mirrors_.push_back(std::make_unique<ListMirror>(controls_[kOKWindowsId]));
    lists.OKWindows.SetObserver(mirrors_.back().get());
    mirrors_.push_back(std::make_unique<ListMirror>(controls_[kOKWinSizesId]));
    lists.OKWinSizes.SetObserver(mirrors_.back().get());

    model.changed = [this] { OnChanged(); };
    OnChanged();
}

PopupViewerView::~PopupViewerView() = default;

void PopupViewerView::MirrorList(int controlId, TextList& list) {
    mirrors_.push_back(std::make_unique<ListMirror>(controls_[controlId]));
    list.SetObserver(mirrors_.back().get());
}

void PopupViewerView::OnChanged() {
    PopupViewer& model = app_.Viewer();
    char caption[256];
    GetWindowTextA(Hwnd(), caption, sizeof(caption));
    if (model.Caption() != caption) SetText(Hwnd(), model.Caption());
    SetText(controls_[kCmdPauseId], model.CmdPauseCaption());
    FitToText(controls_[kCmdPauseId]);
    const bool visible = IsWindowVisible(Hwnd()) != FALSE;
    if (model.Visible() && !visible) {
        ShowWindow(Hwnd(), SW_SHOWNORMAL);
        SetForegroundWindow(Hwnd());
    } else if (!model.Visible() && visible) {
        ShowWindow(Hwnd(), SW_HIDE);
    }
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
            if (LOWORD(wParam) == kCmdHideId && HIWORD(wParam) == BN_CLICKED) app_.Viewer().cmdhide_Click();
            return 0;
        default:
            return WindowBase::OnMessage(message, wParam, lParam);
    }
}

}  // namespace vexor::win32
