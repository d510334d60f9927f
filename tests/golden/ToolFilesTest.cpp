// SPDX-License-Identifier: GPL-3.0-or-later
// The files for other tools, of the demo: byte for byte as committed, and read back (KiCad's
// netlist by an S-expression reader of its own, the JSON result with its library), every
// net holds the pins of the simple netlist's net.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "output/JsonResult.h"
#include "output/KicadNetlist.h"
#include "support/RunProgram.h"
#include "support/TableFiles.h"
#include "support/TempDir.h"
#include "text/Cp932.h"

namespace {

namespace fs = std::filesystem;

// An S-expression: an atom (a symbol or a string, unescaped) or a list.
struct Sexp {
    std::string Atom;
    std::vector<Sexp> List;
    bool IsList = false;

    const Sexp* Find(std::string_view head) const {
        for (const Sexp& item : List) {
            if (item.IsList && !item.List.empty() && item.List[0].Atom == head) {
                return &item;
            }
        }
        return nullptr;
    }
    std::string Value(std::string_view head) const {
        const Sexp* item = Find(head);
        return item && item->List.size() > 1 ? item->List[1].Atom : std::string("<none>");
    }
};

// Reads one expression at `at`, as KiCad's lexer does: strings in double quotes with
// backslash escapes, symbols up to a blank or a parenthesis.
Sexp Read(const std::string& text, std::size_t& at) {
    auto skip = [&] {
        while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) {
            ++at;
        }
    };
    skip();
    Sexp node;
    if (text.at(at) == '(') {
        node.IsList = true;
        ++at;
        for (skip(); text.at(at) != ')'; skip()) {
            node.List.push_back(Read(text, at));
        }
        ++at;
    } else if (text[at] == '"') {
        for (++at; text.at(at) != '"'; ++at) {
            if (text[at] == '\\') {
                const char escaped = text.at(++at);
                node.Atom += escaped == 'n'   ? '\n'
                             : escaped == 'r' ? '\r'
                             : escaped == 't' ? '\t'
                                              : escaped;
            } else {
                node.Atom += text[at];
            }
        }
        ++at;
    } else {
        while (at < text.size() && !std::isspace(static_cast<unsigned char>(text[at])) &&
               text[at] != '(' && text[at] != ')') {
            node.Atom += text[at++];
        }
    }
    return node;
}

// The nets of the simple netlist (UTF-8): name to "REF_PIN" texts.
std::map<std::string, std::set<std::string>> SimpleNets(const std::string& cp932) {
    const std::string text = text::Cp932ToUtf8(cp932);
    std::map<std::string, std::set<std::string>> nets;
    std::string current;
    bool inNets = false;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        std::string line = text.substr(start, end - start);
        start = end == std::string::npos ? text.size() : end + 2;
        if (line == "[NETS]") {
            inNets = true;
            continue;
        }
        if (!inNets) {
            continue;
        }
        std::string pins;
        if (!line.empty() && line[0] == '\t') {
            pins = line.substr(1);
        } else {
            const std::size_t eq = line.find('=');
            current = line.substr(0, eq);
            nets[current];
            pins = eq == std::string::npos ? "" : line.substr(eq + 1);
        }
        for (std::size_t at = 0; at < pins.size();) {
            std::size_t comma = pins.find(',', at);
            nets[current].insert(pins.substr(at, comma - at));
            at = comma == std::string::npos ? pins.size() : comma + 1;
        }
    }
    return nets;
}

