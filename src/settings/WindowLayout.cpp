// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/WindowLayout.h"

namespace settings {
namespace {

template <std::size_t N>
void AddKeys(std::vector<WidthKey>& keys, const char* const (&names)[N],
             std::array<int, N>& widths) {
    for (std::size_t i = 0; i < N; ++i) {
        keys.push_back({names[i], &widths[i]});
    }
}

template <std::size_t N>
void AddNumberedKeys(std::vector<WidthKey>& keys, const std::string& stem,
                     std::array<int, N>& widths) {
    for (std::size_t i = 0; i < N; ++i) {
        keys.push_back({stem + std::to_string(i), &widths[i]});
    }
}

}  // namespace

std::vector<WidthKey> ColumnWidthKeys(TWindowLayout& layout) {
    static const char* const partsA[] = {"RefNumWidth",    "PNameWidth",      "AMountWidth",
                                         "MakerNameWidth", "Name_GroupWidth", "NOTEWidth"};
    static const char* const partsB[] = {"Parts_NumberWidth", "FlagsWidth",      "FoundsBWidth",
                                         "Silk_NameWidth",    "Foot_PrintWidth", "Parts_NameWidth",
                                         "Warning_PinWidth",  "Max_PinWidth"};
    static const char* const maker[] = {"MakerPNameWidth", "MakerWidth"};
    static const char* const foot[] = {"FootPNameWidth", "FootPrintWidth", "TableSilkWidth"};
    std::vector<WidthKey> keys;
    AddKeys(keys, partsA, layout.PartsViewA);
    AddKeys(keys, partsB, layout.PartsViewB);
    AddKeys(keys, maker, layout.MakerView);
    AddKeys(keys, foot, layout.FootView);
    AddNumberedKeys(keys, "EachCvtViewWidth", layout.EachCvtView);
    AddNumberedKeys(keys, "NameCvtViewWidth", layout.NameCvtView);
    return keys;
}

}  // namespace settings
