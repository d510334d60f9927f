// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <vector>

namespace settings {

// The main window's geometry and list layout as plain values: the settings files fill it
// and store it, the window applies it when it is shown and reads it back before saving.
// The initial values are the window's design values.
struct TWindowLayout {
    int Left = 257;
    int Width = 751;
    int Top = 207;
    int Height = 480;
    // Index among all nine pages of the main page control, hidden ones included.
    int ActivePage = 0;
    int PartsPage = 0;  // 0 printed layout, 1 detail data

    std::array<int, 6> PartsViewA{70, 200, 40, 80, 120, 100};
    std::array<int, 8> PartsViewB{60, 40, 50, 100, 80, 150, 150, 55};
    std::array<int, 2> MakerView{300, 200};
    std::array<int, 3> FootView{150, 100, 150};
    std::array<int, 3> EachCvtView{80, 120, 150};
    std::array<int, 3> NameCvtView{80, 120, 150};
    int CvtSplitter = 357;  // width of the left pane of the name conversion page

    static constexpr int kPageCount = 9;
    static constexpr int kPartsPageCount = 2;
};

// A stored column width key with the value it feeds.
struct WidthKey {
    std::string Key;
    int* Width;
};

// Every column width key of section "View", in the order they are read and written.
std::vector<WidthKey> ColumnWidthKeys(TWindowLayout& layout);

}  // namespace settings
