// The allowed-title load over any value names, types and data, one value growing before one of
// the registry's reads: nothing is read past what the registry returned, no title is empty, every
// key is closed.
//   input: [read before which the value grows; 0: none], then records of [name length]
//          [name; a leading '#' stands for "Window"][type][data length: 2 bytes][data]
#include <cstdlib>

#include "sim/sim_registry.h"
#include "store/allowed_titles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* input, std::size_t size) {
    using namespace vexor;
    if (size == 0) return 0;
    sim::SimRegistry registry;
    std::string grows;  // the first value with a name
    for (std::size_t at = 1; at + 4 <= size;) {
        const std::size_t nameLength = std::min<std::size_t>(input[at] % 24, size - at - 4);
        std::string name(reinterpret_cast<const char*>(input + at + 1), nameLength);
        if (!name.empty() && name[0] == '#') name.replace(0, 1, kTitleValuePrefix);
        if (grows.empty()) grows = name;
        at += 1 + nameLength;
        const std::size_t length = std::min<std::size_t>(input[at + 1] | input[at + 2] << 8, size - at - 3);
        registry.Put(sim::kMachine, sim::kTitlesKey, name, input[at] % 12, {input + at + 3, input + at + 3 + length});
        at += 3 + length;
    }
    int reads = 0;
    registry.SetBeforeQuery([&] {
        if (++reads == input[0] % 8) registry.PutText(sim::kMachine, sim::kTitlesKey, grows, std::string(3 * size, 'g'));
    });
    RegistryModule module(registry);
    const std::vector<std::string> titles = AllowedTitleStore(module).Load();
    if (std::count(titles.begin(), titles.end(), "") > 0 || registry.OpenHandles() != 0) std::abort();
    return 0;
}
