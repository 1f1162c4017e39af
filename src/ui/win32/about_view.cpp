#include "ui/win32/about_view.h"

#include <vector>

#include "monitor/startup.h"
#include "resource.h"

namespace vexor::win32 {

AboutView::AboutView(AboutWindow& model, HWND owner) : model_(model), owner_(owner) {
    model_.changed = [this] { OnChanged(); };
}

void AboutView::OnChanged() {
    if (model_.IsOpen() && !Hwnd()) {
        try {
            Create({kAboutWindowName, "VexorAbout", kAboutCaption, WS_POPUP | WS_CAPTION | WS_SYSMENU,
                    WS_EX_DLGMODALFRAME, owner_, scale_.X(kAboutClientWidth), scale_.Y(kAboutClientHeight)});
            auto controls = CreateControls(Hwnd(), kAboutLayout, scale_, fonts_);
            picture_ = LoadIconResource(IDI_ABOUT, 48);
            SendMessageA(controls[kAboutImageId], STM_SETICON, reinterpret_cast<WPARAM>(picture_.Get()), 0);
            SetText(controls[kAboutVersionId], model_.VersionText());
        } catch (const CreationFailure&) {
            // Nothing half-made stays on screen; the next "About" tries again.
            Destroy();
            model_.CreationFailed();
            return;
        }
    }
    if (model_.IsOpen()) {
        ShowWindow(Hwnd(), SW_SHOWNORMAL);
        SetForegroundWindow(Hwnd());
    } else if (Hwnd()) {
        Destroy();
    }
}

LRESULT AboutView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
            model_.Close();
            return 0;
        case WM_CTLCOLORSTATIC: {
            auto dc = reinterpret_cast<HDC>(wParam);
            const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, (id == kAboutWebId || id == kAboutSupportId) ? kAboutAddressColor : GetSysColor(COLOR_WINDOWTEXT));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        }
        default:
            return WindowBase::OnMessage(message, wParam, lParam);
    }
}

ProgramVersion ReadProgramVersion() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
    if (size == 0) return {};
    std::vector<char> data(size);
    if (!GetFileVersionInfoA(path, 0, size, data.data())) return {};
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&info), &length) || info == nullptr) return {};
    // File version major.minor.build.revision; the build number is not shown.
    return {HIWORD(info->dwFileVersionMS), LOWORD(info->dwFileVersionMS), LOWORD(info->dwFileVersionLS)};
}

}  // namespace vexor::win32
