// The allowed-title load over an arbitrary set of value names, types and data, with the first
// value growing before one of the load's reads of the key. The list never passes its capacity,
// never holds an empty entry, and every key is closed again.
//   input: [read before which the first value grows; 0: none]
//          records of [name length][name][type][data length: 2 bytes][data]
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "sim/sim_registry.h"
#include "store/allowed_titles.h"

using namespace vexor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* input, std::size_t size) {
    sim::SimRegistry registry;
    RegistryModule module(registry);
    AllowedTitleStore store(module);

    if (size == 0) return 0;
    const int growBeforeRead = input[0] % 8;
    std::size_t at = 1;
    int values = 0;
    std::string first;
    std::vector<std::uint8_t> firstData;
    std::uint32_t firstType = 0;
    while (at < size) {
        const std::size_t nameLength = input[at++] % 24;
        if (at + nameLength + 3 > size) break;
        std::string name(reinterpret_cast<const char*>(input + at), nameLength);
        at += nameLength;
        // Most names should look like title values, so the interesting paths are reached.
        if (!name.empty() && name[0] == '#') name = "Window" + name.substr(1);
        const std::uint32_t type = input[at++] % 12;
        const std::size_t dataLength = std::min<std::size_t>(input[at] | (input[at + 1] << 8), size - at - 2);
        at += 2;
        std::vector<std::uint8_t> data(input + at, input + at + dataLength);
        if (values == 0) {
            first = name;
            firstType = type;
            firstData = data;
        }
        registry.Put(kWindowsKeyRoot, kWindowsKeyPath, name, type, std::move(data));
        at += dataLength;
        ++values;
    }
    int reads = 0;
    if (values > 0 && growBeforeRead > 0) {
        registry.SetBeforeQuery([&] {
            if (++reads != growBeforeRead) return;
            std::vector<std::uint8_t> grown = firstData;
            grown.resize(firstData.size() * 3 + 1, 'g');
            registry.Put(kWindowsKeyRoot, kWindowsKeyPath, first, firstType, grown);
        });
    }
    const std::vector<std::string> titles = store.Load();
    if (titles.size() > static_cast<std::size_t>(kListCapacity) || titles.size() > static_cast<std::size_t>(values)) std::abort();
    for (const std::string& title : titles) {
        if (title.empty()) std::abort();
    }
    if (registry.OpenHandles() != 0) std::abort();
    registry.SetBeforeQuery(nullptr);
    // What was loaded can be written back and loaded again unchanged.
    if (store.Rewrite(titles) && store.Load() != titles) std::abort();
    return 0;
}
