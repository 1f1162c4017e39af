#include "platform/win32/win32_registry.h"

namespace vexor::win32 {

namespace {
RegistryKey FromHkey(HKEY key) { return reinterpret_cast<RegistryKey>(key); }
}  // namespace

HKEY ToHkey(RegistryKey key) {
    if (key == kHkeyCurrentUser) return HKEY_CURRENT_USER;
    if (key == kHkeyLocalMachine) return HKEY_LOCAL_MACHINE;
    return reinterpret_cast<HKEY>(key);
}

long Win32RegistryApi::RegOpenKeyExA(RegistryKey root, const std::string& path, std::uint32_t access,
                                     RegistryKey* key) {
    HKEY opened = nullptr;
    const LONG result = ::RegOpenKeyExA(ToHkey(root), path.c_str(), 0, access, &opened);
    if (result == ERROR_SUCCESS) *key = FromHkey(opened);
    return result;
}

long Win32RegistryApi::RegCreateKeyExA(RegistryKey root, const std::string& path, RegistryKey* key) {
    HKEY created = nullptr;
    DWORD disposition = 0;
    const LONG result = ::RegCreateKeyExA(ToHkey(root), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, 0,
                                          nullptr, &created, &disposition);
    if (result == ERROR_SUCCESS) *key = FromHkey(created);
    return result;
}

long Win32RegistryApi::RegQueryValueExA(RegistryKey key, const std::string& name, std::uint32_t* type,
                                        std::uint8_t* data, std::uint32_t* length) {
    DWORD valueType = *type;
    DWORD valueLength = *length;
    const LONG result = ::RegQueryValueExA(ToHkey(key), name.c_str(), nullptr, &valueType, data, &valueLength);
    if (result == ERROR_SUCCESS || result == ERROR_MORE_DATA) {
        *type = valueType;
        *length = valueLength;
    }
    return result;
}

long Win32RegistryApi::RegSetValueExA(RegistryKey key, const std::string& name, std::uint32_t type,
                                      const std::uint8_t* data, std::uint32_t length) {
    return ::RegSetValueExA(ToHkey(key), name.c_str(), 0, type, data, length);
}

long Win32RegistryApi::RegDeleteKeyA(RegistryKey root, const std::string& path) {
    return ::RegDeleteKeyA(ToHkey(root), path.c_str());
}

long Win32RegistryApi::RegCloseKey(RegistryKey key) { return ::RegCloseKey(ToHkey(key)); }

long Win32RegistryApi::RegEnumValueA(RegistryKey key, std::uint32_t index, char* name, std::uint32_t* nameLength,
                                     std::uint32_t* type, std::uint8_t* data, std::uint32_t* dataLength) {
    DWORD nameChars = *nameLength;
    DWORD valueType = *type;
    DWORD valueLength = *dataLength;
    const LONG result =
        ::RegEnumValueA(ToHkey(key), index, name, &nameChars, nullptr, &valueType, data, &valueLength);
    if (result == ERROR_SUCCESS || result == ERROR_MORE_DATA) {
        *nameLength = nameChars;
        *type = valueType;
        *dataLength = valueLength;
    }
    return result;
}

long Win32RegistryApi::RegQueryInfoKeyA(RegistryKey key, std::uint32_t* values, std::uint32_t* longestName,
                                        std::uint32_t* longestData) {
    DWORD count = 0;
    DWORD nameChars = 0;
    DWORD dataBytes = 0;
    const LONG result = ::RegQueryInfoKeyA(ToHkey(key), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count,
                                           &nameChars, &dataBytes, nullptr, nullptr);
    if (result == ERROR_SUCCESS) {
        *values = count;
        *longestName = nameChars;
        *longestData = dataBytes;
    }
    return result;
}

long Win32RegistryApi::RegDeleteValueA(RegistryKey key, const std::string& name) {
    return ::RegDeleteValueA(ToHkey(key), name.c_str());
}

}  // namespace vexor::win32
