// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// Every data text of the program is a CP932 byte string; UTF-8 exists only at the edges
// (Qt widgets, the terminal, file names). These are the only two crossings.
namespace text {

// CP932 bytes to UTF-8. A byte sequence CP932 does not define becomes U+FFFD, so a
// damaged name still shows where it is damaged instead of vanishing.
std::string Cp932ToUtf8(std::string_view cp932);

// UTF-8 to CP932. A character CP932 cannot hold becomes "?"; *lossy (when given) tells
// the caller so it can warn the user. Invalid UTF-8 bytes are also replaced by "?".
std::string Utf8ToCp932(std::string_view utf8, bool* lossy = nullptr);

// A fixed text of the program, written in the source as UTF-8, as the CP932 bytes the
// core works with. The fixed texts are all representable; a conversion is cached per
// call site by the caller when it matters.
inline std::string Sj(std::string_view utf8) {
    return Utf8ToCp932(utf8);
}

}  // namespace text
