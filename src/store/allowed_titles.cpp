#include "store/allowed_titles.h"

#include <algorithm>
#include <cctype>
#include <utility>
#include <vector>

namespace vexor {

std::optional<std::string> TitleIndexDigits(const std::string& valueName) {
    const std::string prefix = kTitleValuePrefix;
    if (valueName.size() <= prefix.size()) return std::nullopt;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(valueName[i])) != std::tolower(static_cast<unsigned char>(prefix[i]))) {
            return std::nullopt;
        }
    }
    std::string digits = valueName.substr(prefix.size());
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) return std::nullopt;
    if (digits.size() > 1 && digits[0] == '0') return std::nullopt;
    return digits;
}

std::string TitleText(const RegistryValue& value) {
    if (auto* text = std::get_if<std::string>(&value)) return *text;
    if (auto* number = std::get_if<std::int32_t>(&value)) return std::to_string(*number);
    if (auto* bytes = std::get_if<ByteSequence>(&value)) {
        auto end = std::find(bytes->bytes.begin(), bytes->bytes.end(), std::uint8_t{0});
        return std::string(bytes->bytes.begin(), end);
    }
    return {};
}

std::vector<std::string> AllowedTitleStore::Load() {
    std::vector<std::string> titles;
    std::optional<KeyListing> listing = registry_.Open(kWindowsKeyRoot, kWindowsKeyPath, kKeyRead).Values();
    if (!listing) return titles;

    // The listing comes in the platform's order; indices of any length compare by length first,
    // then digit by digit.
    std::vector<std::pair<std::string, const RegistryValue*>> titleValues;  // digits, value
    for (const NamedValue& value : listing->values) {
        if (auto digits = TitleIndexDigits(value.name)) titleValues.emplace_back(std::move(*digits), &value.value);
    }
    std::sort(titleValues.begin(), titleValues.end(), [](const auto& a, const auto& b) {
        return a.first.size() != b.first.size() ? a.first.size() < b.first.size() : a.first < b.first;
    });
    for (const auto& [digits, value] : titleValues) {
        if (titles.size() >= capacity_) break;
        std::string title = TitleText(*value);
        if (!title.empty()) titles.push_back(std::move(title));
    }
    return titles;
}

bool AllowedTitleStore::Rewrite(const std::vector<std::string>& titles) {
    const bool anyTitle = std::any_of(titles.begin(), titles.end(), [](const std::string& t) { return !t.empty(); });
    if (!anyTitle) return Erase();

    OpenedKey key = registry_.OpenCreating(kWindowsKeyRoot, kWindowsKeyPath, kKeyRead | kKeyWrite);
    // In increasing order of position: the commands only ever move a title to a lower position,
    // so a title is written at its new place before its old place is overwritten. The first
    // failed write ends the rewrite, before a later one could overwrite the old place of the
    // title it did not store.
    std::vector<bool> written(titles.size(), false);
    std::uint32_t writtenCount = 0;
    for (std::size_t i = 0; i < titles.size(); ++i) {
        if (titles[i].empty()) continue;
        if (!key.Write(kTitleValuePrefix + std::to_string(i), titles[i])) return false;
        written[i] = true;
        ++writtenCount;
    }
    // Every written name is in the key, so as many values as writes means nothing else is.
    std::optional<KeyInfo> info = key.Info();
    if (info && info->values == writtenCount) return true;
    return RemoveStaleValues(key, written);
}

bool AllowedTitleStore::RemoveStaleValues(const OpenedKey& key, const std::vector<bool>& written) {
    std::optional<KeyListing> listing = key.Values();
    // A value that could not be listed might be stale.
    if (!listing || listing->unreadable > 0) return false;
    bool removedAll = true;
    for (const NamedValue& value : listing->values) {
        std::optional<std::string> digits = TitleIndexDigits(value.name);
        // Positions never have more than five digits; anything longer was not written now.
        if (digits && digits->size() <= 5) {
            const auto position = static_cast<std::size_t>(std::stoi(*digits));
            if (position < written.size() && written[position]) continue;
        }
        if (!key.DeleteValue(value.name)) removedAll = false;
    }
    return removedAll;
}

bool AllowedTitleStore::Erase() { return registry_.DeleteKey(kWindowsKeyRoot, kWindowsKeyPath); }

}  // namespace vexor
