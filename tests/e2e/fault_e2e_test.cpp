// A rewrite of the real registry cut short by the death of its process, after every possible
// number of registry calls: every title both the old and the new list hold is still stored, and
// the next load gives a list made only of their titles.
#include <gtest/gtest.h>

#include <algorithm>

#include "e2e/driver.h"

namespace vexor::e2e {
namespace {

// The child's exit code: 0 when its rewrite finished, 3 when it died in the middle.
int RewriteInAChild(long callsBeforeDeath, const std::vector<std::string>& titles) {
    std::string arguments = std::to_string(callsBeforeDeath);
    for (const std::string& title : titles) arguments += " \"" + title + "\"";
    return Program("vexor_fault_child.exe", arguments).WaitForExit(20000);
}

TEST(RewriteFaultE2E, KilledRewriteKeepsEveryTitleBothListsHold) {
    const std::vector<std::string> old = {"Alpha - Internet Explorer", "Beta", "Alpha - Internet Explorer", "Gamma"};
    const std::vector<std::vector<std::string>> changes = {
        {"Alpha - Internet Explorer", "Alpha - Internet Explorer", "Gamma"},                   // Delete at 1
        {"Alpha - Internet Explorer", "Beta", "Alpha - Internet Explorer", "Gamma", "Delta"},  // a release
        {"Delta"},                                                                             // Delete All, a release
    };
    for (const auto& next : changes) {
        long calls = 0;
        for (;; ++calls) {
            CleanSlate();
            ASSERT_EQ(RewriteInAChild(-1, old), 0);
            const int exitCode = RewriteInAChild(calls, next);
            ASSERT_TRUE(exitCode == 0 || exitCode == 3) << "exit code " << exitCode;
            const auto stored = LoadedTitles();
            for (const char* title : {"Alpha - Internet Explorer", "Beta", "Gamma", "Delta"}) {
                const auto inOld = std::count(old.begin(), old.end(), title);
                const auto inNext = std::count(next.begin(), next.end(), title);
                const auto inStore = std::count(stored.begin(), stored.end(), title);
                EXPECT_GE(inStore, std::min(inOld, inNext)) << title << ", killed after " << calls << " calls";
                if (inOld + inNext == 0) {
                    EXPECT_EQ(inStore, 0) << title;
                }
            }
            if (exitCode == 0) {
                EXPECT_EQ(stored, next);
                break;
            }
            ASSERT_LT(calls, 200) << "the rewrite never finished";
        }
        EXPECT_GT(calls, 3) << "the child finished before its registry calls were counted";
    }
    CleanSlate();
}

}  // namespace
}  // namespace vexor::e2e
