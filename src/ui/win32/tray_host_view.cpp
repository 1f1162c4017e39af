#include "ui/win32/tray_host_view.h"

#include "platform/win32/win32_window_system.h"
#include "resource.h"
#include "texts.h"
#include "ui/win32/window_names.h"

namespace vexor::win32 {

namespace {

// Lets a registered message reach the window from processes of lower integrity: the taskbar's
// restart and a later start's request while the program runs elevated. Looked up at run time:
// Windows XP has no message filter (and needs none); Vista has only the process-wide form.
void AllowFromLowerIntegrity(HWND window, UINT message) {
    using WindowFilter = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
    using ProcessFilter = BOOL(WINAPI*)(UINT, DWORD);
    constexpr DWORD kMsgfltAllow = 1;  // MSGFLT_ALLOW, and MSGFLT_ADD of the process-wide form
    HMODULE user32 = GetModuleHandleA("user32.dll");
    if (FARPROC found = GetProcAddress(user32, "ChangeWindowMessageFilterEx")) {
        reinterpret_cast<WindowFilter>(reinterpret_cast<void*>(found))(window, message, kMsgfltAllow, nullptr);
    } else if (FARPROC process = GetProcAddress(user32, "ChangeWindowMessageFilter")) {
        reinterpret_cast<ProcessFilter>(reinterpret_cast<void*>(process))(message, kMsgfltAllow);
    }
}

}  // namespace

TrayHostView::TrayHostView(Application& app)
    : app_(app),
      taskbarCreated_(RegisterWindowMessageA(kTaskbarCreatedMessage)),
      showViewerRequest_(RegisterWindowMessageA(kShowViewerMessage)) {
    // A hidden top-level window, not a message-only one, so that it hears broadcasts such as
    // the taskbar's restart.
    Create({kTrayHostWindow, kTrayHostClassName, "", WS_OVERLAPPED, 0, nullptr, 0, 0});
    for (UINT message : {taskbarCreated_, showViewerRequest_}) {
        if (message != 0) AllowFromLowerIntegrity(Hwnd(), message);
    }

    menu_.Reset(CreatePopupMenu());
    for (const MenuItemSpec& item : kTrayMenuItems) {
        const UINT id = static_cast<UINT>(item.id);
        const bool separator = std::string(item.caption) == "-";
        if (!menu_ || !AppendMenuA(menu_.Get(), separator ? MF_SEPARATOR : MF_STRING, id, separator ? nullptr : item.caption)) {
            throw CreationFailure(kTrayMenuName);
        }
        if (item.isDefault) SetMenuDefaultItem(menu_.Get(), id, FALSE);
    }

    trayIcon_ = LoadIconResource(IDI_PROGRAM, GetSystemMetrics(SM_CXSMICON));
    TrayHost& model = app_.Tray();
    model.handles = {FromHwnd(Hwnd()), static_cast<std::uint32_t>(reinterpret_cast<UINT_PTR>(trayIcon_.Get()))};
    model.showMenu = [this] { ShowMenuAtPointer(); };
    model.changed = [this] { OnChanged(); };
}

void TrayHostView::ShowMenuAtPointer() {
    POINT pointer;
    GetCursorPos(&pointer);
    // Our window must be foreground before TrackPopupMenu, or the menu will not disappear when
    // the user clicks elsewhere.
    SetForegroundWindow(Hwnd());
    TrackPopupMenu(menu_.Get(), TPM_LEFTALIGN | TPM_LEFTBUTTON, pointer.x, pointer.y, 0, Hwnd(), nullptr);
    PostMessageA(Hwnd(), WM_NULL, 0, 0);
}

void TrayHostView::OnChanged() {
    const UINT pause = static_cast<UINT>(TrayItem::mpause);
    ModifyMenuA(menu_.Get(), pause, MF_BYCOMMAND | MF_STRING, pause, app_.Tray().mpauseCaption.c_str());
    CheckMenuItem(menu_.Get(), static_cast<UINT>(TrayItem::mnotify),
                  MF_BYCOMMAND | (app_.Tray().notifyWhenHiding ? MF_CHECKED : MF_UNCHECKED));
}

LRESULT TrayHostView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == taskbarCreated_) {
        app_.TrayHost_Event(kTrayHostFormId, ControlEvent::TaskbarCreated);
        return 0;
    }
    if (message == showViewerRequest_) {
        app_.TrayHost_Event(kTrayHostFormId, ControlEvent::ShowViewerRequest);
        return app_.Tray().answering ? kShowViewerAccepted : 0;
    }
    switch (message) {
        case WM_MOUSEMOVE:
            // The icon's callback: the mouse message that happened on the icon, as it was sent.
            app_.TrayHost_Event(static_cast<int>(lParam), ControlEvent::IconNotification);
            return 0;
        case WM_COMMAND:
            if (HIWORD(wParam) == 0) app_.MenuItem_Click(static_cast<TrayItem>(LOWORD(wParam)));
            return 0;
        case WM_CLOSE:
            return 0;  // lives until the process ends
        default:
            return WindowBase::OnMessage(message, wParam, lParam);
    }
}

}  // namespace vexor::win32
