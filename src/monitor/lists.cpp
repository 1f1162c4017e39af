#include "monitor/lists.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace vexor {

void TextList::Append(std::string text) {
    if (entries_.size() >= static_cast<std::size_t>(kListCapacity)) RemoveAt(0);
    entries_.push_back(std::move(text));
    if (observer_) observer_->OnAppended(entries_.back());
}

bool TextList::RemoveAt(int position) {
    if (!IsValidPosition(position)) return false;
    entries_.erase(entries_.begin() + position);
    // A list control drops the selection with the selected entry and keeps it on the same entry
    // when an earlier one goes.
    if (selected_ == position) {
        selected_ = -1;
    } else if (selected_ > position) {
        --selected_;
    }
    if (observer_) observer_->OnRemoved(position);
    return true;
}

void TextList::Clear() {
    entries_.clear();
    selected_ = -1;
    if (observer_) observer_->OnCleared();
}

void NumberList::Append(std::int32_t value) {
    if (text_.Count() >= kListCapacity) values_.pop_front();
    std::string text = std::to_string(value);
    // The comparison value is what the text converts to, as the list's text is what counts.
    values_.push_back(std::strtod(text.c_str(), nullptr));
    text_.Append(std::move(text));
}

bool NumberList::Contains(std::int32_t value) const {
    const double wanted = static_cast<double>(value);
    return std::find(values_.begin(), values_.end(), wanted) != values_.end();
}

}  // namespace vexor
