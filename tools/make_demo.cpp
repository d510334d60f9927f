// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the demo project: a two-stage amplifier drawn on two sheets, its own part
// libraries, the editor's settings beside the drawings and the four conversion tables.
//
//   make_demo FOLDER
//
// The circuit: J1 brings the signal in through C1 to the non-inverting stage U1A (gain
// 1 + R4/R5 = 11) biased at VREF, half the supply made by R1/R2 and smoothed by C3. Its
// output goes by the tag STAGE1 to the second sheet, where C4 and R6 feed the inverting
// stage U1B (gain R7/R6 = 4.7, also at VREF), and the emitter follower Q1 drives the
// output connector J2 through C5. C2 and C6 decouple the supply; TP1 and TP2 are test
// points. The supply pins of the op-amp are wired on unit A only, as a designer does:
// unit B's copies of them connect to nothing and drop out of the parts list.
//
// Every wire end is computed from the pin positions of the generated libraries, so each
// pin lands exactly on its wire.

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "netlist/Connectivity.h"
#include "netlist/PinPlacement.h"
#include "support/Bytes.h"
#include "support/Ce2Builder.h"
#include "support/LibBuilder.h"
#include "text/Cp932.h"

namespace {

namespace fs = std::filesystem;

// Positions are written in grid units (10 drawing units) and scaled on output.
constexpr int kGrid = 10;

struct GridPoint {
    int X = 0;
    int Y = 0;
};

// A distance in drawing units, for texts placed finer than the grid.
struct UnitOffset {
    int X = 0;
    int Y = 0;
};

struct SymbolPin {
    netlist::PinSide Side = netlist::PinSide::Left;
    int Offset = 0;
    std::vector<std::string> Numbers;  // one per unit; a letter first for lettered pins
};

struct Symbol {
    std::string Name;
    int Width = 0;
    int Height = 0;
    int Units = 1;
    bool TextLibrary = false;  // in amp.lb3 rather than amp.lib
    std::vector<SymbolPin> Pins;
};

using netlist::PinSide;

std::vector<Symbol> Symbols() {
    return {
        {"R", 4, 2, 1, false, {{PinSide::Left, 1, {"1"}}, {PinSide::Right, 1, {"2"}}}},
        {"C", 2, 2, 1, false, {{PinSide::Left, 1, {"1"}}, {PinSide::Right, 1, {"2"}}}},
        {"CONN2", 3, 3, 1, false, {{PinSide::Right, 1, {"1"}}, {PinSide::Right, 2, {"2"}}}},
        {"CONN_AB", 3, 3, 1, false, {{PinSide::Left, 1, {"A1"}}, {PinSide::Left, 2, {"B1"}}}},
        {"LM358",
         6,
         6,
         2,
         false,
         {{PinSide::Left, 2, {"2", "6"}},      // IN-
          {PinSide::Left, 4, {"3", "5"}},      // IN+
          {PinSide::Right, 3, {"1", "7"}},     // OUT
          {PinSide::Top, 3, {"8", "8"}},       // V+
          {PinSide::Bottom, 3, {"4", "4"}}}},  // V-
        {"TITLE2", 62, 12, 1, false, {}},
        {"VCC", 2, 1, 1, true, {{PinSide::Bottom, 1, {"1"}}}},
        {"GND", 2, 1, 1, true, {{PinSide::Top, 1, {"1"}}}},
        {"NPN",
         4,
         4,
         1,
         true,
         {{PinSide::Left, 2, {"B"}}, {PinSide::Top, 3, {"C"}}, {PinSide::Bottom, 3, {"E"}}}},
        {"CPOL", 2, 2, 1, true, {{PinSide::Left, 1, {"1"}}, {PinSide::Right, 1, {"2"}}}},
        {"TP", 2, 2, 1, true, {{PinSide::Bottom, 1, {"1"}}}},
        {"PLNO", 20, 2, 1, true, {}},
    };
}

const Symbol& FindSymbol(const std::vector<Symbol>& symbols, const std::string& name) {
    for (const Symbol& s : symbols) {
        if (s.Name == name) {
            return s;
        }
    }
    std::cerr << "make_demo: no symbol " << name << '\n';
    std::exit(1);
}

std::uint16_t NumberWord(const std::string& number) {
    bool lettered = !number.empty() && number[0] >= 'A' && number[0] <= 'Z';
    unsigned value = static_cast<unsigned>(std::atoi(number.c_str() + (lettered ? 1 : 0)));
    return support::PinNoWord(value, lettered ? number[0] : 0);
}

char SideLetter(PinSide side) {
    switch (side) {
        case PinSide::Left:
            return 'L';
        case PinSide::Top:
            return 'T';
        case PinSide::Right:
            return 'R';
        case PinSide::Bottom:
            return 'B';
    }
    return 'L';
}

void WriteLibraries(const std::vector<Symbol>& symbols, const fs::path& folder) {
    support::LibBuilder lib;
    support::Lb3Builder lb3;
    for (const Symbol& s : symbols) {
        if (s.TextLibrary) {
            support::Lb3Symbol symbol{s.Name, s.Width, s.Height, {}};
            int n = 0;
            for (const SymbolPin& pin : s.Pins) {
                symbol.Pins.push_back(
                    {"P" + std::to_string(++n), SideLetter(pin.Side), pin.Offset, pin.Numbers});
            }
            lb3.Symbol(symbol);
        } else {
            support::LibSymbol symbol{s.Name,
                                      static_cast<unsigned>(s.Width),
                                      static_cast<unsigned>(s.Height),
                                      static_cast<unsigned>(s.Units),
                                      {}};
            for (const SymbolPin& pin : s.Pins) {
                support::LibPin libPin{
                    static_cast<unsigned>(pin.Offset), static_cast<unsigned>(pin.Side), {}};
                for (const std::string& number : pin.Numbers) {
                    libPin.PinNoWords.push_back(NumberWord(number));
                }
                symbol.Pins.push_back(libPin);
            }
            lib.Symbol(symbol);
        }
    }
    // Electrolytic capacitors are drawn with the polarised symbol under a second name.
    lb3.Alias("CE", "CPOL");
    lib.WriteTo((folder / "amp.lib").string());
    lb3.WriteTo((folder / "amp.lb3").string());
    support::WriteFileBytes((folder / "vorn.ini").string(),
                            support::VornIni({"amp.lib", "amp.lb3"}));
}

// One drawing being laid out.
class Sheet {
  public:
    explicit Sheet(const std::vector<Symbol>& symbols) : symbols_(symbols) {}

