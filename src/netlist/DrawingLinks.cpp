// SPDX-License-Identifier: GPL-3.0-or-later
#include "netlist/DrawingLinks.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "netlist/KeyRuns.h"
#include "text/Compare.h"

namespace netlist {
namespace {

using model::GroupNo;

// The places of the wires `onLine` takes, by their line, lineOf(wire), and within a line by
// place. A line is one of 65 536 values, so the places are counted into their lines rather
// than sorted: two passes in list order, where a sort of a million wires compared wires all
// over memory, and a line's places are found without a search.
class LinePlaces {
  public:
    template <class OnLine, class LineOf>
    LinePlaces(const model::TWireList& wires, OnLine onLine, LineOf lineOf)
        : starts_(kLines + 1, 0) {
        for (const auto& w : wires.Items) {
            if (onLine(w)) {
                ++starts_[Slot(lineOf(w)) + 1];
            }
        }
        std::partial_sum(starts_.begin(), starts_.end(), starts_.begin());
        places_.resize(starts_.back());
        std::vector<std::uint32_t> next(starts_.begin(), starts_.end() - 1);
        std::uint32_t place = 0;
        for (const auto& w : wires.Items) {
            if (onLine(w)) {
                places_[next[Slot(lineOf(w))]++] = place;
            }
            ++place;
        }
    }

    // The places of the wires on `line`.
    std::span<const std::uint32_t> On(std::int16_t line) const {
        const std::size_t slot = Slot(line);
        return std::span(places_).subspan(starts_[slot], starts_[slot + 1] - starts_[slot]);
    }

  private:
    static constexpr std::size_t kLines = std::size_t{1} << 16;
    static std::size_t Slot(std::int16_t line) { return static_cast<std::uint16_t>(line); }

    std::vector<std::uint32_t> starts_;  // where each line's places start in places_
    std::vector<std::uint32_t> places_;
};

// The wires of the pass along one line, for the labels: a vertical label names the
// vertical wires through its anchor, a horizontal one the horizontal wires. A stub is both.
// Wires are held by their place in the list, half the room of a pointer at millions.
class WiresOnLines {
  public:
    explicit WiresOnLines(const model::TWireList& wires)
        : wires_(wires),
          vertical_(
              wires, [](const model::TWireRec& w) { return w.X1 == w.X2; },
              [](const model::TWireRec& w) { return w.X1; }),
          horizontal_(
              wires, [](const model::TWireRec& w) { return w.Y1 == w.Y2; },
              [](const model::TWireRec& w) { return w.Y1; }) {}

    GroupNo GroupAt(model::TPoint at, bool vertical) const {
        const std::int16_t along = vertical ? at.Y : at.X;
        for (std::uint32_t place :
             (vertical ? vertical_ : horizontal_).On(vertical ? at.X : at.Y)) {
            const model::TWireRec& w = wires_.Items[place];
            const std::int16_t from = vertical ? w.Y1 : w.X1;
            const std::int16_t to = vertical ? w.Y2 : w.X2;
            if (from <= along && along <= to) {
                return w.NetNo;
            }
        }
        return 0;
    }

  private:
    const model::TWireList& wires_;
    LinePlaces vertical_;
    LinePlaces horizontal_;
};

// The group of every wire end of the pass, as a sorted table rather than a hash map: a
// million wires with their stubs have three million ends. Ends that meet are joined, so a
// point has one group; were it ever two, the smaller is taken, the same on every run.
class GroupsAtEnds {
  public:
    // A stub's two ends are one point, kept once: half the wires of a large drawing are
    // stubs, and this table is the largest thing the window holds while it links one.
    explicit GroupsAtEnds(const model::TWireList& wires) {
        std::size_t count = 0;
        for (const auto& w : wires.Items) {
            count += w.First() == w.Second() ? 1 : 2;
        }
        ends_.reserve(count);
        for (const auto& w : wires.Items) {
            ends_.emplace_back(w.First().Packed(), w.NetNo);
            if (w.Second() != w.First()) {
                ends_.emplace_back(w.Second().Packed(), w.NetNo);
            }
        }
        std::sort(ends_.begin(), ends_.end());
        runs_.Build(ends_.size(), [this](std::size_t i) { return ends_[i].first; });
    }
    GroupNo At(model::TPoint p) const {
        const std::uint32_t key = p.Packed();
        const auto [first, last] = runs_.RunOf(key);
        const auto runEnd = ends_.begin() + static_cast<std::ptrdiff_t>(last);
        auto it = std::lower_bound(ends_.begin() + static_cast<std::ptrdiff_t>(first), runEnd, key,
                                   [](const auto& end, std::uint32_t k) { return end.first < k; });
        return it != runEnd && it->first == key ? it->second : 0;
    }

