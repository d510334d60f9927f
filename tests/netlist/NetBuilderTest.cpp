// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <map>

#include "netlist/Connectivity.h"
#include "netlist/NetBuilder.h"
#include "support/RecordingViews.h"
#include "view/MemoryViews.h"

namespace {

using model::TPoint;

// A pin as connectivity leaves it, stubbed for a part of reference `ref`.
std::unique_ptr<model::TPinRec> Pin(const std::string& ref, const std::string& number,
                                    int order = 0) {
    auto pin = std::make_unique<model::TPinRec>();
    pin->SetRef(ref);
    pin->PinNumber = number;
    pin->PinOrder = order;
    return pin;
}

TEST(PinLabel, ThreeFormsAndPastTheEnd) {
    auto u1 = Pin("U1", "A3", 7);
    auto bare = Pin("", "5", 5);
    model::TNetRec net;
    net.Pins.push_back(u1.get());
    net.Pins.push_back(bare.get());
    netlist::NetSettings settings{"_", false};
    EXPECT_EQ(netlist::PinLabel(net, 0, netlist::kPinLabelNetlist, settings), "U1_A3");
    EXPECT_EQ(netlist::PinLabel(net, 0, netlist::kPinLabelNaming, settings), "U1_A3");
    EXPECT_EQ(netlist::PinLabel(net, 0, netlist::kPinLabelDisplay, settings), "U1 - A3");
    EXPECT_EQ(netlist::PinLabel(net, 1, netlist::kPinLabelNetlist, settings), "5");
    EXPECT_EQ(netlist::PinLabel(net, 1, netlist::kPinLabelDisplay, settings), " - 5");
    settings.PinCvtEnv = true;
    EXPECT_EQ(netlist::PinLabel(net, 0, netlist::kPinLabelNetlist, settings), "U1_7");
    EXPECT_EQ(netlist::PinLabel(net, 0, netlist::kPinLabelNaming, settings), "U1_A3");
    EXPECT_EQ(netlist::PinLabel(net, 7, netlist::kPinLabelDisplay, settings), "NoPin");
    EXPECT_EQ(netlist::PinLabel(net, 2, netlist::kPinLabelNetlist, settings), "NoPin");
}

TEST(FinishNet, NamingDroppingAndMergingInNameOrder) {
    std::vector<std::unique_ptr<model::TPinRec>> pins;
    for (int i = 0; i < 8; ++i) {
        pins.push_back(Pin("R" + std::to_string(i), "1"));
    }
    auto net = [&](const std::string& name, std::vector<int> members) {
        auto n = std::make_unique<model::TNetRec>();
        n->NetName = name;
        for (int m : members) {
            n->Pins.push_back(pins[static_cast<std::size_t>(m)].get());
        }
        return n;
    };
    model::TNetList nets;
    nets.NetCounter = 10000;
    netlist::NetSettings settings{"-", false};
    netlist::FinishNet(nets, net("data", {0}), settings);
    netlist::FinishNet(nets, net("", {1, 2}), settings);
    netlist::FinishNet(nets, net("", {3}), settings);         // a lone unnamed pin
    netlist::FinishNet(nets, net("CLK", {}), settings);       // a name without pins
    netlist::FinishNet(nets, net("DATA", {4, 5}), settings);  // merges into "data"
    netlist::FinishNet(nets, net("ADDR", {6}), settings);
    ASSERT_EQ(nets.Count(), 3);
    EXPECT_EQ(nets[0]->NetName, "ADDR");
    EXPECT_EQ(nets[1]->NetName, "data");
    EXPECT_EQ(nets[2]->NetName, "N010001");
    EXPECT_EQ(std::vector<model::TPinRec*>(nets[1]->Pins.begin(), nets[1]->Pins.end()),
              (std::vector<model::TPinRec*>{pins[0].get(), pins[4].get(), pins[5].get()}));
    EXPECT_EQ(pins[5]->Net, nets[1]);
    EXPECT_EQ(pins[3]->Net, nullptr);
    EXPECT_EQ(nets.NetCounter, 10001);

    nets.NetCounter = -1;
    netlist::FinishNet(nets, net("", {7, 3}), settings);
    EXPECT_EQ(nets[3]->NetName, "R7-1");
}

// The filing lays the list out by its name set when a drawing brings most nets, by a merge
// when it brings few, and sorts as before when the list was changed behind it: every net
// stays, in case-blind name order, a name met again joins its net.
TEST(NetFiling, EveryWayOfFinishingKeepsEachNetInOrder) {
    auto net = [](const std::string& name) {
        auto made = std::make_unique<model::TNetRec>();
        made->NetName = name;
        return made;
    };
    auto names = [](const model::TNetList& nets) {
        std::vector<std::string> listed;
        for (const auto& n : nets.Items) {
            listed.push_back(n->NetName.str());
        }
        return listed;
    };
    model::TNetList nets;
    netlist::indexed::NetFiling filing(nets);
    for (const char* name : {"vcc", "N3", "GND", "a1", "N10"}) {
        filing.File(net(name));
    }
    filing.Finish();  // all new
    EXPECT_EQ(names(nets), (std::vector<std::string>{"a1", "GND", "N10", "N3", "vcc"}));

    auto pin = Pin("R1", "1");
    auto again = net("VCC");
    again->Pins.push_back(pin.get());
    filing.File(std::move(again));
    filing.File(net("b"));
    filing.Finish();  // among the older ones
    EXPECT_EQ(names(nets), (std::vector<std::string>{"a1", "b", "GND", "N10", "N3", "vcc"}));
    EXPECT_EQ(pin->Net, nets[5]);

    nets.Items.push_back(net("Z"));  // behind the filing's back
    for (const char* name : {"c", "d", "e", "f", "g", "h"}) {
        filing.File(net(name));
    }
    filing.Finish();
    EXPECT_EQ(names(nets), (std::vector<std::string>{"a1", "b", "c", "d", "e", "f", "g", "GND", "h",
                                                     "N10", "N3", "vcc", "Z"}));

    // Names alike in their first eight bytes, and one name filed three times: the first
    // filed keeps it and takes the pins of the others in the order they came.
    nets.Clear();
    netlist::indexed::NetFiling fresh(nets);
    std::vector<std::unique_ptr<model::TPinRec>> pins;
    for (const char* name : {"SIGNAL_BUS_2", "x", "signal_bus_10", "X", "Signal_Bus_1", "x"}) {
        auto made = net(name);
        pins.push_back(Pin("U1", std::to_string(pins.size() + 1)));
        made->Pins.push_back(pins.back().get());
        fresh.File(std::move(made));
    }
    fresh.Finish();
    EXPECT_EQ(names(nets),
              (std::vector<std::string>{"Signal_Bus_1", "signal_bus_10", "SIGNAL_BUS_2", "x"}));
    ASSERT_EQ(nets[3]->Pins.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(nets[3]->Pins[i], pins[2 * i + 1].get());
        EXPECT_EQ(nets[3]->Pins[i]->Net, nets[3]);
    }
}

TEST(ShowNets, ExactlyFivePinsTakeOneRowAndShortsShowThePanel) {
    std::vector<std::unique_ptr<model::TPinRec>> pins;
    model::TNetList nets;
    nets.Items.push_back(std::make_unique<model::TNetRec>());
    for (int i = 0; i < 5; ++i) {
        pins.push_back(Pin("U1", std::to_string(i + 1)));
        nets[0]->Pins.push_back(pins.back().get());
    }
    support::RecordingListView netView;
    support::RecordingListView errorView;
    support::RecordingUserInterface ui;
    netView.AddRow({"stale"}, nullptr);
    EXPECT_FALSE(netlist::ShowNets(nets, netView, errorView, ui));
    ASSERT_EQ(netView.RowCount(), 1);
    EXPECT_EQ(support::RowUtf8(netView, 0).back(), "U1 - 5");
    EXPECT_EQ(netView.UpdateDepth, 0);

    bool header = false;
    netlist::ShortsReporter shorts(&errorView, header, "x.ce2");
    shorts.ReportShort("VCC", "vcc");
    EXPECT_FALSE(netlist::ShowNets(nets, netView, errorView, ui));
    shorts.ReportShort("VCC", "VDD");
    EXPECT_TRUE(netlist::ShowNets(nets, netView, errorView, ui));
    EXPECT_TRUE(header);
}

// A view that drops its texts gets the same rows, with the same nets, as one that keeps them.
TEST(ShowNets, AnUnshownViewGetsTheSameRows) {
    std::vector<std::unique_ptr<model::TPinRec>> pins;
    model::TNetList nets;
    for (int count : {0, 1, 5, 6, 11}) {
        nets.Items.push_back(std::make_unique<model::TNetRec>());
        for (int i = 0; i < count; ++i) {
            pins.push_back(Pin("U1", std::to_string(i + 1)));
            nets.Items.back()->Pins.push_back(pins.back().get());
        }
    }
    support::RecordingListView shown;
    view::UnshownListView unshown;
    support::RecordingListView errorView;
    support::RecordingUserInterface ui;
    netlist::ShowNets(nets, shown, errorView, ui);
    netlist::ShowNets(nets, unshown, errorView, ui);
    ASSERT_EQ(shown.RowCount(), 1 + 1 + 1 + 2 + 3);
    ASSERT_EQ(unshown.RowCount(), shown.RowCount());
    for (int row = 0; row < shown.RowCount(); ++row) {
        EXPECT_EQ(unshown.RowData(row), shown.RowData(row)) << row;
    }
}

// Connectivity steps on hand-made wire lists, where the exact order matters.
model::TWireList Wires(std::vector<std::pair<std::pair<int, int>, std::pair<int, int>>> ends,
                       std::vector<std::string> names = {}) {
    model::TWireList wires;
    for (std::size_t i = 0; i < ends.size(); ++i) {
        TPoint a{static_cast<std::int16_t>(ends[i].first.first),
                 static_cast<std::int16_t>(ends[i].first.second)};
        TPoint b{static_cast<std::int16_t>(ends[i].second.first),
                 static_cast<std::int16_t>(ends[i].second.second)};
        wires.Items.emplace_back(a, b);
        if (i < names.size()) {
            wires.Items.back().Name = wires.AddName(names[i]);
        }
    }
    return wires;
}

std::string Describe(const model::TWireList& wires) {
    std::string out;
    for (const auto& w : wires.Items) {
        out += "[" + std::to_string(w.X1) + "," + std::to_string(w.Y1) + "-" +
               std::to_string(w.X2) + "," + std::to_string(w.Y2) + " " +
               std::string(wires.NameOf(w)) + "#" + std::to_string(w.NetNo) + "]";
    }
    return out;
}

TEST(ConnectivitySteps, SplittingSortingAndNumberingOrder) {
    model::TWireList overlap = Wires({{{0, 0}, {60, 0}}, {{40, 0}, {100, 0}}, {{0, 5}, {10, 15}}});
    netlist::SplitOverlaps(overlap);
    // Each wire keeps its own piece of the shared stretch; the pieces meet end to end.
    EXPECT_EQ(Describe(overlap),
              "[0,0-40,0 #0][40,0-60,0 #0][0,5-10,15 #0][60,0-100,0 #0][40,0-60,0 #0]");

    model::TWireList sorted = Wires(
        {{{0, 0}, {1, 0}}, {{0, 1}, {1, 1}}, {{0, 2}, {1, 2}}, {{0, 3}, {1, 3}}, {{0, 4}, {1, 4}}},
        {"", "b", "", "A", "B"});
    netlist::SortWiresByLabel(sorted);
    EXPECT_EQ(Describe(sorted), "[0,3-1,3 A#0][0,4-1,4 B#0][0,1-1,1 b#0][0,0-1,0 #0][0,2-1,2 #0]");

    // A chain found from its first wire: each new find goes right after the finder.
    model::TWireList chain =
        Wires({{{0, 0}, {10, 0}}, {{50, 50}, {60, 60}}, {{10, 0}, {20, 0}}, {{0, 0}, {0, 10}}});
    netlist::NumberNets(chain);
    EXPECT_EQ(Describe(chain), "[0,0-10,0 #1][0,0-0,10 #1][10,0-20,0 #1][50,50-60,60 #2]");
}

class FakePinCvt : public netlist::PinConversion {
  public:
    std::map<std::string, std::map<std::string, int>> Blocks;
    bool HasPart(std::string_view name) const override {
        return Blocks.count(std::string(name)) != 0;
    }
    std::optional<int> NumberOf(std::string_view name, std::string_view pinText) const override {
        auto block = Blocks.find(std::string(name));
        if (block == Blocks.end()) {
            return std::nullopt;
        }
        auto pair = block->second.find(std::string(pinText));
        return pair == block->second.end() ? std::nullopt : std::optional<int>(pair->second);
    }
};

TEST(ConnectivitySteps, PinOrders) {
    FakePinCvt cvt;
    cvt.Blocks["BGA"] = {{"A3", 33}};
    EXPECT_EQ(netlist::PinOrderOf(*Pin("", "12"), cvt, "R"), 12);
    EXPECT_EQ(netlist::PinOrderOf(*Pin("", " -4x"), cvt, "R"), -4);
    EXPECT_EQ(netlist::PinOrderOf(*Pin("", "A3"), cvt, "R"), 0);
    EXPECT_EQ(netlist::PinOrderOf(*Pin("", "A3"), cvt, "BGA"), 33);
    EXPECT_EQ(netlist::PinOrderOf(*Pin("", "12"), cvt, "BGA"), 0);  // a block without the pin
    EXPECT_EQ(netlist::PinOrderOf(*Pin("", "99999999999"), netlist::NoPinConversion(), "R"),
              2147483647);
}

}  // namespace
