// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Byte rules of CP932 text: where characters start, and how texts are cut to fit the
// fixed fields of the records without splitting a double-byte character.
namespace text {

// True for the first byte of a double-byte CP932 character.
inline bool IsLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// True for a byte that can follow a lead byte as the second byte of a character.
inline bool IsTrailByte(unsigned char c) {
    return c >= 0x40 && c <= 0xFC && c != 0x7F;
}

// Length in bytes of the longest prefix of `s` that has at most `maxBytes` bytes and
// does not end inside a double-byte character.
std::size_t WholeCharacterPrefix(std::string_view s, std::size_t maxBytes);

// The text as a field of `fieldSize` bytes keeps it: at most fieldSize-1 bytes (room for
// the NUL), cut after the last whole character; the text also ends at an embedded NUL.
std::string FitField(std::string_view s, std::size_t fieldSize);

// Copies `s` into a char array of `fieldSize` bytes by the same rule, NUL-terminated.
void CopyToField(char* field, std::size_t fieldSize, std::string_view s);

template <std::size_t N>
void CopyToField(char (&field)[N], std::string_view s) {
    CopyToField(field, N, s);
}

// The text of a fixed char array: up to its first NUL or its full size.
template <std::size_t N>
std::string_view FieldText(const char (&field)[N]) {
    std::size_t n = 0;
    while (n < N && field[n] != '\0') {
        ++n;
    }
    return std::string_view(field, n);
}

}  // namespace text
