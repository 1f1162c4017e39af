#include <gtest/gtest.h>

#include <algorithm>

#include "sim/sim_registry.h"
#include "store/allowed_titles.h"

namespace vexor::testing {
namespace {

class AllowedTitlesTest : public ::testing::Test {
protected:
    sim::SimRegistry registry_;
    RegistryModule module_{registry_};
    AllowedTitleStore store_{module_};
    std::vector<std::string> list_;

    void Put(const std::string& name, const std::string& text) {
        registry_.PutText(kWindowsKeyRoot, kWindowsKeyPath, name, text);
    }
    std::vector<std::string> Loaded() { return store_.Load(); }
    std::vector<std::string> Stored() { return registry_.TextValues(kWindowsKeyRoot, kWindowsKeyPath); }
};

TEST(TitleIndexDigitsTest, AcceptsOnlyWindowAndACanonicalDecimalIndex) {
    EXPECT_EQ(TitleIndexDigits("Window0"), "0");
    EXPECT_EQ(TitleIndexDigits("Window1000"), "1000");
    EXPECT_EQ(TitleIndexDigits("WINDOW3"), "3");
    EXPECT_EQ(TitleIndexDigits("window12"), "12");
    for (const char* name : {"Window07", "Window00", "Window", "Window-1", "Window+1", "Window 1", "Window1a",
                             "Foo", "Windows1", "", "Windo1"}) {
        EXPECT_EQ(TitleIndexDigits(name), std::nullopt) << name;
    }
}

TEST_F(AllowedTitlesTest, MissingKeyLoadsNothingAndCreatesNothing) {
    EXPECT_TRUE(Loaded().empty());
    EXPECT_FALSE(registry_.KeyExists(kWindowsKeyRoot, kWindowsKeyPath));
}

TEST_F(AllowedTitlesTest, LoadTakesTitleValuesInIndexOrderClosingGapsWithOneOpenKey) {
    Put("Window10", "ten");
    Put("Window2", "two");
    Put("Foo", "foo");
    Put("Window07", "leading zero");
    Put("WINDOW0", "zero");
    Put("Window1000", "thousand");
    Put("Window99999999999999999999", "huge");
    const long callsBefore = registry_.CallCount();
    EXPECT_EQ(Loaded(), (std::vector<std::string>{"zero", "two", "ten", "thousand", "huge"}));
    // One open, the key's information, one enumeration per value and one past the end, one close.
    EXPECT_EQ(registry_.CallCount() - callsBefore, 1 + 1 + 7 + 1 + 1);
    EXPECT_EQ(registry_.OpenHandles(), 0);
}

TEST_F(AllowedTitlesTest, LoadReadsAValueThatGrewOnceMoreAndSkipsItWhenItGrewAgain) {
    // The load's reads of the key: its information, value 0, value 1; after a growth, the
    // information and value 1 once more.
    struct Case {
        std::vector<int> growBeforeReads;
        std::vector<std::string> loaded;
    };
    for (const Case& c : {Case{{3}, {"zero", std::string(3000, 'g'), "two"}}, Case{{3, 5}, {"zero", "two"}}}) {
        Put("Window0", "zero");
        Put("Window1", "one");
        Put("Window2", "two");
        int reads = 0;
        registry_.SetBeforeQuery([&] {
            ++reads;
            if (std::count(c.growBeforeReads.begin(), c.growBeforeReads.end(), reads)) {
                Put("Window1", std::string(1000 * static_cast<std::size_t>(reads), 'g'));
            }
        });
        EXPECT_EQ(Loaded(), c.loaded);
        EXPECT_EQ(registry_.OpenHandles(), 0);
        registry_.SetBeforeQuery(nullptr);
    }
}

TEST_F(AllowedTitlesTest, LoadTurnsEveryTypeIntoTextOrSkipsIt) {
    Put("Window0", "");
    registry_.Put(kWindowsKeyRoot, kWindowsKeyPath, "Window1", kRegDword, {0xFE, 0xFF, 0xFF, 0xFF});
    registry_.Put(kWindowsKeyRoot, kWindowsKeyPath, "Window2", kRegBinary, {'A', 'd', 0, 'x'});
    registry_.Put(kWindowsKeyRoot, kWindowsKeyPath, "Window3", 11, {1, 2, 3, 4, 5, 6, 7, 8});
    registry_.Put(kWindowsKeyRoot, kWindowsKeyPath, "Window4", kRegExpandSz, {'%', 'X', '%', 0});
    registry_.Put(kWindowsKeyRoot, kWindowsKeyPath, "Window5", kRegMultiSz, {'a', 0, 'b', 0, 0});
    registry_.Put(kWindowsKeyRoot, kWindowsKeyPath, "Window6", kRegBinary, {});
    registry_.Put(kWindowsKeyRoot, kWindowsKeyPath, "Window7", kRegSz, {});
    EXPECT_EQ(Loaded(), (std::vector<std::string>{"-2", "Ad", "%X%", std::string("a\0b", 3)}));
}

TEST_F(AllowedTitlesTest, LoadKeepsTitlesBeyondWhatAWindowCanShowAndHugeValues) {
    const std::string long300(300, 'L');
    const std::string mebibyte(1 << 20, 'M');
    Put("Window0", long300);
    Put("Window1", mebibyte);
    auto titles = Loaded();
    ASSERT_EQ(titles.size(), 2u);
    EXPECT_EQ(titles[0], long300);
    EXPECT_EQ(titles[1], mebibyte);
}

TEST_F(AllowedTitlesTest, LoadStopsAtTheListsCapacityInIndexOrder) {
    for (int i = 32799; i >= 0; --i) Put("Window" + std::to_string(i), "t" + std::to_string(i));
    const auto titles = Loaded();
    ASSERT_EQ(titles.size(), static_cast<std::size_t>(kListCapacity));
    EXPECT_EQ(titles.front(), "t0");
    EXPECT_EQ(titles.back(), "t32766");
}

TEST_F(AllowedTitlesTest, RewriteStoresEveryNonEmptyEntryUnderItsPositionAndNothingElse) {
    Put("Window0", "old zero");
    Put("Window5", "old five");
    Put("Window07", "odd name");
    Put("window1", "old one");
    list_ = {"A - Internet Explorer", "", "Same", "Same", "Caf\xE9"};
    EXPECT_TRUE(store_.Rewrite(list_));
    EXPECT_EQ(Stored(), (std::vector<std::string>{"Window0=A - Internet Explorer", "Window2=Same", "Window3=Same",
                                                  "Window4=Caf\xE9"}));
    for (const auto& value : registry_.Values(kWindowsKeyRoot, kWindowsKeyPath)) EXPECT_EQ(value.type, kRegSz);
    EXPECT_EQ(Loaded(), (std::vector<std::string>{"A - Internet Explorer", "Same", "Same", "Caf\xE9"}));
}

TEST_F(AllowedTitlesTest, RewriteOfAListWithoutTitlesLeavesNoKey) {
    Put("Window0", "old");
    list_ = {"", ""};
    EXPECT_TRUE(store_.Rewrite(list_));
    EXPECT_FALSE(registry_.KeyExists(kWindowsKeyRoot, kWindowsKeyPath));
    EXPECT_TRUE(registry_.KeyExists(kWindowsKeyRoot, "SOFTWARE\\Tessaly\\Popup"));
    list_.clear();
    EXPECT_TRUE(store_.Rewrite(list_));  // already absent is not a failure
    EXPECT_EQ(Loaded(), std::vector<std::string>{});
}

TEST_F(AllowedTitlesTest, EveryTitleOfALongListComesBackAtAboutOneCallATitle) {
    // A load and a rewrite over what is stored use one open key: at most N + 4 calls for N titles.
    constexpr long kTitles = 1000;
    for (int i = 0; i < kTitles; ++i) list_.push_back("Title " + std::to_string(i));
    EXPECT_TRUE(store_.Rewrite(list_));
    long calls = registry_.CallCount();
    auto titles = Loaded();
    EXPECT_LE(registry_.CallCount() - calls, kTitles + 4);
    ASSERT_EQ(titles.size(), 1000u);
    EXPECT_EQ(titles[999], "Title 999");

    calls = registry_.CallCount();
    EXPECT_TRUE(store_.Rewrite(list_));
    EXPECT_LE(registry_.CallCount() - calls, kTitles + 4);
    list_.push_back("One more");  // as Show Last Popup does
    calls = registry_.CallCount();
    EXPECT_TRUE(store_.Rewrite(list_));
    EXPECT_LE(registry_.CallCount() - calls, kTitles + 1 + 4);
    titles = Loaded();
    ASSERT_EQ(titles.size(), 1001u);
    EXPECT_EQ(titles[1000], "One more");
    EXPECT_EQ(registry_.OpenHandles(), 0);
}

TEST_F(AllowedTitlesTest, EraseDeletesTheKeyAndSaysWhetherItIsGone) {
    Put("Window0", "a");
    EXPECT_TRUE(store_.Erase());
    EXPECT_FALSE(registry_.KeyExists(kWindowsKeyRoot, kWindowsKeyPath));
    EXPECT_TRUE(store_.Erase());
    registry_.Put(kWindowsKeyRoot, std::string(kWindowsKeyPath) + "\\Sub", "x", kRegSz, {0});
    EXPECT_FALSE(store_.Erase());  // a key with a subkey is refused
}

TEST_F(AllowedTitlesTest, WithoutWriteRightsNothingStoredChangesAndTheFailureIsReported) {
    Put("Window0", "kept");
    registry_.DenyMachineWrites(true);
    list_ = {"kept", "new"};
    EXPECT_FALSE(store_.Rewrite(list_));
    list_.clear();
    EXPECT_FALSE(store_.Rewrite(list_));
    EXPECT_FALSE(store_.Erase());
    EXPECT_EQ(Loaded(), std::vector<std::string>{"kept"});
    EXPECT_EQ(registry_.OpenHandles(), 0);
}

TEST_F(AllowedTitlesTest, FirstWriteWithoutAKeyCreatesItAndItsParents) {
    list_ = {"first"};
    EXPECT_TRUE(store_.Rewrite(list_));
    EXPECT_EQ(Stored(), std::vector<std::string>{"Window0=first"});
}

// Every change the commands make to the list: a title appended, one removed at each position,
// all removed and one appended, and a load that closed gaps.
std::vector<std::pair<std::vector<std::string>, std::vector<std::string>>> Transitions() {
    const std::vector<std::string> old = {"A", "B", "A", "C", "D"};
    std::vector<std::pair<std::vector<std::string>, std::vector<std::string>>> transitions;
    auto appended = old;
    appended.push_back("E");
    transitions.emplace_back(old, appended);
    for (std::size_t i = 0; i < old.size(); ++i) {
        auto removed = old;
        removed.erase(removed.begin() + static_cast<std::ptrdiff_t>(i));
        transitions.emplace_back(old, removed);
    }
    transitions.emplace_back(old, std::vector<std::string>{"E"});
    transitions.emplace_back(old, std::vector<std::string>{});
    return transitions;
}

TEST_F(AllowedTitlesTest, RewriteStoppedAfterAnyNumberOfCallsKeepsEveryTitleBothListsHold) {
    for (const auto& [before, after] : Transitions()) {
        for (long calls = 0;; ++calls) {
            sim::SimRegistry registry;
            RegistryModule module(registry);
            AllowedTitleStore store(module);
            ASSERT_TRUE(store.Rewrite(before));
            registry.StopAnsweringAfter(calls);
            const bool finished = store.Rewrite(after);
            registry.StopAnsweringAfter(-1);

            const std::vector<std::string> titles = store.Load();
            for (const std::string title : {"A", "B", "C", "D", "E"}) {
                const auto inBefore = std::count(before.begin(), before.end(), title);
                const auto inAfter = std::count(after.begin(), after.end(), title);
                const auto inStore = std::count(titles.begin(), titles.end(), title);
                EXPECT_GE(inStore, std::min(inBefore, inAfter)) << title << " after " << calls << " calls";
                // A stopped rewrite may leave a moved title at both places, never a foreign one.
                if (inBefore + inAfter == 0) {
                    EXPECT_EQ(inStore, 0) << title;
                }
            }
            if (finished) {
                EXPECT_EQ(titles, after);
                break;
            }
        }
    }
}

}  // namespace
}  // namespace vexor::testing
