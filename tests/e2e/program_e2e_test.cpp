// What only the real program shows, checked as the user sees it: the real windows' texts, places,
// sizes and pixels, the tray menu worked with the keyboard, message boxes answered by their
// buttons, and the registry at the titles' key. The tests run one at a time: they share the
// foreground, the registry key and the browser.
#include <gtest/gtest.h>

#include <windows.h>
#include <sddl.h>

#include <algorithm>
#include <cstdlib>
#include <tuple>

#include "e2e/driver.h"

namespace vexor::e2e {
namespace {

using Rows = std::vector<std::string>;

class VexorE2E : public ::testing::Test {
protected:
    void SetUp() override { CleanSlate(); }
    void TearDown() override { CleanSlate(); }
};

// 400 x 300: a size sum other than the demo browser's learned 1400.
win32::ScopedWindow OpenPopup(const char* title) { return OpenWindow(title, 400, 300); }

bool BecomesHidden(HWND window) { return WaitUntil([window] { return !IsWindowVisible(window); }); }

bool ListBecomes(const Vexor& vexor, const Rows& rows) {
    return WaitUntil([&] { return ListRows(vexor.viewer, kAllowedList) == rows; });
}

// A question of the program: its text, Yes and No; answered, it goes.
void Answer(const Vexor& vexor, const char* question, int answer) {
    HWND box = vexor.AwaitBox();
    ASSERT_NE(box, nullptr) << question;
    EXPECT_EQ(BoxText(box), question);
    EXPECT_EQ(BoxButtons(box), "6,7");
    ASSERT_TRUE(AnswerMessageBox(box, answer));
    ASSERT_TRUE(WaitUntil([box] { return !IsWindow(box); }));
}

// The screen's dots per inch (96 unless scripts/test names another), and twips in pixels at it.
int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    const char* named = std::getenv("VEXOR_EXPECT_DPI");
    EXPECT_EQ(dpi, named ? std::atoi(named) : 96) << "the resolution was not set";
    return dpi;
}
int Px(int twips) { return (twips * ScreenDpi() + 720) / 1440; }
// A face at 8.25 points, the size of every text of the program.
LOGFONTA Font(const char* face, bool underlined = false) {
    LOGFONTA font{};
    font.lfHeight = -MulDiv(33, ScreenDpi(), 4 * 72);
    font.lfUnderline = underlined;
    lstrcpyA(font.lfFaceName, face);
    return font;
}

// The allowed titles from the registry to the list on screen and back: the row the user selects
// is the one deleted (by the Delete key), Delete All asks first, a hidden pop-up's balloon gives it
// back when clicked, allowed and saved, Exit asks first; the next run retitles that pop-up and,
// with the notice turned off from the tray menu, hides the next one without a balloon.
TEST_F(VexorE2E, AllowedTitlesGoFromTheRegistryToTheListAndBackAcrossARestart) {
    StoreValues({{"Window0", "Alpha - Internet Explorer"}, {"Window2", "Beta"}, {"Window5", "Gamma"}});
    {
        Vexor vexor;
        ASSERT_EQ(vexor.AwaitStartup(), "");
        ASSERT_TRUE(vexor.ShowViewer());
        EXPECT_TRUE(ListBecomes(vexor, {"Alpha - Internet Explorer", "Beta", "Gamma"}));
        const auto ink = InkRows(CaptureScreen(ClientOnScreen(GetDlgItem(vexor.viewer, kAllowedList))), GetSysColor(COLOR_WINDOW));
        const int text = TextWidth(Font("Microsoft Sans Serif"), "Alpha - Internet Explorer");
        EXPECT_TRUE(!ink.empty() && ink[0].Width() <= text && ink[0].Width() > text - 8) << "not in Microsoft Sans Serif";
        // A pressed row's title is the list's tip, shown also while another window is in front.
        ClickListRow(vexor.viewer, kAllowedList, 1);
        auto front = OpenWindow("In front", 100, 30);
        PointAt(vexor.viewer, kAllowedList);
        EXPECT_TRUE(WaitUntil([] { auto tips = FindVisible("tooltips_class32"); return tips.size() == 1 && TextOf(tips[0]) == "Beta"; }));
        ASSERT_TRUE(vexor.ShowViewer());
        ClickListRow(vexor.viewer, kAllowedList, 0);
        PressKey(VK_DOWN);  // the row below, chosen with the keyboard
        ClickControl(vexor.viewer, kDeleteLabel);
        EXPECT_TRUE(ListBecomes(vexor, {"Alpha - Internet Explorer", "Gamma"}));
        ClickListRow(vexor.viewer, kAllowedList, 1);  // the last row, then the Delete key
        PressKey(VK_DELETE);
        EXPECT_TRUE(ListBecomes(vexor, {"Alpha - Internet Explorer"}));
        EXPECT_EQ(StoredValues(), Rows{"Window0=Alpha - Internet Explorer"});
        for (int answer : {IDNO, IDYES}) {
            ClickControl(vexor.viewer, kDeleteAllLabel);
            EXPECT_EQ(GetWindow(vexor.AwaitBox(), GW_OWNER), vexor.viewer) << "the question keeps the viewer waiting";
            Answer(vexor, "Delete All Allowed Popups?", answer);
        }
        EXPECT_TRUE(ListBecomes(vexor, {}));
        EXPECT_EQ(StoredValues(), Rows{});

        auto popup = OpenPopup("Offer - Internet Explorer");
        ASSERT_TRUE(BecomesHidden(popup.Get()));
        EXPECT_TRUE(WaitUntil([] { HWND tip = Balloon(); return tip && TextOf(tip).find("Offer - Internet Explorer") == 0; }));
        PostTrayNotification(vexor.host, 1029);  // the balloon clicked: Wine's tray does not send it itself
        ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(popup.Get()) != FALSE; }));
        EXPECT_EQ(TextOf(popup.Get()), "Vexor Allowed Popup");
        EXPECT_TRUE(ListBecomes(vexor, {"Offer - Internet Explorer"}));
        EXPECT_EQ(StoredValues(), Rows{"Window0=Offer - Internet Explorer"});
        HKEY kept = nullptr;  // the key the program made outlives a restart: a volatile one takes no lasting subkey
        EXPECT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Tessaly\\Popup\\Windows\\Kept", 0, nullptr, 0, KEY_WRITE, nullptr, &kept, nullptr), 0);
        RegCloseKey(kept);
        ASSERT_TRUE(vexor.Choose("Notify When Hiding"));
        DWORD notify = 7, size = sizeof(notify);
        EXPECT_EQ(RegGetValueA(HKEY_CURRENT_USER, "Software\\Tessaly\\Popup", "NotifyWhenHiding", RRF_RT_REG_DWORD, nullptr, &notify, &size), 0);
        EXPECT_EQ(notify, 0u);
        for (int answer : {IDNO, IDYES}) {
            ASSERT_TRUE(vexor.Choose("Exit"));
            Answer(vexor, "Are you sure you want to exit Vexor 2003?", answer);
            EXPECT_TRUE(answer == IDYES || TrayIcon(NIM_MODIFY, vexor.host));
        }
        ASSERT_EQ(vexor.WaitForExit(), 0);
    }
    Vexor vexor;
    ASSERT_EQ(vexor.AwaitStartup(), "");
    auto again = OpenPopup("Offer - Internet Explorer");
    EXPECT_TRUE(WaitUntil([&] { return TextOf(again.Get()) == "Vexor Allowed Popup"; }));
    EXPECT_TRUE(IsWindowVisible(again.Get()));
    auto quiet = OpenPopup("Quiet - Internet Explorer");
    EXPECT_TRUE(BecomesHidden(quiet.Get()));
    EXPECT_FALSE(WaitUntil([] { return Balloon() != nullptr; }, 5000)) << "a balloon with the notice turned off";
}

