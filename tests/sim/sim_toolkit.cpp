#include "sim/sim_toolkit.h"

#include <algorithm>
#include <stdexcept>

namespace vexor::sim {

struct SimToolkit::SimTimer : Timer {
    SimToolkit& owner;
    int interval;
    bool enabled = false;
    std::int64_t due = 0;
    std::uint64_t sequence = 0;
    std::function<void()> onTick;

    SimTimer(SimToolkit& o, int i, std::function<void()> tick) : owner(o), interval(i), onTick(std::move(tick)) {}
    ~SimTimer() override {
        auto& timers = owner.timers_;
        timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
    }
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

SimToolkit::SimToolkit() = default;

SimToolkit::~SimToolkit() {
    // Timers that outlive the toolkit must not reach back into it.
    for (SimTimer* timer : timers_) timer->enabled = false;
}

std::unique_ptr<Timer> SimToolkit::CreateTimer(int intervalMs, bool enabled, std::function<void()> onTick) {
    auto timer = std::make_unique<SimTimer>(*this, intervalMs, std::move(onTick));
    timers_.push_back(timer.get());
    timer->SetEnabled(enabled);
    return timer;
}

bool SimToolkit::NextDue(std::int64_t* due) const {
    bool found = false;
    for (const SimTimer* timer : timers_) {
        if (timer->enabled && (!found || timer->due < *due)) {
            *due = timer->due;
            found = true;
        }
    }
    for (const Scheduled& item : scheduled_) {
        if (!found || item.due < *due) {
            *due = item.due;
            found = true;
        }
    }
    return found;
}

void SimToolkit::PumpEvents() {
    // Pick the earliest event; among equal times the timer created (or scheduled) first.
    SimTimer* timer = nullptr;
    std::size_t action = scheduled_.size();
    std::int64_t bestDue = 0;
    std::uint64_t bestSequence = 0;
    auto better = [&](std::int64_t due, std::uint64_t sequence) {
        return (timer == nullptr && action == scheduled_.size()) || due < bestDue ||
               (due == bestDue && sequence < bestSequence);
    };
    for (SimTimer* candidate : timers_) {
        if (candidate->enabled && better(candidate->due, candidate->sequence)) {
            timer = candidate;
            action = scheduled_.size();
            bestDue = candidate->due;
            bestSequence = candidate->sequence;
        }
    }
    for (std::size_t i = 0; i < scheduled_.size(); ++i) {
        if (better(scheduled_[i].due, scheduled_[i].sequence)) {
            timer = nullptr;
            action = i;
            bestDue = scheduled_[i].due;
            bestSequence = scheduled_[i].sequence;
        }
    }
    if (timer == nullptr && action == scheduled_.size()) {
        throw std::logic_error("event pump: nothing will ever happen (no timer running, nothing scheduled)");
    }
    now_ = std::max(now_, bestDue);
    if (timer != nullptr) {
        // Missed periods coalesce into one tick, as WM_TIMER does.
        do timer->due += timer->interval; while (timer->due <= now_);
        timer->onTick();
    } else {
        std::function<void()> run = std::move(scheduled_[action].action);
        scheduled_.erase(scheduled_.begin() + static_cast<std::ptrdiff_t>(action));
        run();
    }
}

int SimToolkit::ShowMessageBox(const std::string& text, const std::string& caption, std::uint32_t style) {
    boxes_.push_back({text, caption, style});
    if (onMessageBox) onMessageBox(boxes_.back());
    if (thinkingMs_ > 0) RunFor(thinkingMs_);
    if (answers_.empty()) return kIdNo;
    int answer = answers_.front();
    answers_.pop_front();
    return answer;
}

void SimToolkit::At(std::int64_t timeMs, std::function<void()> action) {
    scheduled_.push_back({timeMs, sequence_++, std::move(action)});
}

void SimToolkit::RunFor(std::int64_t durationMs) { RunUntil(now_ + durationMs); }

void SimToolkit::RunUntil(std::int64_t timeMs) {
    std::int64_t due = 0;
    while (NextDue(&due) && due <= timeMs) PumpEvents();
    now_ = std::max(now_, timeMs);
}

}  // namespace vexor::sim
