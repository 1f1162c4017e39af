// One set of cases for RegistryModule over the registry API, run against the simulated registry
// natively and against the real registry under Wine.
#include <gtest/gtest.h>

#include <algorithm>

#include "contract/registry_harness.h"

namespace vexor::contract {
namespace {

struct RawValue {
    long result = -1;
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
};

class RegistryContract : public ::testing::Test {
protected:
    std::unique_ptr<RegistryHarness> harness_ = MakeRegistryHarness();
    RegistryApi& api_ = harness_->Api();
    RegistryModule registry_{api_};
    const std::string scratch_ = kScratchPath;
    const std::string key_ = scratch_ + "\\Level1\\Level2";

    // The value as stored, read with the API directly.
    RawValue Raw(const std::string& path, const std::string& name) {
        RawValue raw;
        RegistryKey key = 0;
        if (api_.RegOpenKeyExA(kHkeyLocalMachine, path, kKeyRead, &key) != kErrorSuccess) return raw;
        std::uint32_t length = 0;
        raw.result = api_.RegQueryValueExA(key, name, &raw.type, nullptr, &length);
        raw.data.resize(length);
        if (raw.result == kErrorSuccess && length > 0) {
            raw.result = api_.RegQueryValueExA(key, name, &raw.type, raw.data.data(), &length);
            raw.data.resize(length);
        }
        api_.RegCloseKey(key);
        return raw;
    }

    // Stores data of any type, bypassing write value's table.
    void PutRaw(const std::string& name, std::uint32_t type, const std::vector<std::uint8_t>& data) {
        registry_.CreateKey(kHkeyLocalMachine, key_);
        OpenedKey key = registry_.Open(kHkeyLocalMachine, key_, kKeyWrite);
        ASSERT_TRUE(key);
        ASSERT_TRUE(key.Set(name, type, data));
    }

    bool KeyExists(const std::string& path) { return static_cast<bool>(registry_.Open(kHkeyLocalMachine, path, kKeyRead)); }

    // The key listed in one pass gives every value as read value gives it.
    void ExpectListingAsReads() {
        std::optional<KeyListing> listing = registry_.Open(kHkeyLocalMachine, key_, kKeyRead).Values();
        ASSERT_TRUE(listing.has_value());
        EXPECT_EQ(listing->unreadable, 0);
        EXPECT_EQ(listing->values.size(), registry_.Open(kHkeyLocalMachine, key_, kKeyRead).Info().value().values);
        for (const NamedValue& value : listing->values) {
            EXPECT_EQ(value.value, registry_.ReadValue(kHkeyLocalMachine, key_, value.name)) << value.name;
        }
    }

