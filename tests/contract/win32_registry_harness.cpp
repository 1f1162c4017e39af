#include <windows.h>
#include <shlwapi.h>

#include "contract/registry_harness.h"
#include "platform/win32/win32_registry.h"

namespace vexor::contract {
namespace {

class Win32RegistryHarness : public RegistryHarness {
public:
    Win32RegistryHarness() { RemoveScratch(); }
    ~Win32RegistryHarness() override { RemoveScratch(); }
    RegistryApi& Api() override { return registry_; }

private:
    static void RemoveScratch() { SHDeleteKeyA(HKEY_LOCAL_MACHINE, kScratchPath); }

    win32::Win32RegistryApi registry_;
};

}  // namespace

std::unique_ptr<RegistryHarness> MakeRegistryHarness() { return std::make_unique<Win32RegistryHarness>(); }

}  // namespace vexor::contract
