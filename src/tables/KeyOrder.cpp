// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/KeyOrder.h"

#include "text/Compare.h"

namespace tables {
namespace {

constexpr std::size_t kMaxCompared = 128;

}  // namespace

int CompareKeys(std::string_view p, std::string_view k) {
    // Each key is folded along its own characters: a "?" may stand for the first byte of a
    // double-byte character, so the two keys need not agree on where characters start.
    text::AsciiFolder foldP;
    text::AsciiFolder foldK;
    int result = 0;
    std::size_t j = 0;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const unsigned char pc = foldP(static_cast<unsigned char>(p[i]));
        if (j >= k.size()) {
            // K ended: any further non-"?" byte of P puts K first.
            if (pc != '?' && (result == 0 || result == WildcardEqual)) {
                result = -1;
            }
            continue;
        }
        const unsigned char kc = foldK(static_cast<unsigned char>(k[j]));
        if (pc == '?') {
            if (kc != '?' && result == 0) {
                result = WildcardEqual;
            }
            ++j;
        } else if (pc == kc) {
            ++j;
        } else {
            return (result == 0 && kc == '?') ? 1 : kc - pc;
        }
    }
    if ((result == 0 || result == WildcardEqual) && j < k.size()) {
        result = 1;
    }
    return result;
}

bool WildcardMatches(std::string_view key, std::string_view name) {
    text::AsciiFolder foldKey;
    text::AsciiFolder foldName;
    for (std::size_t i = 0; i < kMaxCompared; ++i) {
        if (i >= name.size()) {
            return key.substr(i < key.size() ? i : key.size()).find_first_not_of('?') ==
                   std::string_view::npos;
        }
        if (i >= key.size()) {
            return false;
        }
        const char keyByte = foldKey(key[i]);
        const char nameByte = foldName(name[i]);
        if (keyByte != '?' && keyByte != nameByte) {
            return false;
        }
    }
    return true;
}

}  // namespace tables
