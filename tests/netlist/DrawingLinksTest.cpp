// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/MainWindowState.h"
#include "netlist/DrawingLinks.h"
#include "support/Ce2Builder.h"
#include "support/LibBuilder.h"
#include "support/RecordingViews.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

namespace {

using netlist::ItemLook;
using support::Ce2Builder;
using support::LibSymbol;
using support::PinNoWord;

// Two drawings read the whole way, and the geometry each keeps. A resistor R (pin 1 left,
// pin 2 right, 4 x 2 grid) and the power symbols VCC and GND (one pin on top).
class DrawingLinks : public ::testing::Test {
  protected:
    DrawingLinks() {
        support::LibBuilder lib;
        lib.Symbol(LibSymbol{"R", 4, 2, 1, {{1, 0, {PinNoWord(1)}}, {1, 2, {PinNoWord(2)}}}});
        lib.Symbol(LibSymbol{"VCC", 2, 2, 1, {{1, 1, {PinNoWord(1)}}}});
        lib.WriteTo(dir_ / "parts.lib");
        support::WriteFileBytes(dir_ / "vorn.ini", support::VornIni({"parts.lib"}));
        state_.ErrorNetView = &errorView_;
    }

    // A resistor whose pin 1 lies at (x, y) and pin 2 at (x + 60, y).
    static void Res(Ce2Builder& b, const std::string& ref, int x, int y) {
        b.Part({x + 50, y + 10, 0, 0, "", ref, "R"});
    }

    void Read(const Ce2Builder& b, const std::string& name) {
        b.WriteTo(dir_ / name);
        state_.ReadDrawing(dir_ / name, name);
        ASSERT_TRUE(ui_.Messages.empty()) << ui_.MessagesUtf8()[0];
    }

    static std::string NameOf(const model::TNetRec* net) { return net ? net->NetName.str() : "-"; }

