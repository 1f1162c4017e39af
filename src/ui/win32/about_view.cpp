#include "ui/win32/about_view.h"

#include <vector>

#include "resource.h"
#include "texts.h"
#include "ui/win32/window_names.h"

namespace vexor::win32 {

void AboutView::Open() {
    if (!Hwnd()) {
        try {
            Build({kAboutWindow, kAboutClassName, kAboutText, WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME,
                   owner_, 0, 0},
                  kAboutClientWidth, kAboutClientHeight, kAboutLayout, {kAboutImageId, IDI_ABOUT, 48});
            SetText(Control(kAboutVersionId), model_.VersionText());
        } catch (const CreationFailure&) {
            // Nothing half-made stays on screen; the next "About" tries again.
            Destroy();
            model_.CreationFailed();
            return;
        }
    }
    // Opened again while open: the same window comes to the front.
    ShowWindow(Hwnd(), SW_SHOWNORMAL);
    SetForegroundWindow(Hwnd());
}

LRESULT AboutView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CTLCOLORSTATIC) {
        auto dc = reinterpret_cast<HDC>(wParam);
        const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, (id == kAboutWebId || id == kAboutSupportId) ? kAboutAddressColor : GetSysColor(COLOR_WINDOWTEXT));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    return ModelWindow::OnMessage(message, wParam, lParam);
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
