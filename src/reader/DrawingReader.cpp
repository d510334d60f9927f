#include "reader/DrawingReader.h"

#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <limits>
#include <memory>
#include <new>

#include "model/CountTexts.h"
#include "model/WireList.h"
#include "platform/FileBytes.h"
#include "reader/RecordReader.h"
#include "text/Compare.h"
#include "text/Cp932.h"
#include "text/Padding.h"

namespace reader {
namespace fs = std::filesystem;

namespace {

constexpr char kSignature0[] = "CE DATA FILE $0000\x1A";  // with its NUL: 20 bytes
constexpr char kSignature1[] = "CE DATA FILE $0001\x1A";
static_assert(sizeof kSignature0 == 20 && sizeof kSignature1 == 20);
constexpr std::size_t kSignatureOffset = 2;

// Closes the drawing on every way out of the read.
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

bool SignatureMatches(const std::uint8_t* header) {
    const void* signature = header + kSignatureOffset;
    return std::memcmp(signature, kSignature0, sizeof kSignature0) == 0 ||
           std::memcmp(signature, kSignature1, sizeof kSignature1) == 0;
}

class DrawingRead {
  public:
    DrawingRead(DrawingReadTarget& target, const std::string& fileName,
                const std::string& shownName)
        : t_(target), shown_(text::Utf8ToCp932(shownName)) {
        std::error_code ec;
        path_ = fs::absolute(fs::path(fileName), ec).lexically_normal();
        if (ec) {
            path_ = fs::path(fileName);
        }
    }

    void Run() {
        model::TWireList wires;
        std::unique_ptr<std::uint8_t[]> buffer(new (std::nothrow) std::uint8_t[kRecordBufferSize]);
        if (!buffer) {
            t_.Ui.ShowMessage(text::Sj("メモリが足りません。"));
            return;
        }
        t_.PartsList.SetPowerNames(t_.Options.PwParts);
        std::error_code ec;
        fs::current_path(path_.parent_path(),
                         ec);  // a missing folder leaves the directory as it was
        t_.NetList.NetCounter = NextNetCounter(t_.NetList.NetCounter, t_.Options.SerialNetNames());
        if (t_.Services.LibrariesEmpty()) {
            t_.Services.LoadLibraries();
        }

        FileHandle file = OpenRegularFile(path_);
        if (!file) {
            FileError("\n\tが開けません。");
            return;
        }
        t_.Ui.SetProgressText("Read Start");
        ReadOpenFile(file.get(),
                     reinterpret_cast<std::uint8_t(&)[kRecordBufferSize]>(*buffer.get()), wires);
        t_.Ui.SetProgressText("File Close");
    }

  private:
    void FileError(const char* tailUtf8) { t_.Ui.ShowMessage(shown_ + text::Sj(tailUtf8)); }

    void ReadOpenFile(std::FILE* file, std::uint8_t (&buffer)[kRecordBufferSize],
                      model::TWireList& wires) {
        if (std::fread(buffer, 1, kHeaderSize, file) != kHeaderSize) {
            FileError("\n\tが読めません。");
            return;
        }
        if (!SignatureMatches(buffer)) {
            FileError("\n\tは異常です。");
            return;
        }
        t_.Ui.SetProgressText("Read CVT");
        t_.Services.LoadDrawingNameTable();
        t_.Ui.SetProgressText("End CVT");

        t_.Services.LoadSettings();
        std::string folder = path_.parent_path().string();
        t_.DataDir = text::Utf8ToCp932(folder);
        t_.PreFile = text::Utf8ToCp932(path_.filename().string());
        t_.Ui.SetStatusPanel(view::kFolderPanel, t_.DataDir);
        t_.Ui.SetStatusPanel(view::kDrawingsPanel,
                             t_.Ui.StatusPanel(view::kDrawingsPanel) + t_.PreFile + " ; ");

        ReadRecords(file, buffer, wires);

        t_.NotSaved = true;
        t_.Ui.SetProgressText(text::Format("Wire Count = %d", wires.Count()));
        t_.Ui.SetStatusPanel(view::kWireCountPanel, WireCountText(wires));
        FillTitleFields(t_.TitleBlock, t_.CommentList, t_.Titles);
        t_.Services.BuildConnectivity(wires);
    }

    std::string WireCountText(const model::TWireList& wires) const {
        return model::NetsCountText(wires.Items.size());
    }

    void ReadRecords(std::FILE* file, std::uint8_t (&buffer)[kRecordBufferSize],
                     model::TWireList& wires) {
        RecordReader records(file);
        for (;;) {
            RecordResult r = records.ReadRecord(buffer);
            if (r.Count <= 0) {
                ReportDamage(r);
                return;
            }
            switch (buffer[0]) {
                case model::kKindJunction:
                    wires.AddJunction(buffer);
                    break;
                case model::kKindWire:
                    wires.AddWire(buffer);
                    t_.Ui.SetStatusPanel(view::kWireCountPanel, WireCountText(wires));
                    t_.Ui.RepaintStatus();
                    break;
                case model::kKindLabel:
                case model::kKindLabelAlt:
                    wires.AddLabel(buffer);
                    break;
                case model::kKindPart:
                    HandlePart(model::DecodePart(buffer));
                    break;
                case model::kKindComment: {
                    CommentText comment = CommentTextOf(buffer, static_cast<std::size_t>(r.Count));
                    t_.CommentList.AddComment(model::ReadInt16(buffer + 2),
                                              model::ReadInt16(buffer + 4),
                                              std::string_view(comment.Data, comment.Length));
                    break;
                }
                default:
                    break;
            }
        }
    }

    // A damaged record ends the records; what was read before it stays. The user is told,
    // since a netlist from a drawing read only in part would be silently wrong.
    void ReportDamage(const RecordResult& r) {
        switch (r.Damage) {
            case RecordDamage::None:
                return;
            case RecordDamage::BrokenHeader:
                t_.Ui.ShowMessage(text::Format("Error Code = %d", 1));
                return;
            default:
                t_.Ui.ShowMessage(
                    shown_ + text::Sj("\n\tの") + std::to_string(r.Offset) +
                    text::Sj(" バイト目のレコードが壊れています。それ以降は読み込んでいません。"));
                return;
        }
    }

    void HandlePart(const model::CCe2Part& record) {
        model::TPartRec* part = t_.Services.AddPart(record);
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
        t_.Ui.SetStatusPanel(view::kPartsCountPanel,
                             model::PartsCountText(t_.PartsList.Items.size()));
        t_.Ui.RepaintStatus();
    }

    DrawingReadTarget& t_;
    std::string shown_;  // CP932
    fs::path path_;
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

void ReadDrawing(const std::string& fileName, DrawingReadTarget& target,
                 const std::string& shownName) {
    DrawingRead(target, fileName, shownName).Run();
}

}  // namespace reader