    struct Enumerated {
        long result = -1;
        std::string name;
        std::uint32_t type = 0;
        std::vector<std::uint8_t> data;
        std::uint32_t dataLength = 0;  // as the call left it
    };
    // One enumeration call on the key with buffers of these lengths.
    Enumerated Enumerate(std::uint32_t index, std::uint32_t nameBuffer, std::uint32_t dataBuffer) {
        Enumerated entry;
        RegistryKey key = 0;
        if (api_.RegOpenKeyExA(kHkeyLocalMachine, key_, kKeyRead, &key) != kErrorSuccess) return entry;
        std::vector<char> name(nameBuffer);
        std::vector<std::uint8_t> data(dataBuffer);
        std::uint32_t nameLength = nameBuffer;
        entry.dataLength = dataBuffer;
        entry.result = api_.RegEnumValueA(key, index, name.data(), &nameLength, &entry.type, data.data(), &entry.dataLength);
        if (entry.result == kErrorSuccess) {
            entry.name.assign(name.data(), nameLength);
            entry.data.assign(data.begin(), data.begin() + entry.dataLength);
        }
        api_.RegCloseKey(key);
        return entry;
    }
};

TEST_F(RegistryContract, MissingKeyOrValueGivesTheFallbackOrEmpty) {
    EXPECT_EQ(registry_.ReadValue(kHkeyLocalMachine, key_, "Window0"), RegistryValue(EmptyValue{}));
    EXPECT_EQ(registry_.ReadValue(kHkeyLocalMachine, key_, "Window0", std::string("fallback")),
              RegistryValue(std::string("fallback")));
    ASSERT_TRUE(registry_.WriteValue(kHkeyLocalMachine, key_, "Other", std::string("x")));
    EXPECT_EQ(registry_.ReadValue(kHkeyLocalMachine, key_, "Window0", std::int32_t{7}), RegistryValue(std::int32_t{7}));
}

TEST_F(RegistryContract, WriteCreatesEveryMissingLevelAndTextRoundTripsWithAnsiBytes) {
    const std::string text = "Caf\xE9 \xDC" "bersicht \xA9 - Internet Explorer";
    EXPECT_TRUE(registry_.WriteValue(kHkeyLocalMachine, key_, "Window0", text));
    EXPECT_TRUE(KeyExists(scratch_ + "\\Level1"));
    RawValue raw = Raw(key_, "Window0");
    EXPECT_EQ(raw.type, kRegSz);
    EXPECT_EQ(raw.data.size(), text.size() + 1);
    EXPECT_EQ(raw.data.back(), 0);
    EXPECT_EQ(registry_.ReadValue(kHkeyLocalMachine, key_, "Window0"), RegistryValue(text));
}

TEST_F(RegistryContract, ValueNamesAreCaseInsensitive) {
    ASSERT_TRUE(registry_.WriteValue(kHkeyLocalMachine, key_, "WINDOW3", std::string("first")));
    ASSERT_TRUE(registry_.WriteValue(kHkeyLocalMachine, key_, "Window3", std::string("second")));
    EXPECT_EQ(registry_.ReadValue(kHkeyLocalMachine, key_, "window3"), RegistryValue(std::string("second")));
    OpenedKey key = registry_.Open(kHkeyLocalMachine, key_, kKeyRead);
    ASSERT_EQ(key.Values()->values.size(), 1u);
}

TEST_F(RegistryContract, TextLongerThanTheFirstBufferComesBackWhole) {
    std::string text(5000, 'a');
    for (std::size_t i = 0; i < text.size(); ++i) text[i] = static_cast<char>('a' + i % 26);
    ASSERT_TRUE(registry_.WriteValue(kHkeyLocalMachine, key_, "Long", text));
    EXPECT_EQ(registry_.ReadValue(kHkeyLocalMachine, key_, "Long"), RegistryValue(text));
    const std::string exact(1023, 'q');  // 1024 bytes with its NUL: fits the first buffer exactly
    ASSERT_TRUE(registry_.WriteValue(kHkeyLocalMachine, key_, "Exact", exact));
    EXPECT_EQ(registry_.ReadValue(kHkeyLocalMachine, key_, "Exact"), RegistryValue(exact));
}

TEST_F(RegistryContract, EmptyTextIsStoredAsOneNulByte) {
    ASSERT_TRUE(registry_.WriteValue(kHkeyLocalMachine, key_, "Window0", std::string()));
    RawValue raw = Raw(key_, "Window0");
    EXPECT_EQ(raw.type, kRegSz);
    EXPECT_EQ(raw.data, std::vector<std::uint8_t>{0});
    EXPECT_EQ(registry_.ReadValue(kHkeyLocalMachine, key_, "Window0", std::int32_t{1}), RegistryValue(std::string()));
}

TEST_F(RegistryContract, IntegersAreStoredAsLittleEndianDwords) {
    ASSERT_TRUE(registry_.WriteValue(kHkeyLocalMachine, key_, "Small", std::int16_t{-1}));
    RawValue raw = Raw(key_, "Small");
    EXPECT_EQ(raw.type, kRegDword);
    EXPECT_EQ(raw.data, (std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(registry_.ReadValue(kHkeyLocalMachine, key_, "Small"), RegistryValue(std::int32_t{-1}));

    ASSERT_TRUE(registry_.WriteValue(kHkeyLocalMachine, key_, "Large", std::int32_t{0x12345678}));
    EXPECT_EQ(Raw(key_, "Large").data, (std::vector<std::uint8_t>{0x78, 0x56, 0x34, 0x12}));
    EXPECT_EQ(registry_.ReadValue(kHkeyLocalMachine, key_, "Large"), RegistryValue(std::int32_t{0x12345678}));
}

TEST_F(RegistryContract, ByteSequenceIsStoredFromItsLowestToItsHighestIndex) {
    ByteSequence bytes{5, {0x00, 0x7F, 0x80, 0xFF}, 1};
    ASSERT_TRUE(registry_.WriteValue(kHkeyLocalMachine, key_, "Bytes", bytes));
    EXPECT_EQ(Raw(key_, "Bytes").type, kRegBinary);
    // Read back, the indices run from 0.
    EXPECT_EQ(registry_.ReadValue(kHkeyLocalMachine, key_, "Bytes"),
              RegistryValue(ByteSequence{0, {0x00, 0x7F, 0x80, 0xFF}, 1}));
}

TEST_F(RegistryContract, RefusedKindsCreateTheKeyStoreNothingAndRaiseAfterClosing) {
    for (const RegistryValue& refused : {RegistryValue(OtherKind::Boolean), RegistryValue(EmptyValue{}),
                                         RegistryValue(OtherKind::Double)}) {
        try {
            registry_.WriteValue(kHkeyLocalMachine, key_, "Refused", refused);
            ADD_FAILURE() << "no error raised";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.Number(), 1001);
            EXPECT_STREQ(error.what(), "Unsupported value type");
        }
    }
    EXPECT_TRUE(KeyExists(key_));
    EXPECT_NE(Raw(key_, "Refused").result, kErrorSuccess);

    for (const ByteSequence& bad : {ByteSequence{0, {}, 1}, ByteSequence{0, {1, 2}, 2}}) {
        try {
            registry_.WriteValue(kHkeyLocalMachine, key_, "Refused", bad);
            ADD_FAILURE() << "no error raised";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.Number(), 9);
        }
    }
    EXPECT_NE(Raw(key_, "Refused").result, kErrorSuccess);
}

TEST_F(RegistryContract, ReadDecodesEveryTypeItKnowsAndFallsBackForTheRest) {
    PutRaw("Expand", kRegExpandSz, {'%', 'P', 'A', 'T', 'H', '%', 0});
    PutRaw("Multi", kRegMultiSz, {'a', 0, 'b', 0, 0});
    PutRaw("Qword", 11, {1, 0, 0, 0, 0, 0, 0, 0});
    PutRaw("Binary", kRegBinary, {'h', 'i'});
    EXPECT_EQ(registry_.ReadValue(kHkeyLocalMachine, key_, "Expand"), RegistryValue(std::string("%PATH%")));
    EXPECT_EQ(registry_.ReadValue(kHkeyLocalMachine, key_, "Multi"), RegistryValue(std::string("a\0b", 3)));
    EXPECT_EQ(registry_.ReadValue(kHkeyLocalMachine, key_, "Qword", std::string("d")), RegistryValue(std::string("d")));
    EXPECT_EQ(registry_.ReadValue(kHkeyLocalMachine, key_, "Binary"), RegistryValue(ByteSequence{0, {'h', 'i'}, 1}));
    ExpectListingAsReads();
}

TEST_F(RegistryContract, DataTheProgramNeverWritesReadsWithinWhatWasStored) {
    PutRaw("NoBytes", kRegSz, {});
    PutRaw("ShortMulti", kRegMultiSz, {'x'});
    PutRaw("ShortDword", kRegDword, {0x34, 0x12});
    PutRaw("EmptyBinary", kRegBinary, {});
    EXPECT_EQ(registry_.ReadValue(kHkeyLocalMachine, key_, "NoBytes"), RegistryValue(std::string()));
    EXPECT_EQ(registry_.ReadValue(kHkeyLocalMachine, key_, "ShortMulti"), RegistryValue(std::string()));
    EXPECT_EQ(registry_.ReadValue(kHkeyLocalMachine, key_, "ShortDword"), RegistryValue(std::int32_t{0x1234}));
    EXPECT_EQ(registry_.ReadValue(kHkeyLocalMachine, key_, "EmptyBinary"), RegistryValue(ByteSequence{}));
    ExpectListingAsReads();
}

TEST_F(RegistryContract, DeleteKeyOfAMissingKeyDoesNothingAndAKeyWithSubkeysStays) {
    EXPECT_TRUE(registry_.DeleteKey(kHkeyLocalMachine, key_));
    ASSERT_TRUE(registry_.WriteValue(kHkeyLocalMachine, key_, "Window0", std::string("t")));
    EXPECT_FALSE(registry_.DeleteKey(kHkeyLocalMachine, scratch_ + "\\Level1"));  // it has Level2
    EXPECT_TRUE(KeyExists(key_));
    EXPECT_TRUE(registry_.DeleteKey(kHkeyLocalMachine, key_));
    EXPECT_FALSE(KeyExists(key_));
    EXPECT_TRUE(KeyExists(scratch_ + "\\Level1"));
}

TEST_F(RegistryContract, ListingGivesEveryValueAndDeleteValueRemovesOne) {
    ASSERT_TRUE(registry_.WriteValue(kHkeyLocalMachine, key_, "Window0", std::string("zero")));
    ASSERT_TRUE(registry_.WriteValue(kHkeyLocalMachine, key_, "Window7", std::int32_t{7}));
    ASSERT_TRUE(registry_.WriteValue(kHkeyLocalMachine, key_, "Foo", std::string(3000, 'f')));
    {
        OpenedKey key = registry_.Open(kHkeyLocalMachine, key_, kKeyRead | kKeyWrite);
        auto listing = key.Values();
        ASSERT_TRUE(listing.has_value());
        std::vector<std::string> names;
        for (const NamedValue& value : listing->values) names.push_back(value.name);
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, (std::vector<std::string>{"Foo", "Window0", "Window7"}));
        EXPECT_TRUE(key.DeleteValue("window7"));
        EXPECT_FALSE(key.DeleteValue("Window7"));
    }
    EXPECT_NE(Raw(key_, "Window7").result, kErrorSuccess);
    ExpectListingAsReads();
    EXPECT_FALSE(registry_.Open(kHkeyLocalMachine, scratch_ + "\\Missing", kKeyRead).Values().has_value());
}

TEST_F(RegistryContract, EnumerationGivesNameTypeAndDataAndAsksForLongerBuffers) {
    PutRaw("Window12", kRegSz, {'t', 'e', 'x', 't', 0});
    const std::vector<std::uint8_t> bytes(300, 0xAB);
    PutRaw("Bytes", kRegBinary, bytes);
    // The platform's order is its own.
    std::uint32_t text = Enumerate(0, 64, 512).name == "Window12" ? 0 : 1;
    Enumerated entry = Enumerate(text, 64, 512);
    EXPECT_EQ(entry.result, kErrorSuccess);
    EXPECT_EQ(entry.name, "Window12");
    EXPECT_EQ(entry.type, kRegSz);
    EXPECT_EQ(entry.data, (std::vector<std::uint8_t>{'t', 'e', 'x', 't', 0}));
    EXPECT_EQ(Enumerate(1 - text, 64, 512).data, bytes);
    EXPECT_EQ(Enumerate(2, 64, 512).result, kErrorNoMoreItems);

    // A short data buffer: 234 with the type and the length needed; then the same index reads.
    entry = Enumerate(1 - text, 64, 299);
    EXPECT_EQ(entry.result, kErrorMoreData);
    EXPECT_EQ(entry.type, kRegBinary);
    EXPECT_EQ(entry.dataLength, 300u);
    entry = Enumerate(1 - text, 64, 300);
    EXPECT_EQ(entry.result, kErrorSuccess);
    EXPECT_EQ(entry.name, "Bytes");
    EXPECT_EQ(entry.data, bytes);
    // The name buffer needs room for the NUL.
    EXPECT_EQ(Enumerate(text, 8, 512).result, kErrorMoreData);
    EXPECT_EQ(Enumerate(text, 9, 512).name, "Window12");
}

TEST_F(RegistryContract, InfoCountsValuesAndGivesTheLongestNameWithoutItsNulAndTheLongestData) {
    registry_.CreateKey(kHkeyLocalMachine, key_);
    std::optional<KeyInfo> info = registry_.Open(kHkeyLocalMachine, key_, kKeyRead).Info();
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->values, 0u);
    EXPECT_EQ(info->longestName, 0u);
    EXPECT_EQ(info->longestData, 0u);

    PutRaw("Twenty characters!!!", kRegSz, {'x', 0});
    PutRaw("B", kRegBinary, std::vector<std::uint8_t>(300, 1));
    info = registry_.Open(kHkeyLocalMachine, key_, kKeyRead).Info();
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->values, 2u);
    EXPECT_EQ(info->longestName, 20u);
    EXPECT_EQ(info->longestData, 300u);
    EXPECT_FALSE(registry_.Open(kHkeyLocalMachine, scratch_ + "\\Missing", kKeyRead).Info().has_value());
}

TEST_F(RegistryContract, KeyOpenedForReadingCannotBeChanged) {
    ASSERT_TRUE(registry_.WriteValue(kHkeyLocalMachine, key_, "Window0", std::string("t")));
    OpenedKey key = registry_.Open(kHkeyLocalMachine, key_, kKeyRead);
    EXPECT_FALSE(key.Set("Window1", kRegSz, {'u', 0}));
    EXPECT_FALSE(key.DeleteValue("Window0"));
}

}  // namespace
}  // namespace vexor::contract
