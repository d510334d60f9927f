// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

// The large drawing the benchmarks read: a field of resistors in rows, each joined to the
// next by a run of wires meeting end to end; the last part of a row ends in such a run
// under a label. The part records come in a shuffled order, as parts placed and
// renumbered over a drawing's life do.
namespace support {

// The run of wire from one part to the next is cut into this many wires. Two is the
// densest drawing, parts packed end to end; schematics usually draw four to six.
constexpr int kFewestWiresPerPart = 2;
constexpr int kMostWiresPerPart = 6;

struct ResistorField {
    int Wires = 0;
    int Parts = 0;
    int Labels = 0;
    long FileBytes = 0;
};

// Writes the drawing of about `wires` wires to `path`.
ResistorField WriteResistorField(int wires, int wiresPerPart, const std::filesystem::path& path);
// The library of the resistor "R" and the editor's settings naming it, into `folder`.
void WriteResistorLibrary(const std::filesystem::path& folder);

}  // namespace support
