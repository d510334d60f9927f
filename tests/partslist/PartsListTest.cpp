// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>
#include <tuple>

#include "model/NetList.h"
#include "partslist/PartsListBuilder.h"
#include "partslist/PartsViews.h"
#include "support/Ce2Builder.h"
#include "support/RecordingViews.h"
#include "text/Cp932.h"
#include "text/Sjis.h"

namespace {

using partslist::PartLookups;
using text::Utf8ToCp932;

// Tables held in maps; pins come from a per-symbol list of pin orders.
class MapLookups : public PartLookups {
  public:
    std::map<std::string, NameConversion> Names;
    std::map<std::string, std::string> Makers;
    std::map<std::string, Footprint> Feet;
    std::map<int, std::string> PinTexts;  // for every part
    std::vector<std::string> Groups;

    std::optional<NameConversion> ConvertName(std::string_view name) override {
        return Find(Names, name);
    }
    std::optional<std::string> FindMaker(std::string_view name) override {
        return Find(Makers, name);
    }
    std::optional<Footprint> FindFoot(std::string_view name) override { return Find(Feet, name); }
    std::string PinTextOf(std::string_view, int number) override {
        auto it = PinTexts.find(number);
        return it == PinTexts.end() ? std::to_string(number) : it->second;
    }
    std::string GroupName(int index) override {
        return index >= 0 && index < static_cast<int>(Groups.size())
                   ? Groups[static_cast<std::size_t>(index)]
                   : "";
    }

  private:
    template <typename T>
    static std::optional<T> Find(const std::map<std::string, T>& map, std::string_view key) {
        auto it = map.find(std::string(key));
        return it == map.end() ? std::nullopt : std::optional<T>(it->second);
    }
};

class PartsListTest : public ::testing::Test {
  protected:
    // Adds a part whose symbol has pins with these orders, each connected unless listed
    // in `unconnected`.
    model::TPartRec* Add(const std::string& ref, const std::string& name,
                         std::vector<int> pinOrders = {}, std::vector<int> unconnected = {}) {
        return partslist::AddPart(parts,
                                  support::PartRecord({.Name = name, .Ref = ref, .LibName = "SYM"}),
                                  lookups, [&](model::TPartRec& head, model::TPartRec&) {
                                      for (int order : pinOrders) {
                                          auto pin = std::make_unique<model::TPinRec>();
                                          pin->PinOrder = order;
                                          pin->PinNumber = std::to_string(order);
                                          if (std::find(unconnected.begin(), unconnected.end(),
                                                        order) == unconnected.end()) {
                                              pin->Net = &net;
                                          }
                                          head.Pins.push_back(std::move(pin));
                                      }
                                  });
    }
    std::vector<std::string> Order() const {
        std::vector<std::string> out;
        for (const auto& p : parts.Items) {
            out.push_back(std::string(p->RefText()) + "/" + std::string(p->CvtNameText()));
        }
        return out;
    }
    void Show() { partslist::ShowParts(parts, viewA, viewB, ui, lookups); }
    std::vector<std::string> RowB(int row) const { return support::RowUtf8(viewB, row); }

