// The allowed titles over the simulated registry: the load, the rewrite and how it fails, and the
// races with a value that grows, which the real registry cannot be made to run.
#include <gtest/gtest.h>

#include <algorithm>

#include "sim/sim_platform.h"
#include "store/allowed_titles.h"

namespace vexor::testing {
namespace {

using Titles = std::vector<std::string>;

class AllowedTitlesTest : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(registry_.OpenHandles(), 0) << "a key was left open"; }
    void Put(const std::string& name, std::uint32_t type, std::vector<std::uint8_t> data) {
        registry_.Put(sim::kMachine, sim::kTitlesKey, name, type, std::move(data));
    }
    void Put(const std::string& name, const std::string& text) { registry_.PutText(sim::kMachine, sim::kTitlesKey, name, text); }
    Titles Stored() const { return registry_.TextValues(sim::kMachine, sim::kTitlesKey); }

    sim::SimRegistry registry_;
    RegistryModule module_{registry_};
    AllowedTitleStore store_{module_, 32767};
};

TEST_F(AllowedTitlesTest, AValueThatGrewIsReadOnceMoreSkippedWhenItGrewAgainAndFailsARewriteThatMustRemoveIt) {
    // The load reads the key's information, value 0, value 1; after a growth, the information and
    // value 1 once more.
    const std::pair<std::vector<int>, Titles> cases[] = {{{3}, {"Window0", std::string(3000, 'g'), "Window2"}},
                                                         {{3, 5}, {"Window0", "Window2"}}};
    for (const auto& [growAt, loaded] : cases) {
        for (const char* name : {"Window0", "Window1", "Window2"}) Put(name, name);
        int reads = 0;
        registry_.beforeQuery = [&, &growAt = growAt] {
            if (std::count(growAt.begin(), growAt.end(), ++reads)) Put("Window1", std::string(1000 * reads, 'g'));
        };
        EXPECT_EQ(store_.Load(), loaded);
    }
    Put("Window5", "stale");  // growing before every read, it cannot be listed to be removed
    int reads = 0;
    registry_.beforeQuery = [&] { Put("Window5", std::string(10000 * ++reads, 's')); };
    EXPECT_FALSE(store_.Rewrite({"kept"}));
}

TEST_F(AllowedTitlesTest, LoadTakesADwordAsDigitsAndBytesUpToTheFirstZeroAndSkipsWhatGivesNoText) {
    Put("Window0", "");
    Put("Window1", kRegDword, {0xFE, 0xFF, 0xFF, 0xFF});
    Put("Window2", kRegBinary, {'A', 'd', 0, 'x'});
    Put("Window3", 11, {1, 2, 3, 4, 5, 6, 7, 8});
    Put("Window4", kRegBinary, {});
    Put("Window5", std::string(1 << 20, 'M'));
    EXPECT_EQ(store_.Load(), (Titles{"-2", "Ad", std::string(1 << 20, 'M')}));
}

TEST_F(AllowedTitlesTest, RewriteStoresEveryNonEmptyEntryUnderItsPositionAndRemovesEveryOtherValue) {
    for (const char* name : {"Window0", "Window5", "Window07", "window1", "Foo"}) Put(name, "old");
    const Titles list = {"A - Internet Explorer", "", "Same", "Same", "Caf\xE9"};
    EXPECT_TRUE(store_.Rewrite(list));
    EXPECT_EQ(Stored(), (Titles{"Window0=A - Internet Explorer", "Window2=Same", "Window3=Same", "Window4=Caf\xE9"}));
    // Over the same 4 titles, within 4 + 4: an open, a write a title, the key's information, one close.
    const long callsBefore = registry_.calls;
    EXPECT_TRUE(store_.Rewrite(list));
    EXPECT_EQ(registry_.calls - callsBefore, 4 + 3);
    EXPECT_TRUE(store_.Rewrite({"", ""}) && store_.Load().empty());  // no title: no key, and the load makes none
    EXPECT_FALSE(registry_.KeyExists(sim::kMachine, sim::kTitlesKey));
}

TEST(AllowedTitlesRewriteTest, CutShortOrRefusedAtAnyCallItKeepsEveryTitleAndSucceedsOnlyWhenComplete) {
    // The changes the commands make (a title appended, one removed at each position, all removed but
    // a new one, all removed), with only the nth call refused, a failed write, then every call from
    // the nth on, as when the process ends there.
    const Titles before = {"A", "B", "A", "C", "D"};
    for (const Titles& after : {Titles{"A", "B", "A", "C", "D", "E"}, Titles{"B", "A", "C", "D"}, Titles{"A", "A", "C", "D"},
                                Titles{"A", "B", "C", "D"}, Titles{"A", "B", "A", "D"}, Titles{"A", "B", "A", "C"}, Titles{"E"}, Titles{}}) {
        bool finished = false;
        for (long n = 0; !finished; ++n) {
            for (const bool onlyThatCall : {true, false}) {
                SCOPED_TRACE(::testing::PrintToString(after) + ", call " + std::to_string(n) + (onlyThatCall ? "" : " on"));
                sim::SimRegistry registry;
                RegistryModule module(registry);
                AllowedTitleStore store(module, 32767);
                ASSERT_TRUE(store.Rewrite(before));
                long call = 0;
                registry.refuse = [&] { return onlyThatCall ? call++ == n : call++ >= n; };
                finished = store.Rewrite(after);
                registry.refuse = nullptr;
                const Titles titles = store.Load();
                for (const std::string title : {"A", "B", "C", "D"}) {
                    auto count = [&](const Titles& list) { return std::count(list.begin(), list.end(), title); };
                    EXPECT_GE(count(titles), std::min(count(before), count(after))) << title << " lost";
                }
                EXPECT_TRUE(!finished || titles == after) << "success reported with " << ::testing::PrintToString(titles);
            }
        }
    }
}

}  // namespace
}  // namespace vexor::testing
