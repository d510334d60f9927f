// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/WireList.h"

#include <algorithm>

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
    Items.emplace_back(a, b);
    return true;
}

void TWireList::AddJunction(const std::uint8_t* record) {
    Junctions.push_back({ReadInt16(record + 2), ReadInt16(record + 4)});
}

void TWireList::AddLabel(const std::uint8_t* record) {
    Labels.push_back(DecodeLabel(record));
}

std::uint32_t TWireList::AddName(std::string_view name) {
    if (name.empty()) {
        return 0;  // an empty label names nothing
    }
    names_.emplace_back(name);
    return static_cast<std::uint32_t>(names_.size());
}

std::string_view TWireList::NameOf(const TWireRec& wire) const {
    return wire.Name == 0 ? std::string_view() : names_[wire.Name - 1].View();
}

void TWireList::Reorder(const std::vector<std::uint32_t>& order) {
    // Gathered into one block and laid back in list order: reading the wires in the new
    // order and writing them in turn is several times quicker at millions than following
    // the cycles of the order through the list.
    std::vector<TWireRec> ordered;
    ordered.reserve(order.size());
    for (std::uint32_t from : order) {
        ordered.push_back(Items[from]);
    }
    std::copy(ordered.begin(), ordered.end(), Items.begin());
}

}  // namespace model