// The tray menu as it is drawn: one row of ink an item, the separator a thin one; the default
// item bold; the pause item's caption.
void ExpectMenuDrawn(const Vexor& vexor, const char* pauseCaption) {
    ASSERT_TRUE(WaitUntil([] { return FindVisible("#32768").empty(); }));
    PostTrayNotification(vexor.host, WM_RBUTTONUP);
    ASSERT_TRUE(WaitUntil([] { return !FindVisible("#32768").empty(); }));
    Pause(300);  // drawn
    POINT pointer;
    GetCursorPos(&pointer);
    RECT inside = WindowOnScreen(FindVisible("#32768").front());
    EXPECT_EQ(inside.left, pointer.x) << "the menu's left edge is at the pointer";
    InflateRect(&inside, -3, -3);  // within the menu's frame
    const std::vector<InkRow> rows = InkRows(CaptureScreen(inside), GetSysColor(COLOR_MENU));
    PressKey(VK_ESCAPE);
    ASSERT_EQ(rows.size(), 8u);
    NONCLIENTMETRICSA metrics{sizeof(metrics)};
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    LOGFONTA regular = metrics.lfMenuFont, bold = metrics.lfMenuFont;
    bold.lfWeight = FW_BOLD;
    const char* captions[] = {"Popup Viewer", "Show Last Popup", pauseCaption, "Notify When Hiding", "-", "About", "Exit", "Cancel"};
    for (int i = 0; i < 8; ++i) {
        const InkRow& row = rows[static_cast<size_t>(i)];
        if (i == 4) {
            EXPECT_TRUE(row.height <= 2 && row.Width() > rows[0].Width()) << "the separator: a thin line across";
            continue;
        }
        if (i == 3) {
            EXPECT_LT(row.left, rows[1].left - 4) << "no check mark left of Notify When Hiding";
            continue;
        }
        // The ink falls a few pixels short of the text's width; bold ink is wider than regular text.
        const int text = TextWidth(i == 0 ? bold : regular, captions[i]), ink = row.Width();
        EXPECT_TRUE(ink <= text && ink > text - 8) << captions[i] << ": ink " << ink << " of " << text;
        EXPECT_EQ(ink > TextWidth(regular, captions[i]), i == 0) << captions[i] << (i == 0 ? " not bold" : " bold");
    }
}

