#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>

#include "netlist/Connectivity.h"
#include "netlist/IndexedConnectivity.h"
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
// on few lines (long overlap chains), and two drawings into one parts and net list.
const std::vector<RandomShape> kShapes = {
    {.Wires = 8, .GridPoints = 4, .Parts = 3, .Labels = 3, .Junctions = 3, .Drawings = 1},
    {.Wires = 25, .GridPoints = 7, .Parts = 5, .Labels = 5, .Junctions = 6, .Drawings = 1},
    {.Wires = 40, .GridPoints = 3, .Parts = 2, .Labels = 2, .Junctions = 4, .Drawings = 1},
    {.Wires = 30, .GridPoints = 12, .Parts = 8, .Labels = 6, .Junctions = 8, .Drawings = 2},
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

}  // namespace
