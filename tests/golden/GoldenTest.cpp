// SPDX-License-Identifier: GPL-3.0-or-later
// The demo project run through the real batch binary, its outputs compared byte for byte
// with reviewed files in tests/golden/expected.

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "support/RunProgram.h"
#include "support/TableFiles.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using support::ReadBytesFile;
using support::RunVornextract;

const fs::path kSource = VORNEXTRACT_SOURCE_DIR;
const fs::path kDemo = kSource / "examples" / "amp";
const fs::path kExpected = kSource / "tests" / "golden" / "expected";

// What running the demo leaves in its folder; never part of the project.
bool IsOutput(const fs::path& name) {
    const std::string n = name.filename().string();
    return n.starts_with("DA4Z-1207.") || name.extension() == ".net" || n.starts_with(".");
}

// The files below `root`, as paths relative to it.
std::set<fs::path> FilesBelow(const fs::path& root) {
    std::set<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file() && !IsOutput(entry.path())) {
            files.insert(fs::relative(entry.path(), root));
        }
    }
    return files;
}

std::string Expected(const std::string& name) {
    std::string bytes = ReadBytesFile((kExpected / name).string());
    EXPECT_FALSE(bytes.empty()) << "missing expected file " << name;
    return bytes;
}

TEST(DemoGenerator, ReproducesTheCommittedDemo) {
    support::TempDir dir;
    const fs::path out = dir.Path() / "amp";
    std::string command = std::string(MAKE_DEMO_BINARY) + " '" + out.string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);

    std::set<fs::path> generated = FilesBelow(out);
    EXPECT_EQ(generated, FilesBelow(kDemo)) << "the committed demo and the generator differ "
                                               "in their files: run make_demo examples/amp";
    for (const fs::path& file : generated) {
        EXPECT_EQ(ReadBytesFile((out / file).string()), ReadBytesFile((kDemo / file).string()))
            << file << " differs from the generator's output: run make_demo examples/amp";
    }
}

class GoldenDemo : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(demo_);
        for (const fs::path& file : FilesBelow(kDemo)) {
            fs::create_directories((demo_ / file).parent_path());
            fs::copy_file(kDemo / file, demo_ / file);
        }
        // The tests may run the program as an unprivileged user; it must read the demo.
        fs::permissions(dir_.Path(), fs::perms::all, fs::perm_options::replace);
    }

    // Runs the batch on the two sheets from the test folder, with the demo's home.
    support::ProgramResult Run(std::vector<std::string> options, bool unprivileged = false) {
        options.insert(options.begin(), "--batch");
        options.push_back("amp/amp.ce2");
        options.push_back("amp/amp2.ce2");
        return RunVornextract(dir_.Path(), options,
                              {.Env = {{"VORNEXTRACT_HOME", (demo_ / "home").string()}},
                               .Unprivileged = unprivileged});
    }

    std::string Written(const std::string& name) const {
        return ReadBytesFile((dir_.Path() / name).string());
    }
    // The folder as the program sees it (the current directory holds no links).
    fs::path Real(const std::string& name) const { return fs::canonical(dir_.Path()) / name; }

    support::TempDir dir_;
    fs::path demo_ = dir_.Path() / "amp";
};

const char kSummary[] = "部品数：25  ネット数：13\n";

TEST_F(GoldenDemo, DefaultRunWritesTheThreeFilesUnderTheProposedNames) {
    auto run = Run({});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Err, "");
    // The parts list is named by the number on the first sheet and goes to the folder of
    // the drawing read last; the netlists are named after the first drawing.
    EXPECT_EQ(run.Out, Real("amp/DA4Z-1207.njp").string() + "\n" + Real("amp/amp.net").string() +
                           "\n" + Real("amp/amp_Protel.net").string() + "\n" + kSummary);
    EXPECT_EQ(Written("amp/DA4Z-1207.njp"), Expected("DA4Z-1207.njp"));
    EXPECT_EQ(Written("amp/amp.net"), Expected("amp.net"));
    EXPECT_EQ(Written("amp/amp_Protel.net"), Expected("amp_Protel.net"));
    // A batch run leaves the settings as they were: no settings file is made.
    EXPECT_FALSE(fs::exists(demo_ / "home" / "vornextract.INI"));
    EXPECT_EQ(ReadBytesFile((demo_ / "vornextract.INI").string()),
              ReadBytesFile((kDemo / "vornextract.INI").string()));

    auto strict = Run({"--strict"});
    EXPECT_EQ(strict.Status, 0) << strict.Err;
}

