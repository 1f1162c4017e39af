#include "platform/win32/win32_shell.h"

#include <cstring>
#include <vector>

#include "platform/win32/scoped_handles.h"

namespace vexor::win32 {

bool Win32Shell::LaunchProgram(const std::string& path, int showStyle) {
    // The path is the program to run, so "c:\program files\..." can never start c:\program.exe.
    std::string commandLine = "\"" + path + "\"";
    std::vector<char> writable(commandLine.begin(), commandLine.end());
    writable.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showStyle);
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(path.c_str(), writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return false;
    }
    // Not waiting for it: the handles go at once.
    ScopedHandle processHandle(process.hProcess);
    ScopedHandle threadHandle(process.hThread);
    return true;
}

namespace {

// The platform's record from the program's: on 32-bit Windows the same bytes; the 64-bit record
// has pointer-sized handles, so it is converted field by field, handles sign-extended as the
// platform does.
template <std::size_t N>
NOTIFYICONDATAA ToPlatform(const std::array<std::uint8_t, N>& record, DWORD platformSize) {
    NOTIFYICONDATAA data{};
#if defined(_WIN64)
    auto handle = [&](std::size_t offset) { return static_cast<INT_PTR>(static_cast<std::int32_t>(ReadTrayField(record, offset))); };
    data.cbSize = platformSize;
    data.hWnd = reinterpret_cast<HWND>(handle(kTrayHwnd));
    data.uID = ReadTrayField(record, kTrayUid);
    data.uFlags = ReadTrayField(record, kTrayFlags);
    data.uCallbackMessage = ReadTrayField(record, kTrayCallbackMessage);
    data.hIcon = reinterpret_cast<HICON>(handle(kTrayIcon));
    std::memcpy(data.szTip, record.data() + kTrayTip, kTrayTipSize);
    if (N == kBalloonRecordSize) {
        std::memcpy(data.szInfo, record.data() + kBalloonText, kBalloonTextSize);
        std::memcpy(data.szInfoTitle, record.data() + kBalloonTitleField, kBalloonTitleSize);
        data.dwInfoFlags = ReadTrayField(record, kBalloonInfoFlags);
    }
#else
    static_assert(NOTIFYICONDATAA_V1_SIZE == kTrayIconRecordSize, "the version-1 record is 88 bytes");
    static_assert(NOTIFYICONDATAA_V2_SIZE == kBalloonRecordSize, "the version-2 record is 488 bytes");
    (void)platformSize;
    std::memcpy(&data, record.data(), N);
#endif
    return data;
}

template <typename Record>
bool Notify(std::uint32_t message, const Record& record) {
    NOTIFYICONDATAA data = ToNotifyIconData(record);
    return Shell_NotifyIconA(message, &data) != FALSE;
}

}  // namespace

NOTIFYICONDATAA ToNotifyIconData(const TrayIconRecord& record) { return ToPlatform(record, NOTIFYICONDATAA_V1_SIZE); }

NOTIFYICONDATAA ToNotifyIconData(const BalloonRecord& record) { return ToPlatform(record, NOTIFYICONDATAA_V2_SIZE); }

bool Win32Shell::NotifyIcon(std::uint32_t message, const TrayIconRecord& record) { return Notify(message, record); }

bool Win32Shell::NotifyIcon(std::uint32_t message, const BalloonRecord& record) { return Notify(message, record); }

void Win32Shell::EndProcess(int exitCode) { ExitProcess(static_cast<UINT>(exitCode)); }

}  // namespace vexor::win32
