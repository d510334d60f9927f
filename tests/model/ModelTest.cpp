// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "model/CommentList.h"
#include "model/PartRec.h"
#include "model/PartsList.h"
#include "model/WireList.h"
#include "support/Ce2Builder.h"

namespace {

using model::TPartRec;

using support::PartRecord;

TEST(PartRecord, FileFieldsAreDecodedAndKept) {
    model::CCe2Part record = PartRecord({.X = -120,
                                         .Y = 3000,
                                         .Dir = 6,
                                         .Block = 2,
                                         .Name = "74HC00",
                                         .Ref = "U12",
                                         .LibName = "74HC00-S"});
    TPartRec part(record);
    EXPECT_EQ(part.Kind, 8);
    EXPECT_EQ(part.X, -120);
    EXPECT_EQ(part.Y, 3000);
    EXPECT_EQ(part.Rotation(), 2);
    EXPECT_TRUE(part.Mirrored());
    EXPECT_EQ(part.Block, 2);
    EXPECT_EQ(part.Carried[0], 0x11);
    EXPECT_EQ(part.Carried[3], 0x44);
    EXPECT_EQ(part.LibNameText(), "74HC00-S");
    EXPECT_EQ(part.PartNameText(), "74HC00");
    EXPECT_EQ(part.CvtNameText(), "74HC00");
    EXPECT_EQ(part.RefPrefixText(), "U");
    EXPECT_EQ(part.RefNumber, 12);
    EXPECT_EQ(part.UnitNo, 1);
    EXPECT_EQ(part.Amount, 1);
    EXPECT_EQ(part.NameCvtIndex, -1);
    EXPECT_EQ(part.MakerNameText(), "");
    EXPECT_TRUE(part.Pins.empty());
}

TEST(PartRecord, NamesAndReferencesInTheirShapes) {
    struct Case {
        support::PartSpec part;
        const char* partName;
        const char* prefix;
        long long number;
    } cases[] = {
        {{.Name = "", .Ref = "R1", .LibName = "74HC00"}, "74HC00", "R", 1},  // no typed name
        {{.Name = "10k", .Ref = "", .LibName = "RES"}, "10k", "", 0},        // no reference
        {{.Name = "X", .Ref = "TP3A", .LibName = "TP"}, "X", "TP", 3},
        {{.Name = "X", .Ref = "J", .LibName = "CN"}, "X", "J", 0},
        {{.Name = "X", .Ref = "U007", .LibName = "IC"}, "X", "U", 7},
        // A long prefix is kept whole (cut, two references would become one part).
        {{.Name = "X", .Ref = "ABCDEFGHI12", .LibName = "IC"}, "X", "ABCDEFGHI", 12},
        // Numbers past 16 bits keep their value: R40000 and R40001 are two parts.
        {{.Name = "X", .Ref = "R99999", .LibName = "RES"}, "X", "R", 99999},
        {{.Name = "X", .Ref = "U9876543210", .LibName = "IC"}, "X", "U", 9876543210},
        // A damaged length byte never reads past its field.
        {{.Name = "ABCDEFGHIJKLMNOPQRS",
          .Ref = "C5",
          .LibName = "CAP",
          .NameLen = 200,
          .RefLen = 250},
         "ABCDEFGHIJKLMNOPQRS",
         "C",
         5},
    };
    for (const Case& c : cases) {
        TPartRec part(PartRecord(c.part));
        SCOPED_TRACE(c.part.Ref);
        EXPECT_EQ(part.PartNameText(), c.partName);
        EXPECT_EQ(part.CvtNameText(), c.partName);
        EXPECT_EQ(part.RefPrefixText(), c.prefix);
        EXPECT_EQ(part.RefNumber, c.number);
    }
}

TEST(PartRecord, LibraryNameWithoutNulStopsAtItsField) {
    TPartRec part(PartRecord({.Name = "", .Ref = "U1", .LibName = "ABCDEFGHIJKLMNOP"}));
    EXPECT_EQ(part.LibNameText(), "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(part.PartNameText(), "ABCDEFGHIJKLMNOP");
}

TEST(PartRecord, LongUnitChainIsReleasedWithoutDeepRecursion) {
    auto head = std::make_unique<TPartRec>();
    TPartRec* tail = head.get();
    for (int i = 0; i < 300000; ++i) {
        tail->NextUnit = std::make_unique<TPartRec>();
        tail = tail->NextUnit.get();
        tail->Pins.push_back(std::make_unique<model::TPinRec>());
    }
    head.reset();  // would overflow the stack if each unit released the next recursively
    SUCCEED();
}

// A part's pins: held in the part up to two, on the heap beyond; moved, filtered and sorted
// in place by the standard algorithms, every pin freed once (the sanitized build checks).
TEST(PartRecord, PinsAreKeptInOrderThroughGrowthFilteringAndMoves) {
    auto orders = [](const model::TOwnedPinList& pins) {
        std::vector<int> seen;
        for (const auto& pin : pins) {
            seen.push_back(pin->PinOrder);
        }
        return seen;
    };
    auto pin = [](int order) {
        auto made = std::make_unique<model::TPinRec>();
        made->PinOrder = order;
        return made;
    };
    model::TOwnedPinList pins;
    EXPECT_TRUE(pins.empty());
    pins.push_back(pin(3));
    model::TOwnedPinList held(std::move(pins));  // inside the part
    EXPECT_TRUE(pins.empty());
    held.push_back(pin(1));
    EXPECT_EQ(orders(held), (std::vector<int>{3, 1}));
    for (int order : {7, 2, 5}) {  // onto the heap
        held.push_back(pin(order));
    }
    pins = std::move(held);
    EXPECT_TRUE(held.empty());
    EXPECT_EQ(orders(pins), (std::vector<int>{3, 1, 7, 2, 5}));
    pins.erase(std::remove_if(pins.begin(), pins.end(),
                              [](const auto& p) { return p->PinOrder % 2 == 0; }),
               pins.end());
    std::stable_sort(pins.begin(), pins.end(),
                     [](const auto& a, const auto& b) { return a->PinOrder < b->PinOrder; });
    EXPECT_EQ(orders(pins), (std::vector<int>{1, 3, 5, 7}));
    EXPECT_EQ(pins.front()->PinOrder, 1);
    EXPECT_EQ(pins.back()->PinOrder, 7);
    pins.erase(pins.begin() + 1, pins.begin() + 3);
    EXPECT_EQ(orders(pins), (std::vector<int>{1, 7}));
    held.push_back(pin(9));
    held = std::move(pins);  // the old pin is freed
    EXPECT_EQ(orders(held), (std::vector<int>{1, 7}));
    held.clear();
    EXPECT_EQ(held.size(), 0u);
}

TEST(PartsList, PowerNamesSplitAtSemicolons) {
    model::TPartsList list;
    list.SetPowerNames("VCC;VEE;GND");
    EXPECT_EQ(list.PowerNames, (std::vector<std::string>{"VCC", "VEE", "GND"}));
    list.SetPowerNames("VCC;;GND;");
    EXPECT_EQ(list.PowerNames, (std::vector<std::string>{"VCC", "GND"}));
    list.SetPowerNames(" +5V ;");
    EXPECT_EQ(list.PowerNames, (std::vector<std::string>{" +5V "}));
    list.SetPowerNames("");
    EXPECT_TRUE(list.PowerNames.empty());
}

TEST(WireList, WiresAreStoredWithTheirSmallerEndFirst) {
    auto wireRecord = [](int x1, int y1, int x2, int y2) {
        support::Bytes b;
        b.U8(3).U8(0).I16(x1).I16(y1).I16(x2).I16(y2);
        return b.Data();
    };
    model::TWireList wires;
    auto add = [&](int x1, int y1, int x2, int y2) {
        std::string r = wireRecord(x1, y1, x2, y2);
        return wires.AddWire(reinterpret_cast<const std::uint8_t*>(r.data()));
    };
    EXPECT_TRUE(add(100, 50, 20, 50));   // right to left
    EXPECT_TRUE(add(30, 200, 30, -10));  // vertical, lower end given first
    EXPECT_TRUE(add(-5, 7, 10, -3));     // diagonal
    EXPECT_FALSE(add(40, 40, 40, 40));   // no length: dropped
    ASSERT_EQ(wires.Count(), 3);
    auto ends = [&](int i) {
        const model::TWireRec* w = wires[i];
        return std::vector<int>{w->X1, w->Y1, w->X2, w->Y2};
    };
    EXPECT_EQ(ends(0), (std::vector<int>{20, 50, 100, 50}));
    EXPECT_EQ(ends(1), (std::vector<int>{30, -10, 30, 200}));
    EXPECT_EQ(ends(2), (std::vector<int>{-5, 7, 10, -3}));
    EXPECT_EQ(wires[0]->NetNo, 0);
    EXPECT_EQ(wires[0]->Pin, nullptr);
    EXPECT_FALSE(wires.Named(*wires[0]));
}

TEST(WireList, JunctionsAndLabelsAreCopied) {
    support::Bytes junction;
    junction.U8(0).U8(0).I16(-300).I16(450);
    support::Bytes label;
    label.U8(6).U8(0x08).I16(10).I16(20).U8(4).Field("DATA", 11);
    model::TWireList wires;
    wires.AddJunction(reinterpret_cast<const std::uint8_t*>(junction.Data().data()));
    wires.AddLabel(reinterpret_cast<const std::uint8_t*>(label.Data().data()));
    ASSERT_EQ(wires.Junctions.size(), 1u);
    EXPECT_EQ(wires.Junctions[0], (model::TPoint{-300, 450}));
    EXPECT_EQ(model::TPoint::FromPacked(wires.Junctions[0].Packed()), wires.Junctions[0]);
    ASSERT_EQ(wires.Labels.size(), 1u);
    EXPECT_EQ(wires.Labels[0].Kind, 6);
    EXPECT_TRUE(wires.Labels[0].Vertical());
    EXPECT_EQ(wires.Labels[0].LabelText(), "DATA");
}

TEST(CommentList, TextIsCutAt255BytesOnACharacterBoundary) {
    model::TCommentList comments;
    std::string longText(254, 'a');
    longText += "\x95\x5C";  // a double-byte character across the 255-byte limit
    comments.AddComment(5, 6, longText);
    comments.AddComment(7, 8, "short");
    ASSERT_EQ(comments.Count(), 2);
    EXPECT_EQ(comments.Items[0].Text, std::string(254, 'a'));
    EXPECT_EQ(comments.Items[1].Text, "short");
    EXPECT_EQ(comments.Items[1].X, 7);
}

}  // namespace
