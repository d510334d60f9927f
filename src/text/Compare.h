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

// The text with the ASCII letters a-z folded to A-Z, as names and keys are compared;
// every other byte stays, so double-byte characters are never folded.
inline std::string FoldAscii(std::string_view text) {
    std::string folded(text);
    for (std::size_t i = 0; i < folded.size(); ++i) {
        auto c = static_cast<unsigned char>(folded[i]);
        if (IsLeadByte(c)) {
            ++i;  // the second byte belongs to the character, even when it looks like a letter
        } else if (c >= 'a' && c <= 'z') {
            folded[i] = static_cast<char>(c - 'a' + 'A');
        }
    }
    return folded;
}

}  // namespace text
