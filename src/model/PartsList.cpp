// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/PartsList.h"

#include <algorithm>
#include <functional>

namespace model {

void TPartsList::Clear() {
    std::sort(Items.begin(), Items.end(), [](const auto& a, const auto& b) {
        return std::less<const TPartRec*>()(a.get(), b.get());
    });
    while (!Items.empty()) {
        Items.pop_back();
    }
}

std::vector<TPartRec*> TPartsList::ByPlace() const {
    std::vector<TPartRec*> parts;
    parts.reserve(Items.size());
    for (const auto& part : Items) {
        parts.push_back(part.get());
    }
    std::sort(parts.begin(), parts.end(), std::less<const TPartRec*>());
    return parts;
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
