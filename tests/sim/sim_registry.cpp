#include "sim/sim_registry.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace vexor::sim {

namespace {
constexpr long kErrorNotReady = 21;
constexpr long kErrorKeyDeleted = 1018;
}  // namespace

std::string SimRegistry::Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string SimRegistry::FullPath(RegistryKey root, const std::string& path) {
    return Lower(std::to_string(root) + "\\" + path);
}

bool SimRegistry::Answering() {
    ++calls_;
    if (callsLeft_ < 0) return true;
    if (callsLeft_ == 0) return false;
    --callsLeft_;
    return true;
}

bool SimRegistry::WriteDenied(const std::string& fullPath) const {
    return denyMachineWrites_ && fullPath.rfind(Lower(std::to_string(kHkeyLocalMachine)) + "\\", 0) == 0;
}

SimRegistry::Key* SimRegistry::KeyOf(RegistryKey key, std::uint32_t neededAccess, long* error) {
    auto handle = handles_.find(key);
    if (handle == handles_.end()) {
        *error = kErrorInvalidHandle;
        return nullptr;
    }
    if ((handle->second.access & neededAccess) != neededAccess) {
        *error = kErrorAccessDenied;
        return nullptr;
    }
    auto found = keys_.find(handle->second.path);
    if (found == keys_.end()) {
        *error = kErrorKeyDeleted;
        return nullptr;
    }
    return &found->second;
}

void SimRegistry::SetValue(Key& key, const std::string& name, std::uint32_t type, std::vector<std::uint8_t> data) {
    const std::string lower = Lower(name);
    auto found = key.values.find(lower);
    if (found != key.values.end()) {
        found->second.type = type;
        found->second.data = std::move(data);
        return;
    }
    key.values[lower] = {name, type, std::move(data)};
    key.order[nextSequence_] = lower;
    key.sequenceOf[lower] = nextSequence_++;
    key.orderDirty = true;
}

const std::vector<std::string>& SimRegistry::Order(Key& key) {
    if (key.orderDirty || key.orderCache.size() != key.order.size()) {
        key.orderCache.clear();
        for (const auto& entry : key.order) key.orderCache.push_back(entry.second);
        key.orderDirty = false;
    }
    return key.orderCache;
}

long SimRegistry::RegOpenKeyExA(RegistryKey root, const std::string& path, std::uint32_t access, RegistryKey* key) {
    if (!Answering()) return kErrorNotReady;
    const std::string full = FullPath(root, path);
    if (!keys_.count(full)) return kErrorFileNotFound;
    if ((access & kKeySetValue) && WriteDenied(full)) return kErrorAccessDenied;
    *key = nextHandle_++;
    handles_[*key] = {full, access};
    return kErrorSuccess;
}

long SimRegistry::RegCreateKeyExA(RegistryKey root, const std::string& path, RegistryKey* key) {
    if (!Answering()) return kErrorNotReady;
    const std::string full = FullPath(root, path);
    if (!keys_.count(full)) {
        if (WriteDenied(full)) return kErrorAccessDenied;
        // Every missing level is created.
        for (std::size_t pos = path.find('\\'); pos != std::string::npos; pos = path.find('\\', pos + 1)) {
            keys_[FullPath(root, path.substr(0, pos))];
        }
        keys_[full];
    }
    *key = nextHandle_++;
    handles_[*key] = {full, 0};
    return kErrorSuccess;
}

long SimRegistry::RegQueryValueExA(RegistryKey key, const std::string& name, std::uint32_t* type,
                                   std::uint8_t* data, std::uint32_t* length) {
    if (!Answering()) return kErrorNotReady;
    if (beforeQuery_) beforeQuery_();
    long error = 0;
    Key* k = KeyOf(key, kKeyQueryValue, &error);
    if (!k) return error;
    auto found = k->values.find(Lower(name));
    if (found == k->values.end()) return kErrorFileNotFound;
    return GiveData(found->second, type, data, length);
}

long SimRegistry::GiveData(const SimValue& value, std::uint32_t* type, std::uint8_t* data, std::uint32_t* length) {
    *type = value.type;
    const auto size = static_cast<std::uint32_t>(value.data.size());
    if (data == nullptr) {
        *length = size;
        return kErrorSuccess;
    }
    if (*length < size) {
        *length = size;
        return kErrorMoreData;
    }
    if (size > 0) std::memcpy(data, value.data.data(), size);
    *length = size;
    return kErrorSuccess;
}

long SimRegistry::RegSetValueExA(RegistryKey key, const std::string& name, std::uint32_t type,
                                 const std::uint8_t* data, std::uint32_t length) {
    if (!Answering()) return kErrorNotReady;
    long error = 0;
    Key* k = KeyOf(key, kKeySetValue, &error);
    if (!k) return error;
    SetValue(*k, name, type, std::vector<std::uint8_t>(data, data + length));
    return kErrorSuccess;
}

