// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the demo's drawings: byte for byte as committed, and the highlighted items
// exactly the wires and pins of the net asked for.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "support/RunProgram.h"
#include "support/TableFiles.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

// The value of attribute `name` in one element's line; empty when it has none.
std::string Attribute(const std::string& line, const std::string& name) {
    const std::string key = " " + name + "=\"";
    const std::size_t at = line.find(key);
    if (at == std::string::npos) {
        return "";
    }
    const std::size_t from = at + key.size();
    return line.substr(from, line.find('"', from) - from);
}

TEST(DrawingPictures, TheDemoWithOneNetHighlighted) {
    support::TempDir dir;
    const fs::path source = VORNEXTRACT_SOURCE_DIR;
    auto run = support::RunOnDemoCopy((source / "examples" / "amp").string(), dir.Path(),
                                      {"--batch", "--svg", "pictures", "--highlight", "gnd",
                                       "--net", "amp.net", "amp/amp.ce2", "amp/amp2.ce2"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_NE(run.Out.find("pictures/amp2.svg\n"), std::string::npos) << run.Out;

    // The pins of GND as the netlist lists them, "R9_2".
    std::set<std::string> listed;
    std::istringstream net(support::ReadBytesFile(dir / "amp.net"));
    bool inGnd = false;
    for (std::string line; std::getline(net, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty() || (line[0] != '\t' && line.rfind("GND=", 0) != 0)) {
            inGnd = false;
            continue;
        }
        inGnd = inGnd || line[0] != '\t';
        const std::string pins = line.substr(line[0] == '\t' ? 1 : 4);
        std::stringstream each(pins);
        for (std::string pin; inGnd && std::getline(each, pin, ',');) {
            listed.insert(pin);
        }
    }
    ASSERT_FALSE(listed.empty());

    std::set<std::string> drawnPins;
    int highlightedWires = 0;
    for (const char* name : {"amp.svg", "amp2.svg"}) {
        const std::string svg = support::ReadBytesFile((dir.Path() / "pictures" / name).string());
        EXPECT_EQ(svg, support::ReadBytesFile((source / "tests/golden/expected" / name).string()))
            << name;
        std::istringstream lines(svg);
        for (std::string line; std::getline(lines, line);) {
            const std::string cls = Attribute(line, "class");
            const bool highlighted = cls.find(" hl") != std::string::npos;
            const bool ofGnd = Attribute(line, "data-net") == "GND";
            if (cls.rfind("w", 0) == 0 || cls.rfind("p", 0) == 0 || cls.rfind("j", 0) == 0) {
                EXPECT_EQ(highlighted, ofGnd) << line;
            } else {
                EXPECT_FALSE(highlighted) << line;
            }
            highlightedWires += highlighted && cls[0] == 'w';
            const std::string pin = Attribute(line, "data-pin");
            if (highlighted && cls[0] == 'p' && pin[0] != '-') {  // power pins have no reference
                std::string listedForm = pin;  // "R9-2" as the netlist writes it, "R9_2"
                listedForm[listedForm.rfind('-')] = '_';
                drawnPins.insert(listedForm);
            }
        }
    }
    EXPECT_EQ(drawnPins, listed);
    EXPECT_GT(highlightedWires, 5);
}

}  // namespace
