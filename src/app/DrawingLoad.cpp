// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DrawingLoad.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <limits>
#include <memory>

#include "model/CountTexts.h"
#include "netlist/Connectivity.h"
#include "netlist/DrawingLinks.h"
#include "netlist/PinPlacement.h"
#include "platform/FileBytes.h"
#include "reader/DrawingParse.h"
#include "text/Compare.h"
#include "text/Cp932.h"
#include "text/Padding.h"

namespace app {
namespace fs = std::filesystem;

namespace {

// Closes the drawing on every way out of the load.
struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// Opens only a readable regular file: a folder, a pipe or a device is "cannot open", never
// a read that fails later or blocks.
FileHandle OpenRegularFile(const fs::path& path) {
    platform::ReadOpen status{};
    int fd = platform::OpenRegularForReading(path, status);
    if (fd < 0) {
        return nullptr;
    }
    std::FILE* f = ::fdopen(fd, "rb");
    if (!f) {
        ::close(fd);
        return nullptr;
    }
    return FileHandle(f);
}

class FileByteSource : public reader::ByteSource {
  public:
    explicit FileByteSource(std::FILE* file) : file_(file) {}
    std::size_t Read(std::uint8_t* into, std::size_t count) override {
        return std::fread(into, 1, count, file_);
    }

  private:
    std::FILE* file_;
};

class DrawingLoad : private reader::DrawingRecordSink {
  public:
    DrawingLoad(DrawingLoadTarget& target, const fs::path& file, const std::string& shownName)
        : t_(target), shown_(text::Utf8ToCp932(shownName)) {
        std::error_code ec;
        path_ = fs::absolute(file, ec).lexically_normal();
        if (ec) {
            path_ = file;
        }
    }

    void Run() {
        t_.PartsList.SetPowerNames(t_.Options.PwParts);
        EnterFolder();
        t_.NetList.NetCounter = NextNetCounter(t_.NetList.NetCounter, t_.Options.SerialNetNames());
        if (t_.Services.LibrariesEmpty()) {
            t_.Services.LoadLibraries();
        }

        FileHandle file = OpenRegularFile(path_);
        if (!file) {
            FileError("\n\tが開けません。");
            return;
        }
        if (t_.Drawings) {
            drawing_ = std::make_unique<model::DrawingGeometry>();
            drawing_->Path = path_;
            drawing_->FileName = text::Utf8ToCp932(path_.filename().string());
        }
        t_.Ui.SetProgressText("Read Start");
        FileByteSource source(file.get());
        LoadOpenFile(source);
        t_.Ui.SetProgressText("File Close");
    }

  private:
    // The drawing's folder is where its relative names are taken from now on, even when
    // the drawing then cannot be read; a folder that does not exist leaves the last one.
    void EnterFolder() {
        const fs::path folder = path_.parent_path();
        std::error_code ec;
        if (fs::is_directory(folder, ec)) {
            t_.Folder = folder;
        }
    }

    void FileError(const char* tailUtf8) { t_.Ui.ShowMessage(shown_ + text::Sj(tailUtf8)); }

    void LoadOpenFile(reader::ByteSource& source) {
        switch (reader::ParseDrawingHeader(source).Kind) {
            case reader::DamageKind::None:
                break;
            case reader::DamageKind::NotADrawing:
                FileError("\n\tは異常です。");
                return;
            default:
                FileError("\n\tが読めません。");
                return;
        }
        t_.Ui.SetProgressText("Read CVT");
        t_.Services.LoadDrawingNameTable();
        t_.Ui.SetProgressText("End CVT");

        t_.Services.LoadSettings();
        t_.DataDir = text::Utf8ToCp932(path_.parent_path().string());
        t_.PreFile = text::Utf8ToCp932(path_.filename().string());
        t_.Ui.SetStatusPanel(view::kFolderPanel, t_.DataDir);
        t_.Ui.SetStatusPanel(view::kDrawingsPanel,
                             t_.Ui.StatusPanel(view::kDrawingsPanel) + t_.PreFile + " ; ");

        ReportDamage(reader::ParseDrawingRecords(source, *this));

        t_.NotSaved = true;
        t_.Ui.SetProgressText(text::Format("Wire Count = %d", wires_.Count()));
        ShowWireCount();
        ShowPartsCount();
        t_.Ui.RepaintStatus();
        reader::FillTitleFields(t_.TitleBlock, t_.CommentList, t_.Titles);
        t_.Services.BuildConnectivity(wires_);
        KeepDrawing();
    }

    // Linked while the pass's wires and the placed pins are still there to be asked.
    void KeepDrawing() {
        if (!drawing_) {
            return;
        }
        netlist::LinkDrawing(*drawing_, wires_, capture_, t_.NetList);
        capture_ = {};
        drawing_->Wires.shrink_to_fit();
        t_.Drawings->push_back(std::move(drawing_));
    }

    void ShowWireCount() {
        t_.Ui.SetStatusPanel(view::kWireCountPanel, model::NetsCountText(wires_.Items.size()));
    }

