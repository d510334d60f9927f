// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "app/MainWindowState.h"
#include "netlist/Connectivity.h"
#include "netlist/PinPlacement.h"
#include "support/Ce2Builder.h"
#include "support/LibBuilder.h"
#include "support/RecordingViews.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"
#include "text/Cp932.h"

namespace {

using support::Ce2Builder;
using support::LibSymbol;
using support::PinNoWord;

// Drawings read the whole way, libraries and all, and the nets that come out. Every
// drawing lies in one folder with the editor's settings and a library holding a resistor
// (pin 1 on the left, pin 2 on the right) and the power symbols GND and VCC (one pin).
class NetsFromDrawings : public ::testing::Test {
  protected:
    NetsFromDrawings() {
        support::LibBuilder lib;
        lib.Symbol(LibSymbol{"R", 4, 2, 1, {{1, 0, {PinNoWord(1)}}, {1, 2, {PinNoWord(2)}}}});
        lib.Symbol(LibSymbol{"GND", 2, 2, 1, {{1, 1, {PinNoWord(1)}}}});
        lib.Symbol(LibSymbol{"VCC", 2, 2, 1, {{1, 1, {PinNoWord(1)}}}});
        lib.WriteTo(dir_ / "parts.lib");
        support::WriteFileBytes(dir_ / "vorn.ini", support::VornIni({"parts.lib"}));
        state_.NetView = &netView_;
        state_.ErrorNetView = &errorView_;
    }

    // A resistor whose pin 1 lies at (x, y) and pin 2 at (x + 60, y).
    static void Res(Ce2Builder& b, const std::string& ref, int x, int y) {
        b.Part({x + 50, y + 10, 0, 0, "", ref, "R"});
    }
    // A power symbol whose pin lies at (x, y).
    static void Power(Ce2Builder& b, const std::string& libName, int x, int y) {
        b.Part({x + 10, y + 30, 0, 0, "", "", libName});
    }

    void Read(const Ce2Builder& b, const std::string& name = "a.ce2") {
        b.WriteTo(dir_ / name);
        state_.ReadDrawing(dir_ / name, name);
        ASSERT_TRUE(ui_.Messages.empty()) << ui_.MessagesUtf8()[0];
    }

    // Each net as "NAME: R1-2 R2-1", pins in net order.
    std::vector<std::string> Nets() const {
        std::vector<std::string> out;
        for (int i = 0; i < state_.NetList.Count(); ++i) {
            const model::TNetRec& net = *state_.NetList[i];
            std::string line = net.NetName + ":";
            for (const model::TPinRec* pin : net.Pins) {
                line += " " + std::string(pin->RefText()) + "-" + pin->PinNumber;
                EXPECT_EQ(pin->Net, &net);
            }
            out.push_back(line);
        }
        return out;
    }

    // The name of the net holding the pin "R1-2"; empty when the pin is in none.
    std::string NetOf(const std::string& refPin) const {
        for (int i = 0; i < state_.NetList.Count(); ++i) {
            for (const model::TPinRec* pin : state_.NetList[i]->Pins) {
                if (std::string(pin->RefText()) + "-" + pin->PinNumber == refPin) {
                    return state_.NetList[i]->NetName.str();
                }
            }
        }
        return "";
    }

    std::vector<std::string> ShortRows() const {
        std::vector<std::string> rows;
        for (int i = 0; i < errorView_.RowCount(); ++i) {
            std::string row;
            for (const std::string& cell : support::RowUtf8(errorView_, i)) {
                row += row.empty() ? cell : "/" + cell;
            }
            rows.push_back(row);
        }
        return rows;
    }

