// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "text/Sjis.h"

#include <string>
#include <string_view>

// The three text comparisons of the program. Each call site names the one it means.
// All return <0, 0 or >0 like strcmp.
namespace text {

// Folds only the ASCII letters a-z to A-Z and compares every other byte as it is
// (names, labels, net names, table keys). Double-byte characters are never folded.
int CompareAsciiNoCase(std::string_view a, std::string_view b);

// Unsigned byte-wise comparison, case-sensitive (parts list order, symbol lookup).
int CompareBytes(std::string_view a, std::string_view b);

// The system locale's case-insensitive collation of the texts (CP932 in, compared as
// characters of the user's locale); used only where a rule asks for the locale order.
int CompareLocale(std::string_view a, std::string_view b);

inline bool EqualAsciiNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && CompareAsciiNoCase(a, b) == 0;
}

// Folds the ASCII letters a-z to A-Z one byte at a time, as names and keys compare
// without regard to case. It follows the characters of the text it is fed, because the
// second byte of a double-byte character may fall among the letters (ア is 0x83 0x41, ヂ is
// 0x83 0x61) and must stay as it is. The one folding rule of the program: every
// case-insensitive comparison, key order, wildcard match and search goes through it.
class AsciiFolder {
  public:
    unsigned char operator()(unsigned char c) {
        const bool letter = !trailByte_ && c >= 'a' && c <= 'z';
        trailByte_ = !trailByte_ && IsLeadByte(c);
        return letter ? static_cast<unsigned char>(c - 'a' + 'A') : c;
    }
    char operator()(char c) { return static_cast<char>((*this)(static_cast<unsigned char>(c))); }
    // True when the next byte fed is the second byte of a double-byte character.
    bool AtTrailByte() const { return trailByte_; }

  private:
    bool trailByte_ = false;
};

// The text with the ASCII letters folded as AsciiFolder folds them.
inline std::string FoldAscii(std::string_view text) {
    std::string folded(text);
    AsciiFolder fold;
    for (char& c : folded) {
        c = fold(c);
    }
    return folded;
}

}  // namespace text
