// A command-line remote for the running program, used by scripts/run's story and the installer's
// tests. Each command waits (up to MS, 10000 by default) for what it names; exit code 0 when it
// happened, 1 when not.
//   vexor_ctl wait CLASS TITLE [MS]          a visible window of the class ("" title: any)
//   vexor_ctl gone CLASS TITLE [MS]          no window of the class at all
//   vexor_ctl closed CLASS TITLE [MS]        no visible window of the class
//   vexor_ctl disabled|hidden|visible TITLE [MS]   the window with that title is so
//   vexor_ctl tray MESSAGE                   the notification the shell sends for MESSAGE
//   vexor_ctl menu ITEM                      chooses the tray menu item with that caption
//   vexor_ctl key VK                         presses and releases a key
//   vexor_ctl close CLASS                    asks the window of the class to close
//   vexor_ctl point|click CLASS CONTROL      moves the pointer to, or clicks, a control
//                                            (CONTROL: its name in the window's layout, or a number)
//   vexor_ctl text CLASS CONTROL TEXT        the control shows exactly TEXT
//   vexor_ctl type CLASS CONTROL TEXT        puts TEXT in an edit control as typed
//   vexor_ctl greyed CLASS CONTROL           the control is disabled
//   vexor_ctl rows CLASS CONTROL [ROW...]    the list box holds exactly these rows
//   vexor_ctl color CLASS CONTROL INDEX      some pixel of the control is system colour INDEX
//   vexor_ctl box CAPTION TEXT BUTTONS       a question with that text and exactly
//                                            the buttons BUTTONS among 1 OK, 2 Cancel, 6 Yes, 7 No ("6,7")
//   vexor_ctl answer CAPTION BUTTON          clicks a button of the message box; fails without it
//   vexor_ctl shot CLASS TITLE FILE.ppm [caption]  the shown window's rectangle as seen on screen,
//                                            once it holds still, not blank; with "caption",
//                                            only its title bar
//   vexor_ctl run COMMANDLINE [MS]           starts the command line as Windows does (no shell, the
//                                            line verbatim); its exit code, 124 past the deadline
//   vexor_ctl hold FILE READY                holds FILE open without write sharing as Windows holds
//                                            a program's file; makes READY, lets go once it is gone
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "e2e/driver.h"
#include "ui/win32/window_names.h"

using namespace vexor;
using namespace vexor::e2e;

