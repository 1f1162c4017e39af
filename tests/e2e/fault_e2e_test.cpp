// A rewrite of the real registry cut short by the death of its process, after every possible
// number of registry calls: every title both the old and the new list hold is still stored, and
// the next load gives a list made only of their titles.
#include <gtest/gtest.h>

#include <algorithm>

#include "e2e/driver.h"
#include "platform/win32/win32_registry.h"
#include "store/allowed_titles.h"

namespace vexor::e2e {
namespace {

std::string ChildPath() {
    std::string path = VexorPath();
    return path.substr(0, path.size() - std::string("vexor.exe").size()) + "vexor_fault_child.exe";
}

int RunChild(long limit, const std::vector<std::string>& titles) {
    std::string arguments = std::to_string(limit);
    for (const std::string& title : titles) arguments += " \"" + title + "\"";
    Program child(ChildPath(), arguments);
    return child.WaitForExit(20000);
}

std::vector<std::string> Load() {
    win32::Win32RegistryApi api;
    RegistryModule registry(api);
    return AllowedTitleStore(registry).Load();
}

TEST(RewriteFaultE2E, KilledRewriteKeepsEveryTitleBothListsHold) {
    const std::vector<std::string> old = {"Alpha - Internet Explorer", "Beta", "Alpha - Internet Explorer", "Gamma"};
    const std::vector<std::vector<std::string>> changes = {
        {"Alpha - Internet Explorer", "Alpha - Internet Explorer", "Gamma"},           // Delete at 1
        {"Alpha - Internet Explorer", "Beta", "Alpha - Internet Explorer", "Gamma", "Delta"},  // a release
        {"Delta"},                                                                      // Delete All, then a release
    };
    for (const auto& next : changes) {
        int runs = 0;
        for (long limit = 0;; ++limit) {
            DeleteWindowsKey();
            ASSERT_EQ(RunChild(-1, old), 0);
            const int exitCode = RunChild(limit, next);
            ASSERT_TRUE(exitCode == 0 || exitCode == 3) << "exit code " << exitCode;
            const auto stored = Load();
            for (const std::string& title : {"Alpha - Internet Explorer", "Beta", "Gamma", "Delta"}) {
                const auto inOld = std::count(old.begin(), old.end(), title);
                const auto inNext = std::count(next.begin(), next.end(), title);
                const auto inStore = std::count(stored.begin(), stored.end(), title);
                EXPECT_GE(inStore, std::min(inOld, inNext)) << title << ", killed after " << limit << " calls";
                if (inOld + inNext == 0) {
                    EXPECT_EQ(inStore, 0) << title;
                }
            }
            ++runs;
            if (exitCode == 0) {
                EXPECT_EQ(stored, next);
                break;
            }
            ASSERT_LT(limit, 200) << "the rewrite never finished";
        }
        EXPECT_GT(runs, 3);
    }
    DeleteWindowsKey();
}

}  // namespace
}  // namespace vexor::e2e
