// SPDX-License-Identifier: GPL-3.0-or-later
#include "netlist/Connectivity.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "model/WalkAhead.h"
#include "netlist/WireShape.h"
#include "text/Compare.h"

namespace netlist {
namespace {

bool ShareAnEnd(const model::TWireRec& p, const model::TWireRec& q) {
    return p.First() == q.First() || p.First() == q.Second() || p.Second() == q.First() ||
           p.Second() == q.Second();
}

// Moves item `from` to position `to` (to <= from), shifting the items between.
void MoveItem(model::TWireList& wires, int from, int to) {
    std::rotate(wires.Items.begin() + to, wires.Items.begin() + from,
                wires.Items.begin() + from + 1);
}

bool IsPowerPart(const model::TPartRec& part, const std::vector<std::string>& powerNames) {
    for (const std::string& power : powerNames) {
        if (text::EqualAsciiNoCase(part.LibNameText(), power)) {
            return true;
        }
    }
    return false;
}

// The decimal number a C library reads at the start of a text: blanks, one sign, digits;
// 0 without digits. Held within int instead of overflowing.
int CLibraryInteger(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t' || s[i] == '\n' || s[i] == '\r' ||
                            s[i] == '\v' || s[i] == '\f')) {
        ++i;
    }
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        value = std::min<long long>(value * 10 + (s[i] - '0'), 2147483647LL);
    }
    return static_cast<int>(negative ? -value : value);
}

}  // namespace

void SplitWire(model::TWireList& wires, model::TWireRec& wire, model::TPoint at) {
    const bool inVertical = IsVertical(wire) && at.X == wire.X1 && wire.Y1 < at.Y && at.Y < wire.Y2;
    const bool inHorizontal =
        IsHorizontal(wire) && at.Y == wire.Y1 && wire.X1 < at.X && at.X < wire.X2;
    if (!inVertical && !inHorizontal) {
        return;
    }
    wires.Items.emplace_back(at, wire.Second());  // `wire` keeps its place
    wire.X2 = at.X;
    wire.Y2 = at.Y;
}

void SplitAtJunctions(model::TWireList& wires) {
    for (const model::TPoint& junction : wires.Junctions) {
        for (int i = 0; i < wires.Count(); ++i) {
            SplitWire(wires, *wires[i], junction);
        }
    }
}

void SplitOverlaps(model::TWireList& wires) {
    for (int i = 0; i < wires.Count() - 1; ++i) {
        model::TWireRec& p = *wires[i];
        if (IsZeroLength(p) || (!IsVertical(p) && !IsHorizontal(p))) {
            continue;
        }
        for (int j = i + 1; j < wires.Count(); ++j) {
            model::TWireRec& q = *wires[j];
            const bool sameVertical = IsVertical(p) && IsVertical(q) && p.X1 == q.X1;
            const bool sameHorizontal = IsHorizontal(p) && IsHorizontal(q) && p.Y1 == q.Y1;
            if (!sameVertical && !sameHorizontal) {
                continue;
            }
            SplitWire(wires, q, p.Second());
            SplitWire(wires, q, p.First());
            SplitWire(wires, p, q.Second());
            SplitWire(wires, p, q.First());
        }
    }
}

int PinOrderOf(const model::TPinRec& pin, const PinConversion& pinCvt, std::string_view cvtName) {
    if (!pinCvt.HasPart(cvtName)) {
        return CLibraryInteger(pin.PinNumber);
    }
    return pinCvt.NumberOf(cvtName, pin.PinNumber).value_or(0);
}

void AddPinStubs(model::TWireList& wires, const model::TPartsList& parts,
                 const PinConversion& pinCvt) {
    auto pinsOf = [](const model::TPartRec& part) -> const model::TOwnedPinList& {
        return part.Pins;
    };
    model::WalkAhead(parts.Items, pinsOf, [&](const model::TPartRec& part) {
        // Pins are only ever appended, and every pass stubs all it finds: the pins still
        // without a stub are the last ones. Parts of earlier drawings, and the earlier units
        // of a part, are passed over without a look at each pin.
        auto first = part.Pins.end();
        while (first != part.Pins.begin() && !(*std::prev(first))->Stubbed()) {
            --first;
        }
        if (first == part.Pins.end()) {
            return;
        }
        const std::uint32_t stubName =
            IsPowerPart(part, parts.PowerNames) ? wires.AddName(part.CvtNameText()) : 0;
        for (auto next = first; next != part.Pins.end(); ++next) {
            const auto& pin = *next;
            const model::TPoint at{pin->X, pin->Y};
            model::TWireRec& stub = wires.Items.emplace_back(at, at);
            stub.Name = stubName;
            stub.Pin = pin.get();
            pin->PinOrder = PinOrderOf(*pin, pinCvt, part.CvtNameText());
            pin->SetRef(part.RefText());
        }
    });
}