// In Wine's own "MS Sans Serif", in which the table's places hold.
TEST_F(VexorE2E, ViewerShowsItsControlsAtTheTablesPlacesHighlightsUnderThePointerAndFollowsThePause) {
    const int dpi = ScreenDpi();
    Vexor vexor;
    ASSERT_EQ(vexor.AwaitStartup(), "");
    EXPECT_FALSE(IsWindowVisible(vexor.viewer));
    // Out of the taskbar; a caption, but no system menu, sizing border or boxes.
    EXPECT_EQ(GetWindowLongPtrA(vexor.viewer, GWL_EXSTYLE) & (WS_EX_TOOLWINDOW | WS_EX_APPWINDOW), WS_EX_TOOLWINDOW);
    EXPECT_EQ(GetWindowLongPtrA(vexor.viewer, GWL_STYLE) &
                  (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), WS_CAPTION);
    ASSERT_TRUE(vexor.ShowViewer());
    EXPECT_EQ(TextOf(vexor.viewer), "Vexor 2003 Popup Viewer");
    // Other resolutions scale the font by its own steps: a pixel or two of rounding there.
    const int slack = dpi == 96 ? 0 : 2;
    const RECT client = ClientOnScreen(vexor.viewer);
    EXPECT_NEAR(client.right - client.left, Px(3690), slack);
    EXPECT_EQ(client.bottom - client.top, Px(1470));

    struct Seen { int id; const char* text; int left, top, width, height; };  // twips
    const Seen seen[] = {{kAllowedList, "", 120, 375, 3450, 780},         {kHideButton, "Hide", 2835, 45, 735, 255},
                         {kHeading, "These won't be closed by Vexor", 120, 75, 2490, 195},
                         {kDeleteLabel, "Delete", 120, 1200, 465, 195},   {kDeleteAllLabel, "Delete All", 720, 1200, 675, 195},
                         {kShowLastLabel, "Show Last Popup", 1560, 1200, 1260, 195},
                         {kPauseLabel, "Pause", 3000, 1200, 450, 195}};
    for (const Seen& control : seen) {
        const RECT r = WindowOnScreen(GetDlgItem(vexor.viewer, control.id));
        EXPECT_EQ(ControlText(vexor.viewer, control.id), control.text);
        EXPECT_NEAR(r.left - client.left, Px(control.left), slack) << control.text;
        EXPECT_EQ(r.top - client.top, Px(control.top)) << control.text;
        EXPECT_EQ(r.bottom - r.top, Px(control.height)) << control.text;
        // A label-button is as wide as its text: the table's width in the original font at 96 dpi;
        // at other resolutions the font's own size steps decide.
        if (dpi == 96 || control.top != 1200) {
            EXPECT_NEAR(r.right - r.left, Px(control.width), slack) << control.text;
        }
    }
    // A click on a label-button leaves the focus in the list; Tab walks the list, the label-buttons
    // from left to right and "Hide"; Return and Space run the focused label-button.
    ClickListRow(vexor.viewer, kAllowedList, 0);
    ClickControl(vexor.viewer, kShowLastLabel);
    EXPECT_FALSE(WaitUntil([&] { return FocusedControl(vexor.viewer) != kAllowedList; }, 1000)) << "a click took the focus";
    for (int next : {kDeleteLabel, kDeleteAllLabel, kShowLastLabel, kPauseLabel, kHideButton, kAllowedList, kDeleteLabel}) {
        PressKey(VK_TAB);
        EXPECT_TRUE(WaitUntil([&] { return FocusedControl(vexor.viewer) == next; })) << next;
    }
    // The focused label-button's focus rectangle lies just outside its text: its top edge dotted.
    auto ringed = [&](int id) {
        RECT r = WindowOnScreen(GetDlgItem(vexor.viewer, id));
        InflateRect(&r, 2, 2);
        const Pixels edge = CaptureScreen({r.left, r.top, r.right, r.top + 1});
        return edge.Count(GetSysColor(COLOR_BTNFACE)) < edge.Width();
    };
    EXPECT_TRUE(WaitUntil([&] { return ringed(kDeleteLabel); }) && !ringed(kShowLastLabel));
    for (int key : {VK_TAB, VK_TAB, VK_TAB, VK_RETURN}) PressKey(static_cast<WORD>(key));
    EXPECT_TRUE(WaitUntil([&] { return ControlText(vexor.viewer, kPauseLabel) == "Resume"; }));
    PressKey(VK_SPACE);
    EXPECT_TRUE(WaitUntil([&] { return ControlText(vexor.viewer, kPauseLabel) == "Pause"; }));
    if (dpi == 96) {  // at other resolutions Wine reads the pointer's place differently per process
        // Under the pointer "Delete" takes system colour 13; the bare background gives it back 18.
        auto colored = [&](int id, int index) { return CaptureScreen(WindowOnScreen(GetDlgItem(vexor.viewer, id))).Count(GetSysColor(index)) > 0; };
        EXPECT_TRUE(colored(kDeleteLabel, 18) && !colored(kDeleteLabel, 13) && colored(kDeleteLabel, COLOR_BTNFACE));
        PointAt(vexor.viewer, kDeleteLabel);
        EXPECT_TRUE(WaitUntil([&] { return colored(kDeleteLabel, 13) && !colored(kDeleteLabel, 18); }));
        EXPECT_TRUE(colored(kPauseLabel, 18) && !colored(kPauseLabel, 13));
        PointTo(vexor.viewer, {Px(2700), Px(150)});  // between the heading and "Hide", on the button face
        EXPECT_EQ(CaptureScreen({client.left + Px(2700), client.top + Px(150), client.left + Px(2700) + 1, client.top + Px(150) + 1}).colors[0], GetSysColor(COLOR_BTNFACE));
        EXPECT_TRUE(WaitUntil([&] { return colored(kDeleteLabel, 18) && !colored(kDeleteLabel, 13); }));
        ExpectMenuDrawn(vexor, "Pause");
    }
    ASSERT_TRUE(vexor.Choose("Pause"));
    EXPECT_TRUE(WaitUntil([&] { return ControlText(vexor.viewer, kPauseLabel) == "Resume"; }));
    if (dpi == 96) ExpectMenuDrawn(vexor, "Resume");
    auto paused = OpenPopup("Paused - Internet Explorer");
    EXPECT_FALSE(WaitUntil([&] { return !IsWindowVisible(paused.Get()); }, 2500)) << "trapped while paused";
    // A close request only hides the viewer, and so does Escape: monitoring, paused or not, goes on.
    PostMessageA(vexor.viewer, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(vexor.viewer); }));
    ASSERT_TRUE(vexor.ShowViewer());
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(vexor.viewer); }));
    ASSERT_TRUE(vexor.Choose("Pause"));
    auto resumed = OpenPopup("Resumed - Internet Explorer");
    EXPECT_TRUE(BecomesHidden(resumed.Get()));
}

