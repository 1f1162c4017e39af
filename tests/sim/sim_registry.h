// A registry in memory with the platform's return codes: 2 for what is missing, 5 for what the
// access mask or the user's rights do not allow, 234 with the needed length for a short buffer,
// 259 past the last value, no deleting a key that has subkeys, names in any case. A key lists its
// values in the order they were created.
#pragma once

#include <algorithm>
#include <cctype>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/registry.h"

namespace vexor::sim {

class SimRegistry : public RegistryApi {
public:
    // A user without write rights on HKEY_LOCAL_MACHINE: reads work, every change there gives 5.
    void DenyMachineWrites(bool deny) { denyMachineWrites_ = deny; }
    // Asked before every call: a refused call fails with 21 and changes nothing. Refusing every call
    // from the Nth on is a process that ended there; refusing only the Nth, one failed write.
    void RefuseCalls(std::function<bool()> refuse) { refuse_ = std::move(refuse); }
    // Runs before every call that reads values (query, enumeration, key information), e.g. to
    // change a value between the two queries of one read.
    void SetBeforeQuery(std::function<void()> hook) { beforeQuery_ = std::move(hook); }

    // Direct access for tests, outside the counted calls. Put creates the key and its parents.
    void Put(RegistryKey root, const std::string& path, const std::string& name, std::uint32_t type,
             std::vector<std::uint8_t> data) {
        CreatePath(root, path).Set(name, type, std::move(data));
    }
    void PutText(RegistryKey root, const std::string& path, const std::string& name, const std::string& text) {
        Put(root, path, name, kRegSz, std::vector<std::uint8_t>(text.c_str(), text.c_str() + text.size() + 1));
    }
    bool KeyExists(RegistryKey root, const std::string& path) const { return keys_.count(FullPath(root, path)) != 0; }
    // "name=text" of every REG_SZ value of a key, sorted: what a test compares.
    std::vector<std::string> TextValues(RegistryKey root, const std::string& path) const {
        std::vector<std::string> texts;
        auto key = keys_.find(FullPath(root, path));
        if (key == keys_.end()) return texts;
        for (const Value* value : key->second.order) {
            const std::string data(value->data.begin(), value->data.end());
            if (value->type == kRegSz) texts.push_back(value->name + "=" + data.c_str());  // up to the NUL
        }
        std::sort(texts.begin(), texts.end());
        return texts;
    }
    int OpenHandles() const { return static_cast<int>(handles_.size()); }
    long CallCount() const { return calls_; }

    long RegOpenKeyExA(RegistryKey root, const std::string& path, std::uint32_t access, RegistryKey* key) override {
        if (!Answering()) return kErrorNotReady;
        if (!KeyExists(root, path)) return kErrorFileNotFound;
        if ((access & kKeySetValue) && WriteDenied(root)) return kErrorAccessDenied;
        handles_[*key = nextHandle_++] = {FullPath(root, path), access};
        return kErrorSuccess;
    }
    long RegCreateKeyExA(RegistryKey root, const std::string& path, RegistryKey* key) override {
        if (!Answering()) return kErrorNotReady;
        if (!KeyExists(root, path) && WriteDenied(root)) return kErrorAccessDenied;
        CreatePath(root, path);
        handles_[*key = nextHandle_++] = {FullPath(root, path), 0};
        return kErrorSuccess;
    }
    long RegQueryValueExA(RegistryKey key, const std::string& name, std::uint32_t* type, std::uint8_t* data,
                          std::uint32_t* length) override {
        auto [error, k] = Access(key, kKeyQueryValue, true);
        if (!k) return error;
        auto value = k->values.find(Lower(name));
        return value == k->values.end() ? kErrorFileNotFound : GiveData(value->second, type, data, length);
    }
    long RegSetValueExA(RegistryKey key, const std::string& name, std::uint32_t type, const std::uint8_t* data,
                        std::uint32_t length) override {
        auto [error, k] = Access(key, kKeySetValue);
        if (k) k->Set(name, type, std::vector<std::uint8_t>(data, data + length));
        return error;
    }
    long RegDeleteKeyA(RegistryKey root, const std::string& path) override {
        if (!Answering()) return kErrorNotReady;
        const std::string full = FullPath(root, path);
        if (!keys_.count(full)) return kErrorFileNotFound;
        auto next = keys_.lower_bound(full + "\\");
        if (WriteDenied(root) || (next != keys_.end() && next->first.rfind(full + "\\", 0) == 0)) return kErrorAccessDenied;
        keys_.erase(full);
        return kErrorSuccess;
    }
    long RegCloseKey(RegistryKey key) override {
        if (!Answering()) return kErrorNotReady;
        return handles_.erase(key) ? kErrorSuccess : kErrorInvalidHandle;
    }
    long RegEnumValueA(RegistryKey key, std::uint32_t index, char* name, std::uint32_t* nameLength, std::uint32_t* type,
                       std::uint8_t* data, std::uint32_t* dataLength) override {
        auto [error, k] = Access(key, kKeyQueryValue, true);
        if (!k) return error;
        if (index >= k->order.size()) return kErrorNoMoreItems;
        const Value& value = *k->order[index];
        // The data first, as the platform does; the name needs room for its NUL.
        if (long result = GiveData(value, type, data, dataLength)) return result;
        if (*nameLength <= value.name.size()) return kErrorMoreData;
        std::memcpy(name, value.name.c_str(), value.name.size() + 1);
        *nameLength = static_cast<std::uint32_t>(value.name.size());
        return kErrorSuccess;
    }
    long RegQueryInfoKeyA(RegistryKey key, std::uint32_t* values, std::uint32_t* longestName,
                          std::uint32_t* longestData) override {
        auto [error, k] = Access(key, kKeyQueryValue, true);
        if (!k) return error;
        *values = static_cast<std::uint32_t>(k->values.size());
        *longestName = *longestData = 0;
        for (const Value* value : k->order) {
            *longestName = std::max(*longestName, static_cast<std::uint32_t>(value->name.size()));
            *longestData = std::max(*longestData, static_cast<std::uint32_t>(value->data.size()));
        }
        return kErrorSuccess;
    }
    long RegDeleteValueA(RegistryKey key, const std::string& name) override {
        auto [error, k] = Access(key, kKeySetValue);
        if (!k) return error;
        auto value = k->values.find(Lower(name));
        if (value == k->values.end()) return kErrorFileNotFound;
        k->order.erase(std::find(k->order.begin(), k->order.end(), &value->second));
        k->values.erase(value);
        return kErrorSuccess;
    }

private:
    static constexpr long kErrorNotReady = 21;

