// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "model/Ce2Records.h"
#include "model/NetList.h"
#include "model/PartsList.h"
#include "model/Point.h"
#include "model/WireList.h"
#include "netlist/PinConversion.h"

namespace support {

// One drawing's geometry and parts, generated at random on a coarse grid so that ends,
// crossings, overlaps, labels and pins meet often.
struct RandomDrawing {
    std::vector<std::pair<model::TPoint, model::TPoint>> Wires;
    model::TJunctionList Junctions;
    model::TLabelList Labels;
    std::vector<model::CCe2Part> Parts;
    bool SerialNames = true;  // nets without a label get N...... names, else pin names

    // A fresh wire list of the drawing, as the reader hands it to connectivity.
    model::TWireList WireList() const;
};

struct RandomShape {
    int Wires = 20;
    int GridPoints = 9;  // grid points per axis, 10 units apart
    int Parts = 4;
    int Labels = 4;
    int Junctions = 4;
    int Drawings = 1;
    int MaxLength = 0;      // longest straight wire in grid steps; 0: across the sheet
    int Origin = 0;         // added to every coordinate, wrapping at the ends of the 16-bit range
    bool Numbered = false;  // references R1, C7, ... and label texts S1, S2, ... as on a
                            // real sheet, instead of a small set meeting often
    int Piles = 0;          // further wires piled on one line: copies, nested and chained overlaps,
                            // put among the others at random places
};

// A pile of `count` wires on the horizontal line `y` starting from the span [from, to]:
// each is a copy of an earlier one, nested one grid step inside it, or shifted one step
// along, drawn in either direction. What copy-paste accidents leave on a sheet.
std::vector<std::pair<model::TPoint, model::TPoint>> PileOfWires(std::mt19937& rng, int count,
                                                                 std::int16_t y, std::int16_t from,
                                                                 std::int16_t to);

std::vector<RandomDrawing> RandomDrawings(std::mt19937& rng, const RandomShape& shape);

// The pins a generated part brings: a row, a column, all on one point, or one at
// (-1, -1), depending on the record; numbered from its unit.
void PlaceRandomPins(model::TPartRec& head, const model::TPartRec& unit);

using ConnectFn =
    std::function<void(model::TWireList&, const model::TPartsList&, const netlist::PinConversion&)>;

// Which variant of each step a run uses; `Connect` runs steps 1 to 6.
struct ConnectivityVariant {
    ConnectFn Connect;
    bool IndexedNets = false;
    bool IndexedParts = false;
};

// Reads the drawings one after the other into one parts list and one net list and writes
// down, as text, everything users see of the result: per drawing the wire list after the
// connectivity steps, then the nets with their pins in order, the short rows and the parts
// list with its unit counts and conflict marks.
std::string RunAndDescribe(const std::vector<RandomDrawing>& drawings,
                           const ConnectivityVariant& variant);
// The same run without the description; returns the number of nets made.
int Run(const std::vector<RandomDrawing>& drawings, const ConnectivityVariant& variant);

}  // namespace support