// A label's whole text fits it: its width in "MS Sans Serif" 8.25 pt (underlined on a label-button).
void ExpectWhole(HWND window, int id, bool underlined) {
    const RECT r = WindowOnScreen(GetDlgItem(window, id));
    EXPECT_GE(r.right - r.left, TextWidth(Font("MS Sans Serif", underlined), ControlText(window, id))) << ControlText(window, id) << " cut";
    // An underline runs the whole width, once the label is drawn.
    EXPECT_TRUE(!underlined || WaitUntil([&] {
        const auto ink = InkRows(CaptureScreen(r), GetSysColor(COLOR_BTNFACE));
        return std::any_of(ink.begin(), ink.end(), [&](const InkRow& row) { return row.Width() == r.right - r.left; });
    })) << ControlText(window, id) << " not underlined across";
}

// In any font and at any resolution (scripts/test runs it in both fonts at 96, 144 and 192 dpi):
// every text whole, every visible control inside the window with background around it, the bottom
// row at least at the table's gaps, "Resume" as whole as "Pause".
TEST_F(VexorE2E, ViewerAndSplashKeepEveryTextWholeAndBackgroundAroundEachControl) {
    Vexor vexor;
    HWND splash = vexor.Await("VexorSplash");
    ASSERT_TRUE(splash && WaitUntil([&] { return IsWindowVisible(splash) != FALSE; }));  // made, placed and shown
    RECT work, frame = WindowOnScreen(splash);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_TRUE(std::abs(frame.top + frame.bottom - work.top - work.bottom) <= 2 &&
                std::abs(frame.left + frame.right - work.left - work.right) <= 2) << "the splash is not centred";
    const int text = ControlId("VexorSplash", "Label1");
    EXPECT_EQ(ControlText(splash, text), "Taking Snapshot of Internet Explorer...");
    ExpectWhole(splash, text, false);
    const RECT splashArea = ClientOnScreen(splash), label = WindowOnScreen(GetDlgItem(splash, text));
    EXPECT_TRUE(label.left > splashArea.left && label.right < splashArea.right) << "the splash text leaves its window";
    ASSERT_EQ(vexor.AwaitStartup(), "");
    ASSERT_TRUE(vexor.ShowViewer());
    frame = WindowOnScreen(vexor.viewer);  // widened for wider texts, still centred
    EXPECT_NEAR(frame.left + frame.right, work.left + work.right, 2) << "the viewer is not centred";
    for (const char* pause : {"Pause", "Resume"}) {
        ASSERT_TRUE(WaitUntil([&] { return ControlText(vexor.viewer, kPauseLabel) == pause; }));
        const int row[] = {kDeleteLabel, kDeleteAllLabel, kShowLastLabel, kPauseLabel};
        for (int id : row) ExpectWhole(vexor.viewer, id, true);
        ExpectWhole(vexor.viewer, kHeading, false);
        const int gaps[] = {135, 165, 180};
        for (int i = 0; i < 3; ++i) {
            const int gap = WindowOnScreen(GetDlgItem(vexor.viewer, row[i + 1])).left - WindowOnScreen(GetDlgItem(vexor.viewer, row[i])).right;
            EXPECT_GE(gap, Px(gaps[i])) << "after " << ControlText(vexor.viewer, row[i]);
        }
        const RECT client = ClientOnScreen(vexor.viewer);
        const int visible[] = {kAllowedList, kHideButton, kHeading, kDeleteLabel, kDeleteAllLabel, kShowLastLabel, kPauseLabel};
        for (int a : visible) {
            RECT around = WindowOnScreen(GetDlgItem(vexor.viewer, a)), overlap;
            InflateRect(&around, 1, 1);
            EXPECT_TRUE(around.left >= client.left && around.top >= client.top && around.right <= client.right &&
                        around.bottom <= client.bottom) << ControlText(vexor.viewer, a) << " leaves the window";
            for (int b : visible) {
                const RECT other = WindowOnScreen(GetDlgItem(vexor.viewer, b));
                EXPECT_TRUE(a == b || !IntersectRect(&overlap, &around, &other)) << a << " touches " << b;
            }
        }
        ClickControl(vexor.viewer, kPauseLabel);
    }
}

