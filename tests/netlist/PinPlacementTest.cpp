// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>

#include "library/LibList.h"
#include "library/LibraryFiles.h"
#include "model/PartRec.h"
#include "netlist/Connectivity.h"
#include "netlist/PinPlacement.h"
#include "support/LibBuilder.h"
#include "support/RecordingViews.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

namespace {

using netlist::PinSide;
using support::Lb3Pin;
using support::Lb3Symbol;
using support::LibPin;
using support::LibSymbol;
using support::PinNoWord;

model::TPoint At(int x, int y) {
    return {static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)};
}

TEST(PinPosition, SidesTurnsAndMirrors) {
    // A 4 x 3 body at (1000, 2000); the left pin one grid unit down from the top.
    auto left = [](unsigned dir) {
        return netlist::PinPosition(PinSide::Left, 1, 4, 3, dir, At(1000, 2000));
    };
    EXPECT_EQ(left(0), At(950, 1980));
    EXPECT_EQ(left(1), At(990, 1950));
    EXPECT_EQ(left(2), At(1010, 1990));
    EXPECT_EQ(left(3), At(980, 2010));
    EXPECT_EQ(left(4), At(1010, 1980));  // mirrored about the body's width
    EXPECT_EQ(left(5), At(980, 1950));   // turned a quarter: mirrored about its height
    EXPECT_EQ(left(6), At(950, 1990));
    EXPECT_EQ(netlist::PinPosition(PinSide::Top, 2, 4, 3, 0, At(0, 0)), At(-20, -40));
    EXPECT_EQ(netlist::PinPosition(PinSide::Right, 1, 4, 3, 0, At(0, 0)), At(10, -20));
    EXPECT_EQ(netlist::PinPosition(PinSide::Bottom, 2, 4, 3, 0, At(0, 0)), At(-20, 10));
    // Results are 16-bit, as the drawing stores positions.
    EXPECT_EQ(netlist::PinPosition(PinSide::Right, 0, 0, 0, 0, At(32760, 0)).X, -32766);
}

// Every turn and mirror: the body keeps its corner at the part's position, keeps its size
// (turned a quarter, width and height swap), and each pin stands one grid unit straight
// out from the middle of an edge it faces, no two sides on one edge.
TEST(BodyRect, PinsStayOneGridOutsideTheirSideForAllEightSettings) {
    const int w = 4, h = 3;
    const model::TPoint part = At(1000, 2000);
    const std::vector<std::pair<PinSide, int>> pins{
        {PinSide::Left, 1}, {PinSide::Top, 2}, {PinSide::Right, 2}, {PinSide::Bottom, 3}};
    for (std::uint8_t dir = 0; dir < 8; ++dir) {
        SCOPED_TRACE(static_cast<int>(dir));
        const model::DrawingRect body = netlist::BodyRect(w, h, dir, part);
        EXPECT_EQ(body.Right, part.X);
        EXPECT_EQ(body.Bottom, part.Y);
        const bool turned = (dir & 1) != 0;
        EXPECT_EQ(body.Right - body.Left, 10 * (turned ? h : w));
        EXPECT_EQ(body.Bottom - body.Top, 10 * (turned ? w : h));
        std::vector<std::string> edges;
        for (auto [side, offset] : pins) {
            const model::TPoint p = netlist::PinPosition(side, offset, w, h, dir, part);
            const bool inX = p.X > body.Left && p.X < body.Right;
            const bool inY = p.Y > body.Top && p.Y < body.Bottom;
            if (p.X == body.Left - 10 && inY) {
                edges.push_back("left");
            } else if (p.X == body.Right + 10 && inY) {
                edges.push_back("right");
            } else if (p.Y == body.Top - 10 && inX) {
                edges.push_back("top");
            } else if (p.Y == body.Bottom + 10 && inX) {
                edges.push_back("bottom");
            } else {
                ADD_FAILURE() << "pin " << static_cast<int>(side) << " at " << p.X << "," << p.Y
                              << " is not beside the body";
            }
        }
        std::sort(edges.begin(), edges.end());
        EXPECT_EQ(std::unique(edges.begin(), edges.end()), edges.end());
    }
}

TEST(PinPosition, NumberWords) {
    EXPECT_EQ(netlist::PinNumberText(PinNoWord(12, 'A')), "A12");
    EXPECT_EQ(netlist::PinNumberText(PinNoWord(7)), "7");
    EXPECT_EQ(netlist::PinNumberText(PinNoWord(511, 'Z')), "Z511");
    EXPECT_EQ(netlist::PinNumberText(0x0200 | 3), "3");  // bit 9 is neither number nor letter
}

