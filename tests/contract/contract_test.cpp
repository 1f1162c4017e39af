// The same cases for the window system and RegistryModule on the simulation natively and on user32
// and the real registry under Wine: the simulation must not drift from the platform.
#include <gtest/gtest.h>

#ifdef _WIN32
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_window_system.h"
#else
#include "sim/sim_platform.h"
#endif

namespace vexor::contract {
namespace {

#ifdef _WIN32
using Registry = win32::Win32RegistryApi;

// Plain top-level windows of a system class, destroyed after each case.
struct Harness {
    win32::Win32WindowSystem windows;
    std::vector<HWND> created;

    ~Harness() { for (HWND window : created) DestroyWindow(window); }  // closed ones fail harmlessly
    WindowHandle Create(const std::string& title, WindowRect r, bool visible) {
        created.push_back(CreateWindowExA(0, "STATIC", title.c_str(), WS_OVERLAPPEDWINDOW | (visible ? WS_VISIBLE : 0),
                                          r.left, r.top, r.right - r.left, r.bottom - r.top, nullptr, nullptr, nullptr,
                                          nullptr));
        DeliverPosted();
        return win32::FromHwnd(created.back());
    }
    void DeliverPosted() {
        for (MSG message; PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);)
            DispatchMessageA(&message);
    }
};
#else
// Every case closes what it opened, also when write value raises.
struct Registry : sim::SimRegistry {
    ~Registry() override { EXPECT_EQ(OpenHandles(), 0) << "a key was left open"; }
};

struct Harness : sim::SimPlatform {
    WindowHandle Create(const std::string& title, WindowRect rect, bool visible) {
        return windows.Create(title, rect, visible);
    }
    void DeliverPosted() { toolkit.RunFor(0); }
};
#endif

struct WindowSystemContract : ::testing::Test, Harness {
    // Visible, show state, size sum, and whether it is the window in front.
    std::string State(WindowHandle window) {
        WindowPlacement placement{};
        windows.GetWindowPlacement(window, &placement);
        return std::to_string(windows.IsWindowVisible(window) != 0) + " " + std::to_string(placement.showCmd) + " " +
               std::to_string(MeasureSizeSum(windows, window)) +
               (window && windows.GetForegroundWindow() == window ? " in front" : "");
    }
};

TEST_F(WindowSystemContract, PostedCloseArrivesLaterAndLeavesAHandleThatReadsZerosAndChangesNothing) {
    WindowHandle gone = Create("Contract Gone", {10, 10, 310, 210}, true);
    EXPECT_NE(windows.PostMessageA(gone, kWmClose, 0, 0), 0);
    EXPECT_EQ(MeasureSizeSum(windows, gone), 500);  // the caller does not wait
    DeliverPosted();
    // A handle of no window (0: none in front) reads as hidden, untitled, of no show state and the
    // zero rectangle left as it was.
    for (WindowHandle window : {gone, WindowHandle{0}})
        EXPECT_EQ(State(window) + ReadWindowTitle(windows, window), "0 0 0");
    WindowPlacement placement;
    EXPECT_FALSE(windows.GetWindowPlacement(gone, &placement) || windows.SetWindowTextA(gone, "Renamed") ||
                 windows.PostMessageA(gone, kWmClose, 0, 0) || windows.FindWindowA(nullptr, "Contract Gone"));
}

TEST_F(WindowSystemContract, ReadsAndChangesWindowsHidingPassesTheForegroundOnAndRestoreBringsBackTheNormalWindow) {
    const WindowHandle first = Create(std::string(300, 'x'), {0, 0, 300, 200}, true);
    const WindowHandle second = Create("Contract Second", {30, 40, 330, 240}, true);
    EXPECT_EQ(State(second), "1 1 500 in front");
    char buffer[kTitleBufferSize];  // the first 254 characters of the title
    EXPECT_EQ(windows.GetWindowTextA(first, buffer, kTitleMaxCount), 254);
    EXPECT_EQ(ReadWindowTitle(windows, first), std::string(254, 'x'));
    // EnableWindow answers whether the window was disabled before.
    EXPECT_EQ((std::vector<bool>{windows.EnableWindow(first, kDisable) != 0, windows.EnableWindow(first, kEnable) != 0,
                                 windows.EnableWindow(first, kEnable) != 0}), (std::vector<bool>{false, true, false}));
    windows.ShowWindow(second, kSwShowMaximized);
    EXPECT_EQ(State(second).substr(0, 4), "1 3 ");
    EXPECT_NE(State(second), "1 3 500 in front");
    windows.ShowWindow(second, kSwHide);
    EXPECT_EQ(State(first), "1 1 500 in front");
    EXPECT_EQ(windows.IsWindowVisible(second), 0);
    EXPECT_NE(windows.SetWindowTextA(second, "Vexor Allowed Popup"), 0);
    EXPECT_EQ(ReadWindowTitle(windows, second), "Vexor Allowed Popup");
    EXPECT_EQ(windows.FindWindowA(nullptr, "Vexor Allowed"), 0);
    EXPECT_EQ(windows.FindWindowA(nullptr, "vexor allowed popup"), second);  // in any case
    windows.ShowWindow(second, kSwRestore);
    EXPECT_EQ(State(second), "1 1 500 in front");
}

using namespace std::string_literals;

struct RegistryContract : ::testing::Test {
    RegistryContract() { RemoveScratch(); }
    ~RegistryContract() override { RemoveScratch(); }
    void RemoveScratch() {
        for (const std::string& path : {key_, level1_, scratch_})
            registry_.DeleteKey(kHkeyLocalMachine, path);
    }
    RegistryValue Read(const std::string& name, const RegistryValue& fallback = EmptyValue{}) {
        return registry_.ReadValue(kHkeyLocalMachine, key_, name, fallback);
    }
    // Stores data of any type, past write value's encoding.
    void PutRaw(const std::string& name, std::uint32_t type, const std::string& data) {
        const OpenedKey key = registry_.OpenCreating(kHkeyLocalMachine, key_, kKeyWrite);
        ASSERT_TRUE(key.Set(name, type, std::vector<std::uint8_t>(data.begin(), data.end())));
    }

