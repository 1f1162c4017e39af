// Registry access: the advapi32 surface as the program calls it (RegistryApi), and the four
// operations over it that the rest of the program uses (RegistryModule).
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

namespace vexor {

// A key handle: a predefined root or a key opened by the platform.
using RegistryKey = std::uintptr_t;
constexpr RegistryKey kHkeyCurrentUser = 0x80000001u;
constexpr RegistryKey kHkeyLocalMachine = 0x80000002u;

// Platform return codes.
constexpr long kErrorSuccess = 0;
constexpr long kErrorFileNotFound = 2;
constexpr long kErrorAccessDenied = 5;
constexpr long kErrorInvalidHandle = 6;
constexpr long kErrorMoreData = 234;
constexpr long kErrorNoMoreItems = 259;

// Access masks.
constexpr std::uint32_t kKeyQueryValue = 0x0001;
constexpr std::uint32_t kKeySetValue = 0x0002;
constexpr std::uint32_t kKeyRead = 0x20019;
constexpr std::uint32_t kKeyWrite = 0x20006;

// Value types.
constexpr std::uint32_t kRegNone = 0;
constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegExpandSz = 2;
constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegDword = 4;
constexpr std::uint32_t kRegMultiSz = 7;

// The advapi32 calls, "A" forms: names, paths and text data are ANSI bytes.
class RegistryApi {
public:
    virtual ~RegistryApi() = default;
    virtual long RegOpenKeyExA(RegistryKey root, const std::string& path, std::uint32_t access, RegistryKey* key) = 0;
    // No class, non-volatile, access mask 0, no security attributes: creates every missing level.
    virtual long RegCreateKeyExA(RegistryKey root, const std::string& path, RegistryKey* key) = 0;
    // data may be null to ask for the length; *length is the buffer's length in and the data's
    // length out. kErrorMoreData when the buffer is too short, with *type and the length needed.
    virtual long RegQueryValueExA(RegistryKey key, const std::string& name, std::uint32_t* type,
                                  std::uint8_t* data, std::uint32_t* length) = 0;
    virtual long RegSetValueExA(RegistryKey key, const std::string& name, std::uint32_t type,
                                const std::uint8_t* data, std::uint32_t length) = 0;
    virtual long RegDeleteKeyA(RegistryKey root, const std::string& path) = 0;
    virtual long RegCloseKey(RegistryKey key) = 0;
    // Name, type and data of the value at index, into the caller's buffers. *nameLength is the name
    // buffer's length in (room for the NUL included) and the name's length out (without it); data
    // and *dataLength as for RegQueryValueExA. kErrorMoreData when either buffer is too short, with
    // *type and the data length needed; kErrorNoMoreItems past the last value.
    virtual long RegEnumValueA(RegistryKey key, std::uint32_t index, char* name, std::uint32_t* nameLength,
                               std::uint32_t* type, std::uint8_t* data, std::uint32_t* dataLength) = 0;
    // The number of values, the length of the longest value name (without its NUL) and of the
    // longest data.
    virtual long RegQueryInfoKeyA(RegistryKey key, std::uint32_t* values, std::uint32_t* longestName,
                                  std::uint32_t* longestData) = 0;
    virtual long RegDeleteValueA(RegistryKey key, const std::string& name) = 0;
};

// The tagged value that write value takes and read value gives back.
struct EmptyValue {
    bool operator==(const EmptyValue&) const { return true; }
};
struct ByteSequence {
    std::int32_t lowerBound = 0;  // the array's own lowest index
    std::vector<std::uint8_t> bytes;
    int dimensions = 1;
    bool operator==(const ByteSequence& o) const {
        return lowerBound == o.lowerBound && bytes == o.bytes && dimensions == o.dimensions;
    }
};
// Kinds that write value refuses.
enum class OtherKind { Byte, Boolean, Single, Double, Currency, Date, Object, OtherArray };
using RegistryValue = std::variant<EmptyValue, std::int16_t, std::int32_t, std::string, ByteSequence, OtherKind>;

// The program's run-time error: a number and a description.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, const std::string& description)
        : std::runtime_error(description), number_(number) {}
    int Number() const { return number_; }

private:
    int number_;
};
constexpr int kErrorUnsupportedValueType = 1001;
constexpr int kErrorSubscriptOutOfRange = 9;

