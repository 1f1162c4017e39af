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

NOTIFYICONDATAA ToNotifyIconData(const TrayIconRecord& record) {
    NOTIFYICONDATAA data{};
#if defined(_WIN64)
    // The 64-bit platform record has pointer-sized handles: converted field by field, handles
    // sign-extended as the platform does.
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = reinterpret_cast<HWND>(static_cast<INT_PTR>(static_cast<std::int32_t>(ReadTrayField(record, kTrayHwnd))));
    data.uID = ReadTrayField(record, kTrayUid);
    data.uFlags = ReadTrayField(record, kTrayFlags);
    data.uCallbackMessage = ReadTrayField(record, kTrayCallbackMessage);
    data.hIcon = reinterpret_cast<HICON>(static_cast<INT_PTR>(static_cast<std::int32_t>(ReadTrayField(record, kTrayIcon))));
    std::memcpy(data.szTip, record.data() + kTrayTip, kTrayTipSize);
#else
    // On 32-bit Windows the record is the platform's version-1 structure byte for byte.
    static_assert(NOTIFYICONDATAA_V1_SIZE == kTrayIconRecordSize, "the version-1 record is 88 bytes");
    std::memcpy(&data, record.data(), kTrayIconRecordSize);
#endif
    return data;
}

bool Win32Shell::NotifyIcon(std::uint32_t message, const TrayIconRecord& record) {
    NOTIFYICONDATAA data = ToNotifyIconData(record);
    return Shell_NotifyIconA(message, &data) != FALSE;
}

void Win32Shell::EndProcess(int exitCode) { ExitProcess(static_cast<UINT>(exitCode)); }

}  // namespace vexor::win32
