// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/PartsList.h"

#include <algorithm>
#include <functional>
#include <utility>

namespace model {

void TPartsList::Clear() {
    std::sort(Items.begin(), Items.end(), [](const auto& a, const auto& b) {
        return std::less<const TPartRec*>()(a.get(), b.get());
    });
    while (!Items.empty()) {
        Items.pop_back();
    }
}

std::vector<std::size_t> TPartsList::PlaceOrder() const {
    std::vector<std::pair<const TPartRec*, std::size_t>> places(Items.size());
    for (std::size_t i = 0; i < places.size(); ++i) {
        places[i] = {Items[i].get(), i};
    }
    std::sort(places.begin(), places.end(), [](const auto& a, const auto& b) {
        return std::less<const TPartRec*>()(a.first, b.first);
    });
    std::vector<std::size_t> order(places.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = places[i].second;
    }
    return order;
}

void TPartsList::SetPowerNames(std::string_view text) {
    PowerNames.clear();
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(';', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        if (end > start) {
            PowerNames.emplace_back(text.substr(start, end - start));
        }
        start = end + 1;
    }
}

}  // namespace model
