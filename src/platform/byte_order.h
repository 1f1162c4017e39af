// 32-bit numbers as the platform's records hold them: little-endian, the low byte first.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vexor {

inline void PutLittleEndian32(std::uint8_t* at, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// From the first `count` bytes (at most 4); missing high bytes count as 0.
inline std::uint32_t GetLittleEndian32(const std::uint8_t* at, std::size_t count = 4) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < count && i < 4; ++i) value |= std::uint32_t{at[i]} << (8 * i);
    return value;
}

}  // namespace vexor
