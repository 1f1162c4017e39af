// The simulated platform: a virtual clock, windows, a registry and a shell in memory.
#pragma once

#include <strings.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <deque>
#include <map>
#include <optional>
#include <tuple>
#include <utility>

#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/toolkit.h"
#include "platform/window_system.h"

namespace vexor::sim {

struct MessageBoxCall { std::string text, caption; std::uint32_t style; };

// The pump jumps to the next due event: settle delays and whole scenarios run at once, always alike.
class SimToolkit : public Toolkit {
public:
    std::unique_ptr<Timer> CreateTimer(int intervalMs, bool enabled, std::function<void()> onTick) override {
        auto timer = std::make_unique<SimTimer>(*this, intervalMs, std::move(onTick));
        timer->SetEnabled(enabled);
        return timer;
    }
    // Of events due together, the one set up first runs. Nothing ever due again: a real program hangs.
    void PumpEvents() override {
        SimTimer* timer = Next();
        if (!timer)
            throw std::logic_error("event pump: nothing will ever happen (no timer running, nothing scheduled)");
        now_ = std::max(now_, timer->due);
        timer->due += timer->interval;
        timer->enabled = timer->interval > 0;  // a scheduled action runs once
        timer->onTick();
    }
    // Events run for the user's thinking time; the answer is the next scripted one, else No.
    int ShowMessageBox(const std::string& text, const std::string& caption, std::uint32_t style) override {
        boxes.push_back({text, caption, style});
        if (onMessageBox) onMessageBox();
        RunFor(thinkingMs);
        const int answer = answers.empty() ? kIdNo : answers.front();
        if (!answers.empty()) answers.pop_front();
        return answer;
    }

    std::int64_t Now() const { return now_; }
    void After(std::int64_t delayMs, std::function<void()> action) {
        scheduled_.push_back(std::make_unique<SimTimer>(*this, 0, std::move(action)));
        scheduled_.back()->Start(now_ + delayMs);
    }
    void RunFor(std::int64_t durationMs) {
        const std::int64_t end = now_ + durationMs;
        for (SimTimer* next = Next(); next && next->due <= end; next = Next()) PumpEvents();
        now_ = std::max(now_, end);
    }

    // Timers for which this answers true cannot be started, as when the platform runs out of them.
    std::function<bool(const Timer&)> refuseStart;
    std::function<void()> onMessageBox;
    std::deque<int> answers;
    std::int64_t thinkingMs = 0;
    std::vector<MessageBoxCall> boxes;

private:
    struct SimTimer : Timer {
        SimToolkit& owner;
        int interval;
        std::function<void()> onTick;
        bool enabled = false;
        std::int64_t due = 0;
        std::uint64_t sequence = 0;

        SimTimer(SimToolkit& o, int i, std::function<void()> tick) : owner(o), interval(i), onTick(std::move(tick)) {
            owner.timers_.push_back(this);
        }
        ~SimTimer() override { owner.timers_.erase(std::find(owner.timers_.begin(), owner.timers_.end(), this)); }
        void Start(std::int64_t at) {
            enabled = true;
            due = at;
            sequence = owner.sequence_++;
        }
        bool SetEnabled(bool on) override {
            if (on && !enabled && owner.refuseStart && owner.refuseStart(*this)) return false;
            if (on && !enabled) Start(owner.now_ + interval);
            enabled = on;
            return true;
        }
        bool Enabled() const override { return enabled; }
    };

    SimTimer* Next() const {
        auto first = std::min_element(timers_.begin(), timers_.end(), [](SimTimer* a, SimTimer* b) {
            return std::make_tuple(!a->enabled, a->due, a->sequence) <
                   std::make_tuple(!b->enabled, b->due, b->sequence);
        });
        return first != timers_.end() && (*first)->enabled ? *first : nullptr;
    }