    support::EditorSandbox sandbox_;
    support::TempDir& dir_ = sandbox_.Dir;
    support::RecordingUserInterface ui_;
    support::RecordingListView errorView_;
    app::MainWindowState state_{ui_};
};

TEST_F(DrawingLinks, EveryItemIsLinkedToTheNetTheNetlistsGiveIt) {
    Ce2Builder a;
    a.Wire(0, 0, 100, 0).Label("DATA", 50, 0);
    Res(a, "R1", -60, 0);
    Res(a, "R2", 100, 0);
    a.Wire(0, 100, 100, 100).Wire(50, 50, 50, 150).Junction(50, 100);  // crossing, joined
    Res(a, "R3", -60, 100);
    Res(a, "R4", 100, 100);
    a.Wire(0, 200, 50, 200).Label("A", 20, 200).Wire(50, 200, 100, 200).Label("B", 80, 200);
    Res(a, "R5", -60, 200);
    a.Part({210, 30, 0, 0, "", "", "VCC"}).Wire(200, 0, 200, 50);  // power pin at (200, 0)
    Res(a, "R6", 200, 50);
    a.Wire(300, 0, 400, 0).Label("T", 400, 0, false, 6).Wire(420, 0, 500, 0);  // a tag
    Res(a, "R7", 240, 0);
    Res(a, "R8", 500, 0);
    a.Comment(0, 300, "NOTE");
    Read(a, "a.ce2");
    Ce2Builder b;
    b.Wire(0, 0, 100, 0).Label("data", 50, 0);  // no pins: the net of its name
    Res(b, "R9", 1000, 1000);
    // A vertical label on a line left of the origin, among lines right of it.
    b.Wire(-300, -150, -300, -50).Label("NEG", -300, -100, true);
    b.Wire(2000, 0, 2000, 50).Wire(2100, 0, 2100, 50).Wire(2200, 0, 2200, 50);
    Res(b, "R10", -360, -150);
    Read(b, "b.ce2");
    state_.FinishLoad();

    ASSERT_EQ(state_.Drawings.size(), 2u);
    const model::DrawingGeometry& da = *state_.Drawings[0];
    const model::DrawingGeometry& db = *state_.Drawings[1];
    EXPECT_EQ(da.FileName, "a.ce2");

    // Pins: a pin a netlist lists is linked to exactly that net; a power pin names its net
    // without being listed; every other pin is linked to none and is marked.
    std::map<std::string, const model::TNetRec*> listed;
    for (const auto& net : state_.NetList.Items) {
        for (const model::TPinRec* pin : net->Pins) {
            listed[std::string(pin->RefText()) + "-" + pin->PinNumber] = net.get();
        }
    }
    netlist::DrawingMarks marks;
    std::vector<std::string> unconnected;
    for (const auto* drawing : {&da, &db}) {
        for (const model::DrawingPin& pin : drawing->Pins) {
            const model::DrawingPart& part = drawing->Parts[static_cast<std::size_t>(pin.Part)];
            const std::string key = std::string(part.RefText()) + "-" + pin.Number;
            const model::TNetRec* net = drawing->NetOf(pin.Group);
            if (listed.count(key)) {
                EXPECT_EQ(net, listed[key]) << key;
            } else if (part.RefText().empty()) {
                EXPECT_EQ(NameOf(net), part.NameText());
            } else {
                EXPECT_EQ(net, nullptr) << key;
                EXPECT_EQ(marks.PinLook(*drawing, pin), ItemLook::Unconnected);
                unconnected.push_back(key);
            }
        }
        // A wire shares its net with every pin at its ends.
        for (const model::DrawingWire& wire : drawing->Wires) {
            for (const model::DrawingPin& pin : drawing->Pins) {
                if (pin.At == wire.A || pin.At == wire.B) {
                    EXPECT_EQ(drawing->NetOf(wire.Group), drawing->NetOf(pin.Group));
                }
            }
        }
    }
    EXPECT_EQ(unconnected, (std::vector<std::string>{"R1-1", "R2-2", "R3-1", "R4-2", "R5-1", "R6-2",
                                                     "R7-1", "R8-2", "R9-1", "R9-2", "R10-1"}));

    auto wireNets = [](const model::DrawingGeometry& d) {
        std::vector<std::string> names;
        for (const model::DrawingWire& w : d.Wires) {
            names.push_back(NameOf(d.NetOf(w.Group)));
        }
        return names;
    };
    EXPECT_EQ(wireNets(da),
              (std::vector<std::string>{"DATA", "N010001", "N010001", "A", "A", "VCC", "T", "T"}));
    EXPECT_EQ(wireNets(db), (std::vector<std::string>{"DATA", "NEG", "-", "-", "-"}));
    EXPECT_EQ(NameOf(db.NetOf(db.Labels[1].Group)), "NEG");
    EXPECT_EQ(NameOf(da.NetOf(da.Junctions[0].Group)), "N010001");
    std::vector<std::string> labelNets;
    for (const model::DrawingLabel& l : da.Labels) {
        labelNets.push_back(l.Text + ":" + NameOf(da.NetOf(l.Group)));
    }
    EXPECT_EQ(labelNets, (std::vector<std::string>{"DATA:DATA", "A:A", "B:A", "T:T"}));
    ASSERT_EQ(da.Comments.size(), 1u);
    EXPECT_EQ(da.Comments[0].Text, "NOTE");

    // The body of R1 (at (-10, 10)) and where its pins meet it.
    const model::DrawingPart& r1 = da.Parts[0];
    ASSERT_TRUE(r1.HasBody);
    EXPECT_EQ(r1.Body.Left, -50);
    EXPECT_EQ(r1.Body.Top, -10);
    EXPECT_EQ(r1.Body.Right, -10);
    EXPECT_EQ(r1.Body.Bottom, 10);
    EXPECT_EQ(da.Pins[0].BodyEdge, (model::TPoint{-50, 0}));
    EXPECT_EQ(da.Pins[1].BodyEdge, (model::TPoint{-10, 0}));
    EXPECT_EQ(r1.Head->RefText(), "R1");

    // Looks: the short's wires warn; a highlighted net outranks it, in every drawing.
    marks.FindShorts(state_.Drawings);
    ASSERT_EQ(marks.ShortedNets.size(), 1u);
    EXPECT_EQ((*marks.ShortedNets.begin())->NetName, "A");
    EXPECT_EQ(marks.GroupLook(da, da.Wires[4].Group), ItemLook::Shorted);
    EXPECT_EQ(marks.GroupLook(da, da.Wires[0].Group), ItemLook::Plain);
    marks.HighlightedNets = {da.NetOf(da.Wires[0].Group), da.NetOf(da.Wires[3].Group)};
    EXPECT_EQ(marks.GroupLook(db, db.Wires[0].Group), ItemLook::Highlighted);
    EXPECT_EQ(marks.GroupLook(da, da.Wires[3].Group), ItemLook::Highlighted);
    marks.HighlightedPart = r1.Head;
    EXPECT_EQ(marks.PartLook(r1), ItemLook::Highlighted);
    EXPECT_EQ(marks.PartLook(da.Parts[1]), ItemLook::Plain);

    // Nothing kept when the run asks for none; a replacing load empties the list.
    state_.ClearAll();
    EXPECT_TRUE(state_.Drawings.empty());
    state_.KeepDrawings = false;
    Read(a, "a.ce2");
    EXPECT_TRUE(state_.Drawings.empty());
}

}  // namespace
