// A command-line remote for the running program, used by scripts/run's story:
//   vexor_ctl wait CLASS [TITLE] [MS]      until a visible window of the class exists
//   vexor_ctl gone CLASS [TITLE] [MS]      until no window of the class exists
//   vexor_ctl closed CLASS [TITLE] [MS]    until no window of the class is visible
//   vexor_ctl disabled TITLE [MS]          until the window with that title is disabled
//   vexor_ctl hidden TITLE [MS]            until the window with that title is hidden
//   vexor_ctl visible TITLE [MS]           until the window with that title is visible
//   vexor_ctl tray MESSAGE                 the notification the shell sends for MESSAGE
//   vexor_ctl menu ITEM                    chooses a tray menu item by its identifier
//   vexor_ctl answer CAPTION BUTTON [MS]   answers a message box (6 yes, 7 no, 1 ok)
//   vexor_ctl key VK                       presses and releases a key
//   vexor_ctl close CLASS                  asks the window of the class to close
//   vexor_ctl point CLASS CONTROL          moves the pointer to a control of the window
//   vexor_ctl click CLASS CONTROL          clicks a control of the window
// Exit code 0 on success, 1 when the deadline passed or nothing was found.
#include <windows.h>

#include <cstdio>
#include <cctype>
#include <cstdlib>
#include <string>

#include "demo/remote.h"
#include "ui/tray_menu.h"
#include "ui/win32/window_names.h"

using namespace vexor;
using namespace vexor::remote;

namespace {

DWORD Deadline(int argc, char** argv, int index) {
    return argc > index ? static_cast<DWORD>(std::strtoul(argv[index], nullptr, 10)) : kDefaultDeadlineMs;
}

HWND VisibleWindow(const char* className, const char* title) {
    for (HWND window : FindWindows(className, title)) {
        if (IsWindowVisible(window)) return window;
    }
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: vexor_ctl COMMAND ARGUMENTS (see the source)\n");
        return 2;
    }
    const std::string command = argv[1];
    const char* name = argv[2];
    // An optional title: given, or an empty argument that holds its place.
    const bool titleGiven = argc > 3 && !std::isdigit(static_cast<unsigned char>(argv[3][0]));
    const char* title = titleGiven && argv[3][0] != '\0' ? argv[3] : nullptr;
    const int deadlineIndex = titleGiven ? 4 : 3;
    bool ok = false;
    if (command == "wait") {
        ok = WaitUntil([&] { return VisibleWindow(name, title) != nullptr; }, Deadline(argc, argv, deadlineIndex));
    } else if (command == "gone") {
        ok = WaitUntil([&] { return FindWindows(name, title).empty(); }, Deadline(argc, argv, deadlineIndex));
    } else if (command == "closed") {
        ok = WaitUntil([&] { return VisibleWindow(name, title) == nullptr; }, Deadline(argc, argv, deadlineIndex));
    } else if (command == "disabled") {
        ok = WaitUntil([&] { HWND w = FindWindowA(nullptr, name); return w && !IsWindowEnabled(w); }, Deadline(argc, argv, 3));
    } else if (command == "hidden") {
        ok = WaitUntil([&] { HWND w = FindWindowA(nullptr, name); return w && !IsWindowVisible(w); }, Deadline(argc, argv, 3));
    } else if (command == "visible") {
        ok = WaitUntil([&] { HWND w = FindWindowA(nullptr, name); return w && IsWindowVisible(w); }, Deadline(argc, argv, 3));
    } else if (command == "tray") {
        HWND host = FindWindowA(win32::kTrayHostClassName, nullptr);
        if (host) PostTrayNotification(host, static_cast<UINT>(std::strtoul(name, nullptr, 10)));
        ok = host != nullptr;
    } else if (command == "menu") {
        HWND host = FindWindowA(win32::kTrayHostClassName, nullptr);
        if (host) PostMessageA(host, WM_COMMAND, std::strtoul(name, nullptr, 10), 0);
        ok = host != nullptr;
    } else if (command == "answer" && argc > 3) {
        const int button = std::atoi(argv[3]);
        HWND box = nullptr;
        ok = WaitUntil([&] { return (box = VisibleWindow("#32770", name)) != nullptr; }, Deadline(argc, argv, 4));
        if (ok) AnswerMessageBox(box, button);
    } else if (command == "key") {
        INPUT keys[2] = {};
        keys[0].type = keys[1].type = INPUT_KEYBOARD;
        keys[0].ki.wVk = keys[1].ki.wVk = static_cast<WORD>(std::strtoul(name, nullptr, 0));
        keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
        ok = SendInput(2, keys, sizeof(INPUT)) == 2;
    } else if ((command == "point" || command == "click") && argc > 3) {
        HWND window = FindWindowA(name, nullptr);
        const int control = std::atoi(argv[3]);
        if (window && command == "point") PointAt(window, control);
        if (window && command == "click") ClickControl(window, control);
        ok = window != nullptr;
    } else if (command == "close") {
        HWND window = FindWindowA(name, nullptr);
        if (window) PostMessageA(window, WM_CLOSE, 0, 0);
        ok = window != nullptr;
    }
    return ok ? 0 : 1;
}
