// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <utility>
#include <vector>

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

// The place is found by walking the list, as the order is defined. A list that never held
// a key with "?" is in plain ascending order, where that walk stops where a binary search
// does; `plainOrder` says so and keeps filing into a large list from taking linear time.
template <class Entries, class KeyOf>
KeyPlace FindKeyPlace(const Entries& entries, std::string_view key, KeyOf keyOf, bool plainOrder) {
    auto keyNotAfter = [&](const auto& entry) { return CompareKeys(keyOf(entry), key) <= 0; };
    auto found = (plainOrder && key.find('?') == std::string_view::npos)
                     ? std::partition_point(entries.begin(), entries.end(),
                                            [&](const auto& entry) { return !keyNotAfter(entry); })
                     : std::find_if(entries.begin(), entries.end(), keyNotAfter);
    auto index = static_cast<std::size_t>(found - entries.begin());
    return {index, index < entries.size() && CompareKeys(keyOf(entries[index]), key) == 0};
}

// Puts entries read from a file into the order that filing them one by one gives, in one
// sort: by key, and of entries with equal keys the first kept with the later ones merged
// into it (`merge(kept, later)`). Only for keys without "?" (whose places depend on the
// filing order); false and nothing changed when a key holds "?".
template <class Entry, class KeyOf, class Merge>
bool SortPlainEntries(std::vector<Entry>& entries, KeyOf keyOf, Merge merge) {
    for (const Entry& entry : entries) {
        if (std::string_view(keyOf(entry)).find('?') != std::string_view::npos) {
            return false;
        }
    }
    std::stable_sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) {
        return CompareKeys(keyOf(a), keyOf(b)) > 0;
    });
    std::vector<Entry> merged;
    merged.reserve(entries.size());
    for (Entry& entry : entries) {
        if (!merged.empty() && CompareKeys(keyOf(merged.back()), keyOf(entry)) == 0) {
            merge(merged.back(), entry);
        } else {
            merged.push_back(std::move(entry));
        }
    }
    entries = std::move(merged);
    return true;
}

// Whether a keyed list is still in plain order: until a key with "?" is filed into it.
class PlainOrderFlag {
  public:
    bool Holds() const { return holds_; }
    void Cleared() { holds_ = true; }
    void Inserted(std::string_view key) {
        holds_ = holds_ && key.find('?') == std::string_view::npos;
    }

  private:
    bool holds_ = true;
};

}  // namespace tables