class PlacePinsTest : public ::testing::Test {
  protected:
    // Reads one library of each kind straight into the list.
    void Read(const std::string& libFile, const std::string& lb3File) {
        lib_.FileNames[0] = libFile;
        library::ReadLibFile(lib_, 0, "/", ui_);
        lb3_.FileNames[0] = lb3File;
        library::ReadLb3File(lb3_, 0, "/", ui_);
        ASSERT_TRUE(ui_.Messages.empty());
    }

    static model::TPartRec Part(const std::string& libName, int x, int y, unsigned dir,
                                unsigned block) {
        model::CCe2Part record;
        record.X = static_cast<std::int16_t>(x);
        record.Y = static_cast<std::int16_t>(y);
        record.Dir = static_cast<std::uint8_t>(dir);
        record.Block = static_cast<std::uint8_t>(block);
        std::copy(libName.begin(), libName.end(), record.LibName);
        return model::TPartRec(record);
    }

    static std::vector<std::string> Pins(const model::TPartRec& part) {
        std::vector<std::string> out;
        for (const auto& pin : part.Pins) {
            out.push_back(std::to_string(pin->X) + "," + std::to_string(pin->Y) + ":" +
                          pin->PinNumber);
        }
        return out;
    }

    support::TempDir dir_;
    support::RecordingUserInterface ui_;
    library::TLibList lib_;
    library::TLibList lb3_;
};

TEST_F(PlacePinsTest, BothLibraryKindsGiveTheSamePins) {
    support::LibBuilder lib;
    lib.Symbol(LibSymbol{"7400",
                         6,
                         8,
                         2,
                         {{2, 0, {PinNoWord(1), PinNoWord(4)}},
                          {3, 1, {PinNoWord(12, 'A'), PinNoWord(13, 'B')}},
                          {4, 2, {PinNoWord(3), PinNoWord(6)}},
                          {5, 3, {PinNoWord(7), PinNoWord(7)}}}});
    lib.Symbol(LibSymbol{"R", 4, 2, 1, {{1, 0, {PinNoWord(1)}}, {1, 2, {PinNoWord(2)}}}});
    support::Lb3Builder lb3;
    lb3.Symbol(Lb3Symbol{"7400",
                         6,
                         8,
                         {{"A", 'L', 2, {"1", "4"}},
                          {"B", 'T', 3, {"A12", "B13"}},
                          {"Y", 'R', 4, {"3", "6"}},
                          {"GND", 'B', 5, {"7", "7"}}}});
    lb3.Symbol(Lb3Symbol{"R", 4, 2, {{"1", 'L', 1, {"1"}}, {"2", 'R', 1, {"2"}}}});
    Read(lib.WriteTo(dir_ / "p.lib"), lb3.WriteTo(dir_ / "p.lb3"));

    for (unsigned dir = 0; dir < 8; ++dir) {
        for (unsigned block = 0; block < 2; ++block) {
            model::TPartRec fromLib = Part("7400", 300, -200, dir, block);
            model::TPartRec fromLb3 = Part("7400", 300, -200, dir, block);
            netlist::PlacePins(fromLib, lib_, fromLib);
            netlist::PlacePins(fromLb3, lb3_, fromLb3);
            ASSERT_EQ(fromLib.Pins.size(), 4u);
            EXPECT_EQ(Pins(fromLib), Pins(fromLb3)) << "dir " << dir << " block " << block;
        }
    }
    model::TPartRec unit2 = Part("7400", 0, 0, 0, 1);
    netlist::PlacePins(unit2, lib_, unit2);
    EXPECT_EQ(Pins(unit2),
              (std::vector<std::string>{"-70,-60:4", "-30,-90:B13", "10,-40:6", "-10,10:7"}));

    // A single-unit symbol has its one number whatever unit the drawing names; the text
    // library has no such rule and gives no number.
    model::TPartRec r = Part("R", 0, 0, 0, 3);
    netlist::PlacePins(r, lib_, r);
    EXPECT_EQ(Pins(r), (std::vector<std::string>{"-50,-10:1", "10,-10:2"}));
    model::TPartRec r3 = Part("R", 0, 0, 0, 3);
    netlist::PlacePins(r3, lb3_, r3);
    EXPECT_EQ(Pins(r3), (std::vector<std::string>{"-50,-10:", "10,-10:"}));
}

