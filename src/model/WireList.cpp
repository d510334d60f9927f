// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/WireList.h"

namespace model {

TWireRec::TWireRec(TPoint a, TPoint b) {
    bool aFirst = a.X < b.X || (a.X == b.X && a.Y <= b.Y);
    const TPoint& first = aFirst ? a : b;
    const TPoint& second = aFirst ? b : a;
    X1 = first.X;
    Y1 = first.Y;
    X2 = second.X;
    Y2 = second.Y;
}

bool TWireList::AddWire(const std::uint8_t* record) {
    TPoint a{ReadInt16(record + 2), ReadInt16(record + 4)};
    TPoint b{ReadInt16(record + 6), ReadInt16(record + 8)};
    if (a == b) {
        return false;
    }
    Items.push_back(std::make_unique<TWireRec>(a, b));
    return true;
}

void TWireList::AddJunction(const std::uint8_t* record) {
    Junctions.push_back({ReadInt16(record + 2), ReadInt16(record + 4)});
}

void TWireList::AddLabel(const std::uint8_t* record) {
    Labels.push_back(DecodeLabel(record));
}

}  // namespace model
