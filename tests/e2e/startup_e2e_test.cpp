// The running program from start-up to Exit, driven from outside.
#include <windows.h>

#include "e2e/e2e_fixture.h"

namespace vexor::e2e {
namespace {

BOOL CALLBACK CountResource(HMODULE, LPCSTR, LPSTR, LONG_PTR count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

TEST_F(VexorE2E, StartupShowsTheSplashSnapshotsTheBrowserAndAddsTheIcon) {
    Start();
    HWND splash = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (splash = Own("VexorSplash", "Vexor 2003")) != nullptr && IsWindowVisible(splash); }));
    EXPECT_EQ(ControlText(splash, 202), "Taking Snapshop of Internet Explorer...");
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(splash); }, 3000)) << "the splash stayed";

    ASSERT_NE(viewer_, nullptr);
    EXPECT_EQ(WindowTitle(viewer_), "Vexor 2003 Popup Viewer");
    EXPECT_FALSE(IsWindowVisible(viewer_));
    const LONG_PTR style = GetWindowLongPtrA(viewer_, GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrA(viewer_, GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);  // kept out of the taskbar
    EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_FALSE(style & (WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));

    HWND browser = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (browser = FindWindowOf("VexorDemoBrowser")) != nullptr; }, 15000));
    EXPECT_TRUE(WaitUntil([&] { return WindowTitle(browser) == kSnapshotTitle && !IsWindowEnabled(browser); }));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(browser); }));
    EXPECT_TRUE(WaitUntil([this] { return TrayIconExists(host_); }));
    EXPECT_FALSE(IsWindowVisible(host_));
}

TEST_F(VexorE2E, BrowsingWindowOfTheLearnedSizeStaysAndAPopupIsHidden) {
    StartAndWaitForSnapshot();
    HWND browsing = Open("News - Internet Explorer", kBrowserWidth, kBrowserHeight);
    Pause(2500);  // at least two ticks with the browsing window in front
    EXPECT_TRUE(IsWindowVisible(browsing));
    EXPECT_TRUE(IsWindowEnabled(browsing));
    EXPECT_EQ(WindowTitle(browsing), "News - Internet Explorer");

    HWND popup = Open("You won - Internet Explorer", 400, 300);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(popup); }, 3000)) << "the pop-up was not hidden";
    EXPECT_EQ(WindowTitle(popup), "You won - Internet Explorer");
    EXPECT_TRUE(IsWindowVisible(browsing));
    EXPECT_EQ(WindowTitle(browsing), "News - Internet Explorer");
}

TEST_F(VexorE2E, TrayDoubleClickShowsTheViewer) {
    StartAndWaitForSnapshot();
    PostTrayNotification(host_, WM_LBUTTONDOWN);
    PostTrayNotification(host_, WM_LBUTTONUP);
    Pause(500);
    EXPECT_FALSE(IsWindowVisible(viewer_));  // a single click does nothing
    PostTrayNotification(host_, WM_LBUTTONDBLCLK);
    ASSERT_TRUE(WaitUntil([this] { return IsWindowVisible(viewer_) != FALSE; }));
    EXPECT_EQ(WindowTitle(viewer_), "Vexor 2003 Popup Viewer");
}

TEST_F(VexorE2E, RightButtonReleaseOpensTheTrayMenu) {
    StartAndWaitForSnapshot();
    auto menuOpen = [this] {
        for (HWND menu : FindWindows("#32768")) {
            if (IsWindowVisible(menu) && ProcessOf(menu) == vexor_->Id()) return true;
        }
        return false;
    };
    PostTrayNotification(host_, WM_RBUTTONDOWN);
    Pause(500);
    EXPECT_FALSE(menuOpen());
    PostTrayNotification(host_, WM_RBUTTONUP);
    ASSERT_TRUE(WaitUntil(menuOpen));
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = VK_ESCAPE;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
    EXPECT_TRUE(WaitUntil([&] { return !menuOpen(); })) << "Escape did not close the menu";
}