    struct Value {  // the name as first written
        std::string name;
        std::uint32_t type;
        std::vector<std::uint8_t> data;
    };
    struct Key {
        std::unordered_map<std::string, Value> values;  // by lower-case name
        std::vector<const Value*> order;                // as they came, as they are listed
        void Set(const std::string& name, std::uint32_t type, std::vector<std::uint8_t> data) {
            auto [value, added] = values.try_emplace(Lower(name), Value{name, type, {}});
            if (added) order.push_back(&value->second);
            value->second.type = type;
            value->second.data = std::move(data);
        }
    };

    static std::string Lower(std::string text) {
        for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return text;
    }
    static std::string FullPath(RegistryKey root, const std::string& path) { return std::to_string(root) + "\\" + Lower(path); }
    // The stored type always; the data when the buffer holds it, else 234. The length is the data's.
    static long GiveData(const Value& value, std::uint32_t* type, std::uint8_t* data, std::uint32_t* length) {
        const auto size = static_cast<std::uint32_t>(value.data.size());
        const bool fits = *length >= size;
        if (fits && size > 0) std::memcpy(data, value.data.data(), size);
        *type = value.type;
        *length = size;
        return fits ? kErrorSuccess : kErrorMoreData;
    }
    bool WriteDenied(RegistryKey root) const { return denyMachineWrites_ && root == kHkeyLocalMachine; }
    // Counts the call; false when it is refused. Calls that read values run the hook first.
    bool Answering(bool readsValues = false) {
        ++calls_;
        if (refuse_ && refuse_()) return false;
        if (readsValues && beforeQuery_) beforeQuery_();
        return true;
    }
    // An answered call on an open key: the key when the handle has the access needed, else the error.
    std::pair<long, Key*> Access(RegistryKey handle, std::uint32_t neededAccess, bool readsValues = false) {
        if (!Answering(readsValues)) return {kErrorNotReady, nullptr};
        auto opened = handles_.find(handle);
        if (opened == handles_.end()) return {kErrorInvalidHandle, nullptr};
        if ((opened->second.second & neededAccess) != neededAccess) return {kErrorAccessDenied, nullptr};
        auto found = keys_.find(opened->second.first);
        if (found == keys_.end()) return {kErrorFileNotFound, nullptr};
        return {kErrorSuccess, &found->second};
    }
    Key& CreatePath(RegistryKey root, const std::string& path) {
        for (std::size_t pos = path.find('\\'); pos != std::string::npos; pos = path.find('\\', pos + 1)) {
            keys_[FullPath(root, path.substr(0, pos))];
        }
        return keys_[FullPath(root, path)];
    }

    std::map<std::string, Key> keys_;  // by root and lower-case path
    std::map<RegistryKey, std::pair<std::string, std::uint32_t>> handles_;  // the key's path, the access
    RegistryKey nextHandle_ = 0x1000;
    bool denyMachineWrites_ = false;
    long calls_ = 0;
    std::function<bool()> refuse_;
    std::function<void()> beforeQuery_;
};

// Where the program keeps the allowed titles, as the behaviour names them: HKEY_LOCAL_MACHINE and
// this path. Tests reach the key by these, never through the program's own constants.
constexpr RegistryKey kMachine = 0x80000002;
constexpr char kTitlesKey[] = "SOFTWARE\\Tessaly\\Popup\\Windows";

}  // namespace vexor::sim
