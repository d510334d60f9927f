// SPDX-License-Identifier: GPL-3.0-or-later
// Loads big tables, libraries, settings files and key stores and prints how long each
// took, to see that none has a cost that grows faster than its size.
//   bench_big_inputs [LINES]   (default 100000)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "app/MainWindowState.h"
#include "library/LibraryFiles.h"
#include "platform/KeyStore.h"
#include "settings/IniFile.h"
#include "support/Ce2Builder.h"
#include "support/LibBuilder.h"
#include "support/RecordingViews.h"
#include "support/TableFiles.h"
#include "support/TempDir.h"
#include "tables/FootList.h"
#include "tables/MakerLists.h"
#include "tables/NameLists.h"
#include "tables/PinCvtList.h"

namespace {

double Seconds(const std::function<void()>& work) {
    auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void Report(const char* what, std::size_t lines, std::size_t bytes, double seconds,
            std::size_t loaded) {
    std::printf("%-34s %8zu lines %9zu bytes %8.3f s  (%zu loaded)\n", what, lines, bytes, seconds,
                loaded);
}

// Distinct part names in shuffled order, so a sorted insert meets every position.
std::vector<std::string> PartNames(std::size_t count) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < count; ++i) {
        names.push_back("PART-" + std::to_string(i * 7919 % 1000003));
    }
    std::shuffle(names.begin(), names.end(), std::mt19937(7));
    return names;
}

}  // namespace

int main(int argc, char** argv) {
    const std::size_t lines = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 100000;
    support::TempDir dir;
    support::EditorSandbox sandbox;
    const std::string cvt = dir.MakeDir("cvt");
    const std::vector<std::string> names = PartNames(lines);
    support::RecordingUserInterface ui;

    std::string text;
    for (const std::string& n : names) {
        text += n + "\tMAKER-" + n.substr(5) + "\r\n";
    }
    support::WriteFileBytes(cvt + "/MakerTable.Txt", text);
    std::size_t loaded = 0;
    double s = Seconds([&] {
        support::RecordingListView view;
        tables::TMakerLists makers(cvt, view, ui);
        loaded = makers.Entries().size();
    });
    Report("maker table", lines, text.size(), s, loaded);

    text.clear();
    for (const std::string& n : names) {
        text += n + "\tFP-" + n.substr(5) + "\tSILK\r\n";
    }
    support::WriteFileBytes(cvt + "/FootPrintList.txt", text);
    s = Seconds([&] {
        support::RecordingListView view;
        tables::TFootList foot(cvt, view, ui);
        loaded = foot.Entries().size();
    });
    Report("footprint list", lines, text.size(), s, loaded);

    text.clear();
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i % 1000 == 0) {
            text += "[GROUP" + std::to_string(i / 1000) + "]\r\n";
        }
        text += names[i] + "\tCVT-" + names[i].substr(5) + "\r\n";
    }
    support::WriteFileBytes(cvt + "/NameTable.Txt", text);
    s = Seconds([&] {
        support::RecordingListView view;
        std::vector<settings::NameGroupItem> groups;
        tables::TNameLists nameLists(cvt, groups, view, ui, cvt);
        loaded = nameLists.Entries(tables::NameList::Common).size();
    });
    Report("name table (100 groups)", lines, text.size(), s, loaded);

    text.clear();
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i % 16 == 0) {
            text += names[i] + "\r\n";
        }
        text += "\t" + std::to_string(i % 16 + 1) + "\tA" + std::to_string(i % 16) + "\r\n";
    }
    support::WriteFileBytes(cvt + "/PinCvtList.txt", text);
    s = Seconds([&] {
        support::RecordingTreeView tree;
        tables::TPinCvtList pins(cvt);
        pins.LoadPinCvt(tree, ui);
        loaded = pins.Blocks().size();
    });
    Report("pin conversion list (blocks)", lines, text.size(), s, loaded);

    // Text library: one symbol of two pins per 14 lines.
    support::Lb3Builder lb3;
    for (std::size_t i = 0; i < lines / 14; ++i) {
        lb3.Symbol({names[i].substr(0, 15), 4, 2, {{"1", 'L', 1, {"1"}}, {"2", 'R', 1, {"2"}}}});
    }
    auto readLibrary = [&](const std::string& path, auto read) {
        return Seconds([&] {
            library::TLibList list;
            list.FileNames[0] = path;
            read(list, 0, dir.Path(), ui);
            loaded = static_cast<std::size_t>(list.Count());
        });
    };
    s = readLibrary(lb3.WriteTo(dir / "big.lb3"), library::ReadLb3File);
    Report("text library (symbols)", lines, lb3.Build().size(), s, loaded);

    // Binary library: as many symbols as its 16-bit data offsets reach (24 bytes a symbol
    // of two pins).
    support::LibBuilder lib;
    const std::size_t libSymbols = std::min<std::size_t>(lines, 65535 / 24);
    for (std::size_t i = 0; i < libSymbols; ++i) {
        lib.Symbol({names[i].substr(0, 15), 4, 2, 1, {{1, 0, {1}}, {1, 2, {2}}}});
    }
    s = readLibrary(lib.WriteTo(dir / "big.lib"), library::ReadLibFile);
    Report("binary library (symbols)", libSymbols, lib.Build().size(), s, loaded);

    text = "[Option]\r\n";
    for (std::size_t i = 0; i < lines; ++i) {
        text += "Key" + std::to_string(i) + "=" + std::to_string(i) + "\r\n";
    }
    std::string iniPath = support::WriteFileBytes(dir / "big.ini", text);
    s = Seconds([&] {
        settings::TIniFile ini(iniPath);
        loaded = 0;
        for (std::size_t i = 0; i < lines; i += 10) {
            loaded += ini.Value("Option", "Key" + std::to_string(i)).has_value();
        }
    });
    Report("settings file (1 in 10 keys read)", lines, text.size(), s, loaded);

    text = "REGEDIT4\r\n";
    const std::size_t keys = lines / 3;
    for (std::size_t i = 0; i < keys; ++i) {
        text += "\r\n[HKEY_CLASSES_ROOT\\" + names[i] + "]\r\n@=\"" + names[i] + "\"\r\n";
    }
    std::string regPath = support::WriteFileBytes(dir / "big.reg", text);
    s = Seconds([&] {
        platform::KeyStore store(regPath);
        loaded = store.KeyExists("HKEY_CLASSES_ROOT\\" + names[keys / 2]) ? keys : 0;
    });
    Report("key store (keys)", lines, text.size(), s, loaded);

    // A drawing of parts without pins (their symbol is in no library) and comments, so
    // what is timed is reading and filing, not connectivity. References run in order
    // through five prefixes, the order a parts list is filed in.
    support::Ce2Builder drawing;
    const std::size_t parts = std::min<std::size_t>(lines / 2, 5 * 9999);
    for (std::size_t i = 0; i < parts; ++i) {
        std::string ref = std::string(1, "CLQRU"[i / 9999]) + std::to_string(i % 9999 + 1);
        drawing
            .Part({.X = static_cast<int>(i % 3000),
                   .Y = 0,
                   .Name = "10k",
                   .Ref = ref,
                   .LibName = "NONE"})
            .Comment(0, 0, "note");
    }
    std::string drawingPath = drawing.WriteTo(dir / "big.ce2");
    s = Seconds([&] {
        app::MainWindowState state(ui);
        state.ReadDrawing(drawingPath, "big.ce2");
        loaded = static_cast<std::size_t>(state.PartsList.Count());
    });
    Report("drawing (parts and comments)", parts * 2, drawing.Size(), s, loaded);
    return 0;
}