    std::int64_t now_ = 0;
    std::uint64_t sequence_ = 0;
    std::vector<SimTimer*> timers_;                     // every timer, running or not
    std::vector<std::unique_ptr<SimTimer>> scheduled_;  // the actions of After, kept until the toolkit goes
};

struct SimWindow {
    std::string title;
    bool visible = true, enabled = true;
    std::uint32_t showCmd = kSwShowNormal;  // normal or maximized
    WindowRect normal;                      // the outer rectangle when not maximized
};

struct WindowCall { std::string operation; WindowHandle window; std::int64_t number; };  // the flag, command or message

// Like user32 where the monitor relies on it, as the contract cases check.
class SimWindowSystem : public WindowSystem {
public:
    // On top, in front when visible. Handle 0 picks a free value; a test may pick a negative or a closed one.
    WindowHandle Create(const std::string& title, WindowRect rect, bool visible = true, WindowHandle handle = 0) {
        while (handle == 0 || Exists(handle)) handle = lastHandle_ += 4;
        windows_[handle] = SimWindow{title, visible, true, kSwShowNormal, rect};
        zOrder_.insert(zOrder_.begin(), handle);
        if (visible) foreground_ = handle;
        return handle;
    }
    void Destroy(WindowHandle window) {
        windows_.erase(window);
        zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), window), zOrder_.end());
        if (foreground_ == window) PassForeground();
    }
    void Activate(WindowHandle window) {  // the user clicks it
        zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), window), zOrder_.end());
        zOrder_.insert(zOrder_.begin(), window);
        foreground_ = window;
    }
    bool Exists(WindowHandle window) const { return windows_.count(window) != 0; }
    SimWindow& Window(WindowHandle window) { return windows_.at(window); }

    std::vector<WindowCall> calls;
    std::function<void(std::function<void()>)> post;  // given each posted WM_CLOSE's work, to run when it arrives

    WindowHandle GetForegroundWindow() override { return foreground_; }
    std::int32_t IsWindowVisible(WindowHandle window) override { return Exists(window) && Window(window).visible; }
    std::int32_t GetWindowTextA(WindowHandle window, char* buffer, std::int32_t maxCount) override {
        const std::string title = Exists(window) ? Window(window).title.substr(0, std::size_t(maxCount - 1)) : "";
        std::memcpy(buffer, title.c_str(), title.size() + 1);
        return static_cast<std::int32_t>(title.size());
    }
    std::int32_t GetWindowPlacement(WindowHandle window, WindowPlacement* placement) override {
        if (Exists(window)) placement->showCmd = Window(window).showCmd;
        return Exists(window);
    }
    std::int32_t GetWindowRect(WindowHandle window, WindowRect* rect) override {
        if (!Exists(window)) return 0;
        // A maximized window fills the screen's work area.
        *rect = Window(window).showCmd == kSwShowMaximized ? WindowRect{0, 0, 1024, 768} : Window(window).normal;
        return 1;
    }
    std::int32_t SetWindowTextA(WindowHandle window, const std::string& title) override {
        calls.push_back({"SetWindowTextA", window, 0});
        if (Exists(window)) Window(window).title = title;
        return Exists(window);
    }
    std::int32_t EnableWindow(WindowHandle window, std::int32_t enable) override {
        calls.push_back({"EnableWindow", window, enable});
        if (!Exists(window)) return 0;
        const bool wasDisabled = !Window(window).enabled;
        Window(window).enabled = enable != 0;
        return wasDisabled;
    }
    std::int32_t ShowWindow(WindowHandle window, std::int32_t command) override {
        calls.push_back({"ShowWindow", window, command});
        if (!Exists(window)) return 0;
        const bool wasVisible = Window(window).visible;
        Show(window, command);
        return wasVisible;
    }
    std::int32_t PostMessageA(WindowHandle window, std::uint32_t message, std::uintptr_t, std::intptr_t) override {
        calls.push_back({"PostMessageA", window, message});
        // The default window procedure answers WM_CLOSE by destroying the window.
        if (Exists(window) && message == kWmClose) post([this, window] { Destroy(window); });
        return Exists(window);
    }
    // Names compare without regard to case; hidden windows are found too.
    WindowHandle FindWindowA(const char*, const std::string& title) override {
        auto found = std::find_if(zOrder_.begin(), zOrder_.end(), [&](WindowHandle w) {
            return strcasecmp(Window(w).title.c_str(), title.c_str()) == 0;
        });
        return found == zOrder_.end() ? 0 : *found;
    }

private:
    void Show(WindowHandle window, std::int32_t command) {
        SimWindow& w = Window(window);
        w.visible = command != kSwHide;
        if (w.visible) w.showCmd = command == kSwShowMaximized ? kSwShowMaximized : kSwShowNormal;
        if (w.visible) Activate(window);
        if (!w.visible && foreground_ == window) PassForeground();
    }
    // After the foreground window hides or goes, the top visible window takes over.
    void PassForeground() {
        auto next = std::find_if(zOrder_.begin(), zOrder_.end(), [this](WindowHandle w) { return Window(w).visible; });
        foreground_ = next == zOrder_.end() ? 0 : *next;
    }

    std::map<WindowHandle, SimWindow> windows_;
    std::vector<WindowHandle> zOrder_;  // top first
    WindowHandle foreground_ = 0;
    WindowHandle lastHandle_ = 0x1001c;
};

