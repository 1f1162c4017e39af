// A registry in memory with the platform's return codes: 2 for what is missing, 5 for what the
// access mask or the user's rights do not allow, 234 with the needed length for a short buffer,
// 259 past the last value, NT's refusal to delete a key that has subkeys, case-insensitive names.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <unordered_map>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace vexor::sim {

struct SimValue {
    std::string name;  // as first written
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
};

class SimRegistry : public RegistryApi {
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

    // A user without write rights on HKEY_LOCAL_MACHINE: reads work, every change gives 5.
    void DenyMachineWrites(bool deny) { denyMachineWrites_ = deny; }
    // After this many more calls the registry stops answering, as if the process had ended:
    // later calls change nothing and fail.
    void StopAnsweringAfter(long calls) { callsLeft_ = calls; }
    // Runs before every call that reads values (query, enumeration, key information), e.g. to
    // change a value between the two queries of one read.
    void SetBeforeQuery(std::function<void()> hook) { beforeQuery_ = std::move(hook); }

    // Direct access for tests, outside the counted calls.
    void Put(RegistryKey root, const std::string& path, const std::string& name, std::uint32_t type,
             std::vector<std::uint8_t> data);
    void PutText(RegistryKey root, const std::string& path, const std::string& name, const std::string& text);
    bool KeyExists(RegistryKey root, const std::string& path) const;
    const SimValue* Find(RegistryKey root, const std::string& path, const std::string& name) const;
    // Values in the platform's enumeration order; empty for a missing key.
    std::vector<SimValue> Values(RegistryKey root, const std::string& path);
    // "name=text" of every value of a key holding text, sorted: what a test compares.
    std::vector<std::string> TextValues(RegistryKey root, const std::string& path);
    int OpenHandles() const { return static_cast<int>(handles_.size()); }
    long CallCount() const { return calls_; }

private:
    // Values by lower-case name; enumeration follows creation order.
    struct Key {
        std::unordered_map<std::string, SimValue> values;
        std::map<std::uint64_t, std::string> order;  // creation sequence -> lower-case name
        std::unordered_map<std::string, std::uint64_t> sequenceOf;
        std::vector<std::string> orderCache;  // rebuilt after a change, for O(1) enumeration
        bool orderDirty = false;
    };
    struct Handle {
        std::string path;  // full, lower case, with the root
        std::uint32_t access;
    };
    static std::string Lower(std::string text);
    static std::string FullPath(RegistryKey root, const std::string& path);
    bool Answering();
    bool WriteDenied(const std::string& fullPath) const;
    Key* KeyOf(RegistryKey key, std::uint32_t neededAccess, long* error);
    void SetValue(Key& key, const std::string& name, std::uint32_t type, std::vector<std::uint8_t> data);
    static const std::vector<std::string>& Order(Key& key);
    static long GiveData(const SimValue& value, std::uint32_t* type, std::uint8_t* data, std::uint32_t* length);

    std::map<std::string, Key> keys_;  // full lower-case path -> key
    std::map<RegistryKey, Handle> handles_;
    RegistryKey nextHandle_ = 0x1000;
    std::uint64_t nextSequence_ = 0;
    bool denyMachineWrites_ = false;
    long callsLeft_ = -1;  // -1: no limit
    long calls_ = 0;
    std::function<void()> beforeQuery_;
};

}  // namespace vexor::sim
