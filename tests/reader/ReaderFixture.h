// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/DrawingLoad.h"
#include "model/CommentList.h"
#include "model/NetList.h"
#include "model/PartsList.h"
#include "support/Ce2Builder.h"
#include "support/RecordingViews.h"
#include "support/TempDir.h"

namespace readertest {

// Stands in for the rest of the program: records every hand-off in order and keeps the
// geometry handed to connectivity so a test can look at it.
class RecordingServices : public app::LoadServices {
  public:
    std::vector<std::string> Calls;
    std::map<std::string, reader::SymbolSize> Symbols;
    bool LibrariesLoaded = false;
    model::TPartsList* Parts = nullptr;
    std::vector<model::TWireRec> Wires;
    model::TJunctionList Junctions;
    model::TLabelList Labels;
    const std::filesystem::path* Folder = nullptr;  // the target's drawings' folder
    std::string FolderAtNameTable;

    bool LibrariesEmpty() override {
        Calls.push_back("LibrariesEmpty");
        return !LibrariesLoaded;
    }
    void LoadLibraries() override {
        Calls.push_back("LoadLibraries");
        LibrariesLoaded = !Symbols.empty();
    }
    std::optional<reader::SymbolSize> SymbolSizeOf(std::string_view libName) override {
        auto it = Symbols.find(std::string(libName));
        if (it == Symbols.end()) {
            return std::nullopt;
        }
        return it->second;
    }
    void LoadDrawingNameTable() override {
        Calls.push_back("LoadDrawingNameTable");
        FolderAtNameTable = Folder->string();
    }
    void LoadSettings() override { Calls.push_back("LoadSettings"); }
    app::AddedPart AddPart(const model::CCe2Part& record) override {
        Calls.push_back("AddPart");
        Parts->Items.push_back(std::make_unique<model::TPartRec>(record));
        return {Parts->Items.back().get(), Parts->Items.back().get(), {}};
    }
    void BuildConnectivity(model::TWireList& wires) override {
        Calls.push_back("BuildConnectivity");
        for (const auto& w : wires.Items) {
            Wires.push_back(w);
        }
        Junctions = wires.Junctions;
        Labels = wires.Labels;
    }
};

class ReaderTest : public ::testing::Test {
  protected:
    ReaderTest() {
        services.Parts = &parts;
        services.Folder = &folder;
    }

    // Writes the drawing into the test folder and reads it.
    void Read(const support::Ce2Builder& drawing, const std::string& name = "sheet.ce2") {
        ReadFile(drawing.WriteTo(dir / name));
    }
    void ReadFile(const std::string& path, const std::string& shown = "") {
        app::DrawingLoadTarget target{parts,   nets,    comments, options, titles, titleBlock,
                                      dataDir, preFile, notSaved, folder,  ui,     services};
        app::LoadDrawing(path, target, shown.empty() ? path : shown);
    }
    std::vector<std::string> Messages() const { return ui.MessagesUtf8(); }
    int CallCount(const std::string& call) const {
        return static_cast<int>(std::count(services.Calls.begin(), services.Calls.end(), call));
    }

    support::TempDir dir;
    support::RecordingUserInterface ui;
    RecordingServices services;
    model::TPartsList parts;
    model::TNetList nets;
    model::TCommentList comments;
    settings::TOptionValues options;
    model::TTitleFields titles;
    reader::TitleBlockMemory titleBlock;
    std::string dataDir;
    std::string preFile;
    bool notSaved = false;
    std::filesystem::path folder = "/nowhere";
};

}  // namespace readertest