  private:
    std::vector<std::pair<std::uint32_t, GroupNo>> ends_;
    KeyRuns runs_;
};

// Groups named as the nets are: by the first named wire of the group in list order, the
// group shorted when a later one carries another name.
void NameGroups(model::DrawingGeometry& drawing, const model::TWireList& wires,
                const model::TNetList& nets) {
    std::vector<std::string_view> names(drawing.GroupNets.size());
    for (const auto& w : wires.Items) {
        if (!wires.Named(w) || w.NetNo <= 0) {
            continue;
        }
        std::string_view& name = names[static_cast<std::size_t>(w.NetNo)];
        if (name.empty()) {
            name = wires.NameOf(w);
        } else if (!text::EqualAsciiNoCase(name, wires.NameOf(w))) {
            drawing.ShortedGroups[static_cast<std::size_t>(w.NetNo)] = true;
        }
    }
    for (std::size_t g = 1; g < names.size(); ++g) {
        if (!drawing.GroupNets[g] && !names[g].empty()) {
            drawing.GroupNets[g] = NetNamed(nets, names[g]);
        }
    }
}

// The point of the body's outline nearest to a pin outside it: where the pin's line ends.
model::TPoint EdgeToward(const model::DrawingRect& body, model::TPoint pin) {
    auto clamp = [](std::int32_t v, std::int32_t lo, std::int32_t hi) {
        return static_cast<std::int16_t>(std::clamp(v, lo, hi));
    };
    return {clamp(pin.X, body.Left, body.Right), clamp(pin.Y, body.Top, body.Bottom)};
}

}  // namespace

model::TNetRec* NetNamed(const model::TNetList& nets, std::string_view name) {
    auto at = std::lower_bound(nets.Items.begin(), nets.Items.end(), name,
                               [](const auto& net, std::string_view n) {
                                   return text::CompareAsciiNoCase(net->NetName, n) < 0;
                               });
    return at != nets.Items.end() && text::EqualAsciiNoCase((*at)->NetName, name) ? at->get()
                                                                                  : nullptr;
}

void LinkDrawing(model::DrawingGeometry& drawing, const model::TWireList& wires,
                 const DrawingCapture& capture, const model::TNetList& nets) {
    GroupNo groups = 0;
    for (const auto& w : wires.Items) {
        groups = std::max(groups, w.NetNo);
    }
    drawing.GroupNets.assign(static_cast<std::size_t>(groups) + 1, nullptr);
    drawing.ShortedGroups.assign(static_cast<std::size_t>(groups) + 1, false);
    bool plainLabels = false;
    {
        // Gone before the lines are made: the two tables never take room at once.
        const GroupsAtEnds ends(wires);
        for (std::size_t i = 0; i < drawing.Pins.size() && i < capture.PlacedPins.size(); ++i) {
            model::DrawingPin& pin = drawing.Pins[i];
            const model::TPinRec& placed = *capture.PlacedPins[i];
            pin.Group = placed.Stubbed() ? ends.At(pin.At) : 0;
            if (placed.Net && pin.Group > 0) {
                drawing.GroupNets[static_cast<std::size_t>(pin.Group)] = placed.Net;
            }
            const model::DrawingPart& part = drawing.Parts[static_cast<std::size_t>(pin.Part)];
            pin.BodyEdge = part.HasBody ? EdgeToward(part.Body, pin.At) : pin.At;
        }
        // A cut keeps the first end of the wire it cuts, and everything at a point is in
        // one group: a file wire's group is the group at its first end.
        for (model::DrawingWire& w : drawing.Wires) {
            w.Group = ends.At(w.A);
        }
        for (model::DrawingJunction& j : drawing.Junctions) {
            j.Group = ends.At(j.At);
        }
        for (model::DrawingLabel& label : drawing.Labels) {
            plainLabels = plainLabels || !label.IsTag;
            if (label.IsTag) {
                label.Group = ends.At(label.At);
                if (label.Group == 0) {
                    label.Group =
                        ends.At({static_cast<std::int16_t>(label.At.X + label.Width), label.At.Y});
                }
            }
        }
    }
    NameGroups(drawing, wires, nets);

    if (!plainLabels) {
        return;
    }
    const WiresOnLines lines(wires);
    for (model::DrawingLabel& label : drawing.Labels) {
        if (!label.IsTag) {
            label.Group = lines.GroupAt(label.At, label.Vertical);
        }
    }
}

void DrawingMarks::FindShorts(const model::DrawingList& drawings) {
    ShortedNets.clear();
    for (const auto& drawing : drawings) {
        for (std::size_t g = 0; g < drawing->GroupNets.size(); ++g) {
            if (drawing->ShortedGroups[g] && drawing->GroupNets[g]) {
                ShortedNets.insert(drawing->GroupNets[g]);
            }
        }
    }
}

ItemLook DrawingMarks::GroupLook(const model::DrawingGeometry& drawing,
                                 model::GroupNo group) const {
    const model::TNetRec* net = drawing.NetOf(group);
    if (net && HighlightedNets.count(net)) {
        return ItemLook::Highlighted;
    }
    if (drawing.ShortedGroup(group) || (net && ShortedNets.count(net))) {
        return ItemLook::Shorted;
    }
    return ItemLook::Plain;
}

ItemLook DrawingMarks::PinLook(const model::DrawingGeometry& drawing,
                               const model::DrawingPin& pin) const {
    ItemLook look = GroupLook(drawing, pin.Group);
    if (look == ItemLook::Plain && !drawing.NetOf(pin.Group)) {
        return ItemLook::Unconnected;
    }
    return look;
}

ItemLook DrawingMarks::PartLook(const model::DrawingPart& part) const {
    return part.Head && part.Head == HighlightedPart ? ItemLook::Highlighted : ItemLook::Plain;
}

}  // namespace netlist
