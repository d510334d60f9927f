// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/Padding.h"

#include <cstdarg>
#include <cstdio>

namespace text {

std::string PadRight(std::string_view s, std::size_t width) {
    std::string out(s);
    if (out.size() < width) {
        out.append(width - out.size(), ' ');
    }
    return out;
}

std::string Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string out;
    if (n > 0) {
        out.resize(static_cast<std::size_t>(n) + 1);
        std::vsnprintf(out.data(), out.size(), format, args);
        out.resize(static_cast<std::size_t>(n));
    }
    va_end(args);
    return out;
}

}  // namespace text
