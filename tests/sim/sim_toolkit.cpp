#include "sim/sim_toolkit.h"

#include <algorithm>
#include <stdexcept>
#include <tuple>

namespace vexor::sim {

// A period of 0 makes a one-shot timer: a scheduled action.
struct SimToolkit::SimTimer : Timer {
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
    bool SetEnabled(bool on) override {
        if (on && !enabled) {
            if (owner.refuseStart && owner.refuseStart(*this)) return false;
            due = owner.now_ + interval;
            sequence = owner.sequence_++;
        }
        enabled = on;
        return true;
    }
    bool Enabled() const override { return enabled; }
    int IntervalMs() const override { return interval; }
};

std::unique_ptr<Timer> SimToolkit::CreateTimer(int intervalMs, bool enabled, std::function<void()> onTick) {
    auto timer = std::make_unique<SimTimer>(*this, intervalMs, std::move(onTick));
    timer->SetEnabled(enabled);
    return timer;
}

void SimToolkit::At(std::int64_t timeMs, std::function<void()> action) {
    auto once = std::make_unique<SimTimer>(*this, 0, std::move(action));
    once->enabled = true;
    once->due = timeMs;
    once->sequence = sequence_++;
    scheduled_.push_back(std::move(once));
}

SimToolkit::SimTimer* SimToolkit::Next() const {
    SimTimer* next = nullptr;
    for (SimTimer* timer : timers_) {
        if (timer->enabled && (!next || std::tie(timer->due, timer->sequence) < std::tie(next->due, next->sequence))) {
            next = timer;
        }
    }
    return next;
}

void SimToolkit::PumpEvents() {
    SimTimer* timer = Next();
    if (!timer) throw std::logic_error("event pump: nothing will ever happen (no timer running, nothing scheduled)");
    now_ = std::max(now_, timer->due);
    if (timer->interval > 0) {
        // Missed periods coalesce into one tick, as WM_TIMER does.
        do timer->due += timer->interval; while (timer->due <= now_);
        timer->onTick();
        return;
    }
    auto owned = std::find_if(scheduled_.begin(), scheduled_.end(), [&](auto& once) { return once.get() == timer; });
    std::unique_ptr<Timer> once = std::move(*owned);
    scheduled_.erase(owned);
    timer->enabled = false;
    timer->onTick();
}

void SimToolkit::RunUntil(std::int64_t timeMs) {
    for (SimTimer* timer = Next(); timer && timer->due <= timeMs; timer = Next()) PumpEvents();
    now_ = std::max(now_, timeMs);
}

int SimToolkit::ShowMessageBox(const std::string& text, const std::string& caption, std::uint32_t style) {
    boxes_.push_back({text, caption, style});
    if (onMessageBox) onMessageBox(boxes_.back());
    if (thinkingMs_ > 0) RunFor(thinkingMs_);
    if (answers_.empty()) return kIdNo;
    const int answer = answers_.front();
    answers_.pop_front();
    return answer;
}

}  // namespace vexor::sim
