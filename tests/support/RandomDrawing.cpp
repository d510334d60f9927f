// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/RandomDrawing.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <optional>

#include "netlist/NetBuilder.h"
#include "partslist/PartsListBuilder.h"
#include "text/Padding.h"
#include "view/MemoryViews.h"

namespace support {
namespace {

// Names that differ only in letter case, an empty one, a generated-looking one, and
// double-byte ones whose second byte is a letter (which does not fold).
const std::vector<std::string> kLabelTexts = {
    "A",    "a",       "GND",      "gnd", "VCC",      "B1",       "b1",        "",
    "DATA", "N010001", "\x82\xa0", "Vcc", "\x82\x61", "\x82\x41", "x\x82\x61", "X\x82\x61"};
// Prefixes past eight bytes too: the filing keys a reference in two words.
const std::vector<std::string> kRefs = {"R1", "R2",  "r1",         "U1",          "C10",       "",
                                        "0",  "TP1", "R12A",       "U1",          "R10",       "R9",
                                        "U2", "R1",  "CONNECTOR1", "CONNECTORS1", "CONNECTOR1"};
const std::vector<std::string> kNames = {"", "", "10k", "4.7K", "4.7k"};
const std::vector<std::string> kLibNames = {"RES", "VCC", "GND", "vee", "IC", "ic"};

template <typename T>
const T& Pick(std::mt19937& rng, const std::vector<T>& from) {
    return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(rng)];
}

int Chance(std::mt19937& rng, int outOf) {
    return std::uniform_int_distribution<int>(0, outOf - 1)(rng);
}

std::int16_t GridValue(std::mt19937& rng, int gridPoints) {
    return static_cast<std::int16_t>(10 *
                                     std::uniform_int_distribution<int>(-1, gridPoints - 2)(rng));
}

model::TPoint GridPoint(std::mt19937& rng, int gridPoints) {
    return {GridValue(rng, gridPoints), GridValue(rng, gridPoints)};
}

std::int16_t Near(std::mt19937& rng, std::int16_t from, int gridPoints, int maxLength) {
    if (maxLength <= 0) {
        return GridValue(rng, gridPoints);
    }
    const int step = std::uniform_int_distribution<int>(-maxLength, maxLength)(rng);
    return static_cast<std::int16_t>(std::clamp(from + 10 * step, -10, 10 * (gridPoints - 2)));
}

void CopyText(char* field, std::size_t size, const std::string& text) {
    std::memcpy(field, text.data(), std::min(size, text.size()));
}

model::CCe2Label RandomLabel(std::mt19937& rng, int gridPoints, int numbered) {
    model::CCe2Label label;
    label.Kind = Chance(rng, 3) == 0 ? model::kKindLabelAlt : model::kKindLabel;
    label.Attr = Chance(rng, 2) ? 0x08 : 0;
    const model::TPoint at = GridPoint(rng, gridPoints);
    label.X = at.X;
    label.Y = at.Y;
    const std::string text =
        numbered > 0 ? "S" + std::to_string(std::uniform_int_distribution<int>(1, numbered)(rng))
                     : Pick(rng, kLabelTexts);
    CopyText(label.Text, sizeof label.Text, text);
    label.TextLen = static_cast<std::uint8_t>(text.size());
    return label;
}

const std::vector<std::string> kPrefixes = {"R", "C", "U", "TP", "D", "L", "Q", "J", "FB", "r"};

model::CCe2Part RandomPart(std::mt19937& rng, int gridPoints, int numberedRefs) {
    model::CCe2Part part;
    part.Kind = model::kKindPart;
    const model::TPoint at = GridPoint(rng, gridPoints);
    part.X = at.X;
    part.Y = at.Y;
    part.Dir = static_cast<std::uint8_t>(Chance(rng, 4));
    part.Block = static_cast<std::uint8_t>(Chance(rng, 2));
    const std::string& name = Pick(rng, kNames);
    CopyText(part.Name, sizeof part.Name, name);
    part.NameLen = static_cast<std::uint8_t>(name.size());
    const std::string ref =
        numberedRefs > 0 ? Pick(rng, kPrefixes) + std::to_string(std::uniform_int_distribution<int>(
                                                      1, std::min(numberedRefs, 30000))(rng))
                         : Pick(rng, kRefs);
    CopyText(part.Ref, sizeof part.Ref, ref);
    part.RefLen = static_cast<std::uint8_t>(ref.size());
    CopyText(part.LibName, sizeof part.LibName - 1, Pick(rng, kLibNames));
    return part;
}

// Only the conversion of "ic" matters here: it makes two part names one.
class FixedLookups : public partslist::PartLookups {
  public:
    std::optional<NameConversion> ConvertName(std::string_view name) override {
        if (name == "ic") {
            return NameConversion{"IC", 0};
        }
        return std::nullopt;
    }
    std::optional<std::string> FindMaker(std::string_view) override { return std::nullopt; }
    std::optional<Footprint> FindFoot(std::string_view) override { return std::nullopt; }
    std::string PinTextOf(std::string_view, int number) override { return std::to_string(number); }
    std::string GroupName(int) override { return ""; }
};

// A block for the converted name IC: pin A1 is 3, pin 2 is 9, other texts have no number.
class IcPinNumbers final : public netlist::PinConversion {
  public:
    bool HasPart(std::string_view cvtName) const override { return cvtName == "IC"; }
    std::optional<int> NumberOf(std::string_view cvtName, std::string_view pinText) const override {
        if (!HasPart(cvtName) || (pinText != "A1" && pinText != "2")) {
            return std::nullopt;
        }
        return pinText == "A1" ? 3 : 9;
    }
};

std::map<const model::TPinRec*, std::string> PinIds(const model::TPartsList& parts) {
    std::map<const model::TPinRec*, std::string> ids;
    for (int p = 0; p < parts.Count(); ++p) {
        for (std::size_t k = 0; k < parts[p]->Pins.size(); ++k) {
            ids[parts[p]->Pins[k].get()] = text::Format("%d.%zu", p, k);
        }
    }
    return ids;
}

}  // namespace

