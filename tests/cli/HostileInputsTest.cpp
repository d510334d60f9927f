// SPDX-License-Identifier: GPL-3.0-or-later
// Inputs of a received folder that are not what their names promise.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "support/Ce2Builder.h"
#include "support/DrawingFolder.h"
#include "support/LibBuilder.h"
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

// A 24 KB symbol of 4 095 pins placed 8 000 times asks for gigabytes: the run ends with a
// message and status 1 instead of an abort.
TEST(HostileInputs, RunningOutOfMemoryEndsTheRunWithAMessage) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer reserves more than the limit allows";
#endif
    support::DrawingFolder folder;
    support::LibSymbol huge{"HUGE", 40, 40, 1, {}};
    huge.Pins.assign(4095, {1, 0, {support::PinNoWord(1)}});
    support::LibBuilder().Symbol(huge).WriteTo(folder / "parts.lib");
    support::Ce2Builder drawing;
    for (int i = 0; i < 8000; ++i) {
        drawing.Part({static_cast<int>(i % 100) * 500, static_cast<int>(i / 100) * 500, 0, 0, "",
                      "U" + std::to_string(i + 1), "HUGE"});
    }
    drawing.WriteTo(folder / "a.ce2");
    support::RunOptions options;
    options.MemoryLimitBytes = 1ull << 30;
    options.TimeLimitSeconds = 120;
    auto run = support::RunVornextract(folder.Path(), {"--batch", "a.ce2"}, options);
    EXPECT_EQ(run.Status, 1) << run.Err;
    EXPECT_NE(run.Err.find("メモリが足りません。"), std::string::npos) << run.Err;
    EXPECT_FALSE(std::filesystem::exists(folder / "a.net"));
}

}  // namespace
