// A program that rewrites the allowed titles in the real registry and dies in the middle:
//   vexor_fault_child CALLS TITLE...
// makes CALLS registry calls, then ends itself with TerminateProcess (exit code 3) as the next one
// begins; with CALLS -1 it finishes (exit code 0, or 1 when the store said it failed).
#include <windows.h>

#include <cstdlib>

#include "platform/win32/win32_registry.h"
#include "store/allowed_titles.h"

namespace {

using namespace vexor;

class DyingRegistryApi : public RegistryApi {
public:
    explicit DyingRegistryApi(long calls) : callsLeft_(calls) {}

    long RegOpenKeyExA(RegistryKey root, const std::string& path, std::uint32_t access, RegistryKey* key) override {
        return Call(&RegistryApi::RegOpenKeyExA, root, path, access, key);
    }
    long RegCreateKeyExA(RegistryKey root, const std::string& path, RegistryKey* key) override {
        return Call(&RegistryApi::RegCreateKeyExA, root, path, key);
    }
    long RegQueryValueExA(RegistryKey key, const std::string& name, std::uint32_t* type, std::uint8_t* data,
                          std::uint32_t* length) override {
        return Call(&RegistryApi::RegQueryValueExA, key, name, type, data, length);
    }
    long RegSetValueExA(RegistryKey key, const std::string& name, std::uint32_t type, const std::uint8_t* data,
                        std::uint32_t length) override {
        return Call(&RegistryApi::RegSetValueExA, key, name, type, data, length);
    }
    long RegDeleteKeyA(RegistryKey root, const std::string& path) override {
        return Call(&RegistryApi::RegDeleteKeyA, root, path);
    }
    long RegCloseKey(RegistryKey key) override { return Call(&RegistryApi::RegCloseKey, key); }
    long RegEnumValueA(RegistryKey key, std::uint32_t index, char* name, std::uint32_t* nameLength, std::uint32_t* type,
                       std::uint8_t* data, std::uint32_t* dataLength) override {
        return Call(&RegistryApi::RegEnumValueA, key, index, name, nameLength, type, data, dataLength);
    }
    long RegQueryInfoKeyA(RegistryKey key, std::uint32_t* values, std::uint32_t* longestName,
                          std::uint32_t* longestData) override {
        return Call(&RegistryApi::RegQueryInfoKeyA, key, values, longestName, longestData);
    }
    long RegDeleteValueA(RegistryKey key, const std::string& name) override {
        return Call(&RegistryApi::RegDeleteValueA, key, name);
    }

private:
    // The real call, unless the calls are used up: then the process dies before it.
    template <typename Method, typename... Args>
    long Call(Method method, Args... args) {
        if (callsLeft_ >= 0 && callsLeft_-- == 0) TerminateProcess(GetCurrentProcess(), 3);
        return (real_.*method)(args...);
    }

    win32::Win32RegistryApi real_;
    long callsLeft_;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    DyingRegistryApi api(std::strtol(argv[1], nullptr, 10));
    RegistryModule registry(api);
    return AllowedTitleStore(registry).Rewrite(std::vector<std::string>(argv + 2, argv + argc)) ? 0 : 1;
}
