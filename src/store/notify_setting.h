// The user's own switch for the notice of a hidden pop-up: a REG_DWORD under the user's key, 1 on
// and 0 off. The allowed titles stay machine-wide; this choice is each user's.
#pragma once

#include "platform/registry.h"

namespace vexor {

constexpr RegistryKey kSettingsRoot = kHkeyCurrentUser;
constexpr char kSettingsPath[] = "Software\\Tessaly\\Popup";
constexpr char kNotifyWhenHidingValue[] = "NotifyWhenHiding";

class NotifySetting {
public:
    explicit NotifySetting(RegistryModule& registry) : registry_(registry) {}

    // On unless stored as 0: a missing or unreadable value is the new user's default.
    bool Load();
    // True when the choice is stored.
    bool Save(bool on);

private:
    RegistryModule& registry_;
};

}  // namespace vexor