    struct Placed {
        std::vector<GridPoint> Pins;  // in symbol pin order
        GridPoint operator[](std::size_t i) const { return Pins.at(i); }
    };

    Placed Part(const std::string& ref, const std::string& name, const std::string& libName,
                GridPoint at, unsigned dir = 0, unsigned unit = 0) {
        // CE is the alias amp.lb3 gives the polarised capacitor.
        const Symbol& symbol = FindSymbol(symbols_, libName == "CE" ? "CPOL" : libName);
        drawing_.Part({.X = at.X * kGrid,
                       .Y = at.Y * kGrid,
                       .Dir = dir,
                       .Block = unit,
                       .Name = text::Utf8ToCp932(name),
                       .Ref = ref,
                       .LibName = libName});
        Placed placed;
        for (const SymbolPin& pin : symbol.Pins) {
            model::TPoint p = netlist::PinPosition(
                pin.Side, pin.Offset, symbol.Width, symbol.Height, static_cast<std::uint8_t>(dir),
                {static_cast<std::int16_t>(at.X * kGrid), static_cast<std::int16_t>(at.Y * kGrid)});
            placed.Pins.push_back({p.X / kGrid, p.Y / kGrid});
        }
        return placed;
    }

    // A power symbol whose pin sits at `pin`.
    void Power(const std::string& name, GridPoint pin) {
        const Symbol& symbol = FindSymbol(symbols_, name);
        model::TPoint rel = netlist::PinPosition(symbol.Pins[0].Side, symbol.Pins[0].Offset,
                                                 symbol.Width, symbol.Height, 0, {0, 0});
        Part("", "", name, {pin.X - rel.X / kGrid, pin.Y - rel.Y / kGrid});
    }

    // Wires through the points; a step that is neither horizontal nor vertical goes
    // across first, then up or down.
    void Wire(std::initializer_list<GridPoint> points) {
        const GridPoint* previous = nullptr;
        for (const GridPoint& p : points) {
            if (previous) {
                if (previous->X != p.X && previous->Y != p.Y) {
                    Segment(*previous, {p.X, previous->Y});
                    Segment({p.X, previous->Y}, p);
                } else {
                    Segment(*previous, p);
                }
            }
            previous = &p;
        }
    }

    void Junction(GridPoint at) { drawing_.Junction(at.X * kGrid, at.Y * kGrid); }

    void Label(const std::string& text, GridPoint at, bool vertical = false) {
        drawing_.Label(text, at.X * kGrid, at.Y * kGrid, vertical, 5);
    }

