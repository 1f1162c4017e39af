// What only the real program can show: its store across a restart, the tray's pause, the viewer's
// close request, frame and size at the screen's resolution, one instance a session, the program
// file. The tests run one at a time: they share the foreground, the registry key and the browser.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

#include "e2e/driver.h"
#include "ui/popup_viewer.h"

namespace vexor::e2e {
namespace {

class VexorE2E : public ::testing::Test {
protected:
    void SetUp() override { CleanSlate(); }
    void TearDown() override { CleanSlate(); }
};

// 400 x 300: a size sum other than the demo browser's learned 1400.
win32::ScopedWindow OpenPopup(const char* title) { return OpenWindow(title, 400, 300); }

bool BecomesHidden(HWND window) { return WaitUntil([window] { return !IsWindowVisible(window); }); }

bool ShowViewer(const Vexor& vexor) {
    PostTrayNotification(vexor.host, WM_LBUTTONDBLCLK);
    return WaitUntil([&] { return IsWindowVisible(vexor.viewer) != FALSE; });
}

TEST_F(VexorE2E, ReleasedTitleIsLoadedByTheNextRunWhichRetitlesItsPopup) {
    {
        Vexor vexor;
        ASSERT_EQ(vexor.AwaitStartup(), "");
        auto popup = OpenPopup("Offer - Internet Explorer");
        ASSERT_TRUE(BecomesHidden(popup.Get()));
        vexor.Choose(TrayItem::mshowlast);
        ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(popup.Get()) != FALSE; }));
        vexor.Choose(TrayItem::mexit);  // handled after the release has saved the title
        HWND box = vexor.Await("#32770", kApplicationTitle);
        ASSERT_NE(box, nullptr);
        AnswerMessageBox(box, IDYES);
        ASSERT_EQ(vexor.WaitForExit(), 0);
    }
    Vexor vexor;
    ASSERT_EQ(vexor.AwaitStartup(), "");
    auto again = OpenPopup("Offer - Internet Explorer");
    EXPECT_TRUE(WaitUntil([&] { return WindowTitle(again.Get()) == kAllowedMarkerTitle; }));
    EXPECT_TRUE(IsWindowVisible(again.Get()));
}

TEST_F(VexorE2E, CloseRequestOnlyHidesTheViewerAndTrayPauseTrapsNothingUntilResumed) {
    Vexor vexor;
    ASSERT_EQ(vexor.AwaitStartup(), "");
    ASSERT_TRUE(ShowViewer(vexor));
    PostMessageA(vexor.viewer, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(vexor.viewer); }));
    EXPECT_TRUE(IsWindow(vexor.viewer));
    auto afterClose = OpenPopup("After close - Internet Explorer");
    EXPECT_TRUE(BecomesHidden(afterClose.Get())) << "monitoring ended with the viewer";

    vexor.Choose(TrayItem::mpause);
    ASSERT_TRUE(WaitUntil([&] { return ControlText(vexor.viewer, kCmdPauseId) == kResumeCaption; }));
    auto paused = OpenPopup("Paused - Internet Explorer");
    EXPECT_FALSE(WaitUntil([&] { return !IsWindowVisible(paused.Get()); }, 2500)) << "trapped while paused";

    vexor.Choose(TrayItem::mpause);
    ASSERT_TRUE(WaitUntil([&] { return ControlText(vexor.viewer, kCmdPauseId) == kPauseCaption; }));
    auto resumed = OpenPopup("Resumed - Internet Explorer");
    EXPECT_TRUE(BecomesHidden(resumed.Get()));
}

// scripts/test runs this again at 144 and 192 dots per inch, naming the resolution it set.
TEST_F(VexorE2E, ViewerIsAHiddenToolWindowSizedForTheScreenResolution) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    if (const char* named = std::getenv("VEXOR_EXPECT_DPI")) {
        ASSERT_EQ(dpi, std::atoi(named));
    }
    const std::map<int, SIZE> expected = {{96, {246, 98}}, {144, {369, 147}}, {192, {492, 196}}};  // 3690 x 1470 twips
    ASSERT_EQ(expected.count(dpi), 1u) << dpi << " dots per inch";

    Vexor vexor;
    ASSERT_EQ(vexor.AwaitStartup(), "");
    EXPECT_FALSE(IsWindowVisible(vexor.viewer));
    // Out of the taskbar; a caption, but no system menu, sizing border or boxes.
    EXPECT_EQ(GetWindowLongPtrA(vexor.viewer, GWL_EXSTYLE) & (WS_EX_TOOLWINDOW | WS_EX_APPWINDOW), WS_EX_TOOLWINDOW);
    EXPECT_EQ(GetWindowLongPtrA(vexor.viewer, GWL_STYLE) & (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX |
                                                             WS_MAXIMIZEBOX), WS_CAPTION);
    ASSERT_TRUE(ShowViewer(vexor));
    RECT area;
    GetClientRect(vexor.viewer, &area);
    EXPECT_EQ(area.right, expected.at(dpi).cx);
    EXPECT_EQ(area.bottom, expected.at(dpi).cy);
}

