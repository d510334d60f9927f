// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "model/WalkAhead.h"

namespace {

struct Record {
    int Number = 0;
    std::vector<const int*> Listed;
};

// Every length around the two distances ahead: each record is visited once and in order,
// and its listed records are asked for unless it is among the first, which nothing precedes.
TEST(WalkAhead, VisitsEveryRecordInOrderAtEveryLength) {
    const int listedValue = 7;
    for (std::size_t count = 0; count <= 3 * model::kWalkAhead; ++count) {
        std::vector<std::unique_ptr<Record>> items;
        for (std::size_t i = 0; i < count; ++i) {
            items.push_back(std::make_unique<Record>(Record{static_cast<int>(i), {&listedValue}}));
        }
        std::vector<int> visited;
        std::vector<int> listedFor;
        model::WalkAhead(
            items,
            [&](const Record& r) -> const std::vector<const int*>& {
                listedFor.push_back(r.Number);
                return r.Listed;
            },
            [&](Record& r) { visited.push_back(r.Number); });
        std::vector<int> expected;
        for (std::size_t i = 0; i < count; ++i) {
            expected.push_back(static_cast<int>(i));
        }
        EXPECT_EQ(visited, expected) << count;
        expected.erase(expected.begin(),
                       expected.begin() + static_cast<long>(std::min(count, model::kWalkAhead)));
        EXPECT_EQ(listedFor, expected) << count;
    }
}

}  // namespace
