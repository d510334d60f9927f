// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/DrawingGeometry.h"

#include <algorithm>
#include <cmath>

#include "model/PartRec.h"

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
    return net && std::find(GroupNets.begin(), GroupNets.end(), net) != GroupNets.end();
}

std::string_view DrawingPart::RefText() const {
    return Unit ? Unit->RefText() : std::string_view();
}
std::string_view DrawingPart::NameText() const {
    return Unit ? Unit->PartNameText() : std::string_view();
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
        r.Include(p.Outline());
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
    bytes += GroupNets.capacity() * sizeof(TNetRec*) + ShortedGroups.capacity() / 8;
    bytes += Labels.capacity() * sizeof(DrawingLabel);
    for (const DrawingLabel& l : Labels) {
        bytes += l.Text.HeapBytes();
    }
    bytes += Parts.capacity() * sizeof(DrawingPart);
    // Part texts are the parts list's, pin numbers the pool's.
    bytes += Pins.capacity() * sizeof(DrawingPin);
    bytes += Comments.capacity() * sizeof(DrawingComment);
    for (const DrawingComment& c : Comments) {
        bytes += heap(c.Text);
    }
    return bytes;
}

namespace {

double DistanceToSegment(double x, double y, TPoint a, TPoint b) {
    const double dx = b.X - a.X;
    const double dy = b.Y - a.Y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((x - a.X) * dx + (y - a.Y) * dy) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(x - (a.X + t * dx), y - (a.Y + t * dy));
}

// The nearest of `items` within `reach`, by the distance `distance` gives.
template <class Items, class Distance>
bool Nearest(const Items& items, double reach, Distance distance, std::size_t& index) {
    double best = reach;
    bool found = false;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const double d = distance(items[i]);
        if (d <= best) {
            best = d;
            index = i;
            found = true;
        }
    }
    return found;
}

// A label's text box, estimated: a character is about two thirds of the text height.
DrawingRect LabelBox(const DrawingLabel& label) {
    const std::int32_t length = static_cast<std::int32_t>(label.Text.size()) * 6;
    if (label.IsTag) {
        return {label.At.X, label.At.Y - 6, label.At.X + label.Width, label.At.Y + 6};
    }
    if (label.Vertical) {
        return {label.At.X - 9, label.At.Y - length, label.At.X, label.At.Y};
    }
    return {label.At.X, label.At.Y - 9, label.At.X + length, label.At.Y};
}

bool Near(const DrawingRect& r, double x, double y, double reach) {
    return x >= r.Left - reach && x <= r.Right + reach && y >= r.Top - reach &&
           y <= r.Bottom + reach;
}

}  // namespace

DrawingHit HitAt(const DrawingGeometry& drawing, double x, double y, double reach) {
    using Kind = DrawingHit::Kind;
    std::size_t index = 0;
    if (Nearest(
            drawing.Pins, reach,
            [&](const DrawingPin& p) { return DistanceToSegment(x, y, p.BodyEdge, p.At); },
            index)) {
        return {Kind::Pin, index};
    }
    if (Nearest(
            drawing.Junctions, reach,
            [&](const DrawingJunction& j) { return std::hypot(x - j.At.X, y - j.At.Y); }, index)) {
        return {Kind::Junction, index};
    }
    if (Nearest(
            drawing.Wires, reach,
            [&](const DrawingWire& w) { return DistanceToSegment(x, y, w.A, w.B); }, index)) {
        return {Kind::Wire, index};
    }
    for (std::size_t i = 0; i < drawing.Labels.size(); ++i) {
        if (Near(LabelBox(drawing.Labels[i]), x, y, reach)) {
            return {Kind::Label, i};
        }
    }
    for (std::size_t i = drawing.Parts.size(); i-- > 0;) {
        if (Near(drawing.Parts[i].Outline(), x, y, reach)) {
            return {Kind::Part, i};
        }
    }
    return {};
}

DrawingRect NetBounds(const DrawingGeometry& drawing, const TNetRec* net) {
    DrawingRect r = DrawingRect::Nothing();
    if (!net) {
        return r;
    }
    auto ofNet = [&](GroupNo group) { return drawing.NetOf(group) == net; };
    for (const DrawingWire& w : drawing.Wires) {
        if (ofNet(w.Group)) {
            r.Include(w.A);
            r.Include(w.B);
        }
    }
    for (const DrawingJunction& j : drawing.Junctions) {
        if (ofNet(j.Group)) {
            r.Include(j.At);
        }
    }
    for (const DrawingPin& p : drawing.Pins) {
        if (ofNet(p.Group)) {
            r.Include(p.At);
        }
    }
    for (const DrawingLabel& l : drawing.Labels) {
        if (ofNet(l.Group)) {
            r.Include(LabelBox(l));
        }
    }
    return r;
}

DrawingRect PartBounds(const DrawingGeometry& drawing, const TPartRec* part) {
    DrawingRect r = DrawingRect::Nothing();
    for (std::size_t i = 0; part && i < drawing.Parts.size(); ++i) {
        const DrawingPart& unit = drawing.Parts[i];
        if (unit.Head != part) {
            continue;
        }
        r.Include(unit.Outline());
        for (const DrawingPin& pin : drawing.Pins) {
            if (pin.Part == static_cast<std::int32_t>(i)) {
                r.Include(pin.At);
            }
        }
    }
    return r;
}

}  // namespace model