    Registry api_;
    RegistryModule registry_{api_};
    const std::string scratch_ = "SOFTWARE\\VexorContractScratch", level1_ = scratch_ + "\\Level1",
                      key_ = level1_ + "\\Level2";
};

TEST_F(RegistryContract, ReadDecodesEachTypeWithinTheStoredLengthAndFallsBackAndAReaderCannotChangeTheKey) {
    const RegistryValue fallback = std::int32_t{-7};
    EXPECT_EQ(Read("V0", fallback), fallback);  // no key
    EXPECT_TRUE(registry_.DeleteKey(kHkeyLocalMachine, key_));  // a missing key is gone
    const std::string longText(5000, 'L');      // longer than the first query's buffer
    const std::string fullBuffer(1023, 'F');    // with its NUL as long as that buffer
    const std::tuple<std::uint32_t, std::string, RegistryValue> cases[] = {
        {kRegSz, longText + '\0', longText}, {kRegSz, fullBuffer + '\0', fullBuffer}, {kRegSz, "", ""s},
        {kRegExpandSz, "%PATH%\0"s, "%PATH%"s}, {kRegMultiSz, "a\0b\0\0"s, "a\0b"s}, {kRegMultiSz, "x", ""s},
        {kRegBinary, "h\0i"s, ByteSequence{0, {'h', 0, 'i'}, 1}}, {kRegBinary, "", ByteSequence{}},
        {kRegDword, "\x78\x56\x34\x12", std::int32_t{0x12345678}}, {kRegDword, "\x34\x12", std::int32_t{0x1234}},
        {11, "\1\0\0\0\0\0\0\0"s, fallback}};
    for (std::size_t i = 0; i < std::size(cases); ++i)
        PutRaw("V" + std::to_string(i), std::get<0>(cases[i]), std::get<1>(cases[i]));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(Read("v" + std::to_string(i), fallback), std::get<2>(cases[i])) << i;  // names in any case
    }
    EXPECT_EQ(Read("Missing", fallback), fallback);
    EXPECT_EQ(Read("Missing"), RegistryValue(EmptyValue{}));
    // The listing in one pass gives every value as read value does.
    const std::optional<KeyListing> listing = registry_.Open(kHkeyLocalMachine, key_, kKeyRead).Values();
    ASSERT_TRUE(listing && listing->unreadable == 0 && listing->values.size() == std::size(cases));
    // At least the lengths buffers need (the platform may count a text in two-byte characters).
    const KeyInfo info = registry_.Open(kHkeyLocalMachine, key_, kKeyRead).Info().value();
    EXPECT_TRUE(info.values == 11u && info.longestName == 3u && info.longestData >= 5001u) << info.longestData;
    for (const NamedValue& value : listing->values) EXPECT_EQ(value.value, Read(value.name)) << value.name;
    const OpenedKey reader = registry_.Open(kHkeyLocalMachine, key_, kKeyRead);
    EXPECT_FALSE(reader.Set("V11", kRegSz, {0}) || reader.DeleteValue("V0"));
    EXPECT_TRUE(registry_.OpenCreating(kHkeyLocalMachine, key_, kKeyWrite).DeleteValue("V0"));
    EXPECT_FALSE(registry_.DeleteKey(kHkeyLocalMachine, level1_));  // it has a subkey
    EXPECT_TRUE(registry_.DeleteKey(kHkeyLocalMachine, key_) && !registry_.Open(kHkeyLocalMachine, key_, kKeyRead));
    EXPECT_TRUE(registry_.Open(kHkeyLocalMachine, level1_, kKeyRead));  // created as the parent of key_
}

}  // namespace
}  // namespace vexor::contract