int TagWidth(int textLength) {
    static constexpr int kWidths[] = {20, 20, 30, 40, 50, 60, 70, 80, 80, 90, 100, 110, 120};
    if (textLength >= 0 && textLength <= 12) {
        return kWidths[textLength];
    }
    return ((8 * textLength + 9) / 10) * 10 + 20;
}

void ApplyLabels(model::TWireList& wires) {
    for (const model::CCe2Label& label : wires.Labels) {
        const std::uint32_t name = wires.AddName(label.LabelText());
        const model::TPoint anchor{label.X, label.Y};
        if (label.Kind == model::kKindLabel) {
            for (int i = 0; i < wires.Count(); ++i) {
                model::TWireRec& w = *wires[i];
                const bool onVertical = label.Vertical() && IsVertical(w) && w.X1 == anchor.X &&
                                        w.Y1 <= anchor.Y && anchor.Y <= w.Y2;
                const bool onHorizontal = !label.Vertical() && IsHorizontal(w) &&
                                          w.Y1 == anchor.Y && w.X1 <= anchor.X && anchor.X <= w.X2;
                if (onVertical || onHorizontal) {
                    w.Name = name;
                }
            }
        } else if (label.Kind == model::kKindLabelAlt) {
            // The far end lies to the right even of a tag drawn upright.
            const model::TPoint farEnd{
                static_cast<std::int16_t>(anchor.X + TagWidth(label.TextLen)), anchor.Y};
            for (int i = 0; i < wires.Count(); ++i) {
                model::TWireRec& w = *wires[i];
                if (w.First() == anchor || w.Second() == anchor || w.First() == farEnd ||
                    w.Second() == farEnd) {
                    w.Name = name;
                }
            }
        }
    }
}

void SortWiresByLabel(model::TWireList& wires) {
    for (int i = 1; i < wires.Count(); ++i) {
        const std::string_view name = wires.NameOf(*wires[i]);
        if (name.empty()) {
            continue;
        }
        for (int j = 0; j < i; ++j) {
            const std::string_view other = wires.NameOf(*wires[j]);
            if (other.empty() || text::CompareAsciiNoCase(other, name) >= 0) {
                MoveItem(wires, i, j);
                break;
            }
        }
    }
}

void NumberNets(model::TWireList& wires) {
    int counter = 0;
    for (int i = 0; i < wires.Count(); ++i) {
        model::TWireRec& p = *wires[i];
        if (p.NetNo == 0) {
            p.NetNo = ++counter;
        }
        for (int j = i + 1; j < wires.Count(); ++j) {
            model::TWireRec& q = *wires[j];
            if (q.NetNo > 0) {
                continue;
            }
            const bool sameName = wires.Named(p) && wires.Named(q) &&
                                  text::EqualAsciiNoCase(wires.NameOf(p), wires.NameOf(q));
            if (ShareAnEnd(p, q) || sameName) {
                q.NetNo = counter;
                MoveItem(wires, j, i + 1);
            }
        }
    }
}

void ConnectWires(model::TWireList& wires, const model::TPartsList& parts,
                  const PinConversion& pinCvt) {
    SplitAtJunctions(wires);
    SplitOverlaps(wires);
    AddPinStubs(wires, parts, pinCvt);
    ApplyLabels(wires);
    SortWiresByLabel(wires);
    NumberNets(wires);
}

void BuildConnectivity(model::TWireList& wires, const model::TPartsList& parts,
                       model::TNetList& nets, const PinConversion& pinCvt,
                       const NetSettings& settings, ShortsReporter& shorts) {
    ConnectWires(wires, parts, pinCvt);
    BuildNets(nets, wires, settings, shorts);
}

}  // namespace netlist