    // A tag at `anchor`; returns its second connection point.
    GridPoint Tag(const std::string& text, GridPoint anchor) {
        drawing_.Label(text, anchor.X * kGrid, anchor.Y * kGrid, false, 6);
        return {anchor.X + netlist::TagWidth(static_cast<int>(text.size())) / kGrid, anchor.Y};
    }

    // A text at a position in drawing units.
    void Comment(int x, int y, const std::string& utf8) {
        drawing_.Comment(x, y, text::Utf8ToCp932(utf8));
    }

    // The title block with its texts, placed so that its lower right corner is `corner`.
    void TitleBlock(GridPoint corner,
                    const std::vector<std::pair<UnitOffset, std::string>>& texts) {
        const Symbol& title = FindSymbol(symbols_, "TITLE2");
        Part("", "", "TITLE2", corner);
        const int tx = (corner.X - title.Width) * kGrid;
        const int ty = (corner.Y - title.Height) * kGrid;
        for (const auto& [offset, text] : texts) {
            Comment(tx + offset.X, ty + offset.Y, text);
        }
    }

    void WriteTo(const fs::path& path) const { drawing_.WriteTo(path.string()); }

  private:
    void Segment(GridPoint a, GridPoint b) {
        drawing_.Wire(a.X * kGrid, a.Y * kGrid, b.X * kGrid, b.Y * kGrid);
    }