    MapLookups lookups;
    model::TPartsList parts;
    model::TNetRec net;
    support::RecordingListView viewA, viewB;
    support::RecordingUserInterface ui;
};

TEST_F(PartsListTest, SortedByPrefixBytesThenNumberThenName) {
    for (const char* ref : {"R10", "U1", "r1", "R9", "C3", "", "TP2", "R9"}) {
        Add(ref, std::string(ref) == "R9" && Order().size() > 5 ? "ZZ" : "X");
    }
    EXPECT_EQ(Order(), (std::vector<std::string>{"/X", "C3/X", "R9/X", "R9/ZZ", "R10/X", "TP2/X",
                                                 "U1/X", "r1/X"}));
}

TEST_F(PartsListTest, ManyPartsInAnyOrderFileAsOneSortedList) {
    // References of several prefixes, each read several times with one of two names, in
    // random order: the list holds each reference and name once, in reference order.
    std::mt19937 random(11);
    std::set<std::tuple<std::string, int, std::string>> expected;
    for (int i = 0; i < 3000; ++i) {
        std::string prefix =
            std::string("CRUr").substr(random() % 4, 1) + (random() % 5 ? "" : "P");
        int number = static_cast<int>(random() % 400);
        std::string name = random() % 3 ? "A" : "B";
        Add(prefix + std::to_string(number), name);
        expected.emplace(prefix, number, name);
    }
    std::vector<std::string> order;
    for (const auto& [prefix, number, name] : expected) {
        order.push_back(prefix + std::to_string(number) + "/" + name);
    }
    EXPECT_EQ(Order(), order);
    for (const auto& p : parts.Items) {  // two names under one reference are both flagged
        bool twoNames = expected.count({std::string(p->RefPrefixText()), p->RefNumber, "A"}) &&
                        expected.count({std::string(p->RefPrefixText()), p->RefNumber, "B"});
        ASSERT_EQ(p->NameConflict != 0, twoNames) << p->RefText();
    }
}

TEST_F(PartsListTest, UnitsOfOnePartChainToTheFirst) {
    model::TPartRec* first = Add("U1", "LM358", {1, 2, 3});
    model::TPartRec* second = Add("U1", "LM358", {5, 6, 7});
    model::TPartRec* third = Add("U1", "LM358", {4, 8});
    ASSERT_EQ(parts.Count(), 1);
    EXPECT_EQ(first->UnitNo, 3);
    EXPECT_EQ(second->UnitNo, 2);
    EXPECT_EQ(third->UnitNo, 3);
    EXPECT_EQ(first->NextUnit.get(), second);
    EXPECT_EQ(second->NextUnit.get(), third);
    EXPECT_EQ(first->Pins.size(), 8u);  // every unit's pins sit in the head
    EXPECT_TRUE(second->Pins.empty());

    partslist::FinishParts(parts, 1, lookups);
    Show();
    EXPECT_EQ(RowB(0), (std::vector<std::string>{"U1", "多", "3", "LM358", "", "LM358", "", "8"}));
    EXPECT_EQ(viewB.StateImage(0), partslist::kImageCheckDot);
}

TEST_F(PartsListTest, OneReferenceWithTwoNamesFlagsBoth) {
    Add("R1", "10k", {1, 2});
    Add("R1", "4.7k", {1, 2});
    Add("R1", "10k", {});  // a second unit of the first: "異多"
    ASSERT_EQ(Order(), (std::vector<std::string>{"R1/10k", "R1/4.7k"}));
    partslist::FinishParts(parts, 1, lookups);
    Show();
    EXPECT_EQ(RowB(0)[1], "異多");
    EXPECT_EQ(RowB(1)[1], "異");
    EXPECT_EQ(viewB.StateImage(0), partslist::kImageRedDot);
    EXPECT_EQ(viewB.StateImage(1), partslist::kImageRedDot);
}

TEST_F(PartsListTest, PartsWithoutReferenceAreNeverInConflict) {
    Add("", "GND", {1});
    Add("", "VCC", {1});
    Add("", "GND", {1});
    Add("", "GND", {1});
    partslist::FinishParts(parts, 1, lookups);
    Show();
    ASSERT_EQ(parts.Count(), 2);
    EXPECT_EQ(RowB(0)[1], "多");
    EXPECT_EQ(RowB(0)[2], "3");
    EXPECT_EQ(RowB(1)[1], "");
    EXPECT_EQ(viewA.RowCount(), 0);  // only referenced parts are in the printed list
    EXPECT_EQ(parts[0]->RowA, -1);
    EXPECT_EQ(parts[1]->RowB, 1);
}

TEST_F(PartsListTest, PinCheckNamesMissingAndDuplicatePins) {
    lookups.PinTexts[3] = "A3";
    Add("U1", "A", {1, 2, 4, 4});
    Add("U2", "B", {1, 2, 4});
    Add("U3", "C", {4, 1, 2, 3, 0});  // 0: a text pin without conversion
    Add("U4", "D", {2, 5}, {2, 5});   // nothing connected
    Add("U5", "E", {1, 2, 3});
    partslist::FinishParts(parts, 1, lookups);
    Show();
    EXPECT_EQ(RowB(0)[6], "重4");
    EXPECT_EQ(viewB.StateImage(0), partslist::kImageRedDot);
    EXPECT_EQ(RowB(1)[6], "A3");
    EXPECT_EQ(viewB.StateImage(1), partslist::kImageOrangeDot);
    EXPECT_EQ(RowB(2)[6], "重0");
    EXPECT_EQ(RowB(2)[7], "4");
    EXPECT_EQ(RowB(3)[6], "");
    EXPECT_EQ(RowB(3)[7], "無し");
    EXPECT_EQ(viewB.StateImage(3), partslist::kImageCheckOff);
    EXPECT_EQ(viewB.StateImage(4), partslist::kImageCheckDot);
    EXPECT_EQ(RowB(4)[6], "");
    EXPECT_EQ(RowB(4)[7], "3");

    // Pins are sorted stably and unconnected ones are gone.
    std::vector<int> orders;
    for (const auto& pin : parts[2]->Pins) {
        orders.push_back(pin->PinOrder);
    }
    EXPECT_EQ(orders, (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_TRUE(parts[3]->Pins.empty());
}

TEST_F(PartsListTest, HugeGapInPinNumbersStaysBounded) {
    Add("U1", "BGA", {1, 30000});
    partslist::FinishParts(parts, 1, lookups);
    partslist::PinCheck check = partslist::CheckPins(*parts[0], lookups);
    EXPECT_LE(check.Text().size(), partslist::kPinCheckTextLimit);
    EXPECT_EQ(check.Text().substr(0, 8), "2,3,4,5,");
}

TEST_F(PartsListTest, SilkNameRules) {
    lookups.Feet["LM358"] = {"LM358", "SOP8", "OPAMP"};
    lookups.Feet["1608R"] = {"1608R", "1608", ""};
    lookups.Names["R-DRAWN"] = {"1608R", 0};
    net.NetName = "TESTNET";
    Add("U1", "LM358", {1, 2});    // silk from the footprint list
    Add("TP1", "PIN", {1});        // one pin: its net's name
    Add("U2", "OTHER", {1, 2});    // not a CR kind: converted name
    Add("R5", "R-DRAWN", {1, 2});  // CR kind: by the option
    Add("V1", "XX", {1, 2});       // "V" occurs in the CR kinds text
    Add("U9", "NOPINS", {});       // no pins: no silk

    auto silkWith = [&](int type) {
        partslist::FinishParts(parts, type, lookups);
        std::vector<std::string> out;
        for (const auto& p : parts.Items) {
            out.push_back(p->SilkName + (p->SilkSet ? "*" : ""));
        }
        return out;
    };
    // In list order: R5, TP1, U1, U2, U9, V1.
    EXPECT_EQ(silkWith(0), (std::vector<std::string>{"", "TESTNET*", "OPAMP", "OTHER*", "", ""}));
    EXPECT_EQ(silkWith(1),
              (std::vector<std::string>{"R-DRAWN*", "TESTNET*", "OPAMP", "OTHER*", "", "XX*"}));
    EXPECT_EQ(silkWith(2),
              (std::vector<std::string>{"1608R*", "TESTNET*", "OPAMP", "OTHER*", "", "XX*"}));
    EXPECT_EQ(parts[0]->FootPrint, "1608");
    EXPECT_EQ(parts[2]->FootPrint, "SOP8");
}

TEST_F(PartsListTest, ConversionMakerAndTheTwoViews) {
    lookups.Names["10K"] = {Utf8ToCp932("抵抗10k"), 1};
    lookups.Makers[Utf8ToCp932("抵抗10k")] = "KOA";
    lookups.Groups = {"IC", Utf8ToCp932("抵抗")};
    model::TPartRec* r = Add("R12", "10K", {1, 2});
    EXPECT_EQ(r->NameCvtIndex, 1);
    EXPECT_EQ(r->PartNameText(), "10K");
    EXPECT_EQ(r->MakerNameText(), "KOA");
    text::CopyToField(r->Note, "keep");
    partslist::FinishParts(parts, 1, lookups);
    Show();
    ASSERT_EQ(viewA.RowCount(), 1);
    EXPECT_EQ(support::RowUtf8(viewA, 0),
              (std::vector<std::string>{"R12", "抵抗10k", "1", "KOA", "抵抗", ""}));
    EXPECT_EQ(viewA.RowData(0), r);
    EXPECT_EQ(ui.PanelUtf8(0), "部品数：1");
    EXPECT_TRUE(ui.SaveMenuEnabled);
    EXPECT_EQ(RowB(0)[3], "10K");  // CR kind with the drawing's name

    partslist::ClearParts(parts, viewA, viewB, ui);
    EXPECT_EQ(parts.Count(), 0);
    EXPECT_EQ(viewA.RowCount() + viewB.RowCount(), 0);
    EXPECT_FALSE(ui.SaveMenuEnabled);
    EXPECT_EQ(ui.PanelUtf8(0), "");
}

}  // namespace
