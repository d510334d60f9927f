// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the seed corpus of every fuzz target, made with the test builders, into
// <folder>/<target>/. Run before fuzzing; nothing of it is kept in the tree.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "fuzz/DrawingInput.h"
#include "support/Ce2Builder.h"
#include "support/LibBuilder.h"
#include "text/Cp932.h"

namespace {

namespace fs = std::filesystem;
using support::Lb3Symbol;
using support::LibSymbol;
using support::PinNoWord;

void Write(const fs::path& root, const std::string& target, const std::vector<std::string>& seeds) {
    fs::create_directories(root / target);
    for (std::size_t i = 0; i < seeds.size(); ++i) {
        support::WriteFileBytes((root / target / ("seed" + std::to_string(i))).string(), seeds[i]);
    }
}

std::vector<std::string> Drawings() {
    support::Ce2Builder series;
    series.Part({50, 10, 0, 0, "10k", "R1", "R"})
        .Part({150, 10, 0, 0, "4.7k", "R2", "R"})
        .Wire(60, 0, 100, 0)
        .Wire(-40, 0, 0, 0)
        .Label("IN", -40, 0)
        .Wire(160, 0, 200, 0)
        .Label("OUT", 200, 0)
        .Junction(60, 0);
    support::Ce2Builder gates(support::Ce2Builder::Signature::V0001);
    gates.Part({0, 0, 5, 0, "7400", "U1", "7400"})
        .Part({0, 100, 2, 1, "7400", "U1", "7400"})
        .Label("VCC", 0, 0, true, 6)
        .Comment(5, 5, text::Utf8ToCp932("部品表"))
        .Skipped(1)
        .Skipped(4)
        .Variable(17, 0, 0, 20, "title")
        .Wire(0, 0, 0, 100)
        .EndKind(10);
    return {series.Data(), gates.Data()};
}

std::vector<std::string> Libs() {
    support::LibBuilder lib;
    lib.Symbol(LibSymbol{"7400",
                         6,
                         8,
                         2,
                         {{2, 0, {PinNoWord(1), PinNoWord(4)}},
                          {3, 1, {PinNoWord(12, 'A'), PinNoWord(13, 'B')}},
                          {5, 3, {PinNoWord(7), PinNoWord(7)}}}});
    lib.Symbol(LibSymbol{"R", 4, 2, 1, {{1, 0, {PinNoWord(1)}}, {1, 2, {PinNoWord(2)}}}});
    return {lib.Build(), support::LibBuilder().Build()};
}

std::vector<std::string> Lb3s() {
    support::Lb3Builder lb3;
    lb3.Symbol(Lb3Symbol{"7400",
                         6,
                         8,
                         {{"A", 'L', 2, {"1", "4"}},
                          {"B", 'T', 3, {"A12", "B13"}},
                          {"Y", 'R', 4, {"3", "6"}},
                          {"GND", 'B', 5, {"7", "7"}}}})
        .Symbol(Lb3Symbol{"R%2D1", 4, 2, {{"1", 'L', 1, {"1"}}, {"2", 'R', 1, {"2"}}}})
        .Alias("RES", "R-1")
        .Line("+COMP")
        .Line("N:BROKEN");
    return {lb3.Build()};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_seeds FOLDER\n";
        return 2;
    }
    fs::path root = argv[1];
    std::vector<std::string> drawings;
    for (const std::string& drawing : Drawings()) {
        drawings.push_back(fuzz::JoinDrawingInput(Libs()[0], drawing));
        drawings.push_back(fuzz::JoinDrawingInput(Lb3s()[0], drawing));
    }
    Write(root, "drawing", drawings);
    Write(root, "lib", Libs());
    Write(root, "lb3", Lb3s());
    Write(root, "name_table",
          {"10k\tRES-10K\r\n[CHIP]\r\nR1005\tR\r\n[Other]\r\nLM?58\tOPAMP\r\n",
           text::Utf8ToCp932("抵抗\t\tRES\r\n[グループ]\r\nA\tB\n\x1A"
                             "C\tD")});
    Write(root, "maker_table", {"RES-10K\tKOA\r\nNE555\tTI\r\nLM3??\t\t\tNS\r\n", "A\tB\rC\n\x1A"});
    Write(root, "foot_list", {"RES-10K\tR1608\tR\r\nC?\tC1608\tC\r\nQ1\tSOT23\r\n"});
    Write(root, "pin_cvt",
          {"BGA\r\n\t3\tA2\r\n\t4\tA3\r\n7400\r\n\t-1\tB1\r\n\t99999999999\tX\r\n"});
    Write(root, "ini",
          {support::VornIni({"parts.lib", "", "more.lb3"}),
           "; note\r\n[Option]\r\nGrid = \"0x10\" \r\nCvtDir=C:\\CVT\r\n[option]\r\nGrid=5\r\n"});
    Write(root, "key_store",
          {"REGEDIT4\r\n\r\n[HKEY_CLASSES_ROOT\\Vorn.Document\\shell\\open\\command]\r\n"
           "@=\"\\\"C:\\\\Vorn\\\\vorn.exe\\\" \\\"%1\\\"\"\r\n\"Other\"=dword:00000001\r\n",
           "WINE REGISTRY Version "
           "2\n[Software\\\\Classes\\\\Vorn.Document\\\\shell\\\\open\\\\command] "
           "1600000000\n@=\"C:\\\\Vorn\\\\vorn.exe %1\"\n"});
    return 0;
}
