#include "store/notify_setting.h"

namespace vexor {

bool NotifySetting::Load() {
    const RegistryValue stored = registry_.ReadValue(kSettingsRoot, kSettingsPath, kNotifyWhenHidingValue);
    const auto* number = std::get_if<std::int32_t>(&stored);
    return number == nullptr || *number != 0;
}

bool NotifySetting::Save(bool on) {
    return registry_.WriteValue(kSettingsRoot, kSettingsPath, kNotifyWhenHidingValue, std::int32_t{on ? 1 : 0});
}

}  // namespace vexor