TEST_F(GoldenDemo, EachPartsListLayoutAndOnlyTheFilesAsked) {
    for (const char* format : {"njp", "csv", "txt"}) {
        const std::string name = std::string("list.") + format;
        auto run = Run({"--format", format, "--parts", name});
        EXPECT_EQ(run.Status, 0) << format;
        EXPECT_EQ(run.Err, "") << format;
        EXPECT_EQ(run.Out, Real(name).string() + "\n" + kSummary) << format;
        EXPECT_EQ(Written(name), Expected(std::string("DA4Z-1207.") + format)) << format;
    }
    EXPECT_FALSE(fs::exists(demo_ / "amp.net"));
    EXPECT_FALSE(fs::exists(demo_ / "amp_Protel.net"));

    auto grouped = Run({"--format", "bom", "--parts", "list_bom.csv"});
    EXPECT_EQ(grouped.Status, 0) << grouped.Err;
    EXPECT_EQ(Written("list_bom.csv"), Expected("DA4Z-1207_bom.csv"));

    auto nets = Run({"--net=out.net", "--protel", "out_Protel.net"});
    EXPECT_EQ(nets.Status, 0);
    EXPECT_EQ(nets.Out,
              Real("out.net").string() + "\n" + Real("out_Protel.net").string() + "\n" + kSummary);
    EXPECT_EQ(Written("out.net"), Expected("amp.net"));
    EXPECT_EQ(Written("out_Protel.net"), Expected("amp_Protel.net"));
    EXPECT_FALSE(fs::exists(demo_ / "DA4Z-1207.njp"));
}

// A library named in vorn.ini that is missing is passed over in silence. The parts drawn
// with its symbols (supply symbols, the transistor, the electrolytic capacitors, the test
// points) have no pins, so the decoupling capacitors, the output connector and R9 are left
// with nothing to connect to; --strict turns that into a failure.
TEST_F(GoldenDemo, MissingLibraryLeavesPartsWithoutPins) {
    fs::remove(demo_ / "amp.lb3");
    std::string warnings;
    for (const char* part :
         {"C2 (CC1608B104K)", "C3 (CE2012B106M)", "C5 (CE2012B106M)", "C6 (CC1608B104K)",
          "J2 (CN-AB)", "Q1 (2SC1815-Y)", "R9 (RC1608J222)", "TP1 (TP)", "TP2 (TP)"}) {
        warnings += std::string("警告: ") + part + " にはつながったピンがありません\n";
    }
    auto plain = Run({"--net", "out.net"});
    EXPECT_EQ(plain.Status, 0);
    EXPECT_EQ(plain.Err, warnings);
    EXPECT_EQ(plain.Out, Real("out.net").string() + "\n部品数：25  ネット数：8\n");
    auto strict = Run({"--strict", "--net", "out.net"});
    EXPECT_EQ(strict.Status, 3);
    EXPECT_EQ(strict.Err, warnings);

    // Without the supply symbols no net is named VCC or GND; R1 and R2 keep one pin each
    // and show the name of its net as silk.
    std::string net = Written("out.net");
    EXPECT_EQ(net.find("VCC"), std::string::npos);
    EXPECT_EQ(net.find("GND"), std::string::npos);
    EXPECT_NE(net.find("\r\nR1=R1608,VREF\r\nR2=R1608,VREF\r\n"), std::string::npos);
    EXPECT_NE(net.find("\r\nVREF=R2_1,R1_2,R3_2,R5_1,U1_5\r\n"), std::string::npos);
}

TEST_F(GoldenDemo, UnwritableOutputFolderKeepsTheOldFile) {
    const fs::path locked = dir_.Path() / "locked";
    fs::create_directories(locked);
    support::WriteFileBytes((locked / "amp.net").string(), "old netlist\r\n");
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                fs::perms::group_exec | fs::perms::others_read |
                                fs::perms::others_exec);

    auto run = Run({"--net", "locked/amp.net", "--protel", "open.net"}, true);
    fs::permissions(locked, fs::perms::owner_all, fs::perm_options::add);
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Err, Real("locked/amp.net").string() + "\n\tが作成出来ません。\n");
    EXPECT_EQ(run.Out, Real("open.net").string() + "\n" + kSummary);
    EXPECT_EQ(Written("locked/amp.net"), "old netlist\r\n");
    EXPECT_EQ(support::FileCount(locked.string()), 1);
    EXPECT_EQ(Written("open.net"), Expected("amp_Protel.net"));

    // A folder that does not exist cannot take the file either.
    auto missing = Run({"--parts", "no/such/folder/list.njp"});
    EXPECT_EQ(missing.Status, 1);
    EXPECT_EQ(missing.Err, Real("no/such/folder/list.njp").string() + "\n\tが作成出来ません。\n");
    EXPECT_EQ(missing.Out, kSummary);
}

}  // namespace
