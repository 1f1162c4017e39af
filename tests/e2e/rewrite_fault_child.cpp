// A program that rewrites the allowed titles in the real registry and is killed in the middle:
//   vexor_fault_child LIMIT TITLE...
// makes LIMIT registry calls, then ends itself with TerminateProcess (exit code 3) as the next one
// begins; with LIMIT -1 it finishes (exit code 0, or 1 when the store said it failed).
#include <windows.h>

#include <cstdlib>

#include "platform/win32/win32_registry.h"
#include "store/allowed_titles.h"

namespace {

using namespace vexor;

constexpr UINT kKilledExitCode = 3;

class DyingRegistryApi : public RegistryApi {
public:
    explicit DyingRegistryApi(long limit) : limit_(limit) {}

    long RegOpenKeyExA(RegistryKey root, const std::string& path, std::uint32_t access, RegistryKey* key) override {
        Call();
        return real_.RegOpenKeyExA(root, path, access, key);
    }
    long RegCreateKeyExA(RegistryKey root, const std::string& path, RegistryKey* key) override {
        Call();
        return real_.RegCreateKeyExA(root, path, key);
    }
    long RegQueryValueExA(RegistryKey key, const std::string& name, std::uint32_t* type, std::uint8_t* data,
                          std::uint32_t* length) override {
        Call();
        return real_.RegQueryValueExA(key, name, type, data, length);
    }
    long RegSetValueExA(RegistryKey key, const std::string& name, std::uint32_t type, const std::uint8_t* data,
                        std::uint32_t length) override {
        Call();
        return real_.RegSetValueExA(key, name, type, data, length);
    }
    long RegDeleteKeyA(RegistryKey root, const std::string& path) override {
        Call();
        return real_.RegDeleteKeyA(root, path);
    }
    long RegCloseKey(RegistryKey key) override {
        Call();
        return real_.RegCloseKey(key);
    }
    long RegEnumValueA(RegistryKey key, std::uint32_t index, char* name, std::uint32_t* nameLength, std::uint32_t* type,
                       std::uint8_t* data, std::uint32_t* dataLength) override {
        Call();
        return real_.RegEnumValueA(key, index, name, nameLength, type, data, dataLength);
    }
    long RegQueryInfoKeyA(RegistryKey key, std::uint32_t* values, std::uint32_t* longestName,
                          std::uint32_t* longestData) override {
        Call();
        return real_.RegQueryInfoKeyA(key, values, longestName, longestData);
    }
    long RegDeleteValueA(RegistryKey key, const std::string& name) override {
        Call();
        return real_.RegDeleteValueA(key, name);
    }

private:
    void Call() {
        if (limit_ >= 0 && calls_++ >= limit_) TerminateProcess(GetCurrentProcess(), kKilledExitCode);
    }

    win32::Win32RegistryApi real_;
    long limit_;
    long calls_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    DyingRegistryApi api(std::strtol(argv[1], nullptr, 10));
    RegistryModule registry(api);
    AllowedTitleStore store(registry);
    return store.Rewrite(std::vector<std::string>(argv + 2, argv + argc)) ? 0 : 1;
}
