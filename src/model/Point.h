// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace model {

// A drawing position. Packed as one 32-bit value (X low, Y high) where a key is needed.
struct TPoint {
    std::int16_t X = 0;
    std::int16_t Y = 0;

    friend bool operator==(const TPoint&, const TPoint&) = default;

    std::uint32_t Packed() const {
        return static_cast<std::uint16_t>(X) |
               (static_cast<std::uint32_t>(static_cast<std::uint16_t>(Y)) << 16);
    }
    static TPoint FromPacked(std::uint32_t packed) {
        return {static_cast<std::int16_t>(packed & 0xFFFF),
                static_cast<std::int16_t>(packed >> 16)};
    }
};

}  // namespace model
