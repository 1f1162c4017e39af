// Each end-to-end test starts the real program in the private Wine prefix from a clean registry
// key and leaves nothing running behind it. They run one at a time: they share the foreground,
// the registry key and the browser path.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "e2e/driver.h"
#include "monitor/foreground_check.h"
#include "monitor/startup.h"
#include "ui/about_window.h"
#include "ui/popup_viewer.h"
#include "ui/tray_menu.h"

namespace vexor::e2e {

// The demo browser's first window: 800 x 600, so 1400 is the learned size.
constexpr int kBrowserWidth = 800;
constexpr int kBrowserHeight = 600;

class VexorE2E : public ::testing::Test {
protected:
    void SetUp() override {
        KillDemoBrowsers();
        DeleteWindowsKey();
    }
    void TearDown() override {
        vexor_.reset();
        for (HWND window : opened_) DestroyWindow(window);
        KillDemoBrowsers();
        DeleteWindowsKey();
    }

    void Start() {
        vexor_ = std::make_unique<Program>(VexorPath());
        ASSERT_TRUE(vexor_->Running());
        ASSERT_TRUE(WaitUntil([this] { return (host_ = Own(kTrayHostClassName)) != nullptr; })) << "no tray host window";
        ASSERT_TRUE(WaitUntil([this] { return (viewer_ = Own(kViewerClassName)) != nullptr; })) << "no Popup Viewer";
    }

    // Starts the program and waits until the snapshot has closed the launched browser window.
    void StartAndWaitForSnapshot() {
        Start();
        HWND browser = nullptr;
        ASSERT_TRUE(WaitUntil([&] { return (browser = FindWindowOf("VexorDemoBrowser")) != nullptr; }, 15000))
            << "the browser was not launched";
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(browser); }, 15000)) << "the snapshot did not close the browser";
        ASSERT_TRUE(WaitUntil([this] { return TrayIconExists(host_); })) << "no tray icon";
    }

    // A top-level window of the program under test.
    HWND Own(const char* className, const char* title = nullptr) {
        for (HWND window : FindWindows(className, title)) {
            if (ProcessOf(window) == vexor_->Id()) return window;
        }
        return nullptr;
    }

    HWND Open(const std::string& title, int width, int height) {
        opened_.push_back(OpenWindow(title, width, height));
        return opened_.back();
    }

    void Choose(TrayItem item) { PostMessageA(host_, WM_COMMAND, static_cast<WPARAM>(item), 0); }

    HWND WaitForBox(const char* caption = kApplicationTitle) {
        HWND box = nullptr;
        WaitUntil([&] { return (box = FindMessageBox(vexor_->Id(), caption)) != nullptr; });
        return box;
    }

    std::unique_ptr<Program> vexor_;
    HWND host_ = nullptr;
    HWND viewer_ = nullptr;
    std::vector<HWND> opened_;
};

}  // namespace vexor::e2e
