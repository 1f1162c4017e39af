// What the registry contract tests need: the registry API, and a scratch key under
// HKEY_LOCAL_MACHINE that is empty at the start of each test and removed afterwards.
#pragma once

#include <memory>
#include <string>

#include "platform/registry.h"

namespace vexor::contract {

constexpr char kScratchPath[] = "SOFTWARE\\VexorContractScratch";

class RegistryHarness {
public:
    virtual ~RegistryHarness() = default;
    virtual RegistryApi& Api() = 0;
};

// Implemented once for the simulated and once for the real registry.
std::unique_ptr<RegistryHarness> MakeRegistryHarness();

}  // namespace vexor::contract