// The platform's codes: 2 missing, 5 not allowed (by access mask, rights, or subkeys to a deleted key),
// 234 with the length needed for a short buffer, 259 past the last value; names in any case.
class SimRegistry : public RegistryApi {
    using U32 = std::uint32_t;

public:
    RegistryKey deniedRoot = 0;  // a root the user has no write rights in: every change there gives 5
    // Runs before every call that reads values: a value can change between two queries of one read.
    std::function<void()> beforeQuery;
    long calls = 0;

    // For tests, outside the counted calls. Put creates the key and its parents.
    void Put(RegistryKey root, const std::string& path, const std::string& name, U32 type,
             std::vector<std::uint8_t> data) {
        Set(CreatePath(root, path), name, type, std::move(data));
    }
    void PutText(RegistryKey root, const std::string& path, const std::string& name, const std::string& text) {
        Put(root, path, name, kRegSz, std::vector<std::uint8_t>(text.c_str(), text.c_str() + text.size() + 1));
    }
    bool KeyExists(RegistryKey root, const std::string& path) const { return keys_.count(FullPath(root, path)) != 0; }
    // "name=text" of every REG_SZ value of a key, sorted.
    std::vector<std::string> TextValues(RegistryKey root, const std::string& path) const {
        std::vector<std::string> texts;
        auto key = keys_.find(FullPath(root, path));
        for (const Value& value : key == keys_.end() ? Key{} : key->second) {
            const std::string data(value.data.begin(), value.data.end());
            if (value.type == kRegSz) texts.push_back(value.name + "=" + data.c_str());  // up to the NUL
        }
        std::sort(texts.begin(), texts.end());
        return texts;
    }
    int OpenHandles() const { return static_cast<int>(handles_.size()); }

    long RegOpenKeyExA(RegistryKey root, const std::string& path, U32 access, RegistryKey* key) override {
        Count();
        if (!KeyExists(root, path)) return kErrorFileNotFound;
        if ((access & kKeySetValue) && WriteDenied(root)) return kErrorAccessDenied;
        handles_[*key = nextHandle_++] = {FullPath(root, path), access};
        return kErrorSuccess;
    }
    long RegCreateKeyExA(RegistryKey root, const std::string& path, RegistryKey* key) override {
        Count();
        if (!KeyExists(root, path) && WriteDenied(root)) return kErrorAccessDenied;
        CreatePath(root, path);
        handles_[*key = nextHandle_++] = {FullPath(root, path), 0};
        return kErrorSuccess;
    }
    long RegQueryValueExA(RegistryKey key, const std::string& name, U32* type, std::uint8_t* data,
                          U32* length) override {
        auto [error, k] = Access(key, kKeyQueryValue, true);
        if (!k) return error;
        auto value = Find(*k, name);
        return value == k->end() ? kErrorFileNotFound : GiveData(*value, type, data, length);
    }
    long RegSetValueExA(RegistryKey key, const std::string& name, U32 type, const std::uint8_t* data,
                        U32 length) override {
        auto [error, k] = Access(key, kKeySetValue);
        if (k) Set(*k, name, type, std::vector<std::uint8_t>(data, data + length));
        return error;
    }
    long RegDeleteKeyA(RegistryKey root, const std::string& path) override {
        Count();
        const std::string full = FullPath(root, path);
        if (!keys_.count(full)) return kErrorFileNotFound;
        auto next = keys_.lower_bound(full + "\\");
        if (WriteDenied(root) || (next != keys_.end() && next->first.rfind(full + "\\", 0) == 0))
            return kErrorAccessDenied;
        keys_.erase(full);
        return kErrorSuccess;
    }
    long RegCloseKey(RegistryKey key) override {
        Count();
        return handles_.erase(key) ? kErrorSuccess : kErrorInvalidHandle;
    }
    long RegEnumValueA(RegistryKey key, U32 index, char* name, U32* nameLength, U32* type, std::uint8_t* data,
                       U32* dataLength) override {
        auto [error, k] = Access(key, kKeyQueryValue, true);
        if (!k) return error;
        if (index >= k->size()) return kErrorNoMoreItems;
        const Value& value = (*k)[index];
        // The data first, as the platform does; the name needs room for its NUL.
        if (long result = GiveData(value, type, data, dataLength)) return result;
        if (*nameLength <= value.name.size()) return kErrorMoreData;
        std::memcpy(name, value.name.c_str(), value.name.size() + 1);
        *nameLength = static_cast<U32>(value.name.size());
        return kErrorSuccess;
    }
    long RegQueryInfoKeyA(RegistryKey key, U32* values, U32* longestName, U32* longestData) override {
        auto [error, k] = Access(key, kKeyQueryValue, true);
        if (!k) return error;
        *values = static_cast<U32>(k->size());
        *longestName = *longestData = 0;
        for (const Value& value : *k) {
            *longestName = std::max(*longestName, static_cast<U32>(value.name.size()));
            *longestData = std::max(*longestData, static_cast<U32>(value.data.size()));
        }
        return kErrorSuccess;
    }
    long RegDeleteValueA(RegistryKey key, const std::string& name) override {
        auto [error, k] = Access(key, kKeySetValue);
        if (!k) return error;
        auto value = Find(*k, name);
        if (value == k->end()) return kErrorFileNotFound;
        k->erase(value);
        return kErrorSuccess;
    }

private:
    struct Value {  // the name as first written
        std::string name;
        U32 type;
        std::vector<std::uint8_t> data;
    };
    using Key = std::vector<Value>;  // as they came, as they are listed

