// The monitor's working data: four ordered text lists, the last pop-up, and three timers with the
// settle delay built on one of them.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <deque>

#include "platform/toolkit.h"
#include "platform/window_system.h"

namespace vexor {

// Counts and positions are 16-bit; no list holds more than this many entries.
constexpr int kListCapacity = 32767;

// Told about every change, so that a view can mirror a list in a real list control.
class ListObserver {
public:
    virtual ~ListObserver() = default;
    virtual void OnAppended(const std::string& text) = 0;
    virtual void OnRemoved(int position) = 0;
    virtual void OnCleared() = 0;
};

// An ordered, unsorted list of text entries with a selection, as a list control holds them.
class TextList {
public:
    // Appends at the end. A full list first drops its oldest (first) entry, so the count never
    // goes past the 16-bit limit.
    void Append(std::string text);
    // Returns false, and changes nothing, when no entry stands at that position.
    bool RemoveAt(int position);
    void Clear();
    std::int16_t Count() const { return static_cast<std::int16_t>(entries_.size()); }
    // The entry at a valid position.
    const std::string& At(int position) const { return entries_[static_cast<std::size_t>(position)]; }
    bool IsValidPosition(int position) const { return position >= 0 && position < Count(); }

    // The selected position, -1 when nothing is selected.
    int Selected() const { return selected_; }
    void Select(int position) { selected_ = IsValidPosition(position) ? position : -1; }
    // The selected entry, or nullptr with nothing selected.
    const std::string* SelectedEntry() const { return selected_ >= 0 ? &At(selected_) : nullptr; }

    void SetObserver(ListObserver* observer) { observer_ = observer; }

private:
    std::deque<std::string> entries_;
    int selected_ = -1;
    ListObserver* observer_ = nullptr;
};

// A list of 32-bit numbers held as their decimal text ("-" for negatives, no leading zeros).
// Entries compare with a value through double precision; each entry is parsed once, on append.
class NumberList {
public:
    void Append(std::int32_t value);
    std::int16_t Count() const { return text_.Count(); }
    const std::string& At(int position) const { return text_.At(position); }
    double ValueAt(int position) const { return values_[static_cast<std::size_t>(position)]; }
    bool Contains(std::int32_t value) const;
    void SetObserver(ListObserver* observer) { text_.SetObserver(observer); }

private:
    TextList text_;
    std::deque<double> values_;
};

// The four lists, named after the list controls that hold them.
struct MonitorLists {
    TextList OKPopups;      // allowed titles; position = registry index
    NumberList OKWindows;   // known browsing-window handles
    NumberList OKWinSizes;  // allowed size sums; empty means a snapshot is pending
    TextList LContained;    // titles of trapped pop-ups
};

// The last trapped pop-up: one handle for the whole process, 0 at start, never reset.
WindowHandle LastPopup();
void SetLastPopup(WindowHandle window);

constexpr int kForegroundCheckPeriodMs = 1000;  // Timer1
constexpr int kSizeLearningPeriodMs = 2000;     // Timer2
constexpr int kSettlePeriodMs = 2000;           // Delaying

// Lists and timers as the Popup Viewer creates them: empty lists, Timer1 and Timer2 running,
// the settle timer stopped.
class MonitorState {
public:
    MonitorState(Toolkit& toolkit, std::function<void()> foregroundCheckTick,
                 std::function<void()> sizeLearningTick);

    MonitorLists lists;

    Timer& Timer1() { return *foregroundCheck_; }
    Timer& Timer2() { return *sizeLearning_; }
    Timer& Delaying() { return *settle_; }

    // Enables the settle timer and lets pending events run until its first tick has stopped it,
    // about 2000 ms later. False, at once, when the settle timer cannot be started.
    bool SettleDelay();

    // Told when a snapshot had to go without its settle delay because the settle timer could not
    // be started.
    std::function<void()> settleTimerFailed;

private:
    Toolkit& toolkit_;
    std::unique_ptr<Timer> settle_;
    std::unique_ptr<Timer> sizeLearning_;
    std::unique_ptr<Timer> foregroundCheck_;
};

}  // namespace vexor
