#include <gtest/gtest.h>

#include "support/Ce2Builder.h"
#include "support/DrawingFolder.h"
#include "support/LibBuilder.h"
#include "support/RunProgram.h"
#include "support/TableFiles.h"
#include "support/TempDir.h"

namespace {

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

}  // namespace
