// The allowed-title list in the registry: one REG_SZ value per title under the Windows key,
// named "Window" + the title's position in the list.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace vexor {

constexpr RegistryKey kWindowsKeyRoot = kHkeyLocalMachine;
constexpr char kWindowsKeyPath[] = "SOFTWARE\\Tessaly\\Popup\\Windows";
constexpr char kTitleValuePrefix[] = "Window";

// The decimal index in a title value's name: "Window" (in any case, as registry names are) and
// digits without sign or leading zeros. nullopt for any other name (Window07, Foo).
std::optional<std::string> TitleIndexDigits(const std::string& valueName);

// A stored value as a title: text as it is, a 32-bit integer as its decimal digits, a byte
// sequence as its bytes read as ANSI characters up to the first zero byte, anything else empty.
std::string TitleText(const RegistryValue& value);

class AllowedTitleStore {
public:
    // capacity: the most titles the list they are loaded into holds.
    AllowedTitleStore(RegistryModule& registry, std::size_t capacity) : registry_(registry), capacity_(capacity) {}

    // The stored titles, read in one pass: every title value in increasing order of index, empty
    // texts and unreadable values skipped, the first `capacity` of them. A missing key gives none.
    std::vector<std::string> Load();

    // Stores every non-empty title under its position in `titles` (empty ones hold their place),
    // then removes every other value of the key. When a write fails the old values stay, so
    // nothing stored is lost. Titles without a non-empty one leave no key. True when the key now
    // holds exactly the titles.
    bool Rewrite(const std::vector<std::string>& titles);

    // Deletes the key. True when it is gone (or was never there).
    bool Erase();

private:
    // Removes every value of the key whose name is not a written position.
    static bool RemoveStaleValues(const OpenedKey& key, const std::vector<bool>& written);

    RegistryModule& registry_;
    std::size_t capacity_;
};

}  // namespace vexor