    const std::vector<Symbol>& symbols_;
    support::Ce2Builder drawing_;
};

// Where the texts of the fields the reader fills stand in the title block, from its upper
// left corner, and one text that fills none.
const UnitOffset kProjectAt{400, 20};
const UnitOffset kDesignNameAt{400, 60};
const UnitOffset kDesignerAt{20, 60};
const UnitOffset kDesignNumberAt{400, 95};
const UnitOffset kDesignDateAt{20, 95};
const UnitOffset kCompanyAt{20, 20};

void WriteInputSheet(const std::vector<Symbol>& symbols, const fs::path& path) {
    Sheet s(symbols);
    s.Comment(100, 60, "入力段: 非反転増幅 利得 11 倍 (1 + R4/R5)");

    auto j1 = s.Part("J1", "CN2P", "CONN2", {10, 30});
    auto c1 = s.Part("C1", "1uF", "C", {19, 29});
    auto r3 = s.Part("R3", "100k", "R", {25, 35}, 1);
    auto u1a = s.Part("U1", "LM358", "LM358", {37, 30}, 0, 0);
    auto r4 = s.Part("R4", "10k", "R", {35, 15});
    auto r5 = s.Part("R5", "1k", "R", {26, 23});
    auto tp2 = s.Part("TP2", "TP", "TP", {17, 34});

    // Input: J1 pin 1 through C1 to the non-inverting input, biased to VREF by R3.
    s.Wire({j1[0], c1[0]});
    s.Wire({c1[1], u1a[1]});
    s.Junction({r3[0].X, c1[1].Y});
    s.Wire({{r3[0].X, c1[1].Y}, r3[0]});
    s.Wire({r3[1], {r3[1].X, r3[1].Y + 3}});
    s.Label("VREF", {r3[1].X, r3[1].Y + 2}, true);

    // J1 pin 2 to ground, with the test point TP2 on the way.
    GridPoint gndJ1{j1[1].X + 2, j1[1].Y + 11};
    s.Wire({j1[1], gndJ1});
    s.Power("GND", gndJ1);
    s.Junction({gndJ1.X, tp2[0].Y});
    s.Wire({{gndJ1.X, tp2[0].Y}, tp2[0]});

    // Feedback: R4 from the output to the inverting input, R5 from there to VREF.
    s.Wire({u1a[0], r4[0]});
    GridPoint feedbackTap{u1a[0].X, r5[1].Y};
    s.Junction(feedbackTap);
    s.Wire({r5[1], feedbackTap});
    s.Wire({r5[0], {r5[0].X - 3, r5[0].Y}});
    s.Label("VREF", {r5[0].X - 2, r5[0].Y});
    GridPoint outputTap{u1a[2].X + 2, u1a[2].Y};
    s.Wire({r4[1], {outputTap.X, r4[1].Y}, outputTap});
    s.Junction(outputTap);
    GridPoint tagAt{u1a[2].X + 6, u1a[2].Y};
    s.Wire({u1a[2], tagAt});
    s.Tag("STAGE1", tagAt);

    // The op-amp's supply, decoupled by C2.
    s.Wire({u1a[3], {u1a[3].X, u1a[3].Y - 4}});
    s.Power("VCC", {u1a[3].X, u1a[3].Y - 4});
    s.Wire({u1a[4], {u1a[4].X, u1a[4].Y + 2}});
    s.Power("GND", {u1a[4].X, u1a[4].Y + 2});
    auto c2 = s.Part("C2", "100nF", "C", {57, 24}, 1);
    s.Wire({c2[0], {c2[0].X, c2[0].Y - 1}});
    s.Power("VCC", {c2[0].X, c2[0].Y - 1});
    s.Wire({c2[1], {c2[1].X, c2[1].Y + 1}});
    s.Power("GND", {c2[1].X, c2[1].Y + 1});

    // VREF: half the supply from R1 and R2, smoothed by C3.
    auto r1 = s.Part("R1", "100k", "R", {66, 15}, 1);
    auto r2 = s.Part("R2", "100k", "R", {66, 25}, 1);
    auto c3 = s.Part("C3", "10uF", "CE", {72, 22}, 1);
    s.Wire({r1[0], {r1[0].X, r1[0].Y - 1}});
    s.Power("VCC", {r1[0].X, r1[0].Y - 1});
    s.Wire({r1[1], r2[0]});
    GridPoint vrefTap{r1[1].X, r1[1].Y + 2};
    s.Junction(vrefTap);
    s.Wire({vrefTap, {c3[0].X, vrefTap.Y}, c3[0]});
    s.Label("VREF", {vrefTap.X + 3, vrefTap.Y});
    s.Wire({r2[1], {r2[1].X, r2[1].Y + 1}});
    s.Power("GND", {r2[1].X, r2[1].Y + 1});
    s.Wire({c3[1], {c3[1].X, c3[1].Y + 1}});
    s.Power("GND", {c3[1].X, c3[1].Y + 1});

    // The parts list number and the title block.
    s.Part("", "DA4Z-1207", "PLNO", {150, 65});
    s.TitleBlock({150, 80}, {{kProjectAt, "AMP-02 2段増幅器"},
                             {kDesignNameAt, "入力段・出力段"},
                             {kDesignerAt, "見本 太郎"},
                             {kDesignNumberAt, "AMP-02-001"},
                             {kDesignDateAt, "2024/04/01"},
                             {kCompanyAt, "見本電子工業"}});
    s.WriteTo(path);
}

void WriteOutputSheet(const std::vector<Symbol>& symbols, const fs::path& path) {
    Sheet s(symbols);
    s.Comment(100, 60, "出力段: 反転増幅 利得 4.7 倍 (R7/R6), Q1 エミッタフォロワ");

    auto tp1 = s.Part("TP1", "TP", "TP", {8, 29});
    auto c4 = s.Part("C4", "1uF", "C", {23, 31});
    auto r6 = s.Part("R6", "10k", "R", {32, 31});
    auto u1b = s.Part("U1", "LM358", "LM358", {43, 34}, 0, 1);
    auto r7 = s.Part("R7", "47k", "R", {40, 23});
    auto r8 = s.Part("R8", "1k", "R", {55, 32});
    auto q1 = s.Part("Q1", "2SC1815", "NPN", {63, 33});
    auto r9 = s.Part("R9", "2.2k", "R", {63, 42}, 1);
    auto c5 = s.Part("C5", "10uF", "CE", {69, 37});
    auto j2 = s.Part("J2", "CN-AB", "CONN_AB", {78, 38});
    auto c6 = s.Part("C6", "100nF", "C", {81, 24}, 1);

    // The first stage's output arrives by its tag; TP1 sits on it.
    GridPoint tagAt{tp1[0].X + 3, tp1[0].Y};
    s.Wire({tp1[0], tagAt});
    GridPoint tagEnd = s.Tag("STAGE1", tagAt);
    s.Wire({tagEnd, c4[0]});
    s.Wire({c4[1], r6[0]});

    // Inverting stage: R6 in, R7 back from the output, the other input at VREF.
    s.Wire({r6[1], u1b[0]});
    GridPoint inputTap{u1b[0].X - 1, u1b[0].Y};
    s.Junction(inputTap);
    s.Wire({inputTap, r7[0]});
    GridPoint outputTap{u1b[2].X + 3, u1b[2].Y};
    s.Wire({r7[1], {outputTap.X, r7[1].Y}, outputTap});
    s.Junction(outputTap);
    s.Wire({u1b[2], r8[0]});
    s.Wire({u1b[1], {u1b[1].X - 6, u1b[1].Y}});
    s.Label("VREF", {u1b[1].X - 5, u1b[1].Y});

    // Emitter follower: R8 to the base, collector at the supply, R9 as emitter load, C5
    // to the output connector.
    s.Wire({r8[1], q1[0]});
    s.Wire({q1[1], {q1[1].X, q1[1].Y - 1}});
    s.Power("VCC", {q1[1].X, q1[1].Y - 1});
    s.Wire({q1[2], r9[0]});
    GridPoint emitterTap{q1[2].X, q1[2].Y + 2};
    s.Junction(emitterTap);
    s.Wire({emitterTap, c5[0]});
    s.Wire({r9[1], {r9[1].X, r9[1].Y + 1}});
    s.Power("GND", {r9[1].X, r9[1].Y + 1});
    s.Wire({c5[1], j2[0]});
    GridPoint gndJ2{j2[1].X - 2, j2[1].Y + 3};
    s.Wire({j2[1], {gndJ2.X, j2[1].Y}, gndJ2});
    s.Power("GND", gndJ2);

    // Decoupling near the output transistor.
    s.Wire({c6[0], {c6[0].X, c6[0].Y - 1}});
    s.Power("VCC", {c6[0].X, c6[0].Y - 1});
    s.Wire({c6[1], {c6[1].X, c6[1].Y + 1}});
    s.Power("GND", {c6[1].X, c6[1].Y + 1});
    s.WriteTo(path);
}

// A table file: the UTF-8 lines as CP932 with CRLF ends.
void WriteTable(const fs::path& path, std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) {
        text += line;
        text += "\r\n";
    }
    support::WriteFileBytes(path.string(), text::Utf8ToCp932(text));
}