TEST_F(VexorE2E, AboutShowsTheVersionInOneWindowHoweverOftenChosen) {
    StartAndWaitForSnapshot();
    for (int i = 0; i < 3; ++i) Choose(TrayItem::mabout);
    HWND about = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (about = Own("VexorAbout", "About")) != nullptr; }));
    Pause(500);
    int count = 0;
    for (HWND window : FindWindows("VexorAbout")) count += ProcessOf(window) == vexor_->Id() ? 1 : 0;
    EXPECT_EQ(count, 1);
    EXPECT_EQ(ControlText(about, kAboutVersionId), "Version 1.1.5");
    EXPECT_EQ(ControlText(about, kAboutTitleId), "Vexor 2003");

    PostMessageA(about, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(about); }));
    Choose(TrayItem::mabout);
    ASSERT_TRUE(WaitUntil([&] { return (about = Own("VexorAbout", "About")) != nullptr; }));
    // The window exists a moment before its controls are filled in.
    EXPECT_TRUE(WaitUntil([&] { return ControlText(about, kAboutVersionId) == "Version 1.1.5"; }));
}

TEST_F(VexorE2E, ExitAnsweredNoKeepsTheProgramAndYesEndsItLeavingPopupsHidden) {
    StartAndWaitForSnapshot();
    HWND popup = Open("Offer - Internet Explorer", 400, 300);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(popup); }));

    Choose(TrayItem::mexit);
    HWND box = WaitForBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), "Are you sure you want to exit Vexor 2003?");
    AnswerMessageBox(box, IDNO);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    Pause(1000);
    EXPECT_TRUE(vexor_->Running());
    EXPECT_TRUE(TrayIconExists(host_));

    Choose(TrayItem::mexit);
    box = WaitForBox();
    ASSERT_NE(box, nullptr);
    AnswerMessageBox(box, IDYES);
    EXPECT_EQ(vexor_->WaitForExit(), 0);
    EXPECT_FALSE(TrayIconExists(host_));
    EXPECT_FALSE(IsWindowVisible(popup));
}

TEST_F(VexorE2E, MissingBrowserEndsTheProgramWithAnErrorAndNoIcon) {
    const std::string browser = BrowserPath();
    const std::string away = browser + ".away";
    ASSERT_TRUE(MoveFileA(browser.c_str(), away.c_str()));
    struct Restore {
        std::string from, to;
        ~Restore() { MoveFileA(from.c_str(), to.c_str()); }
    } restore{away, browser};

    Start();
    HWND box = WaitForBox();
    ASSERT_NE(box, nullptr);
    EXPECT_NE(MessageBoxText(box).find(kBrowserPath), std::string::npos) << MessageBoxText(box);
    EXPECT_FALSE(TrayIconExists(host_));
    AnswerMessageBox(box, IDOK);
    EXPECT_EQ(vexor_->WaitForExit(), kStartupFailedExitCode);
}

TEST(ProgramFileTest, CarriesItsVersionAndNoManifest) {
    HMODULE program = LoadLibraryExA(VexorPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr);
    int manifests = 0;
    EnumResourceNamesA(program, MAKEINTRESOURCEA(24), CountResource, reinterpret_cast<LONG_PTR>(&manifests));  // RT_MANIFEST
    EXPECT_EQ(manifests, 0);
    EXPECT_NE(FindResourceA(program, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(14)), nullptr);  // the program icon
    FreeLibrary(program);

    DWORD ignored = 0;
    std::vector<char> data(GetFileVersionInfoSizeA(VexorPath().c_str(), &ignored));
    ASSERT_FALSE(data.empty());
    ASSERT_TRUE(GetFileVersionInfoA(VexorPath().c_str(), 0, static_cast<DWORD>(data.size()), data.data()));
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&info), &length));
    EXPECT_EQ(info->dwFileVersionMS, 0x00010001u);
    EXPECT_EQ(info->dwFileVersionLS, 0x00000005u);
}

}  // namespace
}  // namespace vexor::e2e