TEST_F(VexorE2E, AboutShowsTitleThenVersionAndTheAddressesInBlue) {
    Vexor vexor;
    ASSERT_EQ(vexor.AwaitStartup(), "");
    ASSERT_TRUE(vexor.Choose("About"));
    HWND about = vexor.Await("VexorAbout", "About");
    ASSERT_NE(about, nullptr);
    auto id = [](const char* name) { return ControlId("VexorAbout", name); };
    const int title = id("Label1"), version = id("lblversion"), mail = id("Label6"), web = id("Label5"), picture = id("Image1");
    EXPECT_EQ(ControlText(about, title), "Vexor 2003");
    EXPECT_EQ(ControlText(about, version), "Version 1.1.5");
    EXPECT_LT(WindowOnScreen(GetDlgItem(about, title)).top, WindowOnScreen(GetDlgItem(about, version)).top);  // version below
    auto count = [&](int id, COLORREF color) { return CaptureScreen(WindowOnScreen(GetDlgItem(about, id))).Count(color); };
    EXPECT_TRUE(count(web, RGB(0, 0, 255)) > 0 && count(mail, RGB(0, 0, 255)) > 0);  // the web and e-mail addresses
    EXPECT_EQ(count(title, RGB(0, 0, 255)) + count(id("Label4"), RGB(0, 0, 255)) + count(title, RGB(255, 255, 255)), 0);  // on the face
    const RECT client = ClientOnScreen(about), image = WindowOnScreen(GetDlgItem(about, picture));
    EXPECT_EQ(std::tuple(client.right - client.left, client.bottom - client.top, image.right - image.left),
              std::tuple(318L, 203L, 48L));  // at 96 dpi
    EXPECT_LT(count(picture, GetSysColor(COLOR_BTNFACE)), 48 * 48) << "no picture";
    auto cover = OpenPopup("In front of About");  // chosen again, the same About comes to the front
    ASSERT_TRUE(vexor.Choose("About"));
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == about; }));
}

