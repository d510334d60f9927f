// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <filesystem>

#include "ReaderFixture.h"
#include "text/Cp932.h"

namespace {

namespace fs = std::filesystem;
using readertest::ReaderTest;
using support::Ce2Builder;
using text::Utf8ToCp932;

Ce2Builder EveryKindDrawing(Ce2Builder::Signature signature = Ce2Builder::Signature::V0000) {
    Ce2Builder d(signature);
    d.Junction(100, 200)
        .Skipped(1)
        .Wire(300, 100, 100, 100)
        .Skipped(2)
        .Wire(50, 50, 50, 50)  // no length: dropped
        .Skipped(4)
        .Label("CLK", 120, 100)
        .Label("DATA", 140, 100, true, 6)
        .Skipped(7)
        .Part({.X = 100, .Y = 100, .Name = "74HC00", .Ref = "U3", .LibName = "74HC00"})
        .Skipped(9)
        .Comment(400, 420, Utf8ToCp932("基板A"))
        .Variable(17, 1, 2, 20, std::string("\0\x04WXYZab", 8))  // another variable kind: skipped
        .Wire(100, 100, 100, 300)
        .Part({.X = 500, .Y = 100, .Name = "", .Ref = "R10", .LibName = "RES"});
    return d;
}

TEST_F(ReaderTest, EveryRecordKindLandsWhereItBelongs) {
    Read(EveryKindDrawing());
    EXPECT_TRUE(Messages().empty());

    ASSERT_EQ(parts.Count(), 2);
    EXPECT_EQ(parts[0]->RefPrefixText(), "U");
    EXPECT_EQ(parts[0]->CvtNameText(), "74HC00");
    EXPECT_EQ(parts[1]->PartNameText(), "RES");  // read order until the parts list files them

    ASSERT_EQ(services.Wires.size(), 2u);
    EXPECT_EQ(services.Wires[0].X1, 100);
    EXPECT_EQ(services.Wires[0].X2, 300);
    EXPECT_EQ(services.Wires[1].Y2, 300);
    ASSERT_EQ(services.Junctions.size(), 1u);
    EXPECT_EQ(services.Junctions[0], (model::TPoint{100, 200}));
    ASSERT_EQ(services.Labels.size(), 2u);
    EXPECT_EQ(services.Labels[0].LabelText(), "CLK");
    EXPECT_EQ(services.Labels[1].Kind, 6);
    EXPECT_TRUE(services.Labels[1].Vertical());

    ASSERT_EQ(comments.Count(), 1);
    EXPECT_EQ(comments.Items[0].Text, Utf8ToCp932("基板A"));
    EXPECT_EQ(comments.Items[0].X, 400);

    EXPECT_TRUE(notSaved);
    EXPECT_EQ(ui.ProgressHistory, (std::vector<std::string>{"Read Start", "Read CVT", "End CVT",
                                                            "Wire Count = 2", "File Close"}));
    EXPECT_EQ(ui.PanelUtf8(0), "部品数：2");
    EXPECT_EQ(ui.PanelUtf8(1), "ネット数：2");
    EXPECT_EQ(ui.PanelUtf8(2), dir.Path().string());
    EXPECT_EQ(ui.PanelUtf8(3), "sheet.ce2 ; ");
    // At the first record and when the records end: the running counts are painted a few
    // times a second, not for each of a million wires and half a million parts.
    EXPECT_GE(ui.StatusRepaints, 2);
}

TEST_F(ReaderTest, HandOffsComeInTheirOrder) {
    Read(EveryKindDrawing());
    // Libraries before the file is opened, this drawing's name table before any part is
    // converted, settings after it, connectivity once at the end.
    EXPECT_EQ(services.Calls, (std::vector<std::string>{
                                  "LibrariesEmpty", "LoadLibraries", "LoadDrawingNameTable",
                                  "LoadSettings", "AddPart", "AddPart", "BuildConnectivity"}));
    EXPECT_EQ(services.FolderAtNameTable, dir.Path().string());
    EXPECT_EQ(folder, dir.Path());
    EXPECT_EQ(dataDir, dir.Path().string());
    EXPECT_EQ(preFile, "sheet.ce2");
}

TEST_F(ReaderTest, BothSignaturesReadAlike) {
    Read(EveryKindDrawing(Ce2Builder::Signature::V0000), "a.ce2");
    Read(EveryKindDrawing(Ce2Builder::Signature::V0001), "b.ce2");
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(parts.Count(), 4);
    EXPECT_EQ(services.Wires.size(), 4u);
    EXPECT_EQ(ui.PanelUtf8(3), "a.ce2 ; b.ce2 ; ");
    EXPECT_EQ(CallCount("BuildConnectivity"), 2);
}

TEST_F(ReaderTest, LibrariesLoadOnlyWhileTheListIsEmpty) {
    Read(Ce2Builder(), "a.ce2");
    Read(Ce2Builder(), "b.ce2");
    EXPECT_EQ(CallCount("LoadLibraries"), 2);  // nothing was loaded the first time: try again

    services.Symbols["TITLE2"] = {10, 5};
    Read(Ce2Builder(), "c.ce2");
    Read(Ce2Builder(), "d.ce2");
    EXPECT_EQ(CallCount("LoadLibraries"), 3);
}

TEST_F(ReaderTest, HeaderOnlyFileIsAnEmptyDrawing) {
    Read(Ce2Builder());
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(notSaved);
    EXPECT_EQ(parts.Count(), 0);
    EXPECT_EQ(ui.ProgressHistory[3], "Wire Count = 0");
    EXPECT_EQ(ui.PanelUtf8(1), "ネット数：0");
    EXPECT_EQ(CallCount("BuildConnectivity"), 1);
}

TEST_F(ReaderTest, SerialNetCountersStartAtFreshTenThousands) {
    EXPECT_EQ(app::NextNetCounter(-1, true), 10000);
    EXPECT_EQ(app::NextNetCounter(10000, true), 20000);
    EXPECT_EQ(app::NextNetCounter(10123, true), 20000);
    EXPECT_EQ(app::NextNetCounter(19999, true), 20000);
    EXPECT_EQ(app::NextNetCounter(0, true), 10000);
    EXPECT_EQ(app::NextNetCounter(25000, false), -1);

    Read(Ce2Builder(), "a.ce2");
    EXPECT_EQ(nets.NetCounter, 10000);
    nets.NetCounter = 10042;  // as if the first drawing used 42 numbers
    Read(Ce2Builder(), "b.ce2");
    EXPECT_EQ(nets.NetCounter, 20000);
    options.NetNameType = 1;
    Read(Ce2Builder(), "c.ce2");
    EXPECT_EQ(nets.NetCounter, -1);
}

TEST_F(ReaderTest, PowerNamesComeFromTheOption) {
    options.PwParts = "VDD;;AGND;";
    Read(Ce2Builder());
    EXPECT_EQ(parts.PowerNames, (std::vector<std::string>{"VDD", "AGND"}));
}

TEST_F(ReaderTest, ListNumberComesFromAnUnreferencedPartWithThePrefix) {
    Ce2Builder d;
    d.Part({.Name = "DA4Z-1234", .Ref = "", .LibName = "PLNO"})
        .Part({.Name = "DA4Z-9999", .Ref = "U1", .LibName = "IC"})  // has a reference: not it
        .Part({.Name = "da4z-5", .Ref = "", .LibName = "PLNO"});    // prefix compares bytes
    Read(d);
    EXPECT_EQ(titles.ListNumber, "DA4Z-1234");

    // An empty prefix marks nothing: power symbols and the like must not become the number.
    options.PartsListPreFix.clear();
    titles.ListNumber.clear();
    Read(Ce2Builder().Part({.Name = "", .Ref = "", .LibName = "GND"}), "b.ce2");
    EXPECT_EQ(titles.ListNumber, "");
}

TEST_F(ReaderTest, TitleBlockTakesTheLowestOrLeftmostAndMeasuresFromItsCorner) {
    services.Symbols["TITLE2"] = {50, 12};
    Ce2Builder d;
    d.Part({.X = 900, .Y = 700, .Name = "", .Ref = "", .LibName = "title2"})  // any letter case
        .Part({.X = 950,
               .Y = 650,
               .Name = "",
               .Ref = "",
               .LibName = "TITLE2"})                       // neither lower nor left
        .Comment(900 - 500 + 400, 700 - 120 + 20, "PROJ")  // origin is (400, 580)
        .Comment(400 + 400, 580 + 50, "NAME")
        .Comment(400 + 10, 580 + 50, "ME")
        .Comment(400 + 400, 580 + 90, "DWG-1")
        .Comment(400 + 0, 580 + 90, "2026/12/08")
        .Comment(400 + 400, 580, "NOT-BELOW")  // on the origin line: not inside
        .Comment(400 + 200, 580 + 50, "MIDDLE")
        .Comment(400 + 400, 580 + 105, "TOO-LOW");
    services.Symbols["title2"] = {50, 12};
    Read(d);
    EXPECT_EQ(titleBlock.RememberedX, 900);
    EXPECT_EQ(titleBlock.RememberedY, 700);
    EXPECT_EQ(titleBlock.OriginX, 400);
    EXPECT_EQ(titleBlock.OriginY, 580);
    EXPECT_EQ(titles.Project, "PROJ");
    EXPECT_EQ(titles.DesignName, "NAME");
    EXPECT_EQ(titles.Designer, "ME");
    EXPECT_EQ(titles.DesignNumber, "DWG-1");
    EXPECT_EQ(titles.DesignDate, "2026/12/08");
}

TEST_F(ReaderTest, TitleFieldRowsAndColumnsHaveExactEdges) {
    reader::TitleBlockMemory block;
    block.OriginX = 1000;
    block.OriginY = 2000;
    struct Case {
        int dx, dy;
        const char* field;  // which field the comment fills; "" for none
    } cases[] = {
        {400, 20, "Project"},
        {400, 0, ""},
        {361, 39, "Project"},
        {360, 20, ""},
        {400, 40, "DesignName"},
        {400, 79, "DesignName"},
        {-9, 40, "Designer"},
        {-10, 40, ""},
        {69, 60, "Designer"},
        {70, 60, ""},
        {400, 80, "DesignNumber"},
        {400, 104, "DesignNumber"},
        {0, 80, "DesignDate"},
        {400, 105, ""},
        {0, 20, ""},
    };
    for (const Case& c : cases) {
        model::TCommentList comments;
        comments.AddComment(static_cast<std::int16_t>(1000 + c.dx),
                            static_cast<std::int16_t>(2000 + c.dy), "T");
        model::TTitleFields fields;
        reader::FillTitleFields(block, comments, fields);
        std::string filled = !fields.Project.empty()        ? "Project"
                             : !fields.DesignName.empty()   ? "DesignName"
                             : !fields.Designer.empty()     ? "Designer"
                             : !fields.DesignNumber.empty() ? "DesignNumber"
                             : !fields.DesignDate.empty()   ? "DesignDate"
                                                            : "";
        EXPECT_EQ(filled, c.field) << "at (+" << c.dx << ", +" << c.dy << ")";
    }
}

TEST_F(ReaderTest, TitleBlockRotationAndMissingSymbol) {
    reader::TitleBlockMemory block;
    model::CCe2Part part{};
    part.X = 1000;
    part.Y = 800;
    part.Dir = 1;  // a quarter turn swaps width and height
    ASSERT_TRUE(block.Consider(part, reader::SymbolSize{50, 12}));
    EXPECT_EQ(block.OriginX, 1000 - 120);
    EXPECT_EQ(block.OriginY, 800 - 500);

    part.X = 900;  // further left: taken; no symbol: the origin is the part itself
    part.Y = 100;
    ASSERT_TRUE(block.Consider(part, std::nullopt));
    EXPECT_EQ(block.OriginX, 900);
    EXPECT_EQ(block.OriginY, 100);

    part.X = 950;  // neither lower nor further left than (900, 100)
    part.Y = 90;
    EXPECT_FALSE(block.Consider(part, reader::SymbolSize{1, 1}));
    EXPECT_EQ(block.RememberedX, 900);
}

TEST_F(ReaderTest, LaterDrawingsKeepEarlierCommentsAndTitleBlock) {
    services.Symbols["TITLE2"] = {0, 0};
    Read(Ce2Builder().Part({.X = 100, .Y = 100, .LibName = "TITLE2"}).Comment(500, 110, "FIRST"),
         "a.ce2");
    EXPECT_EQ(titles.Project, "FIRST");
    titles.Project = "edited";
    // The second drawing brings no title block; all comments so far are tested again.
    Read(Ce2Builder().Comment(520, 150, "SECOND-NAME"), "b.ce2");
    EXPECT_EQ(titles.Project, "FIRST");
    EXPECT_EQ(titles.DesignName, "SECOND-NAME");
    EXPECT_EQ(comments.Count(), 2);
}

// A drawing named relative to the working folder is found there; its folder becomes the
// drawings' folder, and the working folder never moves (a missing one changes nothing).
TEST_F(ReaderTest, TheDrawingsFolderFollowsTheDrawingAndTheWorkingFolderStays) {
    std::string sub = dir.MakeDir("sub");
    Ce2Builder().Wire(0, 0, 10, 0).WriteTo(sub + "/x.ce2");
    fs::current_path(dir.Path());
    ReadFile("sub/x.ce2", "sub/x.ce2");
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(fs::current_path(), dir.Path());
    EXPECT_EQ(folder, fs::path(sub));
    EXPECT_EQ(dataDir, sub);
    EXPECT_EQ(services.Wires.size(), 1u);
    ReadFile(dir.Path() / "gone" / "y.ce2", "y.ce2");
    EXPECT_EQ(folder, fs::path(sub));
}

}  // namespace