model::TWireList RandomDrawing::WireList() const {
    model::TWireList wires;
    for (const auto& [a, b] : Wires) {
        wires.Items.emplace_back(a, b);
    }
    wires.Junctions = Junctions;
    wires.Labels = Labels;
    return wires;
}

std::vector<std::pair<model::TPoint, model::TPoint>> PileOfWires(std::mt19937& rng, int count,
                                                                 std::int16_t y, std::int16_t from,
                                                                 std::int16_t to) {
    std::vector<std::pair<int, int>> spans{{from, to}};
    std::vector<std::pair<model::TPoint, model::TPoint>> wires;
    for (int i = 0; i < count; ++i) {
        auto [a, b] = spans[static_cast<std::size_t>(Chance(rng, static_cast<int>(spans.size())))];
        switch (Chance(rng, 3)) {
            case 0:
                break;  // a copy
            case 1:
                if (b - a > 20) {
                    a += 10, b -= 10;  // nested
                }
                break;
            default:
                a += 10, b += 10;  // chained
                break;
        }
        spans.emplace_back(a, b);
        const model::TPoint first{static_cast<std::int16_t>(a), y};
        const model::TPoint second{static_cast<std::int16_t>(b), y};
        wires.push_back(Chance(rng, 2) == 0 ? std::pair{first, second} : std::pair{second, first});
    }
    return wires;
}