TEST_F(VexorE2E, LaterStartShowsTheViewerWithoutASecondBlockerAndTheIconOutlivesATaskbarRestart) {
    Vexor vexor;
    ASSERT_NE(vexor.Await("VexorSplash"), nullptr);
    EXPECT_EQ(Program("vexor.exe").WaitForExit(), 0);  // during the settle delay
    ASSERT_EQ(vexor.AwaitStartup(), "");
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == vexor.viewer; }));  // shown, in front
    EXPECT_TRUE(FindWindows("VexorTrayHost").size() == 1 && TrayIcon(NIM_MODIFY, vexor.host)) << "one blocker, with its icon";

    // The taskbar restarted without the icon: its broadcast brings the icon back.
    ASSERT_TRUE(TrayIcon(NIM_DELETE, vexor.host) && !TrayIcon(NIM_MODIFY, vexor.host));
    PostMessageA(vexor.host, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return TrayIcon(NIM_MODIFY, vexor.host); }));
    ASSERT_TRUE(vexor.HideViewer()) << "Hide did not hide the viewer";
}

TEST_F(VexorE2E, WithoutInternetExplorerStartupSaysSoAndEnds) {
    const char* browser = "c:\\program files\\internet explorer\\iexplore.exe";
    const std::string away = std::string(browser) + ".away";
    ASSERT_TRUE(MoveFileA(browser, away.c_str()));
    Vexor vexor;
    HWND box = vexor.AwaitBox();
    MoveFileA(away.c_str(), browser);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(BoxText(box), "Vexor 2003 could not start Internet Explorer at\nc:\\program files\\internet explorer\\iexplore.exe\n\n"
                            "Vexor 2003 needs it to learn the size of browser windows and will now close.");
    ASSERT_TRUE(AnswerMessageBox(box, IDOK));
    EXPECT_EQ(vexor.WaitForExit(), 1);
}