TEST(KicadNetlist, TheDemoReadsBackWithTheNetsOfTheSimpleNetlist) {
    support::TempDir dir;
    const fs::path demo = fs::path(VORNEXTRACT_SOURCE_DIR) / "examples" / "amp";
    auto run = support::RunOnDemoCopy(
        demo.string(), dir.Path(),
        {"--batch", "--kicad", "amp.kicad.net", "--net", "amp.net", "amp/amp.ce2", "amp/amp2.ce2"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    const std::string kicad = support::ReadBytesFile(dir / "amp.kicad.net");
    EXPECT_EQ(kicad, support::ReadBytesFile((fs::path(VORNEXTRACT_SOURCE_DIR) / "tests" / "golden" /
                                             "expected" / "amp.kicad.net")
                                                .string()));

    std::size_t at = 0;
    const Sexp root = Read(kicad, at);
    ASSERT_EQ(root.List.at(0).Atom, "export");
    EXPECT_EQ(root.Value("version"), "E");
    const Sexp* components = root.Find("components");
    ASSERT_NE(components, nullptr);
    std::set<std::string> refs;
    for (std::size_t i = 1; i < components->List.size(); ++i) {
        refs.insert(components->List[i].Value("ref"));
    }
    const Sexp* nets = root.Find("nets");
    ASSERT_NE(nets, nullptr);
    const auto simple = SimpleNets(support::ReadBytesFile(dir / "amp.net"));
    ASSERT_EQ(nets->List.size() - 1, simple.size());
    for (std::size_t i = 1; i < nets->List.size(); ++i) {
        const Sexp& net = nets->List[i];
        EXPECT_EQ(net.Value("code"), std::to_string(i));
        std::set<std::string> nodes;
        for (const Sexp& node : net.List) {
            if (node.IsList && node.List[0].Atom == "node") {
                nodes.insert(node.Value("ref") + "_" + node.Value("pin"));
                EXPECT_TRUE(refs.count(node.Value("ref"))) << node.Value("ref");
            }
        }
        ASSERT_TRUE(simple.count(net.Value("name"))) << net.Value("name");
        EXPECT_EQ(nodes, simple.at(net.Value("name"))) << net.Value("name");
    }
}

// The JSON result of the demo: as committed, and its nets, parts and findings as the
// netlists and the parts list of the same run have them.
TEST(JsonResult, TheDemoAsScriptsReadIt) {
    support::TempDir dir;
    const fs::path source = VORNEXTRACT_SOURCE_DIR;
    auto run = support::RunOnDemoCopy((source / "examples" / "amp").string(), dir.Path(),
                                      {"--batch", "--format", "json", "--parts", "amp.json",
                                       "--net", "amp.net", "amp/amp.ce2", "amp/amp2.ce2"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    const std::string bytes = support::ReadBytesFile(dir / "amp.json");
    EXPECT_EQ(bytes, support::ReadBytesFile((source / "tests/golden/expected/amp.json").string()));
    const nlohmann::json result = nlohmann::json::parse(bytes);
    EXPECT_EQ(result["schema_version"], output::kJsonSchemaVersion);
    EXPECT_EQ(result["titles"]["list_number"], "DA4Z-1207");
    const auto simple = SimpleNets(support::ReadBytesFile(dir / "amp.net"));
    ASSERT_EQ(result["nets"].size(), simple.size());
    for (const auto& net : result["nets"]) {
        std::set<std::string> pins;
        for (const auto& pin : net["pins"]) {
            pins.insert(pin["reference"].get<std::string>() + "_" + pin["pin"].get<std::string>());
        }
        EXPECT_EQ(pins, simple.at(net["name"].get<std::string>()));
    }
    int listed = 0;
    for (const auto& part : result["parts"]) {
        listed += part["in_parts_list"].get<bool>() ? 1 : 0;
    }
    EXPECT_EQ(result["parts"].size(), 25u);  // the count the run prints
    EXPECT_EQ(listed, 21);                   // the lines of the parts list
    EXPECT_TRUE(result["shorted_nets"].empty());
    EXPECT_TRUE(result["messages"].empty());
}

TEST(KicadNetlist, StringsAreEscapedAsKicadReadsThem) {
    const std::string text = text::Utf8ToCp932("抵抗 \"10k\" \\ a\r\nb\tc");
    const std::string quoted = output::KicadString(text);
    EXPECT_EQ(quoted, "\"抵抗 \\\"10k\\\" \\\\ a\\r\\nb\\tc\"");
    std::size_t at = 0;
    EXPECT_EQ(Read(quoted, at).Atom, text::Cp932ToUtf8(text));
}

}  // namespace
