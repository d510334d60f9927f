// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "text/Compare.h"
#include "text/Sjis.h"

namespace settings {

// Position of the first single-byte `c` in CP932 text, stepping over double-byte
// characters (whose second byte may look like "[", "]" or "\\"); npos when there is none.
inline std::size_t FindAsciiChar(std::string_view cp932, char c) {
    for (std::size_t i = 0; i < cp932.size(); ++i) {
        if (cp932[i] == c) {
            return i;
        }
        if (text::IsLeadByte(static_cast<unsigned char>(cp932[i]))) {
            ++i;
        }
    }
    return std::string_view::npos;
}

using text::FoldAscii;

}  // namespace settings
