// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The drawing target's input carries the library the drawing's parts are placed from, so
// the fuzzer varies both together: two bytes (little-endian) give the library's length, the
// library follows (a ".lb3" when it starts with "+", else a ".lib"), then the drawing.
namespace fuzz {

struct DrawingInput {
    std::string_view Library;
    std::string_view Drawing;
};

inline DrawingInput SplitDrawingInput(const std::uint8_t* data, std::size_t size) {
    std::string_view all(reinterpret_cast<const char*>(data), size);
    if (all.size() < 2) {
        return {{}, all};
    }
    const std::size_t length =
        std::min<std::size_t>(static_cast<std::size_t>(data[0] | data[1] << 8), all.size() - 2);
    return {all.substr(2, length), all.substr(2 + length)};
}

inline std::string JoinDrawingInput(std::string_view library, std::string_view drawing) {
    std::string joined{static_cast<char>(library.size() & 0xFF),
                       static_cast<char>(library.size() >> 8 & 0xFF)};
    joined.append(library);
    joined.append(drawing);
    return joined;
}

inline std::string LibraryFileName(std::string_view library) {
    return library.starts_with('+') ? "fuzz.lb3" : "fuzz.lib";
}

}  // namespace fuzz
