// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <map>

#include "support/Ce2Builder.h"
#include "support/DrawingFolder.h"
#include "support/LibBuilder.h"
#include "support/RunProgram.h"
#include "support/TableFiles.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using support::ReadBytesFile;
using support::WriteFileBytes;

using support::Ce2Builder;
using support::RunVornextract;

class BatchCommandTest : public ::testing::Test {
  protected:
    // The editor's settings beside the drawings, naming no library.
    void EditorSettingsIn(const std::string& folder) {
        support::WriteFileBytes(folder + "/vorn.ini", support::VornIni({}));
    }

    support::TempDir dir;
};

TEST_F(BatchCommandTest, InformationalOptions) {
    auto version = RunVornextract(dir.Path(), {"--version"});
    EXPECT_EQ(version.Status, 0);
    EXPECT_NE(version.Out.find("Ver 1.4.3  Rev 2k3.11.04"), std::string::npos);

    auto help = RunVornextract(dir.Path(), {"--help"});
    EXPECT_EQ(help.Status, 0);
    EXPECT_NE(help.Out.find("Usage: vornextract"), std::string::npos);
    EXPECT_NE(help.Out.find("Exit status"), std::string::npos);

    auto unknown = RunVornextract(dir.Path(), {"--batch", "--frobnicate", "a.ce2"});
    EXPECT_EQ(unknown.Status, 2);
    EXPECT_NE(unknown.Err.find("unknown option: --frobnicate"), std::string::npos);
    EXPECT_NE(unknown.Err.find("Usage:"), std::string::npos);

    auto nothing = RunVornextract(dir.Path(), {"--batch"});
    EXPECT_EQ(nothing.Status, 2);
}

const char kNoParts[] = "警告: 部品がないため、ファイルは書き込んでいません\n";

TEST_F(BatchCommandTest, ExitStatusTellsWhetherEveryDrawingWasRead) {
    support::WriteFileBytes(dir / "bad.ce2", support::Ce2Header(std::string("NOT A DRAWING", 13)));
    Ce2Builder().WriteTo(dir / "empty.ce2");
    Ce2Builder().Wire(0, 0, 10, 0).Raw("\x03").WriteTo(dir / "broken.ce2");
    EditorSettingsIn(dir.Path());

    auto bad = RunVornextract(dir.Path(), {"--batch", "bad.ce2"});
    EXPECT_EQ(bad.Status, 1);
    EXPECT_EQ(bad.Err, std::string("bad.ce2\n\tは異常です。\n") + kNoParts);

    auto empty = RunVornextract(dir.Path(), {"--batch", "empty.ce2"});
    EXPECT_EQ(empty.Status, 0);
    EXPECT_EQ(empty.Err, kNoParts);
    EXPECT_EQ(empty.Out, "部品数：0  ネット数：0\n");
    auto strict = RunVornextract(dir.Path(), {"--batch", "--strict", "empty.ce2"});
    EXPECT_EQ(strict.Status, 3);

    auto broken = RunVornextract(dir.Path(), {"--batch", "empty.ce2", "broken.ce2"});
    EXPECT_EQ(broken.Status, 1);
    EXPECT_EQ(broken.Err, std::string("Error Code = 1\n") + kNoParts);

    // A name that is no file is an error in a script, not a silent skip.
    auto missing = RunVornextract(dir.Path(), {"--batch", "empty.ce2", "nowhere.ce2"});
    EXPECT_EQ(missing.Status, 1);
    EXPECT_EQ(missing.Err, std::string("nowhere.ce2\n\tが開けません。\n") + kNoParts);
}

TEST_F(BatchCommandTest, RelativeDrawingsInSeveralFoldersAndNoDisplay) {
    dir.MakeDir("a");
    dir.MakeDir("b");
    Ce2Builder().WriteTo(dir / "a/one.ce2");
    Ce2Builder().WriteTo(dir / "b/two.ce2");
    EditorSettingsIn(dir / "a");
    EditorSettingsIn(dir / "b");
    // Reading the first drawing moves into its folder; the second still resolves.
    auto both = RunVornextract(dir.Path(), {"--batch", "a/one.ce2", "b/two.ce2"});
    EXPECT_EQ(both.Status, 0) << both.Err;

    // Without a display and without --batch the batch command runs all the same.
    auto implicit = RunVornextract(dir.Path(), {"-v", "--", "a/one.ce2"});
    EXPECT_EQ(implicit.Status, 0) << implicit.Err;
    EXPECT_NE(implicit.Err.find("Read Start\n"), std::string::npos);
    EXPECT_NE(implicit.Err.find("File Close\n"), std::string::npos);
}