void WriteTables(const fs::path& folder, const fs::path& home) {
    // Common name table: order codes of the resistors and the semiconductors.
    WriteTable(home / "NameTable.Txt",
               {"[STD]", "LM358\t\t\tLM358-SO8", "2SC1815\t\t\t2SC1815-Y", "CN2P\t\t\tCN-2P-XH",
                "[CHIP_R]", "1k\t\t\tRC1608J102", "2.2k\t\t\tRC1608J222", "10k\t\t\tRC1608J103",
                "47k\t\t\tRC1608J473", "100k\t\t\tRC1608J104"});
    // This project's own table: its capacitors, a 1 % resistor for the second stage's
    // gain (taking the place of the common entry), and an old substitution left in a
    // group the folder settings switch off.
    WriteTable(
        folder / "NameTable.Txt",
        {"[CHIP_C]", "100nF\t\t\tCC1608B104K", "1uF\t\t\tCC1608B105K", "10uF\t\t\tCE2012B106M",
         "[CHIP_R]", "47k\t\t\tRC1608F4702", "[OLD]", "2SC1815\t\t\t2SC945-Q"});
    support::WriteFileBytes((folder / "vornextract.INI").string(), "[NameGroup]\r\nOLD=0\r\n");
    WriteTable(home / "MakerTable.Txt",
               {"2SC1815-Y\t\t北辰半導体", "CC1608?????\t\t白山セラミック",
                "CE2012?????\t\t白山セラミック", "CN-2P-XH\t\t見本コネクタ",
                "LM358-SO8\t\t北辰半導体", "RC1608?????\t\t東和抵抗器"});
    WriteTable(home / "FootPrintList.txt",
               {"2SC1815-Y\t\tTO92\t\t", "CC1608?????\t\tC1608\t\t", "CE2012?????\t\tC2012\t\t",
                "CN-2P-XH\t\tXH2P\t\tIN", "CN-AB\t\t\tDIN2\t\tOUT", "LM358-SO8\t\tSOP8\t\t",
                "RC1608?????\t\tR1608\t\t", "TP\t\t\tTP1.0\t\t"});
    // The transistor's and the output connector's pins are named by letters.
    WriteTable(home / "PinCvtList.txt",
               {"2SC1815-Y", "\t1\tE", "\t2\tC", "\t3\tB", "CN-AB", "\t1\tA1", "\t2\tB1"});
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_demo FOLDER\n";
        return 2;
    }
    const fs::path folder = argv[1];
    const fs::path home = folder / "home";
    std::error_code ec;
    fs::create_directories(home, ec);
    if (ec) {
        std::cerr << "make_demo: cannot create " << home << ": " << ec.message() << '\n';
        return 1;
    }
    const std::vector<Symbol> symbols = Symbols();
    WriteLibraries(symbols, folder);
    WriteInputSheet(symbols, folder / "amp.ce2");
    WriteOutputSheet(symbols, folder / "amp2.ce2");
    WriteTables(folder, home);
    return 0;
}