    support::EditorSandbox sandbox_;
    support::TempDir& dir_ = sandbox_.Dir;
    support::RecordingUserInterface ui_;
    support::RecordingListView netView_;
    support::RecordingListView errorView_;
    app::MainWindowState state_{ui_};
};

TEST_F(NetsFromDrawings, CrossingWiresJoinOnlyAtAJunction) {
    Ce2Builder plain;
    plain.Wire(0, 0, 100, 0).Wire(50, -50, 50, 50);
    Res(plain, "R1", -60, 0);    // pin 2 at the left end of the horizontal wire
    Res(plain, "R2", 100, 0);    // pin 1 at its right end
    Res(plain, "R3", -10, -50);  // pin 2 at the top of the vertical wire
    Res(plain, "R4", 50, 50);    // pin 1 at its bottom
    Read(plain);
    EXPECT_EQ(Nets(), (std::vector<std::string>{"N010001: R2-1 R1-2", "N010002: R4-1 R3-2"}));
    EXPECT_EQ(ui_.WireCountHistory.back(), "10");  // two wires and eight stubs

    state_.ClearAll();
    Ce2Builder joined = plain;
    joined.Junction(50, 0);
    Read(joined, "b.ce2");
    EXPECT_EQ(Nets(), (std::vector<std::string>{"N010001: R1-2 R4-1 R2-1 R3-2"}));
    EXPECT_EQ(ui_.WireCountHistory.back(), "12");  // both wires cut in two at the junction
}

TEST_F(NetsFromDrawings, TeesPinsOnWiresAndStrayJunctions) {
    Ce2Builder b;
    b.Wire(0, 0, 100, 0).Wire(50, 0, 50, 50);  // a T without a junction
    b.Junction(100, 0).Junction(500, 500);     // at a wire's end, and on no wire
    Res(b, "R1", -60, 0);
    Res(b, "R2", 100, 0);
    Res(b, "R3", 50, 50);    // at the foot of the T
    Res(b, "R4", 20, 0);     // both pins on the middle of the wire
    Res(b, "R5", 240, 300);  // pin 2 at (300, 300) ...
    Res(b, "R6", 300, 300);  // ... and pin 1 at the same point
    Read(b);
    EXPECT_EQ(NetOf("R1-2"), NetOf("R2-1"));
    EXPECT_NE(NetOf("R1-2"), "");
    EXPECT_EQ(NetOf("R3-1"), "");
    EXPECT_EQ(NetOf("R4-1"), "");
    EXPECT_EQ(NetOf("R4-2"), "");
    EXPECT_EQ(NetOf("R5-2"), NetOf("R6-1"));
    EXPECT_EQ(state_.NetList.Count(), 2);
}

TEST_F(NetsFromDrawings, CollinearWiresOverlapTouchOrStayApart) {
    Ce2Builder b;
    b.Wire(0, 0, 60, 0).Wire(100, 0, 40, 0);          // overlapping, one given right to left
    b.Wire(0, 100, 50, 100).Wire(50, 100, 100, 100);  // end to end
    b.Wire(0, 200, 40, 200).Wire(60, 200, 100, 200);  // apart
    b.Wire(300, 0, 300, 60).Wire(300, 100, 300, 40);  // overlapping upright
    Res(b, "R1", -60, 0);
    Res(b, "R2", 100, 0);
    Res(b, "R3", -60, 100);
    Res(b, "R4", 100, 100);
    Res(b, "R5", -60, 200);
    Res(b, "R6", 100, 200);
    Res(b, "R7", 300, 0);
    Res(b, "R8", 240, 100);
    Read(b);
    EXPECT_EQ(NetOf("R1-2"), NetOf("R2-1"));
    EXPECT_EQ(NetOf("R3-2"), NetOf("R4-1"));
    EXPECT_EQ(NetOf("R7-1"), NetOf("R8-2"));
    EXPECT_EQ(NetOf("R5-2"), "");
    EXPECT_EQ(NetOf("R6-1"), "");
    EXPECT_EQ(state_.NetList.Count(), 3);
}

TEST_F(NetsFromDrawings, DiagonalWiresJoinOnlyAtTheirEnds) {
    Ce2Builder b;
    b.Wire(0, 0, 100, 100).Wire(0, 50, 100, 50).Junction(50, 50);
    Res(b, "R1", -60, 0);
    Res(b, "R2", 100, 100);
    Res(b, "R3", -60, 50);
    Res(b, "R4", 100, 50);
    Read(b);
    EXPECT_EQ(NetOf("R1-2"), NetOf("R2-1"));
    EXPECT_EQ(NetOf("R3-2"), NetOf("R4-1"));
    EXPECT_NE(NetOf("R1-2"), NetOf("R3-2"));
}

TEST_F(NetsFromDrawings, LabelsJoinInAnyLetterCaseAndCanBeTakenBack) {
    Ce2Builder b;
    b.Wire(0, 0, 100, 0).Label("gnd", 50, 0);
    b.Wire(0, 200, 100, 200).Label("GND", 50, 200);
    b.Wire(300, 0, 300, 100).Label("sig", 300, 50, true);  // upright label on an upright wire
    b.Wire(400, 0, 500, 0).Label("SIG", 450, 0);
    b.Label("SIG", 300, 150, true);  // beyond the wire's end: no effect
    b.Wire(0, 400, 100, 400).Label("X", 10, 400).Label("", 20, 400);
    Res(b, "R1", -60, 0);
    Res(b, "R2", 100, 200);
    Res(b, "R3", 240, 0);
    Res(b, "R4", 500, 0);
    Res(b, "R5", -60, 400);
    Res(b, "R6", 100, 400);
    Read(b);
    // A group's name is its smallest, the first of equal ones met; its pins come in the
    // order they were found from its first wire.
    EXPECT_EQ(Nets(),
              (std::vector<std::string>{"GND: R2-1 R1-2", "N010001: R6-1 R5-2", "SIG: R4-1 R3-2"}));
}

TEST_F(NetsFromDrawings, TagsJoinAtBothEndsOfTheirWidth) {
    Ce2Builder b;
    // Eight characters are as wide as seven: 80 units.
    b.Label("ABCDEFGH", 200, 0, false, 6).Wire(100, 0, 200, 0).Wire(280, 0, 380, 0);
    b.Label("ABCDEFG", 200, 100, false, 6).Wire(100, 100, 200, 100).Wire(280, 100, 380, 100);
    // An upright tag still reaches to the right.
    b.Label("T", 200, 200, true, 6).Wire(100, 200, 200, 200).Wire(220, 200, 320, 200);
    Res(b, "R1", 40, 0);
    Res(b, "R2", 380, 0);
    Res(b, "R3", 40, 100);
    Res(b, "R4", 380, 100);
    Res(b, "R5", 40, 200);
    Res(b, "R6", 320, 200);
    Read(b);
    EXPECT_EQ(Nets(), (std::vector<std::string>{"ABCDEFG: R4-1 R3-2", "ABCDEFGH: R2-1 R1-2",
                                                "T: R6-1 R5-2"}));
    EXPECT_EQ(netlist::TagWidth(0), 20);
    EXPECT_EQ(netlist::TagWidth(1), 20);
    EXPECT_EQ(netlist::TagWidth(12), 120);
    EXPECT_EQ(netlist::TagWidth(13), 130);
    EXPECT_EQ(netlist::TagWidth(14), 140);
    EXPECT_EQ(netlist::TagWidth(15), 140);
}

TEST_F(NetsFromDrawings, PowerPartsNameTheirNetsAndShortsAreListed) {
    Ce2Builder b;
    Power(b, "GND", 0, 0);
    b.Wire(0, 0, 100, 0);
    Res(b, "R1", 100, 0);
    Power(b, "GND", 500, 0);  // another ground, joined through the name alone
    b.Wire(500, 0, 600, 0);
    Res(b, "R2", 600, 0);
    Power(b, "VCC", 0, 300);
    Power(b, "GND", 100, 300);
    b.Wire(0, 300, 100, 300);  // supply wired to ground
    Read(b);
    EXPECT_EQ(Nets(), (std::vector<std::string>{"GND: R1-1 R2-1"}));
    EXPECT_EQ(ShortRows(), (std::vector<std::string>{"a.ce2", "GND/VCC"}));

    // The header row comes once until everything is cleared.
    Ce2Builder second;
    second.Wire(0, 0, 50, 0).Label("B", 10, 0).Wire(50, 0, 100, 0).Label("A", 60, 0);
    second.Wire(100, 0, 100, 100).Label("b", 100, 50, true);  // another B: a row of its own
    second.Wire(0, 300, 50, 300).Label("C", 10, 300).Wire(50, 300, 100, 300).Label("c", 60, 300);
    Read(second, "b.ce2");
    EXPECT_EQ(ShortRows(), (std::vector<std::string>{"a.ce2", "GND/VCC", "A/B", "A/b"}));

    state_.ClearAll();
    EXPECT_EQ(errorView_.RowCount(), 0);
    EXPECT_TRUE(state_.NetList.Items.empty());
    EXPECT_EQ(state_.NetList.NetCounter, -1);
    Read(second, "c.ce2");
    EXPECT_EQ(ShortRows(), (std::vector<std::string>{"c.ce2", "A/B", "A/b"}));
}

TEST_F(NetsFromDrawings, ALabelOnAPinNamesItWithoutMakingItAMember) {
    Ce2Builder b;
    b.Label("SIG", 0, 0);  // right on pin 2 of R1
    b.Wire(200, 0, 300, 0).Label("SIG", 250, 0);
    Res(b, "R1", -60, 0);
    Res(b, "R2", 300, 0);
    b.Wire(0, 500, 100, 500).Label("LONE", 50, 500);  // a name with no pin forms no net
    Read(b);
    EXPECT_EQ(Nets(), (std::vector<std::string>{"SIG: R2-1"}));
    EXPECT_EQ(state_.PartsList[0]->Pins[1]->Net, nullptr);
}

TEST_F(NetsFromDrawings, APinAtMinusOneMinusOneConnects) {
    Ce2Builder b;
    b.Wire(-1, -1, 99, -1);
    Res(b, "R1", -61, -1);  // pin 2 at (-1, -1)
    Res(b, "R2", 99, -1);
    Read(b);
    EXPECT_EQ(Nets(), (std::vector<std::string>{"N010001: R2-1 R1-2"}));
}

TEST_F(NetsFromDrawings, SerialNamesStartAFreshBlockPerDrawingAndNamesMergeAcross) {
    Ce2Builder first;
    first.Wire(0, 0, 100, 0).Wire(0, 100, 100, 100).Label("DATA", 50, 100);
    Res(first, "R1", -60, 0);
    Res(first, "R2", 100, 0);
    Res(first, "R3", 100, 100);
    Read(first);
    // The second drawing has wires at the first one's pins: those pins are joined already.
    Ce2Builder second;
    second.Wire(0, 0, 100, 0).Wire(0, 300, 100, 300).Wire(0, 400, 100, 400).Label("data", 50, 400);
    Res(second, "R4", -60, 300);
    Res(second, "R5", 100, 300);
    Res(second, "R6", 100, 400);
    Read(second, "b.ce2");
    EXPECT_EQ(Nets(), (std::vector<std::string>{"DATA: R3-1 R6-1", "N010001: R2-1 R1-2",
                                                "N020001: R5-1 R4-2"}));
}

TEST_F(NetsFromDrawings, UnitsOfOnePartInTwoDrawingsKeepTheirPinsOnTheHead) {
    Ce2Builder first;
    first.Wire(0, 0, 100, 0);
    Res(first, "RN1", -60, 0);
    Res(first, "R2", 100, 0);
    Read(first);
    Ce2Builder second;
    second.Wire(0, 0, 100, 0).Wire(570, 0, 700, 0);  // the first unit's pins are joined already
    Res(second, "RN1", 510, 0);                      // a second unit: chained to the first
    Res(second, "R3", 700, 0);
    Read(second, "b.ce2");
    ASSERT_EQ(state_.PartsList.Count(), 3);  // R2, R3, RN1
    model::TPartRec& head = *state_.PartsList[2];
    ASSERT_EQ(head.RefText(), "RN1");
    ASSERT_NE(head.NextUnit, nullptr);
    EXPECT_EQ(head.Pins.size(), 4u);
    EXPECT_TRUE(head.NextUnit->Pins.empty());
    // Within a net, pins come in the order the wires found them.
    EXPECT_EQ(Nets(), (std::vector<std::string>{"N010001: RN1-2 R2-1", "N020001: RN1-2 R3-1"}));
    EXPECT_EQ(head.Pins[1]->Net, state_.NetList[0]);
    EXPECT_EQ(head.Pins[3]->Net, state_.NetList[1]);
}

TEST_F(NetsFromDrawings, NamesFromPinsWithAnEmptySeparator) {
    // Reading takes the options from the settings files, as the window does; the window
    // has read them once already when it was made.
    state_.Options.NetNameType = 1;
    support::WriteFileBytes(dir_ / "vornextract.INI",
                            "[Option]\r\nNetNameType=1\r\nNetSeparator=\r\n");
    Ce2Builder b;
    b.Wire(0, 0, 100, 0);
    Res(b, "C5", 100, 0);
    Res(b, "R12", -60, 0);
    Read(b);
    // The first pin found names the net: the last stub met from the wire.
    EXPECT_EQ(Nets(), (std::vector<std::string>{"R122: R12-2 C5-1"}));
    EXPECT_EQ(state_.NetList.NetCounter, -1);
}

TEST_F(NetsFromDrawings, ShowNetsRowsAndPanel) {
    Ce2Builder b;
    b.Wire(0, 0, 1000, 0).Label("BUS", 550, 0);
    for (int i = 0; i < 6; ++i) {
        b.Junction(100 * i + 100, 0);
        Res(b, "R" + std::to_string(i + 1), 100 * i + 100, 0);  // pin 1 on each junction
    }
    Read(b);
    state_.ShowNets();
    ASSERT_EQ(netView_.RowCount(), 2);
    EXPECT_EQ(
        support::RowUtf8(netView_, 0),
        (std::vector<std::string>{"1", "BUS", "R6 - 1", "R5 - 1", "R4 - 1", "R3 - 1", "R2 - 1"}));
    EXPECT_EQ(support::RowUtf8(netView_, 1), (std::vector<std::string>{"", "", "R1 - 1"}));
    EXPECT_FALSE(state_.ErrorNetDispVisible);
    EXPECT_EQ(ui_.PanelUtf8(1), "ネット数：1");
}

}  // namespace
