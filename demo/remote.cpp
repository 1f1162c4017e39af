#include "demo/remote.h"

#include "platform/win32/win32_toolkit.h"

namespace vexor::remote {

bool WaitUntil(const std::function<bool()>& condition, DWORD deadlineMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        win32::DispatchPendingMessages();
        if (condition()) return true;
        if (GetTickCount() - start >= deadlineMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

void Pause(DWORD ms) { WaitUntil([] { return false; }, ms); }

std::vector<HWND> FindWindows(const char* className, const char* title) {
    std::vector<HWND> found;
    HWND after = nullptr;
    while ((after = FindWindowExA(nullptr, after, className, title)) != nullptr) found.push_back(after);
    return found;
}

void PostTrayNotification(HWND host, UINT mouseMessage) {
    PostMessageA(host, WM_MOUSEMOVE, 1, static_cast<LPARAM>(mouseMessage));
}

void AnswerMessageBox(HWND box, int buttonId) {
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, buttonId)));
}

namespace {

// A mouse event at a point of the screen. Every event carries its position: a button event
// without one may land where the pointer was before the last move arrived.
INPUT MouseAt(POINT screen, DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = (screen.x * 65535) / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = (screen.y * 65535) / (GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return input;
}

void MoveTo(POINT screen) {
    SetCursorPos(screen.x, screen.y);
    INPUT move = MouseAt(screen, 0);
    SendInput(1, &move, sizeof(move));
}

POINT ControlMiddle(HWND parent, int controlId) {
    RECT rect;
    GetWindowRect(GetDlgItem(parent, controlId), &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

}  // namespace

void PointAt(HWND parent, int controlId) { MoveTo(ControlMiddle(parent, controlId)); }

void Click(HWND window, POINT client) {
    ClientToScreen(window, &client);
    MoveTo(client);
    // The window sees the pointer arrive before the button goes down, as with a hand on the mouse.
    Pause(100);
    INPUT buttons[2] = {MouseAt(client, MOUSEEVENTF_LEFTDOWN), MouseAt(client, MOUSEEVENTF_LEFTUP)};
    SendInput(2, buttons, sizeof(INPUT));
}

void ClickControl(HWND parent, int controlId) {
    POINT middle = ControlMiddle(parent, controlId);
    ScreenToClient(parent, &middle);
    Click(parent, middle);
}

}  // namespace vexor::remote
