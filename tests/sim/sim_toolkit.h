// A toolkit with a virtual clock: the event pump jumps to the next due timer or scheduled action,
// so settle delays and whole scenarios run at once and always in the same order.
#pragma once

#include <algorithm>
#include <deque>
#include <stdexcept>
#include <tuple>
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
    std::unique_ptr<Timer> CreateTimer(int intervalMs, bool enabled, std::function<void()> onTick) override {
        auto timer = std::make_unique<SimTimer>(*this, intervalMs, std::move(onTick));
        timer->SetEnabled(enabled);
        return timer;
    }
    // Moves the clock to the earliest due event and runs it; of events due together, the one set
    // up first. Throws when nothing is due ever again: a real program would hang there.
    void PumpEvents() override {
        SimTimer* timer = Next();
        if (!timer) throw std::logic_error("event pump: nothing will ever happen (no timer running, nothing scheduled)");
        now_ = std::max(now_, timer->due);
        timer->due += timer->interval;
        timer->enabled = timer->interval > 0;  // a scheduled action runs once
        timer->onTick();
    }
    // Records the box, lets events run for the user's thinking time, then gives the next
    // scripted answer (kIdNo when none is left).
    int ShowMessageBox(const std::string& text, const std::string& caption, std::uint32_t style) override {
        boxes_.push_back({text, caption, style});
        if (onMessageBox) onMessageBox(boxes_.back());
        if (thinkingMs_ > 0) RunFor(thinkingMs_);
        const int answer = answers_.empty() ? kIdNo : answers_.front();
        if (!answers_.empty()) answers_.pop_front();
        return answer;
    }

    std::int64_t Now() const { return now_; }
    // Runs action at virtual time timeMs (at the next pump when that time has passed).
    void At(std::int64_t timeMs, std::function<void()> action) {
        scheduled_.push_back(std::make_unique<SimTimer>(*this, 0, std::move(action)));
        scheduled_.back()->Start(timeMs);
    }
    void After(std::int64_t delayMs, std::function<void()> action) { At(now_ + delayMs, std::move(action)); }
    // Runs every event due within durationMs from now, then sets the clock there.
    void RunFor(std::int64_t durationMs) {
        const std::int64_t end = now_ + durationMs;
        for (SimTimer* next = Next(); next && next->due <= end; next = Next()) PumpEvents();
        now_ = std::max(now_, end);
    }

    // Timers for which this answers true cannot be started, as when the platform runs out of them.
    std::function<bool(const Timer&)> refuseStart;
    // Runs as each message box opens, e.g. to see what state the program shows it in.
    std::function<void(const MessageBoxCall&)> onMessageBox;

    void ScriptAnswer(int answer) { answers_.push_back(answer); }
    void SetUserThinkingMs(std::int64_t ms) { thinkingMs_ = ms; }
    const std::vector<MessageBoxCall>& MessageBoxes() const { return boxes_; }

private:
    // A timer on the virtual clock; with a period of 0, an action that runs once.
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
            return std::make_tuple(!a->enabled, a->due, a->sequence) < std::make_tuple(!b->enabled, b->due, b->sequence);
        });
        return first != timers_.end() && (*first)->enabled ? *first : nullptr;
    }

    std::int64_t now_ = 0;
    std::uint64_t sequence_ = 0;
    std::vector<SimTimer*> timers_;                     // every timer, running or not
    std::vector<std::unique_ptr<SimTimer>> scheduled_;  // the actions of At, kept until the toolkit goes
    std::deque<int> answers_;
    std::int64_t thinkingMs_ = 0;
    std::vector<MessageBoxCall> boxes_;
};

}  // namespace vexor::sim
