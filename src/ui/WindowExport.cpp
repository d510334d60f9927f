// SPDX-License-Identifier: GPL-3.0-or-later
#include <filesystem>
#include <iterator>

#include "output/GroupedPartsList.h"
#include "output/JsonResult.h"
#include "text/Cp932.h"
#include "ui/Dialogs.h"
#include "ui/VornExtra01.h"

namespace ui {
namespace fs = std::filesystem;

namespace {

// The grouped list and the JSON result offer their encodings as the save dialog's filters,
// in the order of this table.
constexpr output::TextEncoding kEncodings[] = {
    output::TextEncoding::Utf8, output::TextEncoding::Utf8WithBom, output::TextEncoding::Cp932};

struct ExportFile {
    const char* Suffix;  // after the drawing's name
    const char* Filter;
};

ExportFile FileOf(TVornExtracts::ExportKind kind) {
    switch (kind) {
        case TVornExtracts::ExportKind::GroupedPartsList:
            return {"_bom.csv",
                    "CSV UTF-8 (*.csv)|*.csv|CSV UTF-8 BOM 付き (*.csv)|*.csv|"
                    "CSV Shift-JIS (*.csv)|*.csv"};
        case TVornExtracts::ExportKind::JsonResult:
            return {".json",
                    "JSON UTF-8 (*.json)|*.json|JSON UTF-8 BOM 付き (*.json)|*.json|"
                    "JSON Shift-JIS (*.json)|*.json"};
        case TVornExtracts::ExportKind::KicadNetlist:
            break;
    }
    return {".kicad.net", "KiCad ネットリスト (*.net)|*.net"};
}

}  // namespace

// The name proposed lies beside the drawing read last, named after it; the columns of the
// grouped list are asked each time and the encoding is the save dialog's filter, both
// starting from the ones used last in this folder.
void TVornExtracts::ExportClick(ExportKind kind) {
    if (State.PartsList.Count() == 0) {
        return;
    }
    settings::TOptionValues& options = State.Options;
    output::BomOptions bom;
    bom.Ranges = options.ExportRanges;
    bom.Encoding =
        output::EncodingNamed(options.ExportEncoding).value_or(output::TextEncoding::Utf8);
    if (kind == ExportKind::GroupedPartsList) {
        QString fields = Qs(options.ExportFields);
        if (!dialogs_.Prompt(
                this, windowTitle(),
                U("列 (カンマ区切り、順に): ") + QString::fromStdString(output::BomFieldNames()),
                fields)) {
            return;
        }
        std::string error;
        std::optional<std::vector<output::BomField>> parsed =
            output::ParseBomFields(fields.toStdString(), error);
        if (!parsed) {
            ui_.ShowMessage(text::Utf8ToCp932(error));
            return;
        }
        options.ExportFields = fields.toStdString();
        bom.Fields = *parsed;
    }
    const ExportFile file = FileOf(kind);
    const fs::path drawing = fs::path(text::Cp932ToUtf8(State.PreFile));
    const fs::path proposed =
        fs::path(text::Cp932ToUtf8(State.DataDir)) / (drawing.stem().string() + file.Suffix);
    int choice = 0;
    for (std::size_t i = 0; i < std::size(kEncodings); ++i) {
        choice = kEncodings[i] == bom.Encoding ? static_cast<int>(i) : choice;
    }
    std::optional<QString> chosen = dialogs_.SaveFile(
        this, QString::fromStdString(proposed.string()), QString::fromUtf8(file.Filter), choice);
    if (!chosen) {
        return;
    }
    if (kind != ExportKind::KicadNetlist && choice >= 0 &&
        choice < static_cast<int>(std::size(kEncodings))) {
        bom.Encoding = kEncodings[choice];
        options.ExportEncoding = output::EncodingName(bom.Encoding);
    }
    const platform::OutputTarget target(fs::path(chosen->toStdString()));
    switch (kind) {
        case ExportKind::GroupedPartsList:
            State.WriteGroupedPartsListFile(target, bom);
            return;
        case ExportKind::JsonResult:
            State.WriteJsonResultFile(target, {State.ShortedNets(), {}}, bom.Encoding);
            return;
        case ExportKind::KicadNetlist:
            State.WriteKicadNetFile(target);
            return;
    }
}

}  // namespace ui
