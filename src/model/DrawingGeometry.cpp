// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/DrawingGeometry.h"

#include <algorithm>

namespace model {

void DrawingRect::Include(TPoint p) {
    if (Empty()) {
        *this = {p.X, p.Y, p.X, p.Y};
        return;
    }
    Left = std::min<std::int32_t>(Left, p.X);
    Top = std::min<std::int32_t>(Top, p.Y);
    Right = std::max<std::int32_t>(Right, p.X);
    Bottom = std::max<std::int32_t>(Bottom, p.Y);
}

void DrawingRect::Include(const DrawingRect& r) {
    if (r.Empty()) {
        return;
    }
    if (Empty()) {
        *this = r;
        return;
    }
    Left = std::min(Left, r.Left);
    Top = std::min(Top, r.Top);
    Right = std::max(Right, r.Right);
    Bottom = std::max(Bottom, r.Bottom);
}

bool DrawingGeometry::Holds(const TNetRec* net) const {
    return net && std::any_of(Groups.begin(), Groups.end(),
                              [net](const DrawingGroup& g) { return g.Net == net; });
}

DrawingRect DrawingGeometry::Bounds() const {
    DrawingRect r = DrawingRect::Nothing();
    for (const DrawingWire& w : Wires) {
        r.Include(w.A);
        r.Include(w.B);
    }
    for (const DrawingJunction& j : Junctions) {
        r.Include(j.At);
    }
    for (const DrawingLabel& l : Labels) {
        r.Include(l.At);
    }
    for (const DrawingPart& p : Parts) {
        r.Include(p.At);
        if (p.HasBody) {
            r.Include(p.Body);
        }
    }
    for (const DrawingPin& p : Pins) {
        r.Include(p.At);
    }
    for (const DrawingComment& c : Comments) {
        r.Include(c.At);
    }
    return r;
}

std::size_t DrawingGeometry::MemoryBytes() const {
    // A short text lives inside the string itself; a longer one has a block of its own.
    const std::size_t inPlace = std::string().capacity();
    auto heap = [inPlace](const std::string& s) {
        return s.capacity() > inPlace ? s.capacity() + 1 : 0;
    };
    std::size_t bytes = sizeof(*this) + FileName.capacity();
    bytes += Wires.capacity() * sizeof(DrawingWire);
    bytes += Junctions.capacity() * sizeof(DrawingJunction);
    bytes += Groups.capacity() * sizeof(DrawingGroup);
    bytes += Labels.capacity() * sizeof(DrawingLabel);
    for (const DrawingLabel& l : Labels) {
        bytes += heap(l.Text);
    }
    bytes += Parts.capacity() * sizeof(DrawingPart);
    for (const DrawingPart& p : Parts) {
        bytes += heap(p.Ref) + heap(p.Name);
    }
    bytes += Pins.capacity() * sizeof(DrawingPin);
    for (const DrawingPin& p : Pins) {
        bytes += heap(p.Number);
    }
    bytes += Comments.capacity() * sizeof(DrawingComment);
    for (const DrawingComment& c : Comments) {
        bytes += heap(c.Text);
    }
    return bytes;
}

}  // namespace model
