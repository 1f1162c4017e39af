// The list types of the monitor's lists: ordered, unsorted text entries with a selection, as a
// list control holds them, and lists of numbers kept as their decimal text.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace vexor {

// A list control counts and places its entries in 16 bits: no list holds more than this many.
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
    // Every entry, by position.
    std::vector<std::string> Entries() const { return {entries_.begin(), entries_.end()}; }

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

}  // namespace vexor
