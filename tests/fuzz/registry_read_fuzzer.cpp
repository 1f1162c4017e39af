// RegistryModule's read path over stored data of every type and length, including a value that
// grows between the two queries of one read. Never reads past what the registry returned, never
// leaves a key open.
//   input: [type][flags][data...]
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "sim/sim_registry.h"
#include "store/allowed_titles.h"

using namespace vexor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* input, std::size_t size) {
    if (size < 2) return 0;
    const std::uint32_t type = input[0] % 16;  // every type the reader knows, and others
    const std::uint8_t flags = input[1];
    const std::vector<std::uint8_t> data(input + 2, input + size);
    const char* path = "SOFTWARE\\Fuzz";

    sim::SimRegistry registry;
    RegistryModule module(registry);
    registry.Put(kHkeyLocalMachine, path, "Value", type, data);
    int queries = 0;
    if (flags & 1) {
        // The value grows (or shrinks) after the first query.
        registry.SetBeforeQuery([&] {
            if (++queries == 2) {
                std::vector<std::uint8_t> changed = data;
                changed.resize(data.size() * 2 + (flags >> 4));
                registry.Put(kHkeyLocalMachine, path, "Value", type, changed);
            }
        });
    }
    const RegistryValue fallback = (flags & 2) ? RegistryValue(std::string("fallback")) : RegistryValue(EmptyValue{});
    const RegistryValue value = module.ReadValue(kHkeyLocalMachine, path, "Value", fallback);

    const std::size_t stored = data.size() * ((flags & 1) ? 2 : 1) + ((flags & 1) ? (flags >> 4) : 0);
    if (auto* text = std::get_if<std::string>(&value)) {
        if (*text != "fallback" && text->size() > stored) std::abort();
    }
    if (auto* bytes = std::get_if<ByteSequence>(&value)) {
        if (bytes->bytes.size() > stored) std::abort();
    }
    if (registry.OpenHandles() != 0) std::abort();
    (void)TitleText(value);
    return 0;
}