// What RegQueryInfoKeyA tells about a key's values.
struct KeyInfo {
    std::uint32_t values = 0;
    std::uint32_t longestName = 0;  // without the NUL
    std::uint32_t longestData = 0;
};

// A value as a listing of its key gives it: the name and read value's decoding of the data.
struct NamedValue {
    std::string name;
    RegistryValue value;
};
struct KeyListing {
    std::vector<NamedValue> values;  // in the platform's order
    int unreadable = 0;              // values that outgrew the buffers twice: neither name nor data known
};

// A key opened by RegistryModule; closed exactly once, when it goes out of scope.
class OpenedKey {
public:
    OpenedKey(RegistryApi& api, RegistryKey key, bool open) : api_(&api), key_(key), open_(open) {}
    OpenedKey(OpenedKey&& other) noexcept : api_(other.api_), key_(other.key_), open_(other.open_) { other.open_ = false; }
    OpenedKey(const OpenedKey&) = delete;
    OpenedKey& operator=(const OpenedKey&) = delete;
    OpenedKey& operator=(OpenedKey&&) = delete;
    ~OpenedKey() {
        if (open_) api_->RegCloseKey(key_);
    }

    explicit operator bool() const { return open_; }

    // Read value's query and decoding on this key; the fallback when the value cannot be read.
    RegistryValue Read(const std::string& name, const RegistryValue& fallback) const;
    // Write value's encoding on this key: true when stored; throws as write value does.
    bool Write(const std::string& name, const RegistryValue& value) const;
    std::optional<KeyInfo> Info() const;
    // Every value of the key in one pass: one enumeration call per value gives name, type and data,
    // into buffers sized by Info; a type read value does not decode gives an empty value. A value
    // that outgrew the buffers is read once more with buffers sized anew, and counted unreadable
    // when it still does not fit. nullopt when the listing fails.
    std::optional<KeyListing> Values() const;
    bool Set(const std::string& name, std::uint32_t type, const std::vector<std::uint8_t>& data) const;
    bool DeleteValue(const std::string& name) const;

private:
    RegistryApi* api_;
    RegistryKey key_;
    bool open_;
};

// The four registry operations. Each opens what it needs and closes it before returning.
class RegistryModule {
public:
    explicit RegistryModule(RegistryApi& api) : api_(api) {}

    // Returns true when the key is gone afterwards (deleted now or absent before).
    bool DeleteKey(RegistryKey root, const std::string& path);
    void CreateKey(RegistryKey root, const std::string& path);
    // True when the platform stored the value. Creates the key and its parents when missing.
    // Throws RuntimeError 1001 "Unsupported value type" for kinds it cannot store, and 9 for an
    // empty or multi-dimensional byte sequence, after the key is closed again.
    bool WriteValue(RegistryKey root, const std::string& path, const std::string& name,
                    const RegistryValue& value);
    // The value, or the fallback (empty unless given) when key or value cannot be read or the
    // type is not one it decodes.
    RegistryValue ReadValue(RegistryKey root, const std::string& path, const std::string& name,
                            const RegistryValue& fallback = EmptyValue{});

    OpenedKey Open(RegistryKey root, const std::string& path, std::uint32_t access);
    // Opens with the access asked for (writing among it); when that fails creates the key (with its
    // parents) and opens again.
    OpenedKey OpenCreating(RegistryKey root, const std::string& path, std::uint32_t access);

private:
    RegistryApi& api_;
};

}  // namespace vexor
