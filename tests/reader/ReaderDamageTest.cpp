// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <span>

#include "ReaderFixture.h"
#include "reader/DrawingParse.h"
#include "text/Cp932.h"

namespace {

namespace fs = std::filesystem;
using readertest::ReaderTest;
using support::Ce2Builder;

const char kDamaged[] = "バイト目のレコードが壊れています。それ以降は読み込んでいません。";

// A drawing with one of everything, then the record under test.
Ce2Builder GoodStart() {
    Ce2Builder d;
    d.Wire(0, 0, 100, 0)
        .Part({.X = 0, .Y = 0, .Name = "X", .Ref = "U1", .LibName = "IC"})
        .Comment(5, 5, "ok");
    return d;
}

// Offset of the record appended after GoodStart().
long AfterGoodStart() {
    return static_cast<long>(GoodStart().Size());
}

TEST_F(ReaderTest, UnrecognisedFilesAreRefusedWholeWithTheirName) {
    struct Case {
        std::string bytes;
        const char* tail;
    } cases[] = {
        {support::Ce2Header(std::string("CE DATA FILE $0002\x1A\0", 20)), "\n\tは異常です。"},
        {support::Ce2Header(std::string("CE DATA FILE $0000\x1A\x01", 20)),
         "\n\tは異常です。"},  // byte 21
        {support::Ce2Header(std::string("ce data file $0000\x1A\0", 20)), "\n\tは異常です。"},
        {support::Ce2Header(std::string("CE DATA FILE $0000\x1A\0", 20)).substr(0, 59),
         "\n\tが読めません。"},
        {"", "\n\tが読めません。"},
    };
    int i = 0;
    for (const Case& c : cases) {
        ui = support::RecordingUserInterface();
        services.Calls.clear();
        std::string name = "bad" + std::to_string(i++) + ".ce2";
        Ce2Builder d;  // valid header plus records; the header bytes are then replaced
        d.Wire(0, 0, 10, 0);
        std::string bytes = c.bytes + (c.bytes.size() == 60 ? d.Data().substr(60) : "");
        ReadFile(support::WriteFileBytes(dir / name, bytes), "shown/" + name);
        EXPECT_EQ(Messages(), std::vector<std::string>{"shown/" + name + c.tail}) << name;
        EXPECT_FALSE(notSaved);
        EXPECT_EQ(parts.Count(), 0);
        EXPECT_EQ(CallCount("BuildConnectivity"), 0);
        EXPECT_EQ(CallCount("LoadDrawingNameTable"), 0);
        EXPECT_EQ(CallCount("LoadLibraries"), 1);  // what comes before opening has happened
        EXPECT_EQ(ui.ProgressHistory, (std::vector<std::string>{"Read Start", "File Close"}));
        EXPECT_EQ(ui.PanelUtf8(3), "");
    }
}

TEST_F(ReaderTest, FilesThatCannotBeOpenedSaySo) {
    std::string missing = dir / "missing.ce2";
    ReadFile(missing, "missing.ce2");
    std::string folder = dir.MakeDir("folder.ce2");
    ReadFile(folder, "folder.ce2");
    ReadFile("/dev/null", "/dev/null");  // a device never reads as an empty drawing
    EXPECT_EQ(Messages(), (std::vector<std::string>{"missing.ce2\n\tが開けません。",
                                                    "folder.ce2\n\tが開けません。",
                                                    "/dev/null\n\tが開けません。"}));
    EXPECT_TRUE(ui.ProgressHistory.empty());
    EXPECT_FALSE(notSaved);
    // The steps before opening have taken effect.
    EXPECT_EQ(nets.NetCounter, 30000);
    EXPECT_EQ(parts.PowerNames.size(), 3u);
    EXPECT_EQ(CallCount("LoadLibraries"), 3);
}

TEST_F(ReaderTest, UnreadableFileCannotBeOpened) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root reads every file";
    }
    std::string path = GoodStart().WriteTo(dir / "locked.ce2");
    ::chmod(path.c_str(), 0);
    ReadFile(path, "locked.ce2");
    EXPECT_EQ(Messages(), std::vector<std::string>{"locked.ce2\n\tが開けません。"});
}