TEST_F(BatchCommandTest, WithoutTheEditorsSettingsTheDrawingFails) {
    Ce2Builder().WriteTo(dir / "lonely.ce2");
    auto lonely = RunVornextract(dir.Path(), {"--batch", "lonely.ce2"});
    EXPECT_EQ(lonely.Status, 1);
    EXPECT_NE(lonely.Err.find("vorn.ini\n\tが見つかりません\n"), std::string::npos) << lonely.Err;
}

std::size_t CountOf(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

// A reference's letters before its number used to be cut to 7 bytes, so CONNECTOR1 and
// CONNECTORS1 were one part: one parts list line for two connectors, one of them missing
// from the netlists, and a pin in two nets.
TEST(ReferenceIdentity, ReferencesThatDifferAfterTheSeventhByteStayTwoParts) {
    support::DrawingFolder folder;
    // Every pin of a connector is wired, so each is named in the nets.
    folder.Drawing("one.ce2", {"R1", "CONNECTOR1", "CONNECTORS1", "R2"});
    folder.Drawing("a.ce2", {"R1", "CONNECTOR1", "R3"});
    folder.Drawing("b.ce2", {"R2", "CONNECTORS1", "R4"});
    for (const std::vector<std::string>& drawings :
         {std::vector<std::string>{"one.ce2"}, std::vector<std::string>{"a.ce2", "b.ce2"}}) {
        std::vector<std::string> args{"--batch", "--format", "txt",      "--parts", "parts.txt",
                                      "--net",   "n.net",    "--protel", "p.net"};
        args.insert(args.end(), drawings.begin(), drawings.end());
        auto run = support::RunVornextract(folder.Path(), args);
        ASSERT_EQ(run.Status, 0) << run.Err;
        const std::string parts = support::ReadCp932FileAsUtf8(folder / "parts.txt");
        EXPECT_NE(parts.find("\nCONNECTOR1R"), std::string::npos) << parts;
        EXPECT_NE(parts.find("\nCONNECTORS1R"), std::string::npos) << parts;
        EXPECT_EQ(parts.find("多"), std::string::npos) << parts;
        EXPECT_EQ(parts.find("異"), std::string::npos) << parts;
        // Both parts are listed, and each connector pin is named in exactly one net.
        const std::string simple = support::ReadBytesFile(folder / "n.net");
        const std::string protel = support::ReadBytesFile(folder / "p.net");
        for (const std::string ref : {"CONNECTOR1", "CONNECTORS1"}) {
            EXPECT_NE(simple.find("\n" + ref + "=,R"), std::string::npos) << simple;
            EXPECT_NE(protel.find("[\r\n" + ref + "\r\n"), std::string::npos) << protel;
            for (const std::string pin : {"1", "2"}) {
                EXPECT_EQ(CountOf(simple, ref + "_" + pin + "\r\n") +
                              CountOf(simple, ref + "_" + pin + ","),
                          1u)
                    << simple;
                EXPECT_EQ(CountOf(protel, "\n" + ref + "-" + pin + "\r\n"), 1u) << protel;
            }
        }
    }
}

// Where the outputs go and what they may replace, with drawings of resistors wired in
// series and the editor's settings beside them.
class BatchOutputsTest : public ::testing::Test {
  protected:
    support::ProgramResult Run(std::vector<std::string> args) {
        args.insert(args.begin(), "--batch");
        return support::RunVornextract(folder.Path(), args);
    }
    // The path as the program names it (from its real current directory).
    std::string Real(const std::string& name) const {
        return (fs::canonical(folder.Path()) / name).string();
    }
    std::string Bytes(const std::string& name) const { return ReadBytesFile(folder / name); }

    support::DrawingFolder folder;
};

TEST_F(BatchOutputsTest, TheProposedPartsListNameIsAPlainNameInTheDrawingsFolder) {
    // The number is a part's converted name, which the drawing's own name table sets.
    Ce2Builder()
        .Part({0, 0, 0, 0, "X", "", "R"})
        .Part({50, 10, 0, 0, "", "R1", "R"})
        .WriteTo(folder / "a/b/board.ce2");
    support::WriteCp932File(folder / "a/b/NameTable.Txt", "X\tDA4Z-/../../../target/owned\r\n");
    WriteFileBytes(folder / "a/b/vorn.ini", support::VornIni({}));
    fs::create_directories(folder / "a/b/DA4Z-");
    WriteFileBytes(folder / "target/owned.njp", "precious");

    auto run = Run({"a/b/board.ce2"});
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(Bytes("target/owned.njp"), "precious");
    EXPECT_EQ(run.Out.substr(0, run.Out.find('\n')), Real("a/b/DA4Z-__________target_owned.njp"));
}

// The program never moves its working folder: every relative name a drawing's folder
// holds is taken in that folder, every name on the command line in the working one.
TEST_F(BatchOutputsTest, RelativeNamesOfTheDrawingsFolderAreTakenThere) {
    const std::string sub = (folder.Path() / "boards" / "amp").string();
    folder.Drawing("boards/amp/amp.ce2", {"R1", "R2"});
    // The library named relative to the drawing, the Windows way; the drawing's own name
    // table and folder settings (its net separator) beside it.
    fs::create_directories(sub + "/lib");
    fs::rename(sub + "/parts.lib", sub + "/lib/parts.lib");
    WriteFileBytes(sub + "/vorn.ini", support::VornIni({"lib\\PARTS.LIB"}));
    support::WriteCp932File(sub + "/NameTable.Txt", "R\tRK73\r\n");
    WriteFileBytes(sub + "/vornextract.INI", "[Option]\r\nNetSeparator=.\r\n");

    auto run = Run({"--net", "amp.net", "--parts", "-", "--format", "csv", "boards/amp/amp.ce2"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_NE(run.Out.find("RK73"), std::string::npos) << run.Out;
    const std::string net = Bytes("amp.net");
    EXPECT_NE(net.find("=R2.1,R1.2\r\n"), std::string::npos) << net;
    EXPECT_FALSE(fs::exists(folder / "vornextract.INI"));
}

TEST_F(BatchOutputsTest, NoOutputReplacesAFileTheRunRead) {
    folder.Drawing("board.net", {"R1", "R2"});
    const std::string drawing = Bytes("board.net");
    const std::string kRefused = "\n\tは読み込んだファイルです。出力で置き換えません。\n";
    auto own = Run({"board.net"});  // its proposed netlist is the drawing itself
    EXPECT_EQ(own.Status, 1);
    EXPECT_EQ(own.Err, Real("board.net") + kRefused);
    EXPECT_EQ(Bytes("board.net"), drawing);
    EXPECT_FALSE(fs::exists(folder / "board.njp") || fs::exists(folder / "board_Protel.net"));

    // The same file under other names: a link to the library, a hard link to a table.
    support::WriteCp932File(folder / "MakerTable.Txt", "NE555\t\t\tTI\r\n");
    fs::create_symlink("parts.lib", folder / "list.njp");
    fs::create_hard_link(folder / "MakerTable.Txt", folder / "makers.net");
    const std::string library = Bytes("parts.lib");
    auto named =
        Run({"--parts", "list.njp", "--net", "board.net", "--protel", "makers.net", "board.net"});
    EXPECT_EQ(named.Status, 1);
    EXPECT_EQ(named.Err, Real("list.njp") + kRefused + Real("board.net") + kRefused +
                             Real("makers.net") + kRefused);
    EXPECT_EQ(Bytes("parts.lib"), library);
    EXPECT_EQ(Bytes("board.net"), drawing);
    EXPECT_EQ(support::ReadCp932FileAsUtf8(folder / "makers.net"), "NE555\t\t\tTI\r\n");
}

TEST_F(BatchOutputsTest, ProposedNamesFollowNoLinkOutOfTheFolder) {
    folder.Drawing("recv/a.ce2", {"R1", "R2"});
    WriteFileBytes(folder / "outside/precious.txt", "precious");
    fs::create_symlink("../outside/precious.txt", folder / "recv/a.net");
    fs::create_symlink("../outside/new.txt", folder / "recv/a_Protel.net");  // dangling

    auto run = Run({"recv/a.ce2"});
    EXPECT_EQ(run.Status, 1);
    const std::string kLink = "\n\tは図面のフォルダの外 (";
    EXPECT_EQ(run.Err, Real("recv/a.net") + kLink + Real("outside/precious.txt") +
                           ") を指すリンクなので書き込みません。\n" + Real("recv/a_Protel.net") +
                           kLink + Real("outside/new.txt") +
                           ") を指すリンクなので書き込みません。\n");
    EXPECT_EQ(Bytes("outside/precious.txt"), "precious");
    EXPECT_TRUE(fs::is_symlink(folder / "recv/a_Protel.net"));
    EXPECT_FALSE(fs::exists(folder / "recv/a.njp") || fs::exists(folder / "outside/new.txt"));

    // A name the user typed is followed as it always was.
    auto typed = Run({"--net", "recv/a.net", "recv/a.ce2"});
    EXPECT_EQ(typed.Status, 0) << typed.Err;
    EXPECT_EQ(Bytes("outside/precious.txt").substr(0, 7), "[PARTS]");
}

TEST_F(BatchOutputsTest, NothingIsWrittenAfterAFailedReadUnlessForced) {
    const std::string good = ReadBytesFile(folder.Drawing("a.ce2", {"R1", "R2", "R3"}));
    WriteFileBytes(folder / "cut.ce2", good.substr(0, good.size() - 7));
    const std::vector<std::string> outputs{"a.njp", "a.net", "a_Protel.net"};
    auto previous = [&] {
        for (const std::string& name : outputs) {
            WriteFileBytes(folder / name, "previous");
        }
    };
    auto untouched = [&] {
        return Bytes("a.njp") == "previous" && Bytes("a.net") == "previous" &&
               Bytes("a_Protel.net") == "previous";
    };
    const std::string kHeld =
        "読み込みでエラーがあったため、ファイルは書き込んでいません (--force で書き込みます)\n";

    previous();
    for (const auto& drawings : {std::vector<std::string>{"a.ce2", "cut.ce2"},
                                 std::vector<std::string>{"a.ce2", "missing.ce2"}}) {
        auto run = Run(drawings);
        EXPECT_EQ(run.Status, 1) << drawings[1];
        EXPECT_NE(run.Err.find(kHeld), std::string::npos) << run.Err;
        EXPECT_TRUE(untouched()) << drawings[1];
    }
    // Without the editor's settings the parts have no pins; the message says where to
    // put the settings.
    fs::rename(folder / "vorn.ini", folder / "elsewhere.ini");
    auto lost = Run({"a.ce2"});
    EXPECT_EQ(lost.Status, 1);
    EXPECT_NE(lost.Err.find(Real("vorn.ini")), std::string::npos) << lost.Err;
    EXPECT_NE(lost.Err.find("VORNEXTRACT_REGISTRY"), std::string::npos);
    EXPECT_NE(lost.Err.find(kHeld), std::string::npos);
    EXPECT_TRUE(untouched());

    auto forced = Run({"--force", "a.ce2", "cut.ce2"});
    EXPECT_EQ(forced.Status, 1);
    EXPECT_EQ(forced.Err.find(kHeld), std::string::npos);
    EXPECT_EQ(Bytes("a.net").substr(0, 7), "[PARTS]");
}

// Reads what a pipe holds without waiting for more.
std::string Drain(int fd) {
    std::string bytes;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;) {
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return bytes;
}

TEST_F(BatchOutputsTest, StandardOutputPipesAndDevicesAreWrittenDirectly) {
    folder.Drawing("a.ce2", {"R1", "R2"});
    ASSERT_EQ(Run({"--parts", "a.njp", "--net", "a.net", "a.ce2"}).Status, 0);

    auto toStdout = Run({"--net", "-", "a.ce2"});
    EXPECT_EQ(toStdout.Status, 0);
    EXPECT_EQ(toStdout.Out, Bytes("a.net"));
    EXPECT_EQ(toStdout.Err.substr(0, toStdout.Err.find("部品数")), "-\n");

    // The pipe is held open for reading here as well, so the program never waits.
    const std::string pipe = folder / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    int reader = ::open(pipe.c_str(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    auto piped = Run({"--parts", "pipe", "--protel", "/dev/null", "a.ce2"});
    EXPECT_EQ(piped.Status, 0) << piped.Err;
    EXPECT_EQ(Drain(reader), Bytes("a.njp"));
    ::close(reader);
    EXPECT_TRUE(fs::is_fifo(pipe));

    auto full = Run({"--net", "/dev/full", "a.ce2"});
    EXPECT_EQ(full.Status, 1);
    EXPECT_EQ(full.Err, "/dev/full\n\t書き込みが出来ません。\n");
}

// Pictures only when only pictures are asked for, one per drawing even when two drawings
// share a name, and a highlight naming no net warned of.
TEST_F(BatchOutputsTest, PicturesOfEveryDrawingAndTheirHighlights) {
    folder.Drawing("one/board.ce2", {"R1", "R2"});
    folder.Drawing("two/board.ce2", {"R3", "R4"});
    auto run = Run({"--svg", "pics", "--highlight", "N010001", "--highlight", "NOSUCH", "--strict",
                    "one/board.ce2", "two/board.ce2"});
    EXPECT_EQ(run.Status, 3) << run.Err;
    EXPECT_NE(run.Err.find("警告: ネット NOSUCH はありません"), std::string::npos) << run.Err;
    EXPECT_EQ(run.Out.substr(0, run.Out.find("部品数")),
              Real("pics/board.svg") + "\n" + Real("pics/board-2.svg") + "\n");
    EXPECT_NE(Bytes("pics/board.svg").find("class=\"w hl\""), std::string::npos);
    EXPECT_EQ(Bytes("pics/board-2.svg").find("class=\"w hl\""), std::string::npos);
    EXPECT_FALSE(fs::exists(folder / "one/board.net"));

    auto alone = Run({"--highlight", "GND", "one/board.ce2"});
    EXPECT_EQ(alone.Status, 2);
    EXPECT_NE(alone.Err.find("--highlight goes with --svg"), std::string::npos);
}

}  // namespace
