// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ResistorField.h"

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "support/Ce2Builder.h"
#include "support/LibBuilder.h"
#include "support/Bytes.h"

namespace support {
namespace {

constexpr int kPartsPerRow = 250;
constexpr int kPitch = 100;   // drawing units from one resistor to the next
constexpr int kRowStep = 30;  // drawing units between rows (a million wires fit the 16-bit space)
constexpr int kOrigin = -30000;

}  // namespace

// A resistor's pins sit 50 units left and 10 units right of its position, 10 units up.
ResistorField WriteResistorField(int wires, int wiresPerPart, const std::filesystem::path& path) {
    Ce2Builder ce2;
    ResistorField d;
    const int parts = wires / wiresPerPart;
    std::vector<int> order(static_cast<std::size_t>(parts));
    for (int i = 0; i < parts; ++i) {
        order[static_cast<std::size_t>(i)] = i;
    }
    std::shuffle(order.begin(), order.end(), std::mt19937(20261208));
    for (int i : order) {
        const int row = i / kPartsPerRow;
        const int column = i % kPartsPerRow;
        // References stay below 10000, as on a real drawing: R1..R9999, then RA1.., RB1..
        const int block = i / 9999;
        const std::string ref = "R" +
                                (block ? std::string(1, static_cast<char>('A' + block - 1)) : "") +
                                std::to_string(i % 9999 + 1);
        ce2.Part({.X = kOrigin + column * kPitch + 50,
                  .Y = kOrigin + row * kRowStep + 10,
                  .Name = "10k",
                  .Ref = ref,
                  .LibName = "R"});
        ++d.Parts;
    }
    for (int i = 0; i < parts; ++i) {
        const int row = i / kPartsPerRow;
        const int column = i % kPartsPerRow;
        const int pinY = kOrigin + row * kRowStep;
        const int right = kOrigin + column * kPitch + 60;
        const bool lastInRow = column == kPartsPerRow - 1 || i == parts - 1;
        const int next = right + (lastInRow ? 30 : kPitch - 60);
        for (int piece = 0; piece < wiresPerPart; ++piece) {
            ce2.Wire(right + (next - right) * piece / wiresPerPart, pinY,
                     right + (next - right) * (piece + 1) / wiresPerPart, pinY);
            ++d.Wires;
        }
        if (lastInRow) {
            ce2.Label("ROW" + std::to_string(row + 1), next - 5, pinY);
            ++d.Labels;
        }
    }
    ce2.WriteTo(path.string());
    d.FileBytes = static_cast<long>(std::filesystem::file_size(path));
    return d;
}

void WriteResistorLibrary(const std::filesystem::path& folder) {
    LibBuilder()
        .Symbol({"R", 4, 2, 1, {{1, 0, {PinNoWord(1)}}, {1, 2, {PinNoWord(2)}}}})
        .WriteTo((folder / "bench.lib").string());
    WriteFileBytes((folder / "vorn.ini").string(), VornIni({"bench.lib"}));
}

}  // namespace support