TEST_F(ReaderTest, EndKindsStopTheRecordsQuietly) {
    for (unsigned kind = 10; kind <= 15; ++kind) {
        parts.Clear();
        services.Wires.clear();
        Read(GoodStart().EndKind(kind).Wire(0, 0, 0, 50).Part({.Ref = "R1", .LibName = "RES"}),
             "end" + std::to_string(kind) + ".ce2");
        EXPECT_TRUE(Messages().empty()) << kind;
        EXPECT_EQ(parts.Count(), 1) << kind;
        EXPECT_EQ(services.Wires.size(), 1u) << kind;
    }
}

TEST_F(ReaderTest, DamagedRecordsEndTheRecordsAndKeepWhatCameBefore) {
    struct Case {
        const char* what;
        std::string tail;  // bytes after the good records
        std::string message;
    } cases[] = {
        {"header broken after one byte", "\x03", "Error Code = 1"},
        {"fixed record cut short", std::string("\x08\x00\x01\x02", 4), kDamaged},
        {"variable head cut short", std::string("\x10\x00\x01\x00\x02\x00", 6), kDamaged},
        {"length below the head", support::Bytes().U8(16).U8(0).Zeros(8).I16(11).Data(), kDamaged},
        {"negative length", support::Bytes().U8(16).U8(0).Zeros(8).I16(-5).Data(), kDamaged},
        {"length beyond the buffer",
         support::Bytes().U8(16).U8(0).Zeros(8).I16(4097).Zeros(4085).Data(), kDamaged},
        {"length beyond the file", support::Bytes().U8(16).U8(0).Zeros(8).I16(40).Zeros(10).Data(),
         kDamaged},
    };
    int i = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ui = support::RecordingUserInterface();
        parts.Clear();
        comments.Clear();
        services.Wires.clear();
        services.Calls.clear();
        notSaved = false;
        std::string name = "damaged" + std::to_string(i++) + ".ce2";
        Read(GoodStart().Raw(c.tail), name);
        std::string expected =
            c.message == "Error Code = 1"
                ? c.message
                : dir / name + "\n\tの" + std::to_string(AfterGoodStart()) + " " + c.message;
        EXPECT_EQ(Messages(), std::vector<std::string>{expected});
        // Everything before the damage is kept and processed as for a complete file.
        EXPECT_EQ(parts.Count(), 1);
        EXPECT_EQ(services.Wires.size(), 1u);
        EXPECT_EQ(comments.Count(), 1);
        EXPECT_TRUE(notSaved);
        EXPECT_EQ(CallCount("BuildConnectivity"), 1);
        EXPECT_EQ(ui.ProgressHistory.back(), "File Close");
    }
}

TEST_F(ReaderTest, CommentTextIsBoundedByItsRecord) {
    Ce2Builder d;
    d.Variable(16, 1, 1, 12, "")                         // no text at all
        .Variable(16, 2, 2, 13, std::string("\x00", 1))  // no text length byte
        .Variable(16, 3, 3, 17,
                  std::string("\x00\x09"
                              "abc",
                              5))  // says 9, holds 3
        .Variable(16, 4, 4, 4096, std::string("\x00\xFF", 2) + std::string(4082, 'x'))
        .Comment(5, 5, "after");
    Read(d);
    EXPECT_TRUE(Messages().empty());
    ASSERT_EQ(comments.Count(), 5);
    EXPECT_EQ(comments.Items[0].Text, "");
    EXPECT_EQ(comments.Items[1].Text, "");
    EXPECT_EQ(comments.Items[2].Text, "abc");
    EXPECT_EQ(comments.Items[3].Text, std::string(255, 'x'));
    EXPECT_EQ(comments.Items[4].Text, "after");
}