// Exactly one tray host window, with its icon, in the whole session.
void ExpectOneBlocker(const Vexor& vexor) {
    EXPECT_EQ(FindWindows(win32::kTrayHostClassName).size(), 1u);
    EXPECT_TRUE(TrayIconExists(vexor.host));
}

TEST_F(VexorE2E, LaterStartsDuringAndAfterStartupShowTheViewerAndEndWithoutASecondBlocker) {
    Vexor vexor;
    ASSERT_NE(vexor.Await("VexorSplash"), nullptr);
    EXPECT_EQ(Program("vexor.exe").WaitForExit(), 0);  // during the settle delay
    ASSERT_EQ(vexor.AwaitStartup(), "");
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(vexor.viewer) != FALSE; }));
    ExpectOneBlocker(vexor);

    ClickControl(vexor.viewer, kCmdHideId);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(vexor.viewer); })) << "Hide did not hide the viewer";
    EXPECT_EQ(Program("vexor.exe").WaitForExit(), 0);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(vexor.viewer) != FALSE; }));
    ExpectOneBlocker(vexor);
}

TEST_F(VexorE2E, RunningInstanceThatDoesNotAnswerIsToldAndTheStartEndsNonZero) {
    // This process plays a running instance that refuses: it holds the mutex and a host window
    // that answers nothing.
    win32::ScopedHandle mutex(CreateMutexA(nullptr, FALSE, win32::kInstanceMutexName));
    ASSERT_TRUE(mutex);
    WNDCLASSA hostClass{};
    hostClass.lpfnWndProc = DefWindowProcA;
    hostClass.hInstance = GetModuleHandleA(nullptr);
    hostClass.lpszClassName = win32::kTrayHostClassName;
    RegisterClassA(&hostClass);
    win32::ScopedWindow host(CreateWindowExA(0, win32::kTrayHostClassName, "", WS_OVERLAPPED, 0, 0, 0, 0, nullptr, nullptr,
                                             GetModuleHandleA(nullptr), nullptr));
    ASSERT_TRUE(host);

    Program later("vexor.exe");
    HWND box = later.Await("#32770", kApplicationTitle);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(ControlText(box, 0xFFFF), kInstanceNotAnsweringMessage);  // the box's text control
    EXPECT_TRUE(FindWindows(win32::kViewerClassName).empty());
    AnswerMessageBox(box, IDOK);
    EXPECT_EQ(later.WaitForExit(), kStartupFailedExitCode);
}

BOOL CALLBACK CountResource(HMODULE, LPCSTR, LPSTR, LONG_PTR count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

TEST(ProgramFileTest, CarriesItsIconAndVersionAndNoManifest) {
    const std::string path = ProgramPath("vexor.exe");
    HMODULE program = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr);
    int manifests = 0;
    EnumResourceNamesA(program, MAKEINTRESOURCEA(24), CountResource, reinterpret_cast<LONG_PTR>(&manifests));  // RT_MANIFEST
    EXPECT_EQ(manifests, 0);
    EXPECT_NE(FindResourceA(program, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(14)), nullptr);  // RT_GROUP_ICON
    FreeLibrary(program);

    DWORD ignored = 0;
    std::vector<char> data(GetFileVersionInfoSizeA(path.c_str(), &ignored));
    ASSERT_FALSE(data.empty());
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(data.size()), data.data()));
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&info), &length));
    EXPECT_EQ(info->dwFileVersionMS, 0x00010001u);
    EXPECT_EQ(info->dwFileVersionLS, 0x00000005u);
}

}  // namespace
}  // namespace vexor::e2e
