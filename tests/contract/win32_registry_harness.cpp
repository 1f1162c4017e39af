#include <memory>

#include "platform/win32/win32_registry.h"

namespace vexor::contract {

std::unique_ptr<RegistryApi> MakeRegistry() { return std::make_unique<win32::Win32RegistryApi>(); }

}  // namespace vexor::contract