long SimRegistry::RegDeleteKeyA(RegistryKey root, const std::string& path) {
    if (!Answering()) return kErrorNotReady;
    const std::string full = FullPath(root, path);
    if (!keys_.count(full)) return kErrorFileNotFound;
    if (WriteDenied(full)) return kErrorAccessDenied;
    auto child = keys_.upper_bound(full + "\\");
    if (child != keys_.end() && child->first.rfind(full + "\\", 0) == 0) return kErrorAccessDenied;
    keys_.erase(full);
    return kErrorSuccess;
}

long SimRegistry::RegCloseKey(RegistryKey key) {
    if (!Answering()) return kErrorNotReady;
    return handles_.erase(key) ? kErrorSuccess : kErrorInvalidHandle;
}

long SimRegistry::RegEnumValueA(RegistryKey key, std::uint32_t index, char* name, std::uint32_t* nameLength,
                                std::uint32_t* type, std::uint8_t* data, std::uint32_t* dataLength) {
    if (!Answering()) return kErrorNotReady;
    if (beforeQuery_) beforeQuery_();
    long error = 0;
    Key* k = KeyOf(key, kKeyQueryValue, &error);
    if (!k) return error;
    const std::vector<std::string>& order = Order(*k);
    if (index >= order.size()) return kErrorNoMoreItems;
    const SimValue& value = k->values.at(order[index]);
    // The data first, as the platform does; the name needs room for its NUL.
    const long result = GiveData(value, type, data, dataLength);
    if (result != kErrorSuccess) return result;
    if (*nameLength <= value.name.size()) return kErrorMoreData;
    std::memcpy(name, value.name.c_str(), value.name.size() + 1);
    *nameLength = static_cast<std::uint32_t>(value.name.size());
    return kErrorSuccess;
}

long SimRegistry::RegQueryInfoKeyA(RegistryKey key, std::uint32_t* values, std::uint32_t* longestName,
                                   std::uint32_t* longestData) {
    if (!Answering()) return kErrorNotReady;
    if (beforeQuery_) beforeQuery_();
    long error = 0;
    Key* k = KeyOf(key, kKeyQueryValue, &error);
    if (!k) return error;
    *values = static_cast<std::uint32_t>(k->values.size());
    *longestName = 0;
    *longestData = 0;
    for (const auto& entry : k->values) {
        *longestName = std::max(*longestName, static_cast<std::uint32_t>(entry.second.name.size()));
        *longestData = std::max(*longestData, static_cast<std::uint32_t>(entry.second.data.size()));
    }
    return kErrorSuccess;
}

long SimRegistry::RegDeleteValueA(RegistryKey key, const std::string& name) {
    if (!Answering()) return kErrorNotReady;
    long error = 0;
    Key* k = KeyOf(key, kKeySetValue, &error);
    if (!k) return error;
    const std::string lower = Lower(name);
    if (!k->values.erase(lower)) return kErrorFileNotFound;
    k->order.erase(k->sequenceOf.at(lower));
    k->sequenceOf.erase(lower);
    k->orderDirty = true;
    return kErrorSuccess;
}

void SimRegistry::Put(RegistryKey root, const std::string& path, const std::string& name, std::uint32_t type,
                      std::vector<std::uint8_t> data) {
    for (std::size_t pos = path.find('\\'); pos != std::string::npos; pos = path.find('\\', pos + 1)) {
        keys_[FullPath(root, path.substr(0, pos))];
    }
    SetValue(keys_[FullPath(root, path)], name, type, std::move(data));
}

void SimRegistry::PutText(RegistryKey root, const std::string& path, const std::string& name, const std::string& text) {
    std::vector<std::uint8_t> data(text.begin(), text.end());
    data.push_back(0);
    Put(root, path, name, kRegSz, std::move(data));
}

bool SimRegistry::KeyExists(RegistryKey root, const std::string& path) const {
    return keys_.count(FullPath(root, path)) != 0;
}

const SimValue* SimRegistry::Find(RegistryKey root, const std::string& path, const std::string& name) const {
    auto key = keys_.find(FullPath(root, path));
    if (key == keys_.end()) return nullptr;
    auto found = key->second.values.find(Lower(name));
    return found == key->second.values.end() ? nullptr : &found->second;
}

std::vector<SimValue> SimRegistry::Values(RegistryKey root, const std::string& path) {
    std::vector<SimValue> values;
    auto key = keys_.find(FullPath(root, path));
    if (key == keys_.end()) return values;
    for (const std::string& lower : Order(key->second)) values.push_back(key->second.values.at(lower));
    return values;
}

std::vector<std::string> SimRegistry::TextValues(RegistryKey root, const std::string& path) {
    std::vector<std::string> texts;
    for (const SimValue& value : Values(root, path)) {
        const std::size_t length = value.data.empty() ? 0 : value.data.size() - 1;  // without the NUL
        texts.push_back(value.name + "=" + std::string(value.data.begin(), value.data.begin() + static_cast<std::ptrdiff_t>(length)));
    }
    std::sort(texts.begin(), texts.end());
    return texts;
}

}  // namespace vexor::sim