    // A damaged record ends the records; what was read before it stays. The user is told,
    // since a netlist from a drawing read only in part would be silently wrong.
    void ReportDamage(const reader::Damage& damage) {
        switch (damage.Kind) {
            case reader::DamageKind::None:
                return;
            case reader::DamageKind::BrokenHeader:
                t_.Ui.ShowMessage(text::Format("Error Code = %d", 1));
                return;
            default:
                t_.Ui.ShowMessage(
                    shown_ + text::Sj("\n\tの") + std::to_string(damage.Offset) +
                    text::Sj(" バイト目のレコードが壊れています。それ以降は読み込んでいません。"));
                return;
        }
    }

    void Junction(const std::uint8_t* record) override {
        wires_.AddJunction(record);
        if (drawing_) {
            drawing_->Junctions.push_back({wires_.Junctions.back(), 0});
        }
    }
    void Wire(const std::uint8_t* record) override {
        if (wires_.AddWire(record) && drawing_) {
            const model::TWireRec& wire = wires_.Items.back();
            drawing_->Wires.push_back({wire.First(), wire.Second(), 0});
        }
        if (CountDue()) {
            ShowWireCount();
            t_.Ui.RepaintStatus();
        }
    }

    // The counts run on screen while the drawing is read, a few times a second: painted for
    // each of a million wires they took longer than reading them.
    bool CountDue() {
        const auto now = std::chrono::steady_clock::now();
        if (now - countShownAt_ < kCountPace) {
            return false;
        }
        countShownAt_ = now;
        return true;
    }
    void ShowPartsCount() {
        t_.Ui.SetStatusPanel(view::kPartsCountPanel,
                             model::PartsCountText(t_.PartsList.Items.size()));
    }
    void Label(const std::uint8_t* record) override {
        wires_.AddLabel(record);
        if (drawing_) {
            const model::CCe2Label& label = wires_.Labels.back();
            const bool tag = label.Kind == model::kKindLabelAlt;
            drawing_->Labels.push_back(
                {{label.X, label.Y},
                 tag,
                 label.Vertical(),
                 static_cast<std::int16_t>(tag ? netlist::TagWidth(label.TextLen) : 0),
                 0,
                 std::string(label.LabelText())});
        }
    }
    void Comment(std::int16_t x, std::int16_t y, std::string_view text) override {
        t_.CommentList.AddComment(x, y, text);
        if (drawing_) {
            drawing_->Comments.push_back({{x, y}, t_.CommentList.Items.back().Text});
        }
    }

    void KeepPart(const model::CCe2Part& record, const AddedPart& added) {
        model::DrawingPart part;
        part.At = {record.X, record.Y};
        part.Dir = record.Dir;
        if (auto size = t_.Services.SymbolSizeOf(record.LibNameText())) {
            part.HasBody = true;
            part.Body = netlist::BodyRect(size->Width, size->Height, record.Dir, part.At);
        }
        part.Head = added.Head;
        part.Unit = added.Unit;
        const auto index = static_cast<std::int32_t>(drawing_->Parts.size());
        drawing_->Parts.push_back(std::move(part));
        for (const model::TPinRec* pin : added.Pins) {
            drawing_->Pins.push_back(
                {{pin->X, pin->Y}, {pin->X, pin->Y}, 0, index, pin->PinNumber});
            capture_.PlacedPins.push_back(pin);
        }
    }

    void Part(const model::CCe2Part& record) override {
        const AddedPart added = t_.Services.AddPart(record);
        model::TPartRec* part = added.Unit;
        if (part && drawing_) {
            KeepPart(record, added);
        }
        if (part) {
            const std::string& prefix = t_.Options.PartsListPreFix;
            std::string_view cvtName = part->CvtNameText();
            // An empty prefix marks no part: it would otherwise take every part without a
            // reference, power symbols included, as the parts list number.
            if (!part->HasRef() && !prefix.empty() && cvtName.substr(0, prefix.size()) == prefix) {
                t_.Titles.ListNumber = std::string(cvtName);
            }
        }
        if (text::EqualAsciiNoCase(t_.Options.TitleName, record.LibNameText())) {
            t_.TitleBlock.Consider(record, t_.Services.SymbolSizeOf(record.LibNameText()));
        }
        if (CountDue()) {
            ShowPartsCount();
            t_.Ui.RepaintStatus();
        }
    }

    DrawingLoadTarget& t_;
    std::string shown_;  // CP932
    fs::path path_;
    model::TWireList wires_;
    static constexpr std::chrono::milliseconds kCountPace{50};
    std::chrono::steady_clock::time_point countShownAt_{};
    std::unique_ptr<model::DrawingGeometry> drawing_;
    netlist::DrawingCapture capture_;
};

}  // namespace

int NextNetCounter(int counter, bool serialNames) {
    if (!serialNames) {
        return -1;
    }
    if (counter < 0) {
        return 10000;
    }
    long long next = (static_cast<long long>(counter) / 10000 + 1) * 10000;
    return next > std::numeric_limits<int>::max() ? counter : static_cast<int>(next);
}

void LoadDrawing(const fs::path& file, DrawingLoadTarget& target, const std::string& shownName) {
    DrawingLoad(target, file, shownName).Run();
}

}  // namespace app
