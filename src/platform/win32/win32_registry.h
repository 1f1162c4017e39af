// The registry API over the real advapi32 "A" functions. Keys it opens are owned by the caller's
// OpenedKey, which closes each exactly once.
#pragma once

#include <windows.h>

#include "platform/registry.h"

namespace vexor::win32 {

// The predefined roots keep their platform values (sign-extended on 64-bit Windows); opened keys
// pass through unchanged.
HKEY ToHkey(RegistryKey key);

class Win32RegistryApi : public RegistryApi {
public:
    long RegOpenKeyExA(RegistryKey root, const std::string& path, std::uint32_t access, RegistryKey* key) override;
    long RegCreateKeyExA(RegistryKey root, const std::string& path, RegistryKey* key) override;
    long RegQueryValueExA(RegistryKey key, const std::string& name, std::uint32_t* type, std::uint8_t* data,
                          std::uint32_t* length) override;
    long RegSetValueExA(RegistryKey key, const std::string& name, std::uint32_t type, const std::uint8_t* data,
                        std::uint32_t length) override;
    long RegDeleteKeyA(RegistryKey root, const std::string& path) override;
    long RegCloseKey(RegistryKey key) override;
    long RegEnumValueA(RegistryKey key, std::uint32_t index, char* name, std::uint32_t* nameLength, std::uint32_t* type,
                       std::uint8_t* data, std::uint32_t* dataLength) override;
    long RegQueryInfoKeyA(RegistryKey key, std::uint32_t* values, std::uint32_t* longestName,
                          std::uint32_t* longestData) override;
    long RegDeleteValueA(RegistryKey key, const std::string& name) override;
};

}  // namespace vexor::win32
