// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/Point.h"
#include "text/PooledText.h"
#include "text/ShortText.h"

namespace model {

struct TNetRec;
struct TPartRec;

// A connected group of one drawing (its number in the connectivity pass). 0 is no group:
// an item on no wire, or a pin whose stub joined nothing.
using GroupNo = std::int32_t;

// A rectangle in drawing units, both corners inside.
struct DrawingRect {
    std::int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;

    bool Empty() const { return Right < Left || Bottom < Top; }
    bool Contains(TPoint p) const {
        return p.X >= Left && p.X <= Right && p.Y >= Top && p.Y <= Bottom;
    }
    // Grows the rectangle to hold `p`; an empty rectangle becomes that point.
    void Include(TPoint p);
    void Include(const DrawingRect& r);
    static DrawingRect Nothing() { return {0, 0, -1, -1}; }
};

// A wire as the file gave it, before the connectivity pass cut it: the pieces of one wire
// always share their group, so the whole wire shows its net.
struct DrawingWire {
    TPoint A, B;
    GroupNo Group = 0;
};

struct DrawingJunction {
    TPoint At;
    GroupNo Group = 0;
};

// A label (names the wire it lies on) or a tag (names the wires ending at either of its
// two connection points). Text in CP932.
struct DrawingLabel {
    TPoint At;
    bool IsTag = false;
    bool Vertical = false;
    std::int16_t Width = 0;  // a tag's distance to its second connection point
    GroupNo Group = 0;
    text::ShortText Text;
};

// Pins, parts and their texts run to millions in a large drawing: the texts are kept short,
// and pin numbers, which repeat, once in the program's pool.
struct DrawingPin {
    TPoint At;        // the connection point
    TPoint BodyEdge;  // where the pin meets its part's body; At when the body is unknown
    GroupNo Group = 0;
    std::int32_t Part = 0;    // index in DrawingGeometry::Parts
    text::PooledText Number;  // CP932
};

// One unit of a part as placed, with the parts list's records, which outlive it. Texts in
// CP932.
struct DrawingPart {
    TPoint At;
    std::uint8_t Dir = 0;
    bool HasBody = false;  // false when the libraries lack the symbol
    DrawingRect Body;
    const TPartRec* Head = nullptr;  // the parts list's record of the physical part
    // The unit's own record, in Head's chain of units: the texts drawn are read from it
    // rather than copied for each of half a million parts.
    const TPartRec* Unit = nullptr;

    std::string_view RefText() const;   // as the file gives it
    std::string_view NameText() const;  // the name drawn

    // The body, or for a symbol the libraries lack a small square ending at the position.
    DrawingRect Outline() const {
        return HasBody ? Body : DrawingRect{At.X - 20, At.Y - 20, At.X, At.Y};
    }
};

struct DrawingComment {
    TPoint At;
    std::string Text;  // CP932
};

// The geometry of one loaded drawing, each item linked to its group and each group to its
// net. Nets and parts are the run's; the geometry is emptied with them.
class DrawingGeometry {
  public:
    std::filesystem::path Path;  // the drawing file
    std::string FileName;        // CP932, without the folder
    std::vector<DrawingWire> Wires;
    std::vector<DrawingJunction> Junctions;
    std::vector<DrawingLabel> Labels;
    std::vector<DrawingPart> Parts;
    std::vector<DrawingPin> Pins;
    std::vector<DrawingComment> Comments;
    // What each group became, by GroupNo (entry 0 stands for no group): the net it belongs
    // to (null when it made none), and whether it carried two different names. Two lists,
    // since a drawing has about as many groups as wires.
    std::vector<TNetRec*> GroupNets;
    std::vector<bool> ShortedGroups;

    TNetRec* NetOf(GroupNo group) const {
        return group > 0 && static_cast<std::size_t>(group) < GroupNets.size()
                   ? GroupNets[static_cast<std::size_t>(group)]
                   : nullptr;
    }
    bool ShortedGroup(GroupNo group) const {
        return group > 0 && static_cast<std::size_t>(group) < ShortedGroups.size() &&
               ShortedGroups[static_cast<std::size_t>(group)];
    }
    // Whether the drawing holds an item of `net`.
    bool Holds(const TNetRec* net) const;
    // Everything drawn, texts' anchors included; Nothing() for an empty drawing.
    DrawingRect Bounds() const;
    // What the geometry holds in memory, texts included.
    std::size_t MemoryBytes() const;
};

using DrawingList = std::vector<std::unique_ptr<DrawingGeometry>>;

// What lies under a point of a drawing.
struct DrawingHit {
    enum class Kind { None, Pin, Junction, Wire, Label, Part };
    Kind What = Kind::None;
    std::size_t Index = 0;  // in the drawing's list of that kind
};

// The item nearest to (x, y) within `reach` drawing units, pins before junctions, wires,
// labels and then the part whose body holds the point: the small things a click aims at
// win over the large ones around them.
DrawingHit HitAt(const DrawingGeometry& drawing, double x, double y, double reach);

// The extent of the items of `net` (wires, junctions, pins, labels and tags); Nothing()
// when the drawing has none.
DrawingRect NetBounds(const DrawingGeometry& drawing, const TNetRec* net);
// The extent of the units of `part` (body or position, and pins).
DrawingRect PartBounds(const DrawingGeometry& drawing, const TPartRec* part);

}  // namespace model
