// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/PartsList.h"

namespace model {

void TPartsList::Clear() {
    while (!Items.empty()) {
        Items.pop_back();
    }
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
