// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace netlist {

// Where each run of a sorted table's 32-bit keys with the same top half starts (for a
// packed point, its Y). A binary search of a table of millions of wire ends missed the
// cache at nearly every step; searched only within the run of its key, it misses a few
// times.
class KeyRuns {
  public:
    // `keyOf(i)` is the key of entry i of the `count` sorted entries.
    template <class KeyOf>
    void Build(std::size_t count, KeyOf keyOf) {
        starts_.assign(kRuns + 1, 0);
        std::size_t at = 0;
        for (std::size_t run = 0; run <= kRuns; ++run) {
            while (at < count && (keyOf(at) >> 16) < run) {
                ++at;
            }
            starts_[run] = static_cast<std::uint32_t>(at);
        }
    }
    // The entries [first, last) whose keys share the top half of `key`.
    std::pair<std::size_t, std::size_t> RunOf(std::uint32_t key) const {
        if (starts_.empty()) {
            return {0, 0};
        }
        return {starts_[key >> 16], starts_[(key >> 16) + 1]};
    }

  private:
    static constexpr std::size_t kRuns = std::size_t{1} << 16;
    std::vector<std::uint32_t> starts_;
};

}  // namespace netlist
