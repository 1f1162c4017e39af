// What the program needs of a desktop toolkit: timers, an event pump and a modal message box.
// Windows and controls are added by the views that need them.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace vexor {

// A periodic timer. Enabling a timer that runs already changes nothing (its countdown goes on);
// enabling a stopped one starts a full period.
class Timer {
public:
    virtual ~Timer() = default;
    // False when the platform could not start the timer (it then stays stopped); stopping always
    // succeeds.
    virtual bool SetEnabled(bool enabled) = 0;
    virtual bool Enabled() const = 0;
};

// Message box styles and answers (MessageBoxA's numbers).
constexpr std::uint32_t kMbYesNo = 4;
constexpr std::uint32_t kMbIconQuestion = 32;
constexpr std::uint32_t kMbIconExclamation = 48;
constexpr std::uint32_t kMbOk = 0;
constexpr std::uint32_t kMbIconError = 16;
constexpr int kIdYes = 6;
constexpr int kIdNo = 7;
// The program's questions (Exit, Delete All): Yes and No, Yes the default.
constexpr std::uint32_t kConfirmStyle = kMbYesNo | kMbIconQuestion;

class Toolkit {
public:
    virtual ~Toolkit() = default;

    // A timer that the platform could not start is returned stopped: check Enabled().
    virtual std::unique_ptr<Timer> CreateTimer(int intervalMs, bool enabled, std::function<void()> onTick) = 0;

    // Waits until at least one event is pending, then lets every pending event run (timer ticks
    // included). Handlers may pump again from inside.
    virtual void PumpEvents() = 0;

    // Modal; events such as timer ticks keep running while it waits. Returns kIdYes, kIdNo, ...
    virtual int ShowMessageBox(const std::string& text, const std::string& caption, std::uint32_t style) = 0;
};

}  // namespace vexor
