// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/Padding.h"

#include <charconv>
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

std::string ZeroPadded(long long number, int width) {
    char digits[24];
    const auto magnitude = number < 0 ? 0ULL - static_cast<unsigned long long>(number)
                                      : static_cast<unsigned long long>(number);
    const auto end = std::to_chars(digits, digits + sizeof digits, magnitude).ptr;
    const auto count = static_cast<int>(end - digits);
    std::string out(number < 0 ? "-" : "");
    // The sign takes one of the width's places, as in printf.
    const int zeros = width - count - static_cast<int>(out.size());
    if (zeros > 0) {
        out.append(static_cast<std::size_t>(zeros), '0');
    }
    out.append(digits, end);
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
