// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "app/MainWindowState.h"
#include "support/Ce2Builder.h"
#include "support/LibBuilder.h"
#include "support/RecordingViews.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"
#include "text/Cp932.h"

namespace {

// What reading drawings asks of the libraries: loading on first use, trying again while
// none were found, symbol sizes for the title block, and pins for every part read.
class LibraryHandOff : public ::testing::Test {
  protected:
    LibraryHandOff() = default;

    void Read(const support::Ce2Builder& b, const std::string& name) {
        b.WriteTo(dir_ / name);
        state_.ReadDrawing(dir_ / name, name);
    }

    support::EditorSandbox sandbox_;
    support::TempDir& dir_ = sandbox_.Dir;
    support::RecordingUserInterface ui_;
    app::MainWindowState state_{ui_};
};

TEST_F(LibraryHandOff, MissingSettingsAreToldAtEveryReadUntilFound) {
    auto drawing = [](const std::string& ref) {
        support::Ce2Builder d;
        d.Part({0, 0, 0, 0, "", ref, "R"});
        return d;
    };
    Read(drawing("R1"), "a.ce2");
    Read(drawing("R2"), "b.ce2");
    ASSERT_EQ(ui_.Messages.size(), 2u);
    for (const std::string& message : ui_.MessagesUtf8()) {
        EXPECT_NE(message.find("vorn.ini\n\tが見つかりません\n"), std::string::npos) << message;
    }
    EXPECT_TRUE(state_.PartsList[0]->Pins.empty());

    support::LibBuilder()
        .Symbol({"R", 4, 2, 1, {{1, 0, {support::PinNoWord(1)}}, {1, 2, {support::PinNoWord(2)}}}})
        .WriteTo(dir_ / "parts.lib");
    support::WriteFileBytes(dir_ / "vorn.ini", support::VornIni({"parts.lib"}));
    Read(drawing("R3"), "c.ce2");
    EXPECT_EQ(ui_.Messages.size(), 2u);
    EXPECT_EQ(state_.PartsList[2]->Pins.size(), 2u);

    // Once loaded, the libraries stay for the rest of the run.
    std::filesystem::remove(dir_ / "vorn.ini");
    Read(drawing("R4"), "d.ce2");
    EXPECT_EQ(ui_.Messages.size(), 2u);
    EXPECT_EQ(state_.PartsList[3]->Pins.size(), 2u);
}

TEST_F(LibraryHandOff, TitleBlockOriginUsesTheSymbolSize) {
    support::Lb3Builder().Symbol({"TITLE2", 40, 12, {}}).WriteTo(dir_ / "title.lb3");
    support::WriteFileBytes(dir_ / "vorn.ini", support::VornIni({"title.lb3"}));
    support::Ce2Builder drawing;
    drawing.Comment(1300, 420, "TURNED");  // a cell of the turned block
    drawing.Part({1000, 800, 1, 0, "", "", "TITLE2"});
    Read(drawing, "a.ce2");
    EXPECT_TRUE(ui_.Messages.empty());
    // Turned a quarter, the block is 12 wide and 40 high: origin (880, 400).
    EXPECT_EQ(state_.TitleBlock.OriginX, 880);
    EXPECT_EQ(state_.TitleBlock.OriginY, 400);
    EXPECT_EQ(state_.Titles.Project, "TURNED");
    support::Ce2Builder upright;
    upright.Comment(1400, 900, "UPRIGHT");  // (origin x + 400, origin y + 20)
    upright.Part({1400, 1000, 0, 0, "", "", "TITLE2"});
    Read(upright, "b.ce2");
    EXPECT_EQ(state_.TitleBlock.OriginX, 1000);
    EXPECT_EQ(state_.TitleBlock.OriginY, 880);
    EXPECT_EQ(state_.Titles.Project, "UPRIGHT");
}

}  // namespace
