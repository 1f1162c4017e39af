// The allowed-title load over an arbitrary set of value names, types and data. The list never
// passes its capacity, never holds an empty entry, and every key is closed again.
//   input: records of [name length][name][type][data length: 2 bytes][data]
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

    std::size_t at = 0;
    int values = 0;
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
        registry.Put(kWindowsKeyRoot, kWindowsKeyPath, name,
                     type, std::vector<std::uint8_t>(input + at, input + at + dataLength));
        at += dataLength;
        ++values;
    }
    // A list that already holds entries is cleared first.
    TextList list;
    list.Append("stale");
    store.Load(list);

    if (list.Count() > kListCapacity || list.Count() > values) std::abort();
    for (int i = 0; i < list.Count(); ++i) {
        if (list.At(i).empty()) std::abort();
    }
    if (registry.OpenHandles() != 0) std::abort();
    // What was loaded can be written back and loaded again unchanged.
    if (store.Rewrite(list)) {
        TextList again;
        store.Load(again);
        if (again.Count() != list.Count()) std::abort();
        for (int i = 0; i < list.Count(); ++i) {
            if (again.At(i) != list.At(i)) std::abort();
        }
    }
    return 0;
}