TEST_F(VexorE2E, RunningInstanceThatDeniesOrDoesNotAnswerIsToldAndTheStartEndsNonZero) {
    // This process plays an elevated running instance that refuses: it holds the mutex with an
    // empty access list, so a later start is denied even opening it, and a host window that comes
    // late, as during start-up, and answers nothing.
    SECURITY_ATTRIBUTES attributes{sizeof(attributes), nullptr, FALSE};
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA("D:", SDDL_REVISION_1, &attributes.lpSecurityDescriptor, nullptr));
    win32::ScopedHandle mutex(CreateMutexA(&attributes, FALSE, "Local\\Vexor2003.Instance"));
    ASSERT_TRUE(mutex);
    Program later("vexor.exe");
    EXPECT_FALSE(WaitUntil([] { return !FindWindows("#32770", "Vexor 2003").empty(); }, 2000)) << "no wait for the host";
    WNDCLASSA hostClass{};
    hostClass.lpfnWndProc = DefWindowProcA;
    hostClass.hInstance = GetModuleHandleA(nullptr);
    hostClass.lpszClassName = "VexorTrayHost";
    RegisterClassA(&hostClass);
    win32::ScopedWindow host(CreateWindowExA(0, "VexorTrayHost", "", WS_OVERLAPPED, 0, 0, 0, 0, nullptr, nullptr,
                                             GetModuleHandleA(nullptr), nullptr));
    ASSERT_TRUE(host);
    HWND box = later.Await("#32770", "Vexor 2003");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(BoxText(box), "Vexor 2003 is already running, but it does not answer.\n\n"
                            "Wait a moment and start it again, or end the running Vexor 2003 in the Task Manager.");
    EXPECT_EQ(BoxButtons(box), "1");
    EXPECT_TRUE(FindWindows("VexorPopupViewer").empty());
    ASSERT_TRUE(AnswerMessageBox(box, IDOK));
    EXPECT_EQ(later.WaitForExit(), 1);
}

}  // namespace
}  // namespace vexor::e2e
