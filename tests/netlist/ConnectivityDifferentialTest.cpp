// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>

#include "netlist/Connectivity.h"
#include "netlist/IndexedConnectivity.h"
#include "netlist/KeyRuns.h"
#include "support/RandomDrawing.h"

namespace {

using support::ConnectivityVariant;
using support::RandomShape;

// Which connectivity steps run indexed; the others run plain.
struct IndexedSteps {
    bool Junctions = false;
    bool Overlaps = false;
    bool Labels = false;
    bool Sort = false;
    bool Numbers = false;
};

support::ConnectFn Connect(IndexedSteps use) {
    return [use](model::TWireList& wires, const model::TPartsList& parts,
                 const netlist::PinConversion& pinCvt) {
        (use.Junctions ? netlist::indexed::SplitAtJunctions : netlist::SplitAtJunctions)(wires);
        (use.Overlaps ? netlist::indexed::SplitOverlaps : netlist::SplitOverlaps)(wires);
        netlist::AddPinStubs(wires, parts, pinCvt);
        (use.Labels ? netlist::indexed::ApplyLabels : netlist::ApplyLabels)(wires);
        (use.Sort ? netlist::indexed::SortWiresByLabel : netlist::SortWiresByLabel)(wires);
        (use.Numbers ? netlist::indexed::NumberNets : netlist::NumberNets)(wires);
    };
}

const ConnectivityVariant kPlain{Connect({}), false, false};

// The first line where two descriptions part, with its number, for a readable failure.
std::string FirstDifference(const std::string& expected, const std::string& actual) {
    std::istringstream a(expected);
    std::istringstream b(actual);
    std::string lineA;
    std::string lineB;
    for (int line = 1;; ++line) {
        const bool moreA = static_cast<bool>(std::getline(a, lineA));
        const bool moreB = static_cast<bool>(std::getline(b, lineB));
        if (!moreA && !moreB) {
            return "";
        }
        if (!moreA || !moreB || lineA != lineB) {
            return "line " + std::to_string(line) + ": plain '" + (moreA ? lineA : "<end>") +
                   "', indexed '" + (moreB ? lineB : "<end>") + "'";
        }
    }
}

// Runs `rounds` random cases of each shape through the plain pass and `variant`; returns
// how many differed (and reports the first few with their seed).
int CountDifferences(const ConnectivityVariant& variant, const std::vector<RandomShape>& shapes,
                     int rounds, unsigned seedBase) {
    int differing = 0;
    for (std::size_t s = 0; s < shapes.size(); ++s) {
        for (int r = 0; r < rounds; ++r) {
            const unsigned seed = seedBase + static_cast<unsigned>(s * 100000 + r);
            std::mt19937 rng(seed);
            const auto drawings = support::RandomDrawings(rng, shapes[s]);
            const std::string difference =
                FirstDifference(support::RunAndDescribe(drawings, kPlain),
                                support::RunAndDescribe(drawings, variant));
            if (!difference.empty() && ++differing <= 3) {
                ADD_FAILURE() << "shape " << s << " seed " << seed << ": " << difference;
            }
        }
    }
    return differing;
}

// Dense small drawings where nearly everything meets, a sparser one, one with many wires
// on few lines (long overlap chains), two drawings into one parts and net list, and one at
// the end of the coordinate range, where wires and tags wrap around.
const std::vector<RandomShape> kShapes = {
    {.Wires = 8, .GridPoints = 4, .Parts = 3, .Labels = 3, .Junctions = 3, .Drawings = 1},
    {.Wires = 25, .GridPoints = 7, .Parts = 5, .Labels = 5, .Junctions = 6, .Drawings = 1},
    {.Wires = 40, .GridPoints = 3, .Parts = 2, .Labels = 2, .Junctions = 4, .Drawings = 1},
    {.Wires = 30, .GridPoints = 12, .Parts = 8, .Labels = 6, .Junctions = 8, .Drawings = 2},
    // Many drawings into one load: the indexes are kept from one to the next.
    {.Wires = 12, .GridPoints = 6, .Parts = 4, .Labels = 4, .Junctions = 3, .Drawings = 6},
    {.Wires = 20, .GridPoints = 8, .Parts = 4, .Labels = 6, .Junctions = 5, .Origin = 32720},
    // Piles on one line (copies, nested, chained), with junctions, labels and pins on them.
    {.Wires = 10, .GridPoints = 10, .Parts = 4, .Labels = 4, .Junctions = 6, .Piles = 14},
    {.Wires = 4, .GridPoints = 6, .Parts = 3, .Labels = 3, .Junctions = 10, .Piles = 24},
};

TEST(ConnectivityDifferential, EachIndexedStepMatchesThePlainOne) {
    EXPECT_EQ(CountDifferences({Connect({.Junctions = true}), false, false}, kShapes, 150, 1000),
              0);
    EXPECT_EQ(CountDifferences({Connect({.Overlaps = true}), false, false}, kShapes, 150, 2000), 0);
    EXPECT_EQ(CountDifferences({Connect({.Labels = true}), false, false}, kShapes, 150, 3000), 0);
    EXPECT_EQ(CountDifferences({Connect({.Sort = true}), false, false}, kShapes, 150, 4000), 0);
    EXPECT_EQ(CountDifferences({Connect({.Numbers = true}), false, false}, kShapes, 150, 5000), 0);
    EXPECT_EQ(CountDifferences({Connect({}), true, false}, kShapes, 150, 6000), 0);
    EXPECT_EQ(CountDifferences({Connect({}), false, true}, kShapes, 150, 7000), 0);
}

TEST(ConnectivityDifferential, WholeIndexedPassMatchesThePlainOne) {
    const ConnectivityVariant indexed{netlist::indexed::ConnectWires, true, true};
    EXPECT_EQ(CountDifferences(indexed, kShapes, 600, 9000), 0);
}

// The generator has to produce what the indexed steps could get wrong, or agreement means
// little: cuts at junctions and overlaps, shorts, conflicting and multi-unit parts.
TEST(ConnectivityDifferential, RandomDrawingsMeetOften) {
    int junctionCuts = 0;
    int overlapCuts = 0;
    int shorts = 0;
    int conflicts = 0;
    int units = 0;
    const int rounds = 200;
    for (int r = 0; r < rounds; ++r) {
        std::mt19937 rng(static_cast<unsigned>(r));
        const auto drawings = support::RandomDrawings(rng, kShapes[1]);
        model::TWireList wires = drawings[0].WireList();
        const int drawn = wires.Count();
        netlist::SplitAtJunctions(wires);
        junctionCuts += wires.Count() > drawn ? 1 : 0;
        const int afterJunctions = wires.Count();
        netlist::SplitOverlaps(wires);
        overlapCuts += wires.Count() > afterJunctions ? 1 : 0;
        const std::string described = support::RunAndDescribe(drawings, kPlain);
        const std::string tail = described.substr(described.find("\nshorts\n"));
        shorts += tail.find("|\n") < tail.find("\nparts\n") ? 1 : 0;
        conflicts += tail.find(" c1 ") != std::string::npos ? 1 : 0;
        units += tail.find(" u2 ") != std::string::npos ? 1 : 0;
    }
    EXPECT_GT(junctionCuts, rounds / 10);
    EXPECT_GT(overlapCuts, rounds / 10);
    EXPECT_GT(shorts, rounds / 10);
    EXPECT_GT(conflicts, rounds / 10);
    EXPECT_GT(units, rounds / 10);
}

model::CCe2Part PartRecord(const std::string& ref, const std::string& name) {
    model::CCe2Part part;
    part.Kind = model::kKindPart;
    std::copy(ref.begin(), ref.end(), part.Ref);
    part.RefLen = static_cast<std::uint8_t>(ref.size());
    std::copy(name.begin(), name.end(), part.Name);
    part.NameLen = static_cast<std::uint8_t>(name.size());
    std::copy_n("RES", 3, part.LibName);
    return part;
}

// Parts without a reference share the empty prefix and number 0 with the reference "0", but
// only the latter marks conflicts; a later "0" still marks a record filed before the marked
// ones, which a search that stops at the first marked record would miss.
TEST(ConnectivityDifferential, ConflictMarksWhereEmptyReferencesMeetReferenceZero) {
    support::RandomDrawing drawing;
    for (const auto& [ref, name] : std::vector<std::pair<std::string, std::string>>{{"", "B"},
                                                                                    {"", "D"},
                                                                                    {"0", "C"},
                                                                                    {"", "A"},
                                                                                    {"0", "E"},
                                                                                    {"R1", "B"},
                                                                                    {"R1", "A"},
                                                                                    {"R1", "B"},
                                                                                    {"R1", "C"},
                                                                                    {"", "A"}}) {
        drawing.Parts.push_back(PartRecord(ref, name));
    }
    const std::string plain = support::RunAndDescribe({drawing}, kPlain);
    const std::string indexed =
        support::RunAndDescribe({drawing}, {netlist::indexed::ConnectWires, true, true});
    EXPECT_EQ(FirstDifference(plain, indexed), "");
    const std::string parts = indexed.substr(indexed.find("\nparts\n") + 7);
    EXPECT_EQ(parts,
              "/A u2 c1  /A u2 c0  \n/B u1 c1  \n0/C u1 c1  \n/D u1 c1  \n0/E u1 c1  \n"
              "R1/A u1 c1  \nR1/B u2 c1  R1/B u2 c1  \nR1/C u1 c1  \n");
}

// The run of a key holds exactly the entries whose keys share its top half, at both ends
// of the key space (negative Y packs into the top runs) and in an empty table.
TEST(KeyRuns, RunsCoverExactlyTheKeysOfTheirTopHalf) {
    const std::vector<std::uint32_t> keys{0x00000001, 0x00000005, 0x00010000, 0x7FFF0002,
                                          0x80000000, 0xFFFF0000, 0xFFFFFFFF};
    netlist::KeyRuns runs;
    runs.Build(keys.size(), [&keys](std::size_t i) { return keys[i]; });
    for (std::uint32_t probe :
         {0x00000003u, 0x00010009u, 0x00020000u, 0x7FFF0000u, 0x80001234u, 0xFFFF7777u}) {
        const auto [first, last] = runs.RunOf(probe);
        std::vector<std::uint32_t> expected;
        for (std::uint32_t key : keys) {
            if (key >> 16 == probe >> 16) {
                expected.push_back(key);
            }
        }
        EXPECT_EQ(std::vector<std::uint32_t>(keys.begin() + static_cast<std::ptrdiff_t>(first),
                                             keys.begin() + static_cast<std::ptrdiff_t>(last)),
                  expected)
            << std::hex << probe;
    }
    netlist::KeyRuns empty;
    EXPECT_EQ(empty.RunOf(0x12345678), (std::pair<std::size_t, std::size_t>{0, 0}));
    empty.Build(0, [](std::size_t) { return 0u; });
    EXPECT_EQ(empty.RunOf(0xFFFFFFFF), (std::pair<std::size_t, std::size_t>{0, 0}));
}

}  // namespace
