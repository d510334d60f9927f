#pragma once

#include <cstddef>
#include <string_view>

// The key order of the maker and footprint lists, where "?" in a key stands for any one
// character.
namespace tables {

// The result of CompareKeys when the entry key matches the other key only through "?".
// Negative, and unlike any difference of two bytes.
inline constexpr int WildcardEqual = -0x10000;

// Compares an entry key P with another key K: 0 equal, WildcardEqual when P matches K
// only through "?", negative when K sorts before P, positive when K sorts after P. ASCII
// letters compare without regard to case, other bytes as unsigned values.
int CompareKeys(std::string_view entryKey, std::string_view otherKey);

// True when `key` matches `name`: each "?" stands for exactly one character, and "?" at
// the end of the key may also match nothing. Compared over at most 128 bytes.
bool WildcardMatches(std::string_view key, std::string_view name);

// Where a new key goes into a list kept in key order: the first entry whose key compares
// not after it. `equal` tells that entry has the same key.
struct KeyPlace {
    std::size_t Index;
    bool Equal;
};
template <class Entries, class KeyOf>
KeyPlace FindKeyPlace(const Entries& entries, std::string_view key, KeyOf keyOf) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        int r = CompareKeys(keyOf(entries[i]), key);
        if (r <= 0) {
            return {i, r == 0};
        }
    }
    return {entries.size(), false};
}

}  // namespace tables