// The parse alone, on bytes in memory: records in file order, then the first damage with
// where its record starts.
TEST(DrawingParse, RecordsInOrderThenTheDamageAndItsOffset) {
    struct Kinds : reader::DrawingRecordSink {
        std::string Seen;
        void Junction(const std::uint8_t*) override { Seen += 'J'; }
        void Wire(const std::uint8_t*) override { Seen += 'W'; }
        void Label(const std::uint8_t*) override { Seen += 'L'; }
        void Part(const model::CCe2Part& part) override { Seen += part.RefText(); }
        void Comment(std::int16_t, std::int16_t, std::string_view text) override { Seen += text; }
    };
    Ce2Builder drawing;
    drawing.Wire(0, 0, 10, 0)
        .Junction(1, 2)
        .Label("N", 0, 0)
        .Comment(1, 1, "c")
        .Part({.Ref = "U1", .LibName = "IC"});
    const std::string good = drawing.Data();
    const std::string bytes = good + std::string("\x02\x00\x01", 3);  // a wire cut short
    auto parse = [](const std::string& data, Kinds& kinds) {
        reader::MemoryByteSource source(
            std::span(reinterpret_cast<const std::uint8_t*>(data.data()), data.size()));
        const reader::Damage header = reader::ParseDrawingHeader(source);
        return header ? header : reader::ParseDrawingRecords(source, kinds);
    };
    Kinds kinds;
    const reader::Damage damage = parse(bytes, kinds);
    EXPECT_EQ(kinds.Seen, "WJLcU1");
    EXPECT_EQ(damage.Kind, reader::DamageKind::CutShort);
    EXPECT_EQ(damage.Offset, static_cast<long>(good.size()));
    Kinds none;
    EXPECT_EQ(parse(good.substr(0, 59), none).Kind, reader::DamageKind::HeaderCut);
    EXPECT_EQ(parse(std::string(60, 'x'), none).Kind, reader::DamageKind::NotADrawing);
    EXPECT_FALSE(parse(good, none));
    EXPECT_EQ(none.Seen, "WJLcU1");
}

TEST_F(ReaderTest, ADrawingCutAtAnyByteReadsCleanly) {
    Ce2Builder full;
    full.Junction(1, 2)
        .Skipped(1)
        .Wire(0, 0, 100, 0)
        .Skipped(7)
        .Label("N1", 50, 0)
        .Part({.X = 10, .Y = 20, .Name = "NAME", .Ref = "U1", .LibName = "IC"})
        .Comment(3, 4, "comment text")
        .Variable(40, 0, 0, 16, std::string("\0\x02xy", 4))
        .Wire(100, 0, 100, 100)
        .Part({.X = 30, .Y = 20, .Name = "", .Ref = "R2", .LibName = "RES"});
    const std::string& bytes = full.Data();
    int lastParts = 0;
    for (std::size_t cut = 0; cut <= bytes.size(); ++cut) {
        support::RecordingUserInterface cutUi;
        readertest::RecordingServices cutServices;
        model::TPartsList cutParts;
        cutServices.Parts = &cutParts;
        model::TNetList cutNets;
        model::TCommentList cutComments;
        model::TTitleFields cutTitles;
        reader::TitleBlockMemory cutBlock;
        std::string cutDir, cutFile;
        bool cutNotSaved = false;
        fs::path cutFolder;
        cutServices.Folder = &cutFolder;
        app::DrawingLoadTarget target{cutParts,    cutNets,   cutComments, options,
                                      cutTitles,   cutBlock,  cutDir,      cutFile,
                                      cutNotSaved, cutFolder, cutUi,       cutServices};
        const std::string cutPath = support::WriteFileBytes(dir / "cut.ce2", bytes.substr(0, cut));
        app::LoadDrawing(cutPath, target, cutPath);
        ASSERT_LE(cutUi.Messages.size(), 1u) << "cut at " << cut;
        EXPECT_EQ(cutNotSaved, cut >= 60) << "cut at " << cut;
        EXPECT_GE(cutParts.Count(), lastParts) << "cut at " << cut;
        lastParts = cutParts.Count();
        if (cut == bytes.size()) {
            EXPECT_TRUE(cutUi.Messages.empty());
            EXPECT_EQ(cutParts.Count(), 2);
            EXPECT_EQ(cutServices.Wires.size(), 2u);
        }
    }
}

}  // namespace