std::vector<RandomDrawing> RandomDrawings(std::mt19937& rng, const RandomShape& shape) {
    std::vector<RandomDrawing> drawings(static_cast<std::size_t>(shape.Drawings));
    const int g = shape.GridPoints;
    for (RandomDrawing& d : drawings) {
        d.SerialNames = Chance(rng, 3) != 0;
        for (int i = 0; i < shape.Wires; ++i) {
            const model::TPoint a = GridPoint(rng, g);
            model::TPoint b = a;
            const int kind = Chance(rng, 10);
            const int m = shape.MaxLength;
            if (kind < 4) {
                b.X = Near(rng, a.X, g, m);
            } else if (kind < 8) {
                b.Y = Near(rng, a.Y, g, m);
            } else if (kind == 8 || Chance(rng, 4) != 0) {
                // diagonal, now and then straight or a point
                b = {Near(rng, a.X, g, m), Near(rng, a.Y, g, m)};
            }
            d.Wires.emplace_back(a, b);
        }
        if (shape.Piles > 0) {
            const std::int16_t y = GridValue(rng, g);
            for (const auto& wire :
                 PileOfWires(rng, shape.Piles, y, -10, static_cast<std::int16_t>(10 * (g - 2)))) {
                const auto at = std::uniform_int_distribution<std::size_t>(0, d.Wires.size())(rng);
                d.Wires.insert(d.Wires.begin() + static_cast<std::ptrdiff_t>(at), wire);
            }
        }
        for (int i = 0; i < shape.Junctions; ++i) {
            const bool again = !d.Junctions.empty() && Chance(rng, 6) == 0;
            d.Junctions.push_back(again ? d.Junctions.back() : GridPoint(rng, g));
        }
        for (int i = 0; i < shape.Labels; ++i) {
            d.Labels.push_back(RandomLabel(rng, g, shape.Numbered ? shape.Labels / 2 + 1 : 0));
        }
        for (int i = 0; i < shape.Parts; ++i) {
            d.Parts.push_back(RandomPart(rng, g, shape.Numbered ? shape.Parts : 0));
            if (shape.Numbered && !d.Wires.empty()) {
                // On a real sheet parts sit where wires end.
                const auto& wire =
                    d.Wires[std::uniform_int_distribution<std::size_t>(0, d.Wires.size() - 1)(rng)];
                d.Parts.back().X = wire.first.X;
                d.Parts.back().Y = wire.first.Y;
            }
        }
    }
    if (shape.Origin != 0) {
        auto shift = [&shape](std::int16_t& v) {
            v = static_cast<std::int16_t>(static_cast<std::uint16_t>(v + shape.Origin));
        };
        for (RandomDrawing& d : drawings) {
            for (auto& [a, b] : d.Wires) {
                shift(a.X), shift(a.Y), shift(b.X), shift(b.Y);
            }
            for (model::TPoint& j : d.Junctions) {
                shift(j.X), shift(j.Y);
            }
            for (model::CCe2Label& label : d.Labels) {
                shift(label.X), shift(label.Y);
            }
            for (model::CCe2Part& part : d.Parts) {
                shift(part.X), shift(part.Y);
            }
        }
    }
    return drawings;
}

void PlaceRandomPins(model::TPartRec& head, const model::TPartRec& unit) {
    const int count = 1 + std::abs(unit.X / 10) % 3;
    const bool lettered = std::abs(unit.Y / 10) % 4 == 0;
    for (int k = 0; k < count; ++k) {
        auto pin = std::make_unique<model::TPinRec>();
        const auto step = static_cast<std::int16_t>(10 * k);
        switch (unit.Dir & 3) {
            case 0:
                pin->X = static_cast<std::int16_t>(unit.X + step);
                pin->Y = unit.Y;
                break;
            case 1:
                pin->X = unit.X;
                pin->Y = static_cast<std::int16_t>(unit.Y + step);
                break;
            case 2:  // pins on pins
                pin->X = unit.X;
                pin->Y = unit.Y;
                break;
            default:
                pin->X = static_cast<std::int16_t>(k == 0 ? -1 : unit.X + step);
                pin->Y = static_cast<std::int16_t>(k == 0 ? -1 : unit.Y);
                break;
        }
        const int number = unit.Block * 10 + k + 1;
        pin->PinNumber = (lettered ? "A" : "") + std::to_string(number);
        head.Pins.push_back(std::move(pin));
    }
}

