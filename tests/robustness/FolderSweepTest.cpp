// SPDX-License-Identifier: GPL-3.0-or-later
// The batch command run on many damaged and hostile variants of one received folder (the
// drawing, its tables and settings, links and pipes where files are expected): whatever it
// reads, it ends, and it changes nothing but its own output files in the drawing's folder.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "support/Ce2Builder.h"
#include "support/LibBuilder.h"
#include "support/RunProgram.h"
#include "support/TableFiles.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

// What a path is: kind, bytes or link target, and permission bits.
struct Entry {
    char Kind = '?';  // f file, d folder, l link, p pipe
    std::string Content;
    unsigned Mode = 0;
    bool operator==(const Entry&) const = default;
};

using Snapshot = std::map<std::string, Entry>;

Snapshot Take(const fs::path& root) {
    Snapshot snapshot;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator();
         ++it) {
        const fs::path& path = it->path();
        struct stat info {};
        ::lstat(path.c_str(), &info);
        Entry entry;
        entry.Mode = info.st_mode & 07777;
        if (S_ISLNK(info.st_mode)) {
            entry.Kind = 'l';
            entry.Content = fs::read_symlink(path).string();
        } else if (S_ISDIR(info.st_mode)) {
            entry.Kind = 'd';
        } else if (S_ISFIFO(info.st_mode)) {
            entry.Kind = 'p';
        } else {
            entry.Kind = 'f';
            entry.Content = support::ReadBytesFile(path.string());
        }
        snapshot[fs::relative(path, root).string()] = entry;
    }
    return snapshot;
}

// The folder a colleague sends: a drawing of resistors and one part-list-number part, the
// editor's settings and library, the drawing's name table and folder settings; beside it
// the program home with the common tables, and a file that must never be touched.
void WriteReceivedFolder(const fs::path& root, std::mt19937& random) {
    fs::create_directories(root / "work");
    fs::create_directories(root / "home");
    fs::create_directories(root / "outside");
    support::WriteFileBytes((root / "outside/precious.txt").string(), "keep me\n");

    support::Ce2Builder drawing;
    drawing.Part({-100, 10, 0, 0, "X", "", "R"});
    for (int i = 0; i < 4; ++i) {
        drawing.Part({i * 100 + 50, 10, 0, 0, "10k", "R" + std::to_string(i + 1), "R"});
        drawing.Wire(i * 100 + 60, 0, i * 100 + 100, 0);
    }
    drawing.Label("VCC", 0, 0).Junction(60, 0);
    std::string bytes = drawing.Data();
    for (int flips = static_cast<int>(random() % 4); flips > 0; --flips) {
        bytes[18 + random() % (bytes.size() - 18)] = static_cast<char>(random());
    }
    support::WriteFileBytes((root / "work/a.ce2").string(), bytes);

    support::LibBuilder lib;
    lib.Symbol(support::LibSymbol{
        "R", 4, 2, 1, {{1, 0, {support::PinNoWord(1)}}, {1, 2, {support::PinNoWord(2)}}}});
    lib.WriteTo((root / "work/parts.lib").string());
    support::WriteFileBytes((root / "work/vorn.ini").string(), support::VornIni({"parts.lib"}));

    // The parts list number comes from the drawing's name table: a hostile one tries to
    // leave the folder.
    const std::vector<std::string> listNumbers{"DA4Z-1207",
                                               "DA4Z-/../../outside/owned",
                                               "DA4Z-..\\..\\outside\\owned",
                                               "DA4Z-/../../home/vornextract.INI",
                                               "DA4Z-a\r\n[X]",
                                               "DA4Z-\x01\x1b[2J",
                                               "DA4Z-../a"};
    std::string nameTable = "X\t" + listNumbers[random() % listNumbers.size()] + "\r\n";
    nameTable += "10k\tRES-10K\r\n[../..]\r\nR\t../../outside/x\r\n";
    support::WriteFileBytes((root / "work/NameTable.Txt").string(), nameTable);
    if (random() % 3 == 0) {
        fs::create_directories(root / "work/DA4Z-");  // makes "DA4Z-/../" a real way out
    }

    const std::vector<std::string> folderSettings{
        "[Option]\r\nPListType=1\r\n", "[Option]\r\nCvtDir=../outside\r\nPListType=2\r\n",
        "[Option]\r\nCvtDir=/\r\n", std::string("\xff\xfe[\x00Option", 9)};
    support::WriteFileBytes((root / "work/vornextract.INI").string(),
                            folderSettings[random() % folderSettings.size()]);

    support::WriteFileBytes((root / "home/MakerTable.Txt").string(), "RES-10K\tKOA\r\n");
    support::WriteFileBytes((root / "home/FootPrintList.txt").string(), "RES-10K\tR1608\tR\r\n");
    support::WriteFileBytes((root / "home/PinCvtList.txt").string(), "R\r\n\t1\tA\r\n");

    // Links and pipes where the program reads or writes.
    switch (random() % 6) {
        case 0:
            fs::create_symlink("../outside/precious.txt", root / "work/a.net");
            break;
        case 1:
            fs::create_symlink("../outside/missing.txt", root / "work/a_Protel.net");
            break;
        case 2:
            fs::create_symlink("../outside/precious.txt", root / "work/DA4Z-1207.njp");
            break;
        case 3:
            fs::remove(root / "work/NameTable.Txt");
            ::mkfifo((root / "work/NameTable.Txt").c_str(), 0644);
            break;
        case 4:
            fs::remove(root / "work/vornextract.INI");
            fs::create_symlink("/dev/zero", root / "work/vornextract.INI");
            break;
        default:
            break;
    }
}

bool IsOwnOutput(const std::string& path, const Snapshot& before, const Snapshot& after) {
    const fs::path p(path);
    const std::string ext = p.extension().string();
    const auto was = before.find(path);
    const auto now = after.find(path);
    return p.parent_path() == "work" && now != after.end() && now->second.Kind == 'f' &&
           (was == before.end() || was->second.Kind == 'f') && p.filename() != "a.ce2" &&
           (ext == ".net" || ext == ".njp" || ext == ".csv" || ext == ".txt") &&
           p.filename() != "NameTable.Txt";
}

TEST(FolderSweep, AReceivedFolderChangesNothingButTheOutputsBesideTheDrawing) {
    for (unsigned round = 0; round < 48; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        support::TempDir dir;
        std::mt19937 random(round);
        WriteReceivedFolder(dir.Path(), random);
        const Snapshot before = Take(dir.Path());

        support::RunOptions options;
        options.Env = {{"VORNEXTRACT_HOME", dir / "home"}};
        options.TimeLimitSeconds = 20;
        const auto run = support::RunVornextract(dir.Path(), {"--batch", "work/a.ce2"}, options);
        EXPECT_TRUE(run.Status == 0 || run.Status == 1 || run.Status == 3)
            << "status " << run.Status << "\n"
            << run.Err;

        const Snapshot after = Take(dir.Path());
        std::map<std::string, bool> paths;
        for (const auto& [path, entry] : before) {
            paths[path] = true;
        }
        for (const auto& [path, entry] : after) {
            paths[path] = true;
        }
        for (const auto& [path, unused] : paths) {
            const auto was = before.find(path);
            const auto now = after.find(path);
            const bool same =
                was != before.end() && now != after.end() && was->second == now->second;
            EXPECT_TRUE(same || IsOwnOutput(path, before, after)) << path << " changed\n"
                                                                  << run.Err;
        }
    }
}

}  // namespace