    static Key::iterator Find(Key& key, const std::string& name) {
        return std::find_if(key.begin(), key.end(),
                            [&](const Value& v) { return strcasecmp(v.name.c_str(), name.c_str()) == 0; });
    }
    static void Set(Key& key, const std::string& name, U32 type, std::vector<std::uint8_t> data) {
        auto value = Find(key, name);
        if (value == key.end()) value = key.insert(key.end(), Value{name, type, {}});
        value->type = type;
        value->data = std::move(data);
    }
    static std::string FullPath(RegistryKey root, std::string path) {
        for (char& c : path) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return std::to_string(root) + "\\" + path;
    }
    // The stored type always; the data when the buffer holds it, else 234. The length is the data's.
    static long GiveData(const Value& value, U32* type, std::uint8_t* data, U32* length) {
        const auto size = static_cast<U32>(value.data.size());
        const bool fits = *length >= size;
        if (fits && size > 0) std::memcpy(data, value.data.data(), size);
        *type = value.type;
        *length = size;
        return fits ? kErrorSuccess : kErrorMoreData;
    }
    bool WriteDenied(RegistryKey root) const { return root == deniedRoot; }
    void Count(bool readsValues = false) {
        ++calls;
        if (readsValues && beforeQuery) beforeQuery();
    }
    std::pair<long, Key*> Access(RegistryKey handle, U32 neededAccess, bool readsValues = false) {
        Count(readsValues);
        auto opened = handles_.find(handle);
        if (opened == handles_.end()) return {kErrorInvalidHandle, nullptr};
        if ((opened->second.second & neededAccess) != neededAccess) return {kErrorAccessDenied, nullptr};
        auto found = keys_.find(opened->second.first);
        if (found == keys_.end()) return {kErrorFileNotFound, nullptr};
        return {kErrorSuccess, &found->second};
    }
    Key& CreatePath(RegistryKey root, const std::string& path) {
        for (std::size_t pos = path.find('\\'); pos != std::string::npos; pos = path.find('\\', pos + 1)) {
            keys_[FullPath(root, path.substr(0, pos))];
        }
        return keys_[FullPath(root, path)];
    }

    std::map<std::string, Key> keys_;  // by root and lower-case path
    std::map<RegistryKey, std::pair<std::string, U32>> handles_;  // the key's path, the access
    RegistryKey nextHandle_ = 0x1000;
};

// Where the allowed titles are kept, typed here rather than taken from the program's constants.
constexpr RegistryKey kMachine = 0x80000002;
constexpr char kTitlesKey[] = "SOFTWARE\\Tessaly\\Popup\\Windows";

struct SimShell : Shell {
    bool LaunchProgram(const std::string& path, int showStyle) override {
        launches.emplace_back(path, showStyle);
        if (browserInstalled && onLaunch) onLaunch();
        return browserInstalled;
    }
    bool NotifyIcon(std::uint32_t message, const TrayIconRecord& record) override {
        notifications.emplace_back(message, record);
        return taskbarRunning;
    }
    bool NotifyIcon(std::uint32_t message, const BalloonRecord& record) override {
        balloons.emplace_back(message, record);
        return taskbarRunning;
    }
    void EndProcess(int code) override { exitCode = code; iconRequestsAtEnd = notifications.size(); }

    bool browserInstalled = true;
    bool taskbarRunning = true;  // without it (not started yet, or restarting) icons fail
    std::function<void()> onLaunch;  // the launched program's doing, e.g. opening its window

    std::vector<std::pair<std::string, int>> launches;  // (path, show style)
    std::vector<std::pair<std::uint32_t, TrayIconRecord>> notifications;
    std::vector<std::pair<std::uint32_t, BalloonRecord>> balloons;
    std::optional<int> exitCode;  // set once the process has ended
    std::size_t iconRequestsAtEnd = 0;
};

struct SimPlatform {
    SimToolkit toolkit;
    SimWindowSystem windows;
    SimRegistry registry;
    SimShell shell;

    SimPlatform() { windows.post = [this](std::function<void()> deliver) { toolkit.After(0, std::move(deliver)); }; }
};

}  // namespace vexor::sim
