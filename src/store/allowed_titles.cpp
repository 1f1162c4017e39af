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

void AllowedTitleStore::Load(TextList& list) {
    list.Clear();
    OpenedKey key = registry_.Open(kWindowsKeyRoot, kWindowsKeyPath, kKeyRead);
    std::optional<std::vector<std::string>> names = key.ValueNames();
    if (!names) return;

    // Indices of any length compare by length first, then digit by digit.
    std::vector<std::pair<std::string, std::string>> titleValues;  // digits, name
    for (std::string& name : *names) {
        if (auto digits = TitleIndexDigits(name)) titleValues.emplace_back(std::move(*digits), std::move(name));
    }
    std::sort(titleValues.begin(), titleValues.end(), [](const auto& a, const auto& b) {
        return a.first.size() != b.first.size() ? a.first.size() < b.first.size() : a.first < b.first;
    });
    for (const auto& [digits, name] : titleValues) {
        if (list.Count() >= kListCapacity) break;
        std::string title = TitleText(key.Read(name, EmptyValue{}));
        if (!title.empty()) list.Append(std::move(title));
    }
}

bool AllowedTitleStore::Rewrite(const TextList& list) {
    // In increasing order of position: the commands only ever move a title to a lower position,
    // so a title is written at its new place before its old place is overwritten.
    std::vector<bool> written(static_cast<std::size_t>(list.Count()), false);
    bool anyTitle = false;
    bool allWritten = true;
    for (int i = 0; i < list.Count(); ++i) {
        if (list.At(i).empty()) continue;
        anyTitle = true;
        const std::string name = kTitleValuePrefix + std::to_string(i);
        if (registry_.WriteValue(kWindowsKeyRoot, kWindowsKeyPath, name, list.At(i))) {
            written[static_cast<std::size_t>(i)] = true;
        } else {
            allWritten = false;
        }
    }
    if (!anyTitle) return Erase();
    return allWritten && RemoveStaleValues(written);
}

bool AllowedTitleStore::RemoveStaleValues(const std::vector<bool>& written) {
    OpenedKey key = registry_.Open(kWindowsKeyRoot, kWindowsKeyPath, kKeyRead | kKeyWrite);
    std::optional<std::vector<std::string>> names = key.ValueNames();
    if (!names) return false;
    bool removedAll = true;
    for (const std::string& name : *names) {
        std::optional<std::string> digits = TitleIndexDigits(name);
        // Positions never have more than five digits; anything longer was not written now.
        if (digits && digits->size() <= 5) {
            const auto position = static_cast<std::size_t>(std::stoi(*digits));
            if (position < written.size() && written[position]) continue;
        }
        if (!key.DeleteValue(name)) removedAll = false;
    }
    return removedAll;
}

bool AllowedTitleStore::Erase() { return registry_.DeleteKey(kWindowsKeyRoot, kWindowsKeyPath); }

}  // namespace vexor
