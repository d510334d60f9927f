// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// printf's "%-Ns" counts bytes, so a double-byte character takes two columns of a
// fixed-width text layout. These helpers keep that count.
namespace text {

// `s` followed by blanks up to `width` bytes; a longer text is kept whole, as "%-Ns" does.
std::string PadRight(std::string_view s, std::size_t width);

// `number` in decimal, zero-padded to `width` digits as "%0Nd" writes it; without printf,
// which a million pins and nets made a good part of reading a large drawing.
std::string ZeroPadded(long long number, int width);

// printf into a std::string (the formats are the program's own, never user text).
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace text
