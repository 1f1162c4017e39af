// One instance a session: a later start shows the running instance's Popup Viewer and ends.
#include <windows.h>

#include "e2e/e2e_fixture.h"

namespace vexor::e2e {
namespace {

class InstanceE2E : public VexorE2E {
protected:
    // A later start of the program, ended with its exit code.
    int StartAgain() { return Program(VexorPath()).WaitForExit(); }
    // Exactly one tray host window, with its icon, in the whole session.
    void ExpectOneBlocker() {
        EXPECT_EQ(FindWindows(kTrayHostClassName).size(), 1u) << DescribeDesktop();
        EXPECT_TRUE(TrayIconExists(host_));
    }
};

TEST_F(InstanceE2E, LaterStartShowsTheViewerAndEndsWithoutASecondBlocker) {
    StartAndWaitForSnapshot();
    ASSERT_FALSE(IsWindowVisible(viewer_));
    EXPECT_EQ(StartAgain(), 0);
    EXPECT_TRUE(WaitUntil([this] { return IsWindowVisible(viewer_) != FALSE; }));
    ExpectOneBlocker();
    // A second blocker would have launched the browser again.
    EXPECT_EQ(FindWindowOf("VexorDemoBrowser"), nullptr);
}

TEST_F(InstanceE2E, LaterStartDuringTheSettleDelayShowsTheViewerOnceStartupHasFinished) {
    Start();
    ASSERT_TRUE(WaitUntil([this] { return Own("VexorSplash") != nullptr; })) << "no splash window";
    EXPECT_EQ(StartAgain(), 0);
    HWND browser = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (browser = FindWindowOf("VexorDemoBrowser")) != nullptr; }, 15000));
    EXPECT_TRUE(WaitUntil([this] { return IsWindowVisible(viewer_) != FALSE; }));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(browser); }, 15000)) << "the snapshot did not close the browser";
    ExpectOneBlocker();
    EXPECT_EQ(FindWindowOf("VexorDemoBrowser"), nullptr);
}

TEST_F(InstanceE2E, RunningInstanceThatDoesNotAnswerIsToldAndTheStartEndsNonZero) {
    // This process plays a running instance that refuses: it holds the mutex and a host window
    // that answers nothing.
    win32::ScopedHandle mutex(CreateMutexA(nullptr, FALSE, kInstanceMutexName));
    ASSERT_TRUE(mutex);
    WNDCLASSA hostClass{};
    hostClass.lpfnWndProc = DefWindowProcA;
    hostClass.hInstance = GetModuleHandleA(nullptr);
    hostClass.lpszClassName = kTrayHostClassName;
    RegisterClassA(&hostClass);
    win32::ScopedWindow host(CreateWindowExA(0, kTrayHostClassName, "", WS_OVERLAPPED, 0, 0, 0, 0, nullptr, nullptr,
                                             GetModuleHandleA(nullptr), nullptr));
    ASSERT_TRUE(host);

    Program later(VexorPath());
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = FindMessageBox(later.Id(), kApplicationTitle)) != nullptr; }));
    EXPECT_EQ(MessageBoxText(box), kInstanceNotAnsweringMessage);
    EXPECT_EQ(FindWindows(kViewerClassName).size(), 0u);
    AnswerMessageBox(box, IDOK);
    EXPECT_EQ(later.WaitForExit(), kStartupFailedExitCode);
}

}  // namespace
}  // namespace vexor::e2e
