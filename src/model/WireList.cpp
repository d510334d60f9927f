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

void TWireList::Reorder(std::vector<std::uint32_t> order) {
    // Each cycle of the order is followed once, one wire held aside, in place: a copy of
    // the list would double the largest thing held while a drawing is read. A place done
    // is marked in the order itself.
    for (std::uint32_t start = 0; start < order.size(); ++start) {
        if (order[start] == start) {
            continue;
        }
        const TWireRec held = Items[start];
        std::uint32_t to = start;
        while (order[to] != start) {
            const std::uint32_t from = order[to];
            Items[to] = Items[from];
            order[to] = to;
            to = from;
        }
        Items[to] = held;
        order[to] = to;
    }
}

}  // namespace model