namespace {

std::string RunDrawings(const std::vector<RandomDrawing>& drawings,
                        const ConnectivityVariant& variant, bool describe, int& netCount) {
    model::TPartsList parts;
    parts.SetPowerNames("VCC;GND;VEE");
    model::TNetList nets;
    view::MemoryListView shortRows;
    bool headerShown = false;
    FixedLookups lookups;
    const IcPinNumbers pinCvt;
    const netlist::NetSettings settings{"-", false};
    std::string out;
    // The indexes live over all the drawings, as over the drawings of one load.
    std::optional<partslist::indexed::PartsFiling> partsFiling;
    std::optional<netlist::indexed::NetFiling> netFiling;
    if (variant.IndexedParts) {
        partsFiling.emplace(parts);
    }
    if (variant.IndexedNets) {
        netFiling.emplace(nets);
    }
    for (std::size_t d = 0; d < drawings.size(); ++d) {
        const RandomDrawing& drawing = drawings[d];
        nets.NetCounter = !drawing.SerialNames  ? -1
                          : nets.NetCounter < 0 ? 10000
                                                : (nets.NetCounter / 10000 + 1) * 10000;
        if (partsFiling) {
            for (const model::CCe2Part& record : drawing.Parts) {
                partsFiling->Add(record, lookups, PlaceRandomPins);
            }
            partsFiling->Finish();
        } else {
            for (const model::CCe2Part& record : drawing.Parts) {
                partslist::AddPart(parts, record, lookups, PlaceRandomPins);
            }
        }
        model::TWireList wires = drawing.WireList();
        variant.Connect(wires, parts, pinCvt);
        out += describe ? text::Format("drawing %zu\n", d) : "";
        const auto pinIds =
            describe ? PinIds(parts) : std::map<const model::TPinRec*, std::string>();
        for (int i = 0; describe && i < wires.Count(); ++i) {
            const model::TWireRec& w = *wires[i];
            out +=
                text::Format("%d,%d-%d,%d #%d '%s' %s/%d\n", w.X1, w.Y1, w.X2, w.Y2, w.NetNo,
                             std::string(wires.NameOf(w)).c_str(),
                             w.Pin ? pinIds.at(w.Pin).c_str() : "-", w.Pin ? w.Pin->PinOrder : 0);
        }
        netlist::ShortsReporter shorts(&shortRows, headerShown, text::Format("d%zu.ce2", d));
        if (netFiling) {
            netlist::indexed::BuildNets(*netFiling, nets, wires, settings, shorts);
        } else {
            netlist::BuildNets(nets, wires, settings, shorts);
        }
    }
    if (netFiling) {
        netFiling->Finish();
    }
    netCount = nets.Count();
    if (!describe) {
        return out;
    }
    const auto pinIds = PinIds(parts);
    out += text::Format("nets, counter %d\n", nets.NetCounter);
    for (int n = 0; n < nets.Count(); ++n) {
        out += nets[n]->NetName + ":";
        for (const model::TPinRec* pin : nets[n]->Pins) {
            out += " " + pinIds.at(pin) + (pin->Net == nets[n] ? "" : "(elsewhere)");
        }
        out += "\n";
    }
    out += "shorts\n";
    for (int row = 0; row < shortRows.RowCount(); ++row) {
        for (const std::string& cell : shortRows.Cells(row)) {
            out += cell + "|";
        }
        out += "\n";
    }
    out += "parts\n";
    for (int p = 0; p < parts.Count(); ++p) {
        for (const model::TPartRec* unit = parts[p]; unit; unit = unit->NextUnit.get()) {
            out += text::Format("%s/%s u%d c%d  ", std::string(unit->RefText()).c_str(),
                                std::string(unit->CvtNameText()).c_str(), unit->UnitNo,
                                unit->NameConflict);
        }
        out += "\n";
    }
    return out;
}

}  // namespace

std::string RunAndDescribe(const std::vector<RandomDrawing>& drawings,
                           const ConnectivityVariant& variant) {
    int netCount = 0;
    return RunDrawings(drawings, variant, true, netCount);
}

int Run(const std::vector<RandomDrawing>& drawings, const ConnectivityVariant& variant) {
    int netCount = 0;
    RunDrawings(drawings, variant, false, netCount);
    return netCount;
}

}  // namespace support
