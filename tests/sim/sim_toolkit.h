// A toolkit with a virtual clock: the event pump jumps to the next due timer or scheduled action,
// so settle delays and whole scenarios run at once and always in the same order.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/toolkit.h"

namespace vexor::sim {

struct MessageBoxCall {
    std::string text;
    std::string caption;
    std::uint32_t style;
};

class SimToolkit : public Toolkit {
public:
    std::unique_ptr<Timer> CreateTimer(int intervalMs, bool enabled, std::function<void()> onTick) override;
    // Moves the clock to the earliest due event and runs it; of events due at the same time, the
    // one set up first. Throws when nothing is due ever again: a real program would hang there.
    void PumpEvents() override;
    // Records the box, lets events run for the user's thinking time, then gives the next
    // scripted answer (kIdNo when none is left).
    int ShowMessageBox(const std::string& text, const std::string& caption, std::uint32_t style) override;

    std::int64_t Now() const { return now_; }
    // Runs action at virtual time timeMs (at the next pump when that time has passed).
    void At(std::int64_t timeMs, std::function<void()> action);
    void After(std::int64_t delayMs, std::function<void()> action) { At(now_ + delayMs, std::move(action)); }
    // Runs every event due up to now + durationMs (or timeMs), then sets the clock there.
    void RunFor(std::int64_t durationMs) { RunUntil(now_ + durationMs); }
    void RunUntil(std::int64_t timeMs);

    // Timers for which this answers true cannot be started, as when the platform runs out of them.
    std::function<bool(const Timer&)> refuseStart;
    // Runs as each message box opens, e.g. to see what state the program shows it in.
    std::function<void(const MessageBoxCall&)> onMessageBox;

    void ScriptAnswer(int answer) { answers_.push_back(answer); }
    void SetUserThinkingMs(std::int64_t ms) { thinkingMs_ = ms; }
    const std::vector<MessageBoxCall>& MessageBoxes() const { return boxes_; }

    struct SimTimer;

private:
    SimTimer* Next() const;

    std::int64_t now_ = 0;
    std::uint64_t sequence_ = 0;
    std::vector<SimTimer*> timers_;                      // every timer, running or not
    std::vector<std::unique_ptr<Timer>> scheduled_;     // the actions of At, as one-shot timers
    std::deque<int> answers_;
    std::int64_t thinkingMs_ = 0;
    std::vector<MessageBoxCall> boxes_;
};

}  // namespace vexor::sim