namespace {

HWND Visible(const char* className, const std::string& title) {
    std::vector<HWND> found = FindVisible(className, title.empty() ? nullptr : title.c_str());
    return found.empty() ? nullptr : found.front();
}

// A binary portable pixmap: a short text header, then each pixel's red, green and blue, row by row.
bool WritePixmap(const Pixels& pixels, const char* path) {
    std::string data = "P6\n" + std::to_string(pixels.Width()) + " " +
                       std::to_string(pixels.area.bottom - pixels.area.top) + "\n255\n";
    for (COLORREF c : pixels.colors) data += {char(GetRValue(c)), char(GetGValue(c)), char(GetBValue(c))};
    FILE* out = std::fopen(path, "wb");
    if (out == nullptr) return false;
    const bool written = std::fwrite(data.data(), 1, data.size(), out) == data.size();
    return std::fclose(out) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: vexor_ctl COMMAND ARGUMENTS (see the source)\n");
        return 2;
    }
    const std::string command = argv[1];
    const char* name = argv[2];
    const std::string arg3 = argc > 3 ? argv[3] : "";
    // The deadline, when given, comes last.
    auto deadline = [&](int index) { return argc > index ? std::strtoul(argv[index], nullptr, 10) : kDefaultDeadlineMs; };
    // The class's window, shown or hidden (the trapped list is in the hidden viewer).
    auto window = [&] {
        const std::vector<HWND> windows = FindWindows(name);
        return windows.empty() ? nullptr : windows.front();
    };
    auto id = [&](const char* control) { return ControlId(name, control); };
    // A control of it, or of its wizard page.
    auto control = [&] {
        HWND found = GetDlgItem(window(), id(arg3.c_str()));
        return found ? found : GetDlgItem(FindWindowExA(window(), nullptr, "#32770", nullptr), id(arg3.c_str()));
    };
    bool ok = false;
    if (command == "wait") {
        ok = WaitUntil([&] { return Visible(name, arg3) != nullptr; }, deadline(4));
    } else if (command == "gone") {
        ok = WaitUntil([&] { return FindWindows(name, arg3.empty() ? nullptr : arg3.c_str()).empty(); }, deadline(4));
    } else if (command == "closed") {
        ok = WaitUntil([&] { return Visible(name, arg3) == nullptr; }, deadline(4));
    } else if (command == "disabled" || command == "hidden" || command == "visible") {
        ok = WaitUntil([&] {
            HWND top = FindWindowA(nullptr, name);
            if (top == nullptr) return false;
            return command == "disabled" ? !IsWindowEnabled(top) : !IsWindowVisible(top) == (command == "hidden");
        }, deadline(3));
    } else if (command == "tray" || command == "menu") {
        HWND host = FindWindowA(win32::kTrayHostClassName, nullptr);
        if (host && command == "tray") PostTrayNotification(host, static_cast<UINT>(std::atoi(name)));
        ok = host != nullptr && (command == "tray" || ChooseTrayMenuItem(host, name));
    } else if (command == "key") {
        PressKey(static_cast<WORD>(std::strtoul(name, nullptr, 0)));
        ok = true;
    } else if (command == "close") {
        ok = window() != nullptr && PostMessageA(window(), WM_CLOSE, 0, 0);
    } else if ((command == "point" || command == "click") && argc > 3) {
        HWND shown = Visible(name, "");
        if (shown && command == "point") PointAt(shown, id(argv[3]));
        if (shown && command == "click") ClickControl(shown, id(argv[3]));
        ok = shown != nullptr;
    } else if ((command == "text" || command == "type") && argc > 4) {
        if (command == "type") SendMessageA(control(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[4]));
        ok = WaitUntil([&] { return TextOf(control()) == argv[4]; });
        if (!ok) std::fprintf(stderr, "text: \"%s\"\n", TextOf(control()).c_str());
    } else if (command == "rows" && argc > 3) {
        const std::vector<std::string> expected(argv + 4, argv + argc);
        ok = WaitUntil([&] { return ListRows(window(), id(arg3.c_str())) == expected; });
        if (!ok) for (const std::string& row : ListRows(window(), id(arg3.c_str()))) std::fprintf(stderr, "row: \"%s\"\n", row.c_str());
    } else if (command == "color" && argc > 4) {
        ok = WaitUntil([&] { return CaptureScreen(WindowOnScreen(control())).Count(GetSysColor(std::atoi(argv[4]))) > 0; });
    } else if (command == "box" && argc > 4) {
        HWND box = nullptr;
        ok = WaitUntil([&] { return (box = Visible("#32770", name)) != nullptr; }) && BoxText(box) == arg3 &&
             BoxButtons(box) == argv[4];
        if (box && !ok) std::fprintf(stderr, "box: \"%s\", buttons %s\n", BoxText(box).c_str(), BoxButtons(box).c_str());
    } else if (command == "answer" && argc > 3) {
        HWND box = nullptr;
        ok = WaitUntil([&] { return (box = Visible("#32770", name)) != nullptr; }) && AnswerMessageBox(box, std::atoi(argv[3]));
    } else if (command == "greyed" && argc > 3) {
        ok = WaitUntil([&] { return control() != nullptr && !IsWindowEnabled(control()); });
    } else if (command == "shot" && argc > 4) {
        // Two captures in a row alike: the window has stopped changing. A window that is not
        // shown fails at once; one that closes by itself meanwhile (the splash) is kept as last seen.
        const bool caption = argc > 5 && std::string(argv[5]) == "caption";
        Pixels pixels, last;
        ok = WaitUntil([&] {
            HWND shown = Visible(name, arg3);
            if (shown == nullptr) return true;
            RECT area = WindowOnScreen(shown);
            if (caption) area.bottom = ClientOnScreen(shown).top;
            last = std::move(pixels);
            pixels = CaptureScreen(area);
            return !pixels.colors.empty() && pixels.Width() == last.Width() && pixels.colors == last.colors;
        });
        ok = ok && !pixels.colors.empty() &&
             pixels.Count(pixels.colors.front()) < static_cast<int>(pixels.colors.size()) && WritePixmap(pixels, argv[4]);
    } else if (command == "run") {
        STARTUPINFOA startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION process{};
        if (!CreateProcessA(nullptr, argv[2], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) return 127;
        DWORD code = 124;
        if (WaitForSingleObject(process.hProcess, deadline(3)) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &code);
        else TerminateProcess(process.hProcess, 124);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return static_cast<int>(code);
    } else if (command == "hold" && argc > 3) {
        HANDLE held = CreateFileA(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        ok = held != INVALID_HANDLE_VALUE;
        if (ok) {
            CloseHandle(CreateFileA(argv[3], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
            WaitUntil([&] { return GetFileAttributesA(argv[3]) == INVALID_FILE_ATTRIBUTES; }, 60000);
            CloseHandle(held);
        }
    }
    return ok ? 0 : 1;
}
