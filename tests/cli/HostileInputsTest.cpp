// Inputs of a received folder that are not what their names promise.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "support/Ce2Builder.h"
#include "support/DrawingFolder.h"
#include "support/RunProgram.h"
#include "support/TableFiles.h"

namespace {

namespace fs = std::filesystem;

// A named pipe or a link to an endless device where the program reads a table, a settings
// file, the key store, a library or the drawing: reading it waited for a writer or read
// forever. Each must be passed over as a file that cannot be opened.
TEST(HostileInputs, PipesAndDevicesAreNeverReadAsFiles) {
    const char* inputs[] = {"NameTable.Txt",  "MakerTable.Txt",  "FootPrintList.txt",
                            "PinCvtList.txt", "vornextract.INI", "registry.reg",
                            "parts.lib",      "vorn.ini",        "a.ce2"};
    for (const char* name : inputs) {
        for (const bool pipe : {true, false}) {
            SCOPED_TRACE(std::string(name) + (pipe ? " as a pipe" : " as /dev/zero"));
            support::DrawingFolder folder;
            folder.Drawing("a.ce2", {"R1", "R2"});
            support::WriteFileBytes(folder / "registry.reg", "REGEDIT4\r\n");
            fs::remove(folder / name);
            if (pipe) {
                ASSERT_EQ(::mkfifo((folder / name).c_str(), 0644), 0);
            } else {
                fs::create_symlink("/dev/zero", folder / name);
            }
            support::RunOptions options;
            options.TimeLimitSeconds = 20;
            auto run = support::RunVornextract(folder.Path(), {"--batch", "a.ce2"}, options);
            ASSERT_NE(run.Status, -1) << "the run did not end";
            if (std::string(name) == "a.ce2") {
                EXPECT_EQ(run.Status, 1);
                EXPECT_NE(run.Err.find("a.ce2\n\tが開けません。"), std::string::npos) << run.Err;
            }
        }
    }
}

// A CR/LF inside a reference or a label used to add lines and sections ("[X]") to the
// netlists that a layout tool reads as real parts and nets.
TEST(HostileInputs, ControlBytesInTextsAreWrittenVisiblyWithAWarning) {
    support::DrawingFolder folder;
    support::Ce2Builder()
        .Part({50, 10, 0, 0, "", "R\r\n[X]1", "R"})
        .Part({150, 10, 0, 0, "", "R2", "R"})
        .Wire(60, 0, 100, 0)
        .Label("N\r\n[Y]", 80, 0)
        .WriteTo(folder / "a.ce2");
    auto run =
        support::RunVornextract(folder.Path(), {"--batch", "--format", "csv", "--parts", "p.csv",
                                                "--net", "n.net", "--protel", "p.net", "a.ce2"});
    EXPECT_EQ(run.Status, 0) << run.Err;
    for (const char* file : {"p.csv", "n.net", "p.net"}) {
        SCOPED_TRACE(file);
        const std::string text = support::ReadBytesFile(folder / file);
        EXPECT_NE(text.find("R??[X]1"), std::string::npos) << text;
        for (std::size_t at = text.find('\n'); at != std::string::npos;
             at = text.find('\n', at + 1)) {
            ASSERT_TRUE(at > 0 && text[at - 1] == '\r') << text;  // only the file's own line ends
        }
        EXPECT_EQ(text.find("\n[X]"), std::string::npos) << text;
        EXPECT_EQ(text.find("\n[Y]"), std::string::npos) << text;
    }
    EXPECT_NE(support::ReadBytesFile(folder / "n.net").find("N??[Y]="), std::string::npos);
    // One warning per part and per net, however many files and fields held them (R2's silk
    // name in the netlists is its net's label).
    EXPECT_EQ(run.Err,
              "警告: 部品 R??[X]1 の文字列の制御文字を \"?\" に置き換えて出力しました\n"
              "警告: 部品 R2 の文字列の制御文字を \"?\" に置き換えて出力しました\n"
              "警告: ネット N??[Y] の文字列の制御文字を \"?\" に置き換えて出力しました\n");
}

}  // namespace
