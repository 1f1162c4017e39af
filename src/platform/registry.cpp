#include "platform/registry.h"

#include <algorithm>

#include "platform/byte_order.h"

namespace vexor {

namespace {

constexpr std::uint32_t kFirstQueryBufferSize = 1024;

// What write value stores for a kind it accepts.
struct EncodedValue {
    std::uint32_t type;
    std::vector<std::uint8_t> data;
};

std::vector<std::uint8_t> DwordBytes(std::int32_t value) {
    std::vector<std::uint8_t> bytes(4);
    PutLittleEndian32(bytes.data(), static_cast<std::uint32_t>(value));
    return bytes;
}

// Returns the encoding, or the error number that write value raises for this kind.
std::variant<EncodedValue, int> Encode(const RegistryValue& value) {
    if (auto* small = std::get_if<std::int16_t>(&value)) return EncodedValue{kRegDword, DwordBytes(*small)};
    if (auto* large = std::get_if<std::int32_t>(&value)) return EncodedValue{kRegDword, DwordBytes(*large)};
    if (auto* text = std::get_if<std::string>(&value)) {
        std::vector<std::uint8_t> data(text->begin(), text->end());
        data.push_back(0);
        return EncodedValue{kRegSz, std::move(data)};
    }
    if (auto* bytes = std::get_if<ByteSequence>(&value)) {
        if (bytes->bytes.empty() || bytes->dimensions != 1) return kErrorSubscriptOutOfRange;
        return EncodedValue{kRegBinary, bytes->bytes};
    }
    return kErrorUnsupportedValueType;
}

const char* Describe(int errorNumber) {
    return errorNumber == kErrorSubscriptOutOfRange ? "Subscript out of range" : "Unsupported value type";
}

// Decodes what a query returned: exactly `length` bytes of `data`, never more.
RegistryValue Decode(std::uint32_t type, const std::vector<std::uint8_t>& data, std::uint32_t length,
                     const RegistryValue& fallback) {
    const auto begin = reinterpret_cast<const char*>(data.data());
    switch (type) {
        case kRegSz:
        case kRegExpandSz:  // references to environment variables stay as they are
            // The stored length counts the terminating NUL; zero stored bytes is the empty text.
            return std::string(begin, length == 0 ? 0 : length - 1);
        case kRegMultiSz:
            // The NULs between the strings stay; the two final terminators go.
            return std::string(begin, length < 2 ? 0 : length - 2);
        case kRegBinary:
            return ByteSequence{0, std::vector<std::uint8_t>(data.begin(), data.begin() + length), 1};
        case kRegDword:  // from the bytes that were returned
            return static_cast<std::int32_t>(GetLittleEndian32(data.data(), length));
        default:
            return fallback;
    }
}

}  // namespace

RegistryValue OpenedKey::Read(const std::string& name, const RegistryValue& fallback) const {
    if (!open_) return fallback;
    std::vector<std::uint8_t> buffer(kFirstQueryBufferSize, 0);
    std::uint32_t type = kRegNone;
    std::uint32_t length = kFirstQueryBufferSize;
    long result = api_->RegQueryValueExA(key_, name, &type, buffer.data(), &length);
    if (result == kErrorMoreData) {
        // Exactly the length asked for; a value that grew again meanwhile is not read at all.
        buffer.assign(length, 0);
        std::uint32_t needed = length;
        result = api_->RegQueryValueExA(key_, name, &type, buffer.data(), &needed);
        length = needed;
    }
    if (result != kErrorSuccess) return fallback;
    length = std::min<std::uint32_t>(length, static_cast<std::uint32_t>(buffer.size()));
    return Decode(type, buffer, length, fallback);
}

bool OpenedKey::Write(const std::string& name, const RegistryValue& value) const {
    auto encoded = Encode(value);
    if (auto* error = std::get_if<int>(&encoded)) throw RuntimeError(*error, Describe(*error));
    const EncodedValue& data = std::get<EncodedValue>(encoded);
    return Set(name, data.type, data.data);
}

std::optional<KeyInfo> OpenedKey::Info() const {
    KeyInfo info;
    if (!open_ || api_->RegQueryInfoKeyA(key_, &info.values, &info.longestName, &info.longestData) != kErrorSuccess) {
        return std::nullopt;
    }
    return info;
}

std::optional<KeyListing> OpenedKey::Values() const {
    std::vector<char> name;
    std::vector<std::uint8_t> data;
    // Buffers for the longest name (with its NUL) and the longest data the key holds now.
    auto measure = [&] {
        std::optional<KeyInfo> info = Info();
        if (!info) return false;
        name.assign(info->longestName + std::size_t{1}, 0);
        data.assign(std::max<std::uint32_t>(info->longestData, 1), 0);  // never null: that asks for the length only
        return true;
    };
    std::uint32_t nameLength = 0;
    std::uint32_t type = kRegNone;
    std::uint32_t length = 0;
    auto enumerate = [&](std::uint32_t index) {
        nameLength = static_cast<std::uint32_t>(name.size());
        length = static_cast<std::uint32_t>(data.size());
        return api_->RegEnumValueA(key_, index, name.data(), &nameLength, &type, data.data(), &length);
    };
    if (!measure()) return std::nullopt;
    KeyListing listing;
    for (std::uint32_t index = 0;; ++index) {
        long result = enumerate(index);
        if (result == kErrorMoreData) {
            // The value grew since the key was measured: measure again and read the same index.
            if (!measure()) return std::nullopt;
            result = enumerate(index);
        }
        if (result == kErrorMoreData) {
            ++listing.unreadable;
            continue;
        }
        if (result == kErrorNoMoreItems) return listing;
        if (result != kErrorSuccess) return std::nullopt;
        nameLength = std::min<std::uint32_t>(nameLength, static_cast<std::uint32_t>(name.size()));
        length = std::min<std::uint32_t>(length, static_cast<std::uint32_t>(data.size()));
        listing.values.push_back({std::string(name.data(), nameLength), Decode(type, data, length, EmptyValue{})});
    }
}

bool OpenedKey::Set(const std::string& name, std::uint32_t type, const std::vector<std::uint8_t>& data) const {
    return open_ && api_->RegSetValueExA(key_, name, type, data.data(), static_cast<std::uint32_t>(data.size())) ==
                        kErrorSuccess;
}

bool OpenedKey::DeleteValue(const std::string& name) const {
    return open_ && api_->RegDeleteValueA(key_, name) == kErrorSuccess;
}

OpenedKey RegistryModule::Open(RegistryKey root, const std::string& path, std::uint32_t access) {
    RegistryKey key = 0;
    const bool open = api_.RegOpenKeyExA(root, path, access, &key) == kErrorSuccess;
    return OpenedKey(api_, key, open);
}

OpenedKey RegistryModule::OpenCreating(RegistryKey root, const std::string& path, std::uint32_t access) {
    OpenedKey key = Open(root, path, access);
    if (key) return key;
    CreateKey(root, path);
    return Open(root, path, access);
}

bool RegistryModule::DeleteKey(RegistryKey root, const std::string& path) {
    const long result = api_.RegDeleteKeyA(root, path);
    return result == kErrorSuccess || result == kErrorFileNotFound;
}

void RegistryModule::CreateKey(RegistryKey root, const std::string& path) {
    RegistryKey key = 0;
    if (api_.RegCreateKeyExA(root, path, &key) == kErrorSuccess) api_.RegCloseKey(key);
}

bool RegistryModule::WriteValue(RegistryKey root, const std::string& path, const std::string& name,
                                const RegistryValue& value) {
    // A refused kind throws from Write; the key closes as the exception leaves.
    OpenedKey key = OpenCreating(root, path, kKeyWrite);
    return key.Write(name, value);
}

RegistryValue RegistryModule::ReadValue(RegistryKey root, const std::string& path, const std::string& name,
                                        const RegistryValue& fallback) {
    OpenedKey key = Open(root, path, kKeyRead);
    return key.Read(name, fallback);
}

}  // namespace vexor