TEST_F(PlacePinsTest, UnitsCollectOnTheHeadAndUnknownSymbolsGiveNone) {
    support::LibBuilder lib;
    lib.Symbol(LibSymbol{"R", 4, 2, 1, {{1, 0, {PinNoWord(1)}}, {1, 2, {PinNoWord(2)}}}});
    Read(lib.WriteTo(dir_ / "p.lib"), support::Lb3Builder().WriteTo(dir_ / "p.lb3"));
    model::TPartRec head = Part("R", 0, 0, 0, 0);
    model::TPartRec unit = Part("R", 100, 0, 0, 0);
    netlist::PlacePins(head, lib_, head);
    netlist::PlacePins(unit, lib_, head);
    EXPECT_EQ(Pins(head).size(), 4u);
    EXPECT_TRUE(unit.Pins.empty());
    model::TPartRec other = Part("r", 0, 0, 0, 0);  // names match case and all
    netlist::PlacePins(other, lib_, other);
    EXPECT_TRUE(other.Pins.empty());
}

// A binary library's data offsets are 16-bit: read signed, every symbol past 32 KB of data
// was lost. A text library's pin line may separate its tags by blanks ("L:L1 M:7" is then
// one later token), and "M:" inside a pin name such as "COM:" is still no tag.
TEST_F(PlacePinsTest, LargeBinaryAndBlankSeparatedTextLibrariesGiveTheSamePins) {
    support::LibBuilder lib;
    for (int filler = 0; filler < 6; ++filler) {
        LibSymbol big{"BIG" + std::to_string(filler), 4, 2, 1, {}};
        big.Pins.assign(1000, {1, 0, {PinNoWord(1)}});
        lib.Symbol(big);
    }
    lib.Symbol(LibSymbol{"LAST", 4, 2, 1, {{1, 0, {PinNoWord(1)}}, {1, 2, {PinNoWord(2)}}}});
    const std::string libImage = lib.Build();
    ASSERT_GT(libImage.size(), 36000u);  // the last symbol lies past 32 KB of data
    support::Lb3Builder lb3;
    lb3.Line("+COMP").Line("N:LAST").Line("X:4").Line("Y:2");
    lb3.Line("+PIN").Line("N:A0 L:L1 M:1").Line("-PIN");
    lb3.Line("+PIN").Line("N:COM: L:R1\tM:2").Line("-PIN");
    lb3.Line("-COMP");
    support::WriteFileBytes(dir_ / "big.lib", libImage);
    Read(dir_ / "big.lib", lb3.WriteTo(dir_ / "p.lb3"));
    model::TPartRec fromLib = Part("LAST", 100, 200, 1, 0);
    model::TPartRec fromLb3 = Part("LAST", 100, 200, 1, 0);
    netlist::PlacePins(fromLib, lib_, fromLib);
    netlist::PlacePins(fromLb3, lb3_, fromLb3);
    ASSERT_EQ(fromLib.Pins.size(), 2u);
    EXPECT_EQ(fromLib.Pins[0]->PinNumber, "1");
    EXPECT_EQ(fromLib.Pins[1]->PinNumber, "2");
    EXPECT_EQ(Pins(fromLb3), Pins(fromLib));
}

TEST_F(PlacePinsTest, OddTextPinsGetSoundResults) {
    support::Lb3Builder lb3;
    lb3.Line("+COMP").Line("N:ODD").Line("X:2").Line("Y:2");
    lb3.Line("+PIN").Line("N:NOSIDE,M:5").Line("-PIN");
    lb3.Line("+PIN").Line("N:BAD,L:Q1,M:6").Line("-PIN");
    lb3.Line("+PIN").Line("N:COM:X,L:L1").Line("-PIN");  // no number; "M:" only inside a name
    lb3.Line("+PIN")
        .Line("N:SP, L:R1, M:" + std::string(300, '9'))
        .Line("-PIN");  // blanks, long number
    lb3.Line("-COMP");
    Read(support::LibBuilder().WriteTo(dir_ / "p.lib"), lb3.WriteTo(dir_ / "p.lb3"));
    model::TPartRec part = Part("ODD", 500, 600, 0, 0);
    netlist::PlacePins(part, lb3_, part);
    ASSERT_EQ(part.Pins.size(), 4u);
    EXPECT_EQ(Pins(part)[0], "500,600:5");
    EXPECT_EQ(Pins(part)[1], "500,600:6");
    EXPECT_EQ(Pins(part)[2], "470,590:");
    EXPECT_EQ(part.Pins[3]->X, 510);
    EXPECT_EQ(part.Pins[3]->PinNumber, std::string(255, '9'));
}

}  // namespace
